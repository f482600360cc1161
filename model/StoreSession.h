// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/StoreTables.h"

#include <array>
#include <cstdint>
#include <string>

// What the windows share for the run and neither save nor write: the language and the keyboard's
// variant, the current table, program and key, the flags, the press counts read from the keyboard,
// and the fields through which the sub-dialogs exchange their inputs and results.
struct StoreSession {
    StoreSession() { clearPressCounts(); }

    std::string language;
    int deviceVariant = 0;
    int configDirty = 0;
    int clickGuard = 0;
    int firmwareUpdating = 0;
    float scaleFactor = 0.0F;

    int currentKey = 0;
    int currentTable = 0;
    int currentProgram = 0;

    std::array<int, kKeySlots> pressCounts{};
    int highestKey = -1;
    int lowestKey = -1;

    int trackKey = 0;
    std::array<std::uint8_t, kKeySlots> multiSelectFlags{};
    std::array<int, 258> multiSelectColours{};
    std::array<int, 3> multiSelectColour{};
    std::array<int, 8> virtualKeyState{};
    std::array<int, 3> triggerAdjust{};
    std::string firmwarePath;
    int lastRShiftState = 0;
    int lastLShiftState = 0;

    // Every press counter back to "no count", no highest or lowest key.
    void clearPressCounts();
    // Sets highestKey to the key with the most presses and lowestKey to the one with the fewest
    // positive presses (ties keep the lower slot), -1 where no count is above 0.
    void findHighestAndLowestKeys();
};
