// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

// One named key index: a platform virtual-key code, or 246..465 for the keyboard's own functions.
struct KeyNameEntry {
    int index;
    const char* name; // English, UTF-8
};

// Every named key index, in ascending order of index. Names repeat ("Reserved", "Sleep").
std::span<const KeyNameEntry> keyNameTable();
