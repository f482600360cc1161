// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Checks shared by the tests of the control tables: the shape of every row and the keyboard that
// most windows draw, 85 keys in six rows.

#include "controls/KeyboardKeys.h"
#include "controls/SkinControl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <set>
#include <span>
#include <string_view>

namespace table_checks {

inline std::size_t rowsInUse(std::span<const ControlSpec> table) {
    std::size_t count = 0;
    for (const ControlSpec& row : table)
        count += row.id > 0 ? 1 : 0;
    return count;
}

// The first row in use with this id, or null.
inline const ControlSpec* findById(std::span<const ControlSpec> table, int id) {
    for (const ControlSpec& row : table) {
        if (row.id > 0 && row.id == id)
            return &row;
    }
    return nullptr;
}

inline bool sameText(const char* a, const char* b) {
    if (a == nullptr || b == nullptr)
        return a == b;
    return std::string_view(a) == b;
}

// Every row in use has a rectangle with left < right and top < bottom, a role, both captions and a
// "zh-CN" tooltip, and is a label exactly when its role says so; every other row is a default row.
inline testing::AssertionResult rowsAreWellFormed(std::span<const ControlSpec> table) {
    for (std::size_t entry = 0; entry < table.size(); ++entry) {
        const ControlSpec& row = table[entry];
        if (row.id <= 0) {
            const ControlSpec unused;
            if (row.id != -1 || row.role != ControlRole::None || row.rect != unused.rect ||
                row.captionZh != nullptr || row.captionEn != nullptr || row.keyIndex != -1)
                return testing::AssertionFailure()
                       << "entry " << entry << " is neither in use nor a default row";
            continue;
        }
        if (row.rect.left >= row.rect.right || row.rect.top >= row.rect.bottom)
            return testing::AssertionFailure()
                   << "entry " << entry << " (id " << row.id << ") has the rectangle " << row.rect.left
                   << ", " << row.rect.top << ", " << row.rect.right << ", " << row.rect.bottom;
        if (row.role == ControlRole::None)
            return testing::AssertionFailure() << "entry " << entry << " (id " << row.id << ") has no role";
        if (row.isLabel != (row.role == ControlRole::Label))
            return testing::AssertionFailure() << "entry " << entry << " (id " << row.id
                                               << ") is a label but not drawn as one, or the other way round";
        if (row.captionZh == nullptr || row.captionEn == nullptr || row.tooltipZh == nullptr)
            return testing::AssertionFailure()
                   << "entry " << entry << " (id " << row.id << ") lacks a caption or its tooltip";
        if (row.isLabel &&
            (std::string_view(row.captionZh).empty() || std::string_view(row.captionEn).empty()))
            return testing::AssertionFailure()
                   << "label entry " << entry << " (id " << row.id << ") has an empty caption";
    }
    return testing::AssertionSuccess();
}

inline testing::AssertionResult idsAreUnique(std::span<const ControlSpec> table) {
    std::set<int> seen;
    for (const ControlSpec& row : table) {
        if (row.id > 0 && !seen.insert(row.id).second)
            return testing::AssertionFailure() << "id " << row.id << " is used twice";
    }
    return testing::AssertionSuccess();
}

// Key index k sits at entry entryOffset + k with id keyboardKeyId(k), the same caption in both
// languages; every key index 1..85 once; no other row is a key.
inline testing::AssertionResult keysInPlace(std::span<const ControlSpec> table, int entryOffset) {
    std::set<int> keys;
    for (std::size_t entry = 0; entry < table.size(); ++entry) {
        const ControlSpec& row = table[entry];
        const bool isKey = row.role == ControlRole::Key;
        if (!isKey) {
            if (row.keyIndex != -1 || keyIndexOfId(row.id) != 0)
                return testing::AssertionFailure()
                       << "entry " << entry << " (id " << row.id << ") looks like a key but is not one";
            continue;
        }
        if (row.keyIndex < 1 || row.keyIndex > 85 || !keys.insert(row.keyIndex).second)
            return testing::AssertionFailure() << "entry " << entry << " has key index " << row.keyIndex;
        if (row.id != keyboardKeyId(row.keyIndex) || static_cast<int>(entry) != entryOffset + row.keyIndex)
            return testing::AssertionFailure()
                   << "key " << row.keyIndex << " has id " << row.id << " at entry " << entry;
        if (!sameText(row.captionZh, row.captionEn) || std::string_view(row.captionZh).empty())
            return testing::AssertionFailure()
                   << "key " << row.keyIndex << " has differing or empty captions";
    }
    if (keys.size() != 85)
        return testing::AssertionFailure() << "only " << keys.size() << " keys";
    return testing::AssertionSuccess();
}

// The keys of entries entryOffset + 1 .. + 85 form the keyboard: six rows starting at keys 1, 17, 32,
// 47, 61 and 75, each row one band (same top and bottom) below the one before, keys from left to right
// without overlap, every key between 38 and 120 design units wide.
inline testing::AssertionResult keyboardIsLaidOut(std::span<const ControlSpec> table, int entryOffset) {
    constexpr std::array<int, 6> kRowStarts{1, 17, 32, 47, 61, 75};
    const auto key = [&](int k) -> const SkinRect& {
        return table[static_cast<std::size_t>(entryOffset + k)].rect;
    };
    for (int k = 1; k <= 85; ++k) {
        const SkinRect& rect = key(k);
        if (rect.width() < 38 || rect.width() > 120)
            return testing::AssertionFailure() << "key " << k << " is " << rect.width() << " wide";
        if (k == 1)
            continue;
        const SkinRect& before = key(k - 1);
        const bool startsRow = std::find(kRowStarts.begin(), kRowStarts.end(), k) != kRowStarts.end();
        if (startsRow) {
            if (rect.top < before.bottom || rect.left > before.left)
                return testing::AssertionFailure()
                       << "key " << k << " does not start a new row below key " << k - 1;
        } else if (rect.top != before.top || rect.bottom != before.bottom || rect.left < before.right) {
            return testing::AssertionFailure()
                   << "key " << k << " does not follow key " << k - 1 << " in its row";
        }
    }
    return testing::AssertionSuccess();
}

} // namespace table_checks
