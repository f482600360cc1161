// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ActionList.h"
#include "model/ConfigStore.h"

#include <array>
#include <memory>

// Everything a profile load replaces in the store, read aside first so that a failed load changes
// nothing, and the rules its values keep.

struct ProfileContent {
    std::array<ActionList, 3> libraries;
    std::array<std::array<int, 3>, kKeySlots> lightArea{};
    std::array<std::array<int, kTables>, kKeySlots> keyKind{};
    std::array<std::array<int, kTables>, kKeySlots> keyCode{};
    std::array<std::array<ActionList, kTables>, kKeySlots> keyActions;
};

struct LibrarySection {
    const char* name;
    ActionList CConfigStore::*library;
};

// The libraries in file order, which is also their order in ProfileContent::libraries.
inline constexpr LibrarySection kLibrarySections[] = {
    {"PredefinedCombo", &CConfigStore::predefinedCombos},
    {"PredefinedMacro", &CConfigStore::predefinedMacros},
    {"PredefinedEmu", &CConfigStore::predefinedEmulations},
};

// The content a load starts from: libraries and key lists empty, as clear() leaves them, each with
// the store's SizeOfView; colours 0, keys not set.
std::unique_ptr<ProfileContent> emptyContentFor(const CConfigStore& store);

// Puts the content into the store and clears the press counters.
void replaceStoreContent(CConfigStore& store, ProfileContent& content);

// Whether id names one of the keys, 1..85.
bool isKeySlot(int id);

// A kind and code pair that a key can hold: kinds 0..8, and for the kinds that carry a code, one of
// the keyboard's codes.
bool isValidAssignment(int kind, int code);

// The colour with each part bounded to 0..255.
std::array<int, 3> boundedColour(const std::array<int, 3>& colour);
