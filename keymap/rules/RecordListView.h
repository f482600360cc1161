// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

class ActionList;

// How the key assignment dialog shows an action list in a fixed block of rows with a skin scroll bar
// beside it: row k shows the item at ViewStartAt + k, the scroll bar's position is the list's
// absolute index, and scrolling moves the list's cursor or its view. Qt-free.

// One row of a block as drawn: its text (empty past the end of the list) and whether it is the
// list's current row.
struct RecordRow {
    std::string text;
    bool current = false;
    friend bool operator==(const RecordRow&, const RecordRow&) = default;
};
// The rowCount rows of a block showing list.
std::vector<RecordRow> recordRows(const ActionList& list, int rowCount);

// A vertical scroll bar's range as the rows need it.
struct RecordScrollRange {
    int minimum = 0;
    int maximum = 0;
    int page = 0;
    int position = 0;
    friend bool operator==(const RecordScrollRange&, const RecordScrollRange&) = default;
};
// The range for a list shown in rowCount rows: maximum = count + rows - 1, page = rows, position 0.
RecordScrollRange scrollRangeFor(const ActionList& list, int rowCount);
// position kept within minimum .. maximum - page + 1.
int limitedPosition(const RecordScrollRange& range, int position);

// Scroll requests, as the scroll bar sends them.
enum RecordScrollRequest : int {
    kLineUp = 0,
    kLineDown = 1,
    kPageUp = 2,
    kPageDown = 3,
    kThumbPosition = 4,
    kThumbTrack = 5,
};
// Where request moves the position: a line or a page either way, or to trackedPosition while the
// thumb is dragged; other requests leave it. The result is limited to the range.
int scrolledPosition(const RecordScrollRange& range, int request, int trackedPosition);
// The list follows the scroll bar to position: its cursor moves when that row is in view, else its
// view starts there.
void followScroll(ActionList& list, int position);
