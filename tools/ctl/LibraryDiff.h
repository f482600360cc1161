// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

class ActionList;

// An entry of the combo, macro or emulation library that one profile has and the other has not, has
// under another name, or has with other actions.
struct LibraryDifference {
    enum class Change { Added, Removed, Renamed, Changed };
    Change change = Change::Changed;
    int kind = 0;             // the library: 2 combos, 3 macros, 4 emulations
    std::string name;         // the entry's name (its old name when renamed)
    std::string newName;      // the name it has now, when renamed
    int position = 0;         // where it stands in its library, from 1 (the new one for an added entry)
    bool nameRepeats = false; // another entry of that library has the same name
    std::string before;       // its length and play settings, unless added
    std::string after;        // its length and play settings now, unless removed or renamed
    std::string firstItemDifference; // where the actions of a changed entry first part
};

// The differences between two versions of the library of kind. Entries are matched by name (among
// entries of the same name, equal ones first, then in order); an entry that only one side has, whose
// actions the other side holds under a name of its own, was renamed. The order of the entries is not
// compared.
std::vector<LibraryDifference> compareLibrary(int kind, const ActionList& before, const ActionList& after);
