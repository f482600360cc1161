// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ActionList.h"
#include "model/StoreTables.h"

#include <array>

// The configuration a profile saves and the keyboard is written: the three libraries, the key tables
// of all nine tables, the keys' lights and their trigger values.
struct StoreConfiguration {
    ActionList predefinedMacros;
    ActionList predefinedCombos;
    ActionList predefinedEmulations;

    PerKeyTriples lightArea{};
    std::array<std::array<int, kTables>, kKeySlots> keyKind{};
    std::array<std::array<int, kTables>, kKeySlots> keyCode{};
    std::array<std::array<ActionList, kTables>, kKeySlots> keyActions;
    PerKeyTriples triggerValues{};

    // Factory defaults for deviceVariant: libraries emptied, colours 0, triggers 8/20/0, every key
    // back to its factory function.
    void resetToFactory(int deviceVariant);
};
