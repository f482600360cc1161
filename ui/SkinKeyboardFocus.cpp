// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SkinKeyboardFocus.h"

#include "ui/AccessibleAnnouncer.h"
#include "ui/SkinnedWindow.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

SkinKeyboardFocus::SkinKeyboardFocus(SkinnedWindow& window) : window_(window) {}

namespace {

// The focus frame: two pixels wide, in the colour the windows mark selected words with.
constexpr int kFrameWidth = 2;
const QColor kFrameColour{0, 255, 0};

// How far a candidate lies from a focused entry towards key: along the arrow, with any sideways
// offset counted double; negative when it lies the other way.
int distanceTowards(int key, const QRect& from, const QRect& to) {
    const QPoint delta = to.center() - from.center();
    switch (key) {
    case Qt::Key_Left:
        return delta.x() < 0 ? -delta.x() + 2 * std::abs(delta.y()) : -1;
    case Qt::Key_Right:
        return delta.x() > 0 ? delta.x() + 2 * std::abs(delta.y()) : -1;
    case Qt::Key_Up:
        return delta.y() < 0 ? -delta.y() + 2 * std::abs(delta.x()) : -1;
    case Qt::Key_Down:
        return delta.y() > 0 ? delta.y() + 2 * std::abs(delta.x()) : -1;
    default:
        break;
    }
    return -1;
}

bool isPressKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_Space || event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

bool isArrowKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_Left || event.key() == Qt::Key_Right || event.key() == Qt::Key_Up ||
           event.key() == Qt::Key_Down;
}

// A child widget Tab stops at: shown, usable and taking the focus by Tab.
bool takesTab(const QWidget& child) {
    return child.isVisible() && child.isEnabled() && (child.focusPolicy() & Qt::TabFocus) != 0;
}

} // namespace

std::vector<std::size_t> SkinKeyboardFocus::entryOrder() const {
    std::vector<std::size_t> order;
    for (std::size_t index = 0; index < window_.controls().size(); ++index) {
        if (window_.isPressableEntry(index))
            order.push_back(index);
    }
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        const QRect first = window_.entryArea(a);
        const QRect second = window_.entryArea(b);
        return first.top() != second.top() ? first.top() < second.top() : first.left() < second.left();
    });
    return order;
}

std::vector<SkinKeyboardFocus::Stop> SkinKeyboardFocus::tabStops() const {
    std::vector<Stop> stops;
    for (const std::size_t index : entryOrder())
        stops.push_back({.entry = static_cast<int>(index), .area = window_.entryArea(index)});
    for (QWidget* child : window_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (takesTab(*child))
            stops.push_back({.widget = child, .area = child->geometry()});
    }
    std::stable_sort(stops.begin(), stops.end(), [](const Stop& a, const Stop& b) {
        return a.area.top() != b.area.top() ? a.area.top() < b.area.top() : a.area.left() < b.area.left();
    });
    return stops;
}

// The stop of the child widget with the focus, else the stop of the framed entry; -1 for none.
int SkinKeyboardFocus::currentStop(const std::vector<Stop>& stops) const {
    const QWidget* focused = window_.focusWidget();
    const bool inWidget = focused != nullptr && focused != &window_;
    for (std::size_t position = 0; position < stops.size(); ++position) {
        const Stop& stop = stops[position];
        const bool current = inWidget ? stop.widget != nullptr &&
                                            (stop.widget == focused || stop.widget->isAncestorOf(focused))
                                      : stop.widget == nullptr && stop.entry == entry_;
        if (current)
            return static_cast<int>(position);
    }
    return -1;
}

// Into an edit box the focus goes itself, and the frame leaves the table; back on an entry the window
// takes the keys again.
void SkinKeyboardFocus::moveToStop(const Stop& stop) {
    if (stop.widget != nullptr) {
        setEntry(-1);
        stop.widget->setFocus(Qt::TabFocusReason);
        return;
    }
    if (!window_.hasFocus())
        window_.setFocus(Qt::TabFocusReason);
    setEntry(stop.entry);
}

bool SkinKeyboardFocus::showsFrame() const {
    return keyboardInUse_ && entry_ >= 0 && window_.isPressableEntry(static_cast<std::size_t>(entry_));
}

void SkinKeyboardFocus::focusEntry(std::size_t index) {
    if (window_.isPressableEntry(index))
        setEntry(static_cast<int>(index));
}

void SkinKeyboardFocus::setEntry(int index) {
    if (index == entry_)
        return;
    if (entry_ >= 0)
        window_.update(frameArea(entry_));
    entry_ = index;
    if (entry_ >= 0)
        window_.update(frameArea(entry_));
    if (window_.announcer_ && entry_ >= 0 && window_.holdsKeyboard())
        AccessibleAnnouncer::announceFocus(window_, static_cast<std::size_t>(entry_));
}

QRect SkinKeyboardFocus::frameArea(int index) const {
    return window_.entryArea(static_cast<std::size_t>(index))
        .adjusted(-kFrameWidth, -kFrameWidth, kFrameWidth, kFrameWidth);
}

bool SkinKeyboardFocus::isFramed(const SkinControl& control) const {
    return showsFrame() && &control == &window_.controls()[static_cast<std::size_t>(entry_)];
}

void SkinKeyboardFocus::paintFrame(QPainter& painter) const {
    if (!showsFrame())
        return;
    const QRect area = window_.entryArea(static_cast<std::size_t>(entry_));
    painter.setPen(QPen(kFrameColour, kFrameWidth, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(1, 1, -1, -1));
}

// Tab and Shift+Tab walk the window's entries and the edit boxes that take Tab in reading order and
// wrap around; while every key belongs to the window they are left to its key handling, even from an
// edit box.
bool SkinKeyboardFocus::moveByTab(bool next) {
    if (window_.keysBelongToWindow())
        return false;
    const std::vector<Stop> stops = tabStops();
    if (stops.empty()) {
        if (!window_.hasFocus())
            window_.setFocus(Qt::TabFocusReason);
        return true;
    }
    keyboardInUse_ = true;
    const auto count = static_cast<int>(stops.size());
    const int current = currentStop(stops);
    int position = next ? 0 : count - 1;
    if (current >= 0)
        position = (current + (next ? 1 : -1) + count) % count;
    moveToStop(stops[static_cast<std::size_t>(position)]);
    return true;
}

void SkinKeyboardFocus::moveBy(int step) {
    const std::vector<std::size_t> order = entryOrder();
    if (order.empty())
        return;
    keyboardInUse_ = true;
    const auto current = std::find(order.begin(), order.end(), static_cast<std::size_t>(std::max(entry_, 0)));
    const auto count = static_cast<int>(order.size());
    int position = 0;
    if (entry_ >= 0 && current != order.end())
        position = (static_cast<int>(current - order.begin()) + step + count) % count;
    else if (step < 0)
        position = count - 1;
    setEntry(static_cast<int>(order[static_cast<std::size_t>(position)]));
}

// An arrow moves to the nearest entry of the same kind that way: the next key of a keyboard, row of a
// list, tab of the tab strip.
bool SkinKeyboardFocus::moveTowards(int key) {
    if (entry_ < 0)
        return false;
    const SkinControl& from = window_.controls()[static_cast<std::size_t>(entry_)];
    int best = -1;
    int bestDistance = 0;
    for (const std::size_t index : entryOrder()) {
        const SkinControl& to = window_.controls()[index];
        if (to.role != from.role || static_cast<int>(index) == entry_)
            continue;
        const int distance = distanceTowards(key, window_.entryArea(static_cast<std::size_t>(entry_)),
                                             window_.entryArea(index));
        if (distance >= 0 && (best < 0 || distance < bestDistance)) {
            best = static_cast<int>(index);
            bestDistance = distance;
        }
    }
    if (best >= 0)
        setEntry(best);
    return true;
}

// Space and Enter press the entry with the focus frame, exactly as a click on it; without a frame,
// and while every key belongs to the window, keys do what they always did.
bool SkinKeyboardFocus::handleKey(const QKeyEvent& event) {
    const bool plain = (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (window_.keysBelongToWindow() || !plain || !showsFrame())
        return false;
    if (isPressKey(event)) {
        window_.dispatchClick(window_.controls()[static_cast<std::size_t>(entry_)].id);
        return true;
    }
    return isArrowKey(event) && moveTowards(event.key());
}

// A window shown to a keyboard user opens with the frame on its first entry.
void SkinKeyboardFocus::enterFirst() {
    if (entry_ < 0 && keyboardInUse_)
        moveBy(1);
}
