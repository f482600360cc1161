// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ActionList.h"

#include <array>
#include <memory>
#include <optional>

// Sizes shared by every per-key table. Key slots run 1..85; row 0 belongs to no key.
inline constexpr int kKeySlots = 86;
inline constexpr int kFirstKey = 1;
inline constexpr int kLastKey = 85;
inline constexpr int kTables = 9; // table = program x 3 + layer
inline constexpr int kLayers = 3;
inline constexpr int kPrograms = 3;
inline constexpr int kCatalogueSize = 1024;
inline constexpr int kNoteCount = 256;

// What a key does on one table.
enum AssignmentKind : int {
    kKindNotSet = 0,
    kKindSingle = 1,
    kKindCombo = 2,
    kKindMacro = 3,
    kKindEmulation = 4,
    kKindMultimedia = 5,
    kKindMouse = 6,
    kKindFunction = 7,
    kKindPower = 8,
};
inline constexpr int kKindCount = 9;

// Every press counter reads this until the keyboard's counters are read: the byte 0xC8 in each of
// its four bytes. A count that is not above 0 means "no count".
inline constexpr int kNoPressCount = static_cast<int>(0xC8C8C8C8U);

using PerKeyTriples = std::array<std::array<int, 3>, kKeySlots>;

// The key tables of all nine tables, as a read from the keyboard brings them back.
struct KeyAssignmentTables {
    std::array<std::array<int, kTables>, kKeySlots> kind{};
    std::array<std::array<int, kTables>, kKeySlots> code{};
    std::array<std::array<ActionList, kTables>, kKeySlots> actions;
};

// What reads from the keyboard brought back, before the store takes it over. A transfer's worker fills
// one while the windows go on drawing from the store; the store takes it over on the window thread, so
// a paint sees either the old configuration or the new one.
struct KeyboardReading {
    std::unique_ptr<KeyAssignmentTables> keys;
    std::optional<PerKeyTriples> lights;
    std::optional<PerKeyTriples> triggers;
    std::optional<std::array<int, kLastKey>> pressCounts;
};
