// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinControl.h"

#include <cstddef>

// Keyboards drawn as rows of keys: each row gives its vertical extent, each key its horizontal one.

// One row of keys: the first key index on it and the row's vertical extent.
struct KeyRow {
    int firstKey = 0;
    int top = -1;
    int bottom = -1;
};

// One key of a row: its index and horizontal extent.
struct KeyCell {
    int key = 0;
    int left = -1;
    int right = -1;
};

// The rectangle of key keyIndex (1..cells.size()) in a grid whose cells are listed by key index and
// carry left and right; a default rectangle for any other index.
template <typename Rows, typename Cells>
constexpr SkinRect keyRectInGrid(const Rows& rows, const Cells& cells, int keyIndex) {
    if (keyIndex < 1 || static_cast<std::size_t>(keyIndex) > cells.size())
        return {};
    const auto& cell = cells[static_cast<std::size_t>(keyIndex - 1)];
    const KeyRow* row = &rows.front();
    for (const KeyRow& candidate : rows) {
        if (candidate.firstKey <= keyIndex)
            row = &candidate;
    }
    return {cell.left, row->top, cell.right, row->bottom};
}
