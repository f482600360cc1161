// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The keys a command line names, as every command of qelec-ctl and qelec-vkbd that takes keys reads
// them: "all", or items separated by commas, each a key number 1 to 85 (leading zeros allowed), a
// key's legend on the variant's keyboard (as the keyboard view shows it, in any case: "Esc", "caps
// lock", "-"), or a range of two of those ("1-16", "Q-P"). A plain number is always a key number, so
// the digit keys go by theirs (18 to 27). A legend that several keys share ("Shift", "Space") names
// none of them. An empty text names no keys and says so.
struct KeySelection {
    // Ascending, each key once.
    std::vector<int> keys;
    // Why the text names no keys; empty when it does.
    std::string error;

    bool ok() const { return error.empty(); }
};

KeySelection parseKeySelection(std::string_view text, int variant);

// The keys in words, ranges joined: "key 34", "keys 1-16, 30, 78-79" or "all keys".
std::string describeKeySelection(const std::vector<int>& keys);
