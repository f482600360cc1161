// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CSkinScrollBar.h"

#include "ui/AccessibleAnnouncer.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kSkinColumns = 9;
constexpr int kCapPixels = 3;

// Skin columns of a vertical bar; a horizontal bar uses the four after them.
constexpr int kArrowUpColumn = 0;
constexpr int kArrowDownColumn = 1;
constexpr int kThumbColumn = 2;
constexpr int kTrackColumn = 3;
constexpr int kHorizontalColumnOffset = 4;

// Skin rows.
constexpr int kNormalRow = 0;
constexpr int kHoveredRow = 1;
constexpr int kPressedRow = 2;

} // namespace

CSkinScrollBar::CSkinScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), orientation_(orientation), timers_([this](int id) { handleTimer(id); }) {
    setObjectName("skinScrollBar");
    setMouseTracking(true);
}

void CSkinScrollBar::setPicture(const QImage& skin) {
    skin_ = skin;
    unit_ = skin.width() / kSkinColumns;
    if (orientation_ == Qt::Vertical)
        resize(unit_, height());
    else
        resize(width(), unit_);
    update();
}

int CSkinScrollBar::setScrollInfo(unsigned mask, const ScrollInfo& info, bool redraw) {
    if ((mask & ScrollInfo::kPage) != 0)
        page_ = info.page;
    if ((mask & ScrollInfo::kPosition) != 0 && position_ != info.position) {
        position_ = info.position;
        AccessibleAnnouncer::announceValue(this, position_);
    }
    if ((mask & ScrollInfo::kRange) != 0) {
        minimum_ = info.minimum;
        maximum_ = info.maximum;
    }
    if (redraw) {
        const ScrollBarGeometry geometry = geometryForPainting();
        update(alongRect(geometry.arrow, geometry.length - geometry.arrow));
    }
    return 1;
}

ScrollInfo CSkinScrollBar::scrollInfo(unsigned mask) const {
    ScrollInfo info;
    if ((mask & ScrollInfo::kPage) != 0)
        info.page = page_;
    if ((mask & ScrollInfo::kPosition) != 0)
        info.position = position_;
    if ((mask & ScrollInfo::kTrackPosition) != 0)
        info.trackPosition = trackPosition_;
    if ((mask & ScrollInfo::kRange) != 0) {
        info.minimum = minimum_;
        info.maximum = maximum_;
    }
    return info;
}

void CSkinScrollBar::adjustRange(int delta) {
    ScrollInfo info = scrollInfo(ScrollInfo::kAll);
    info.maximum += delta;
    if (info.maximum < 0)
        info.maximum = info.page - 1;
    info.position = std::min(info.position, ScrollBarGeometry::scrollable(info));
    info.position = std::max(info.position, info.minimum);
    setScrollInfo(ScrollInfo::kAll, info, true);
}

int CSkinScrollBar::length() const {
    return orientation_ == Qt::Vertical ? height() : width();
}

ScrollInfo CSkinScrollBar::currentInfo() const {
    return {minimum_, maximum_, page_, position_, trackPosition_};
}

ScrollBarGeometry CSkinScrollBar::geometryForPainting() const {
    return ScrollBarGeometry::forPainting(length(), unit_, currentInfo());
}

ScrollBarGeometry CSkinScrollBar::geometryForHitTest() const {
    return ScrollBarGeometry::forHitTest(length(), unit_, currentInfo());
}

int CSkinScrollBar::along(QPoint point) const {
    return orientation_ == Qt::Vertical ? point.y() : point.x();
}

QRect CSkinScrollBar::alongRect(int begin, int end) const {
    const int size = std::max(end - begin, 0);
    if (orientation_ == Qt::Vertical)
        return {0, begin, width(), size};
    return {begin, 0, size, height()};
}

QRect CSkinScrollBar::partRect(const ScrollBarGeometry& geometry, ScrollPart part) const {
    if (part == ScrollPart::None)
        return {};
    return alongRect(geometry.partBegin(part), geometry.partEnd(part));
}

void CSkinScrollBar::updatePart(ScrollPart part) {
    if (part != ScrollPart::None)
        update(partRect(geometryForPainting(), part));
}

void CSkinScrollBar::send(int code, int position) {
    emit scrolled(code, position);
}

void CSkinScrollBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    lastMouse_ = point;
    const ScrollPart part = geometryForHitTest().partAt(along(point));
    if (part == ScrollPart::Thumb)
        startDrag(point);
    else if (part != ScrollPart::None)
        pressPart(part);
}

// The second press of a double-click does nothing.
void CSkinScrollBar::mouseDoubleClickEvent(QMouseEvent* /*event*/) {}

void CSkinScrollBar::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    lastMouse_ = point;
    if (dragging_) {
        dragTo(point);
        return;
    }
    if (pressed_ == ScrollPart::None) {
        hoverAt(point, true);
        return;
    }
    const bool outside = !partRect(geometryForHitTest(), pressed_).contains(point);
    if (outside != repeatPaused_) {
        repeatPaused_ = outside;
        updatePart(pressed_);
    }
}

void CSkinScrollBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    lastMouse_ = point;
    if (dragging_) {
        endDrag(point);
    } else if (pressed_ != ScrollPart::None) {
        releasePart();
        hoverAt(point, rect().contains(point));
    }
}

void CSkinScrollBar::leaveEvent(QEvent* /*event*/) {
    if (!dragging_ && pressed_ == ScrollPart::None)
        hoverAt({}, false);
}

void CSkinScrollBar::startDrag(QPoint point) {
    dragging_ = true;
    dragStart_ = point;
    dragStartPosition_ = position_;
    trackPosition_ = position_;
    updatePart(ScrollPart::Thumb);
}

void CSkinScrollBar::dragTo(QPoint point) {
    const ScrollBarGeometry before = geometryForPainting();
    const int room = before.track - before.thumb;
    const int scrollable = ScrollBarGeometry::scrollable(currentInfo());
    const std::int64_t moved = along(point) - along(dragStart_);
    int next =
        room == 0 ? dragStartPosition_ : dragStartPosition_ + static_cast<int>(moved * scrollable / room);
    next = std::max(next, minimum_);
    next = std::min(next, scrollable);
    if (next == trackPosition_)
        return;
    const QRect oldThumb = partRect(before, ScrollPart::Thumb);
    trackPosition_ = next;
    update(oldThumb.united(partRect(geometryForPainting(), ScrollPart::Thumb)));
    send(kThumbTrack, next);
}

void CSkinScrollBar::endDrag(QPoint point) {
    dragging_ = false;
    send(kThumbPosition, trackPosition_);
    trackPosition_ = -1;
    update();
    hoverAt(point, rect().contains(point));
}

void CSkinScrollBar::pressPart(ScrollPart part) {
    pressed_ = part;
    send(static_cast<int>(part));
    timers_.start(kRepeatDelayTimer, kRepeatDelayMs);
    repeatPaused_ = false;
    updatePart(part);
}

void CSkinScrollBar::releasePart() {
    if (autoRepeat_) {
        timers_.stop(kRepeatTimer);
        autoRepeat_ = false;
    } else {
        timers_.stop(kRepeatDelayTimer);
    }
    const ScrollPart released = pressed_;
    pressed_ = ScrollPart::None;
    repeatPaused_ = false;
    updatePart(released);
}

void CSkinScrollBar::hoverAt(QPoint point, bool inside) {
    const ScrollPart part = inside ? geometryForHitTest().partAt(along(point)) : ScrollPart::None;
    if (part == hovered_)
        return;
    const ScrollPart previous = hovered_;
    hovered_ = part;
    updatePart(previous);
    updatePart(part);
}

void CSkinScrollBar::handleTimer(int id) {
    if (id == kRepeatDelayTimer) {
        autoRepeat_ = true;
        timers_.stop(kRepeatDelayTimer);
        timers_.start(kRepeatTimer, kRepeatMs);
        repeatStep();
    } else if (id == kRepeatTimer) {
        repeatStep();
    }
}

void CSkinScrollBar::repeatStep() {
    if (repeatPaused_)
        return;
    switch (pressed_) {
    case ScrollPart::LineUp:
        if (position_ == minimum_)
            timers_.stop(kRepeatTimer);
        else
            send(static_cast<int>(ScrollPart::LineUp));
        break;
    case ScrollPart::LineDown:
        if (position_ == maximum_)
            timers_.stop(kRepeatTimer);
        else
            send(static_cast<int>(ScrollPart::LineDown));
        break;
    case ScrollPart::PageUp:
    case ScrollPart::PageDown:
        if (geometryForHitTest().partAt(along(lastMouse_)) == ScrollPart::Thumb)
            timers_.stop(kRepeatTimer);
        else
            send(static_cast<int>(pressed_));
        break;
    case ScrollPart::Thumb:
    case ScrollPart::None:
        break;
    }
}

void CSkinScrollBar::paintEvent(QPaintEvent* /*event*/) {
    if (skin_.isNull() || unit_ <= 0)
        return;
    QPainter painter(this);
    const ScrollBarGeometry geometry = geometryForPainting();
    paintArrow(painter, geometry, ScrollPart::LineUp);
    paintArrow(painter, geometry, ScrollPart::LineDown);
    paintTrack(painter, geometry.partBegin(ScrollPart::PageUp), geometry.partEnd(ScrollPart::PageUp));
    paintTrack(painter, geometry.partBegin(ScrollPart::PageDown), geometry.partEnd(ScrollPart::PageDown));
    paintThumb(painter, geometry);
}

int CSkinScrollBar::cellRow(ScrollPart part) const {
    if (part == ScrollPart::Thumb)
        return dragging_ ? kPressedRow : hovered_ == part ? kHoveredRow : kNormalRow;
    if (pressed_ == part)
        return repeatPaused_ ? kNormalRow : kPressedRow;
    return hovered_ == part ? kHoveredRow : kNormalRow;
}

int CSkinScrollBar::column(int verticalColumn) const {
    return orientation_ == Qt::Vertical ? verticalColumn : verticalColumn + kHorizontalColumnOffset;
}

QRect CSkinScrollBar::cell(int skinColumn, int row) const {
    return {skinColumn * unit_, row * unit_, unit_, unit_};
}

QRect CSkinScrollBar::cellPiece(const QRect& source, int from, int size) const {
    if (orientation_ == Qt::Vertical)
        return {source.x(), source.y() + from, source.width(), size};
    return {source.x() + from, source.y(), size, source.height()};
}

// An arrow is copied from its cell, stretched when the arrow is not one cell in size.
void CSkinScrollBar::paintArrow(QPainter& painter, const ScrollBarGeometry& geometry, ScrollPart part) const {
    const QRect target = partRect(geometry, part);
    if (target.isEmpty())
        return;
    const int skinColumn = column(part == ScrollPart::LineUp ? kArrowUpColumn : kArrowDownColumn);
    painter.drawImage(target, skin_, cell(skinColumn, cellRow(part)));
}

// The thumb: the cell's first pixels as its start cap, its last pixels as the end cap and the middle
// of the cell repeated in between.
void CSkinScrollBar::paintThumb(QPainter& painter, const ScrollBarGeometry& geometry) const {
    if (geometry.thumb <= 0)
        return;
    const QRect source = cell(column(kThumbColumn), cellRow(ScrollPart::Thumb));
    const int cap = std::min(kCapPixels, geometry.thumb / 2);
    const int start = geometry.thumbStart;
    const int end = start + geometry.thumb;
    painter.drawImage(alongRect(start, start + cap), skin_, cellPiece(source, 0, cap));
    painter.drawImage(alongRect(end - cap, end), skin_, cellPiece(source, unit_ - cap, cap));
    const QRect middle = cellPiece(source, cap, unit_ - 2 * cap);
    const int step = unit_ - 2 * cap;
    for (int at = start + cap; step > 0 && at < end - cap; at += step) {
        const int piece = std::min(step, end - cap - at);
        painter.drawImage(alongRect(at, at + piece), skin_, cellPiece(middle, 0, piece));
    }
}

void CSkinScrollBar::paintTrack(QPainter& painter, int begin, int end) const {
    const QRect source = cell(column(kTrackColumn), kNormalRow);
    for (int at = begin; at < end; at += unit_) {
        const int piece = std::min(unit_, end - at);
        painter.drawImage(alongRect(at, at + piece), skin_, cellPiece(source, 0, piece));
    }
}
