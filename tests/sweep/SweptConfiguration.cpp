// SPDX-License-Identifier: GPL-3.0-or-later
#include "SweptConfiguration.h"

#include "DeviceTestSupport.h"
#include "support/ActionLists.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

void assign(CConfigStore& store, int key, int table, int kind, int code, ActionList actions = {}) {
    store.keyKind[key][table] = kind;
    store.keyCode[key][table] = code;
    store.keyActions[key][table] = std::move(actions);
}

} // namespace

void giveSweptConfiguration(CConfigStore& store) {
    for (auto& kinds : store.keyKind)
        kinds.fill(kKindNotSet);
    assign(store, 1, 0, kKindSingle, 43);
    assign(store, 2, 0, kKindCombo, 0, listOf({"LCTRL", "LSHIFT", "ESC"}, 6));
    assign(store, 3, 8, kKindEmulation, 0, listOf({"H", "I"}, 9));
    assign(store, 34, 4, kKindMacro, 0,
           listOf({"A Down", "<50 ms>", "A UP", "<20 ms>", "B Down", "<5 ms>", "B UP"}, 9));
    assign(store, 48, 1, kKindMouse, 199);
    assign(store, 40, 4, kKindSingle, 44);
    assign(store, 85, 2, kKindSingle, 45);
    assign(store, 85, 8, kKindSingle, 46);
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        store.lightArea[key] = {key, 2 * key, 255 - key};
        store.triggerValues[key] = {6 + key % 10, 20 + key % 6, key % 5};
    }
}

VirtualKeyboardState keyboardHoldingSweptConfiguration(const std::string& statePath) {
    writeState(statePath, instantKeyboard());
    {
        auto writer = connectedStore(statePath);
        giveSweptConfiguration(*writer);
        EXPECT_TRUE(writer->writeKeyConfiguration(nullptr) && writer->writeLights() &&
                    writer->writeTriggers());
    }
    VirtualKeyboardState state = readState(statePath);
    for (int key = 1; key <= VirtualKeyboard::kKeyCount; ++key)
        state.counts[static_cast<std::size_t>(key - 1)] = 3 * key;
    return state;
}

VirtualKeyboardState keyboardHoldingOtherKeys() {
    VirtualKeyboardState state = instantKeyboard();
    state.keys.set(0, 1, {0, 1, 4});
    state.keys.set(0, 5, {0, 1, 5});
    state.keys.set(4, 34, {0, 1, 6});
    state.keys.set(8, 85, {0, 1, 7});
    state.lights.fill(9);
    for (std::size_t i = 0; i < state.triggers.size(); i += 3) {
        state.triggers[i] = 9;
        state.triggers[i + 1] = 21;
        state.triggers[i + 2] = 1;
    }
    return state;
}

std::unique_ptr<CConfigStore> connectedStore(const std::string& statePath) {
    auto store = std::make_unique<CConfigStore>(statePath);
    store->deviceVariant = store->device.DetectDeviceType();
    store->buildCatalogue();
    store->resetToDefaults();
    EXPECT_TRUE(store->device.__createDev());
    return store;
}

StoreSnapshot::StoreSnapshot(const CConfigStore& store)
    : kinds_(store.keyKind), codes_(store.keyCode), lights_(store.lightArea), triggers_(store.triggerValues),
      counts_(store.pressCounts), highest_(store.highestKey), lowest_(store.lowestKey) {
    for (const auto& tables : store.keyActions)
        actions_.insert(actions_.end(), tables.begin(), tables.end());
}

bool StoreSnapshot::operator==(const StoreSnapshot& other) const {
    const auto sameList = [](const ActionList& a, const ActionList& b) { return a.equals(b); };
    return kinds_ == other.kinds_ && codes_ == other.codes_ &&
           std::equal(actions_.begin(), actions_.end(), other.actions_.begin(), other.actions_.end(),
                      sameList) &&
           lights_ == other.lights_ && triggers_ == other.triggers_ && counts_ == other.counts_ &&
           highest_ == other.highest_ && lowest_ == other.lowest_;
}
