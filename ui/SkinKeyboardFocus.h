// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include <cstddef>
#include <vector>

class QKeyEvent;
class QPainter;
class QWidget;
class SkinnedWindow;
struct SkinControl;

// The keyboard focus of a skinned window: which entry of its table the focus frame is on, the order
// Tab and Shift+Tab walk (the entries and the edit boxes that take Tab, in reading order), the arrows
// between entries of one kind, Space and Enter pressing the framed entry, and the frame itself, drawn
// only once the keyboard has moved a focus in the program.
class SkinKeyboardFocus {
public:
    explicit SkinKeyboardFocus(SkinnedWindow& window);

    // The entry the frame is on, -1 for none.
    int entry() const { return entry_; }
    // Puts the frame on the entry at index when it can be pressed.
    void focusEntry(std::size_t index);
    bool showsFrame() const;
    // Whether control is the entry the frame is drawn around (it then shows its hover look).
    bool isFramed(const SkinControl& control) const;
    void paintFrame(QPainter& painter) const;

    // Tab (next) or Shift+Tab; false while every key belongs to the window, which then has the key.
    bool moveByTab(bool next);
    // Space, Enter and the arrows on the framed entry; false for a key left to the window.
    bool handleKey(const QKeyEvent& event);
    // Puts the frame on the first entry of a window just shown, for a keyboard user.
    void enterFirst();

    static bool keyboardInUse() { return keyboardInUse_; }
    static void setKeyboardInUse(bool inUse) { keyboardInUse_ = inUse; }

private:
    // Where Tab stops: an entry of the table, or a child widget (an edit box) that takes Tab.
    struct Stop {
        int entry = -1;
        QWidget* widget = nullptr;
        QRect area;
    };
    // The pressable entries in reading order: top to bottom, left to right.
    std::vector<std::size_t> entryOrder() const;
    // The entries and the child widgets in one reading order.
    std::vector<Stop> tabStops() const;
    int currentStop(const std::vector<Stop>& stops) const;
    void moveToStop(const Stop& stop);
    void moveBy(int step);
    bool moveTowards(int key);
    void setEntry(int index);
    QRect frameArea(int index) const;

    SkinnedWindow& window_;
    int entry_ = -1;
    inline static bool keyboardInUse_ = false;
};
