// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymap/rules/RecordListView.h"

#include "model/ActionList.h"

#include <algorithm>

std::vector<RecordRow> recordRows(const ActionList& list, int rowCount) {
    std::vector<RecordRow> rows(static_cast<std::size_t>(std::max(rowCount, 0)));
    const std::vector<std::string>& items = list.items();
    for (int k = 0; k < rowCount; ++k) {
        const long index = static_cast<long>(list.ViewStartAt) + k;
        RecordRow& row = rows[static_cast<std::size_t>(k)];
        if (index >= 0 && index < static_cast<long>(items.size())) {
            row.text = items[static_cast<std::size_t>(index)];
            row.current = k == list.CursorPos;
        }
    }
    return rows;
}

RecordScrollRange scrollRangeFor(const ActionList& list, int rowCount) {
    return {.minimum = 0, .maximum = list.count() + rowCount - 1, .page = rowCount, .position = 0};
}

int limitedPosition(const RecordScrollRange& range, int position) {
    const int last = std::max(range.minimum, range.maximum - range.page + 1);
    return std::clamp(position, range.minimum, last);
}

int scrolledPosition(const RecordScrollRange& range, int request, int trackedPosition) {
    int position = range.position;
    switch (request) {
    case kLineUp:
        position -= 1;
        break;
    case kLineDown:
        position += 1;
        break;
    case kPageUp:
        position -= range.page;
        break;
    case kPageDown:
        position += range.page;
        break;
    case kThumbTrack:
        position = trackedPosition;
        break;
    default:
        break;
    }
    return limitedPosition(range, position);
}

void followScroll(ActionList& list, int position) {
    if (!list.empty())
        list.select(position);
}
