// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/ProfileDiff.h"

#include "model/ConfigStore.h"
#include "model/KeyboardVariant.h"
#include "tools/ctl/ActionsComparison.h"
#include "tools/ctl/AssignmentDescription.h"

#include <map>
#include <utility>

namespace {

bool holdsActions(int kind) {
    return kind == kKindCombo || kind == kKindMacro || kind == kKindEmulation;
}

// The kinds the keyboard receives as one device code: which of them a key has follows from the code
// (a read gives 1 where the factory defaults give 6 for the same code), so they are compared by it.
bool carriesOneCode(int kind) {
    return kind == kKindSingle || (kind >= kKindMultimedia && kind <= kKindPower);
}

std::vector<AssignmentDifference> assignmentDifferences(const CConfigStore& before,
                                                        const CConfigStore& after) {
    std::vector<AssignmentDifference> differences;
    for (int table = 0; table < kTables; ++table) {
        for (int key = kFirstKey; key <= kLastKey; ++key) {
            if (sameAssignment(before, after, key, table))
                continue;
            AssignmentDifference difference{key,
                                            table,
                                            describeAssignment(before, key, table),
                                            describeAssignment(after, key, table),
                                            {}};
            const int kind = before.keyKind[key][table];
            if (kind == after.keyKind[key][table] && holdsActions(kind))
                difference.firstItemDifference =
                    firstItemDifference(before.keyActions[key][table], after.keyActions[key][table]);
            differences.push_back(std::move(difference));
        }
    }
    return differences;
}

std::vector<LibraryDifference> libraryDifferences(const CConfigStore& before, const CConfigStore& after) {
    std::vector<LibraryDifference> differences;
    const std::pair<int, const ActionList CConfigStore::*> libraries[] = {
        {kKindCombo, &CConfigStore::predefinedCombos},
        {kKindMacro, &CConfigStore::predefinedMacros},
        {kKindEmulation, &CConfigStore::predefinedEmulations},
    };
    for (const auto& [kind, library] : libraries) {
        std::vector<LibraryDifference> ofLibrary = compareLibrary(kind, before.*library, after.*library);
        differences.insert(differences.end(), ofLibrary.begin(), ofLibrary.end());
    }
    return differences;
}

Rgb colourOf(const CConfigStore& store, int key) {
    const auto& area = store.lightArea[key];
    return rgb(area[0], area[1], area[2]);
}

std::vector<LightDifference> lightDifferences(const CConfigStore& before, const CConfigStore& after) {
    std::vector<LightDifference> groups;
    std::map<std::pair<Rgb, Rgb>, std::size_t> groupOfChange;
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        const Rgb from = colourOf(before, key);
        const Rgb to = colourOf(after, key);
        if (from == to)
            continue;
        const auto [found, isNew] = groupOfChange.try_emplace({from, to}, groups.size());
        if (isNew)
            groups.push_back({{}, from, to});
        groups[found->second].keys.push_back(key);
    }
    return groups;
}

} // namespace

bool sameAssignment(const CConfigStore& before, const CConfigStore& after, int slot, int table) {
    const int kind = before.keyKind[slot][table];
    const int otherKind = after.keyKind[slot][table];
    if (carriesOneCode(kind) && carriesOneCode(otherKind))
        return before.keyCode[slot][table] == after.keyCode[slot][table];
    if (kind != otherKind)
        return false;
    if (holdsActions(kind))
        return sameActions(kind, before.keyActions[slot][table], after.keyActions[slot][table]);
    return kind == kKindNotSet || before.keyCode[slot][table] == after.keyCode[slot][table];
}

ProfileDifferences compareProfiles(const CConfigStore& before, const CConfigStore& after,
                                   bool withLibraries) {
    ProfileDifferences differences;
    differences.variantBefore = before.deviceVariant;
    differences.variantAfter = after.deviceVariant;
    differences.librariesCompared = withLibraries;
    differences.lightsCompared = KeyboardVariant::hasColourLighting(before.deviceVariant) &&
                                 KeyboardVariant::hasColourLighting(after.deviceVariant);
    differences.assignments = assignmentDifferences(before, after);
    if (differences.librariesCompared)
        differences.libraries = libraryDifferences(before, after);
    if (differences.lightsCompared)
        differences.lights = lightDifferences(before, after);
    return differences;
}
