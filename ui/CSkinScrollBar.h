// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/ScrollBarGeometry.h"
#include "ui/ScrollInfo.h"
#include "ui/WindowTimers.h"

#include <QImage>
#include <QWidget>

// A scroll bar drawn from a skin of 9 x 3 square cells instead of the platform's look. It keeps its
// own scroll information and tells its parent what the user did exactly as a platform scroll bar
// does: scrolled(code, position) with code 0 line up, 1 line down, 2 page up, 3 page down (position
// 0), 5 while the thumb is dragged and 4 when it is released (position = where the thumb was taken).
// The bar never moves itself: the parent answers by setting the scroll information.
class CSkinScrollBar : public QWidget {
    Q_OBJECT

public:
    // Scroll codes besides the part numbers 0..3.
    static constexpr int kThumbPosition = 4;
    static constexpr int kThumbTrack = 5;
    // Timer ids: the delay before a held part repeats, then the repeat itself.
    static constexpr int kRepeatDelayTimer = 200;
    static constexpr int kRepeatTimer = 100;
    static constexpr int kRepeatDelayMs = 500;
    static constexpr int kRepeatMs = 100;

    CSkinScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

    // Takes the skin (the bar does not draw without one) and makes the bar one cell thick, keeping
    // its top-left corner and its length.
    void setPicture(const QImage& skin);
    // Copies the fields of info that mask names (the track position is never taken); with redraw the
    // track and thumb are repainted. Answers 1.
    int setScrollInfo(unsigned mask, const ScrollInfo& info, bool redraw);
    // The fields mask names; the track position is -1 while the thumb is not dragged. Fields not asked
    // for are left at their defaults.
    ScrollInfo scrollInfo(unsigned mask) const;
    // Grows the maximum by delta (to page - 1 where it would go negative) and keeps the position in
    // range.
    void adjustRange(int delta);

    Qt::Orientation orientation() const { return orientation_; }
    int unit() const { return unit_; }
    // The bar's length along its direction.
    int length() const;
    ScrollBarGeometry geometryForPainting() const;
    ScrollPart hoveredPart() const { return hovered_; }
    ScrollPart pressedPart() const { return pressed_; }
    bool isDragging() const { return dragging_; }
    bool isRepeatPaused() const { return repeatPaused_; }
    // The bar's timers (kRepeatDelayTimer, kRepeatTimer); tests drive them.
    WindowTimers& timers() { return timers_; }

signals:
    void scrolled(int code, int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    ScrollInfo currentInfo() const;
    ScrollBarGeometry geometryForHitTest() const;
    int along(QPoint point) const;
    QRect partRect(const ScrollBarGeometry& geometry, ScrollPart part) const;
    QRect alongRect(int begin, int end) const;
    void updatePart(ScrollPart part);
    void send(int code, int position = 0);

    void startDrag(QPoint point);
    void dragTo(QPoint point);
    void endDrag(QPoint point);
    void pressPart(ScrollPart part);
    void releasePart();
    void hoverAt(QPoint point, bool inside);
    void handleTimer(int id);
    void repeatStep();

    int cellRow(ScrollPart part) const;
    void paintArrow(QPainter& painter, const ScrollBarGeometry& geometry, ScrollPart part) const;
    void paintThumb(QPainter& painter, const ScrollBarGeometry& geometry) const;
    void paintTrack(QPainter& painter, int begin, int end) const;
    QRect cell(int column, int row) const;
    QRect cellPiece(const QRect& cell, int from, int size) const;
    int column(int verticalColumn) const;

    Qt::Orientation orientation_;
    QImage skin_;
    int unit_ = 0;
    int minimum_ = 0;
    int maximum_ = 0;
    int page_ = 0;
    int position_ = 0;
    int trackPosition_ = -1;
    bool dragging_ = false;
    QPoint dragStart_;
    int dragStartPosition_ = 0;
    ScrollPart pressed_ = ScrollPart::None;
    bool autoRepeat_ = false;
    bool repeatPaused_ = false;
    ScrollPart hovered_ = ScrollPart::None;
    QPoint lastMouse_{-1, -1};
    WindowTimers timers_;
};
