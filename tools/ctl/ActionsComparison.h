// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

class ActionList;

// Comparing the actions of a combination, macro or emulation (kinds 2, 3 and 4) on what the keyboard
// plays: the items in order, and the play fields that kind uses.

// Whether a and b play the same as actions of kind: a combination by its keys, an emulation by its
// keys and delay, a macro by its items, play mode, repeat count (in play mode 0), spacing and fixed
// delay (with one fixed delay).
bool sameActions(int kind, const ActionList& a, const ActionList& b);

// Where the items of a and b first part, e.g. `item 2: "<50 ms>" -> "<60 ms>"` or
// `item 4: none -> "B UP"` (items counted from 1); empty when the items are the same.
std::string firstItemDifference(const ActionList& a, const ActionList& b);
