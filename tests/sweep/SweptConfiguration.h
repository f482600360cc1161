// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/VirtualKeyboardState.h"
#include "model/ConfigStore.h"

#include <array>
#include <vector>

// The configuration the sweeps carry: a key of each kind on several tables, every other key not set,
// and lights and triggers that differ from key to key, so that any part a transfer gets wrong shows.
void giveSweptConfiguration(CConfigStore& store);
// The keys it sets; a key write sends each with a call of its own.
inline constexpr int kSweptKeys = 8;

// A keyboard holding the swept configuration, as a store's writes leave it, and press counts.
VirtualKeyboardState keyboardHoldingSweptConfiguration(const std::string& statePath);
// A keyboard holding other keys, lights and triggers, for the writes to replace.
VirtualKeyboardState keyboardHoldingOtherKeys();

// A store connected to the keyboard at statePath, holding the factory configuration.
std::unique_ptr<CConfigStore> connectedStore(const std::string& statePath);

// What a read from the keyboard may change in a store, to tell that a failed read changed nothing.
class StoreSnapshot {
public:
    explicit StoreSnapshot(const CConfigStore& store);
    bool operator==(const StoreSnapshot& other) const;

private:
    std::array<std::array<int, kTables>, kKeySlots> kinds_;
    std::array<std::array<int, kTables>, kKeySlots> codes_;
    std::vector<ActionList> actions_;
    PerKeyTriples lights_;
    PerKeyTriples triggers_;
    std::array<int, kKeySlots> counts_;
    int highest_;
    int lowest_;
};
