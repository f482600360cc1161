// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

class CConfigStore;

// The texts the key assignment windows and the main window show for recorded actions and for a key's
// assignment. Qt-free.

// The text of a recorded key event: the name of its key (code & 0x1FF; +0x100 is the keypad Enter),
// with " Down" for a press and " UP" for a release (code + 0x200) when withSuffix is set; "-- --" for
// a key the catalogue does not name.
std::string actionText(const CConfigStore& store, int code, bool withSuffix);

// A macro item as the one-line summary shows it: a delay "<50 ms>" as its bare number, a key event
// without its " Down" or " UP".
std::string shortenedMacroItem(const std::string& item);

// One line saying what key slot does on table: the combination's or emulation's items joined by
// " | ", a macro's shortened items joined by "," (cut with " ... ..." once longer than 120
// characters), the function's name for the kinds that carry one code, and nothing for a key that is
// not set.
std::string assignmentSummary(const CConfigStore& store, int slot, int table);
