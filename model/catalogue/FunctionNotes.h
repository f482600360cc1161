// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

// The note shown for one keyboard function, by device code, in both languages (UTF-8).
struct FunctionNote {
    int code;
    const char* en;
    const char* zh;
};

// Notes for device codes 126..209, one per code in ascending order, as the wireless variants show
// them.
std::span<const FunctionNote> functionNotes();

// The notes of codes 150, 153 and 155 as the wired variants show them (their indicators light
// instead of flashing).
std::span<const FunctionNote> wiredIndicatorNotes();
