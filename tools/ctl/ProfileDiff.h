// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinControl.h"
#include "tools/ctl/LibraryDiff.h"

#include <string>
#include <vector>

class CConfigStore;

// A key whose assignment on one table differs, in the words of the main window's information box.
struct AssignmentDifference {
    int key = 0;
    int table = 0;
    std::string before;
    std::string after;
    // Where two combinations, macros or emulations first part; empty when the kinds differ.
    std::string firstItemDifference;
};

// Keys whose colour changed from the same colour to the same colour.
struct LightDifference {
    std::vector<int> keys; // ascending
    Rgb before = 0;
    Rgb after = 0;
};

// What differs between two configurations: key assignments in table order (program, layer), then
// key; library entries by library (combos, macros, emulations); lights grouped by their change, in
// the order of each group's first key.
struct ProfileDifferences {
    int variantBefore = 0;
    int variantAfter = 0;
    // Libraries are not compared against a keyboard, which holds none.
    bool librariesCompared = true;
    // Lights are compared only when both variants have colour lighting.
    bool lightsCompared = true;
    std::vector<AssignmentDifference> assignments;
    std::vector<LibraryDifference> libraries;
    std::vector<LightDifference> lights;

    bool variantsDiffer() const { return variantBefore != variantAfter; }
    // The same variant and nothing compared differs.
    bool same() const {
        return !variantsDiffer() && assignments.empty() && libraries.empty() && lights.empty();
    }
};

// Whether the two configurations give key slot on table the same assignment: the same device code for
// the kinds that carry one (single key, multimedia, mouse, function, power), the same kind and
// actions (as the keyboard plays them) for a combination, macro or emulation; keys not set are alike.
bool sameAssignment(const CConfigStore& before, const CConfigStore& after, int slot, int table);

// Compares two configurations, each described with its own catalogue, on what both variants share:
// the nine tables of 85 keys, the libraries when withLibraries is set, and the lights when both
// variants have colour lighting.
ProfileDifferences compareProfiles(const CConfigStore& before, const CConfigStore& after,
                                   bool withLibraries = true);
