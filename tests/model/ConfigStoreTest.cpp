// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ConfigStore.h"
#include "model/FactoryDefaults.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<CConfigStore> storeFor(int variant, const TempDir& dir) {
    auto store = std::make_unique<CConfigStore>(dir.file("no-keyboard.txt"));
    store->deviceVariant = variant;
    return store;
}

} // namespace

TEST(ConfigStore, ANewStoreHasNothingToSendAndNoCounts) {
    TempDir dir;
    auto store = storeFor(4, dir);
    for (int slot = 0; slot < kKeySlots; ++slot) {
        for (int table = 0; table < kTables; ++table)
            ASSERT_EQ(store->keyKind[slot][table], kKindNotSet);
        EXPECT_EQ(store->pressCounts[slot], -926365496);
    }
    EXPECT_EQ(store->highestKey, -1);
    EXPECT_EQ(store->lowestKey, -1);
    EXPECT_TRUE(store->language.empty());
    EXPECT_EQ(store->predefinedMacros.Delay, 30);
}

TEST(ConfigStore, ResetGivesEveryKeyItsFactoryFunction) {
    TempDir dir;
    auto store = storeFor(1, dir);
    store->keyActions[5][2].setOrAppend(ActionList::kAppend, "A");
    store->keyActions[5][2].SizeOfView = 9;
    store->predefinedCombos.setOrAppend(ActionList::kAppend, "default");
    store->lightArea[3] = {1, 2, 3};
    store->resetToDefaults();

    EXPECT_EQ(store->predefinedMacros.SizeOfView, 9);
    EXPECT_EQ(store->predefinedCombos.SizeOfView, 6);
    EXPECT_EQ(store->predefinedEmulations.SizeOfView, 9);
    EXPECT_TRUE(store->predefinedCombos.empty());
    EXPECT_EQ(store->lightArea[3], (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(store->triggerValues[85], (std::array<int, 3>{8, 20, 0}));
    EXPECT_EQ(store->trackKey, 34);
    EXPECT_TRUE(store->keyActions[5][2].empty());
    EXPECT_EQ(store->keyActions[5][2].SizeOfView, 9) << "the view size of a key's list survives a reset";

    // Every program starts alike: ESC on the top layer, nothing on Fn; F1 has a multimedia Fn layer.
    for (int program = 0; program < kPrograms; ++program) {
        const int top = program * 3;
        EXPECT_EQ(store->keyCode[1][top], 1);
        EXPECT_EQ(store->keyKind[1][top], kKindSingle);
        EXPECT_EQ(store->keyKind[1][top + 1], kKindNotSet);
        EXPECT_EQ(store->keyCode[2][top + 1], 112);
        EXPECT_EQ(store->keyKind[2][top + 2], kKindMultimedia);
        EXPECT_EQ(store->keyCode[81][top], 156) << "the Fn key";
        EXPECT_EQ(store->keyKind[81][top + 1], kKindFunction);
    }
    EXPECT_EQ(store->keyKind[0][0], kKindNotSet);
    EXPECT_EQ(store->keyKind[61][1], kKindMouse) << "198, the cursor accelerator, is a mouse function";
    EXPECT_EQ(store->keyKind[69][1], kKindFunction) << "203, the 00 key";
}

TEST(FactoryDefaults, FnLayersFollowTheVariantsFunctions) {
    // Bluetooth device 1 on F9's Fn layer exists on the wireless variants only.
    EXPECT_EQ(defaultKeyCode(1, 10, 1), 168);
    EXPECT_EQ(defaultKeyCode(2, 10, 1), 168);
    EXPECT_EQ(defaultKeyCode(3, 10, 1), 0);
    EXPECT_EQ(defaultKeyCode(4, 10, 1), 0);
    // Backlight switching exists on the colour variants only.
    EXPECT_EQ(defaultKeyCode(1, 22, 2), 135);
    EXPECT_EQ(defaultKeyCode(2, 22, 2), 0);
    EXPECT_EQ(defaultKeyCode(3, 22, 2), 0);
    EXPECT_EQ(defaultKeyCode(4, 22, 2), 135);
    // Unknown variants use the table of variant 1; layers repeat every three.
    EXPECT_EQ(defaultKeyCode(0, 10, 1), 168);
    EXPECT_EQ(defaultKeyCode(7, 22, 4), 135);
    EXPECT_EQ(defaultKeyCode(4, 10, 3), 10);

    for (int variant = 0; variant <= 5; ++variant) {
        for (int slot = 0; slot < kKeySlots; ++slot) {
            EXPECT_EQ(defaultKeyCode(variant, slot, 0), defaultKeyCode(1, slot, 0)) << "top layer differs";
            EXPECT_EQ(defaultKeyCode(variant, slot, 1), defaultKeyCode(variant, slot, 2))
                << "Fn and Fn2 differ";
        }
    }
    EXPECT_EQ(defaultKeyCode(1, -1, 0), 0);
    EXPECT_EQ(defaultKeyCode(1, 86, 0), 0);
    EXPECT_EQ(defaultKeyCode(1, 5, -1), 0);
}

TEST(FactoryDefaults, KindOfEachCodeRange) {
    const std::pair<int, int> expected[] = {
        {0, 0},   {1, 1},   {74, 1},  {75, 8},  {77, 8},  {78, 1},  {107, 1}, {108, 5}, {125, 5},
        {126, 6}, {134, 6}, {135, 7}, {156, 7}, {157, 6}, {158, 6}, {173, 6}, {197, 7}, {198, 6},
        {199, 1}, {202, 1}, {203, 7}, {204, 1}, {205, 7}, {209, 7}, {210, 1}, {221, 1}, {222, 7},
    };
    for (const auto& [code, kind] : expected)
        EXPECT_EQ(defaultKindForCode(code), kind) << "code " << code;
}
