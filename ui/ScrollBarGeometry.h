// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/ScrollInfo.h"

// The parts of a scroll bar, numbered as the scroll codes a press on them sends.
enum class ScrollPart : int {
    None = -1,
    LineUp = 0,   // the arrow at the top or left
    LineDown = 1, // the arrow at the bottom or right
    PageUp = 2,   // the track before the thumb
    PageDown = 3, // the track after the thumb
    Thumb = 5,
};

// Where the parts of a scroll bar lie along its direction, in pixels from its top or left.
struct ScrollBarGeometry {
    int length = 0;
    int unit = 0;
    // Track length between the arrows, at least 0.
    int track = 0;
    int thumb = 0;
    int arrow = 0;
    int thumbStart = 0;

    // The geometry the bar is drawn with: no thumb when nothing can scroll.
    static ScrollBarGeometry forPainting(int length, int unit, const ScrollInfo& info);
    // The geometry presses are tested against: the thumb's length ignores whether anything can scroll.
    static ScrollBarGeometry forHitTest(int length, int unit, const ScrollInfo& info);
    // maximum - minimum - page + 1: how far the position can move.
    static int scrollable(const ScrollInfo& info);

    // The part at offset along the bar; None before its start.
    ScrollPart partAt(int offset) const;
    // The extent [begin, end) of part along the bar; empty for None.
    int partBegin(ScrollPart part) const;
    int partEnd(ScrollPart part) const;
};
