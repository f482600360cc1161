// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceTestSupport.h"
#include "device/DeviceMessages.h"
#include "model/ConfigStore.h"
#include "model/FactoryKeyboard.h"
#include "model/TransferChecks.h"
#include "model/profile/ProfileFile.h"
#include "support/ActionLists.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class DeviceTransfers : public ::testing::Test {
protected:
    void SetUp() override {
        VirtualKeyboardState keyboard = factoryKeyboard(4);
        keyboard.transferMs = 0;
        writeState(path, keyboard);
    }

    std::unique_ptr<CConfigStore> connectedStore() const {
        auto store = std::make_unique<CConfigStore>(path);
        store->deviceVariant = store->device.DetectDeviceType();
        store->buildCatalogue();
        store->resetToDefaults();
        EXPECT_TRUE(store->device.__createDev());
        return store;
    }

    TempDir dir;
    std::string path = dir.file("keyboard.txt");
};

} // namespace

TEST_F(DeviceTransfers, KeysWrittenAreReadBackAsTheyWere) {
    auto writer = connectedStore();
    ActionList macro =
        listOf({"A Down", "<50 ms>", "A UP", "<20 ms>", "(Enter) Down", "<5 ms>", "(Enter) UP"}, 9);
    macro.Cycles = 4;
    writer->keyKind[34][4] = kKindMacro;
    writer->keyCode[34][4] = 0;
    writer->keyActions[34][4] = macro;
    writer->keyKind[2][0] = kKindCombo;
    writer->keyActions[2][0] = listOf({"LCTRL", "LSHIFT", "ESC"}, 6);
    ActionList emulation = listOf({"H", "I"}, 9);
    emulation.Delay = 80;
    writer->keyKind[3][8] = kKindEmulation;
    writer->keyActions[3][8] = emulation;
    writer->keyKind[48][1] = kKindMouse;
    writer->keyCode[48][1] = 199;
    writer->keyKind[5][2] = kKindNotSet;
    writer->keyKind[4][4] = kKindSingle;
    writer->keyCode[4][4] = 43;

    auto progress = std::make_shared<RecordingSink>();
    ASSERT_TRUE(writer->writeKeyConfiguration(progress));
    const std::vector<std::uintptr_t> counts = progress->wParams(DeviceMessages::WM_TRANSFER_PROGRESS);
    ASSERT_FALSE(counts.empty());
    EXPECT_EQ(counts.back(), 750U);
    EXPECT_EQ(readState(path).keys.at(4, 4), (std::vector<int>{0, 1, 43}));
    EXPECT_TRUE(readState(path).keys.at(2, 5).empty()) << "a key not set is not sent";

    writer.reset(); // another program run reads what this one wrote
    auto reader = connectedStore();
    reader->keyKind[34][4] = kKindNotSet;
    ASSERT_TRUE(reader->readKeyDefinitions(nullptr));
    EXPECT_EQ(reader->keyKind[34][4], kKindMacro);
    EXPECT_EQ(reader->keyActions[34][4].items(),
              (std::vector<std::string>{"A", "<50 ms>", "A", "<20 ms>", "(Enter)", "<5 ms>", "(Enter)"}))
        << "press and release suffixes are not kept";
    EXPECT_EQ(reader->keyActions[34][4].Cycles, 4);
    EXPECT_EQ(reader->keyKind[2][0], kKindCombo);
    EXPECT_EQ(reader->keyActions[2][0].items(), (std::vector<std::string>{"LCTRL", "LSHIFT", "ESC"}));
    EXPECT_EQ(reader->keyKind[3][8], kKindEmulation);
    EXPECT_EQ(reader->keyActions[3][8].Delay, 80);
    EXPECT_EQ(reader->keyKind[48][1], kKindMouse);
    EXPECT_EQ(reader->keyCode[48][1], 199);
    EXPECT_EQ(reader->keyKind[5][2], kKindNotSet);
    EXPECT_EQ(reader->keyCode[5][2], 110) << "a key read back as not set keeps its code";
    EXPECT_EQ(reader->keyKind[1][0], kKindSingle);
    EXPECT_EQ(reader->keyCode[1][0], 1);
}

TEST_F(DeviceTransfers, AFreshKeyboardReadsBackAsTheFactoryDefaults) {
    auto store = connectedStore();
    auto factory = connectedStore();
    for (auto& row : store->keyKind)
        row.fill(kKindNotSet);
    ASSERT_TRUE(store->readKeyDefinitions(nullptr));
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        for (int table = 0; table < kTables; ++table) {
            const int code = factory->keyCode[key][table];
            // 198 is a mouse function in the factory table but reads back as a single key.
            const int expectedKind = code == 198 ? kKindSingle : factory->keyKind[key][table];
            EXPECT_EQ(store->keyKind[key][table], expectedKind) << "key " << key << " table " << table;
            if (code != 0) {
                EXPECT_EQ(store->keyCode[key][table], code);
            }
        }
    }
}

TEST_F(DeviceTransfers, MacrosLongerThanTheCountTheyAnnounceAreReadSafely) {
    changeState(path, [](VirtualKeyboardState& state) {
        state.keys.set(0, 1, {2, 0, 1, 1, 0, 1000000, 43, 10, 44});
        state.keys.set(0, 2, {0, -5, 43});
        state.keys.set(0, 3, {1, 30, 2147483647, 43});
        state.keys.set(0, 4, {99});
    });
    auto store = connectedStore();
    ASSERT_TRUE(store->readKeyDefinitions(nullptr));
    EXPECT_EQ(store->keyActions[1][0].items(), (std::vector<std::string>{"A", "<10 ms>", "S"}));
    EXPECT_EQ(store->keyKind[2][0], kKindNotSet);
    EXPECT_EQ(store->keyActions[3][0].items(), (std::vector<std::string>{"A"}));
    EXPECT_EQ(store->keyKind[4][0], kKindNotSet);
}

TEST_F(DeviceTransfers, LightsAndTriggersTravelInBothDirections) {
    auto store = connectedStore();
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        store->lightArea[key] = {key, 2 * key, 255 - key};
        store->triggerValues[key] = {key % 30, 20 + key % 10, key % 5};
    }
    ASSERT_TRUE(store->writeLights());
    ASSERT_TRUE(store->writeTriggers());

    store.reset(); // the next run of the program
    auto reader = connectedStore();
    ASSERT_TRUE(reader->readLights());
    ASSERT_TRUE(reader->readTriggers());
    EXPECT_EQ(reader->lightArea[1], (std::array<int, 3>{1, 2, 254}));
    EXPECT_EQ(reader->lightArea[85], (std::array<int, 3>{85, 170, 170}));
    EXPECT_EQ(reader->triggerValues[85], (std::array<int, 3>{25, 25, 0}));
    EXPECT_EQ(reader->lightArea[0], (std::array<int, 3>{0, 0, 0})) << "row 0 belongs to no key";
}

TEST_F(DeviceTransfers, PressCountersNameTheHighestAndLowestKeys) {
    changeState(path, [](VirtualKeyboardState& state) {
        state.counts.fill(0);
        state.counts[9] = 50;  // key 10
        state.counts[29] = 50; // key 30: a tie keeps the lower key
        state.counts[39] = 3;  // key 40
        state.counts[59] = 3;
    });
    auto store = connectedStore();
    ASSERT_TRUE(store->readPressCounters());
    EXPECT_EQ(store->pressCounts[10], 50);
    EXPECT_EQ(store->highestKey, 10);
    EXPECT_EQ(store->lowestKey, 40);

    changeState(path, [](VirtualKeyboardState& state) { state.counts.fill(0); });
    ASSERT_TRUE(store->readPressCounters());
    EXPECT_EQ(store->highestKey, -1);
    EXPECT_EQ(store->lowestKey, -1);

    store->pressCounts.fill(0);
    store->pressCounts[1] = -4;
    store->pressCounts[2] = 9;
    store->findHighestAndLowestKeys();
    EXPECT_EQ(store->highestKey, 2);
    EXPECT_EQ(store->lowestKey, 2) << "the first key's count is not above 0, so it does not stay lowest";
}

TEST_F(DeviceTransfers, AFailedTransferSaysSoAndLeavesTheStoreAlone) {
    auto store = connectedStore();
    store->lightArea[7] = {1, 2, 3};
    store->keyKind[9][0] = kKindCombo;
    store->keyActions[9][0] = listOf({"A", "B"}, 6);
    const std::string before = profileText(*store);
    const auto triggersBefore = store->triggerValues;
    const auto countsBefore = store->pressCounts;

    changeState(path, [](VirtualKeyboardState& state) {
        for (const char* name : {"read-keys", "read-lights", "read-triggers", "counters", "write-keys",
                                 "write-lights", "write-triggers"})
            state.setFailure(*failureFromName(name), true);
    });
    EXPECT_FALSE(store->readKeyDefinitions(nullptr));
    EXPECT_FALSE(store->readLights());
    EXPECT_FALSE(store->readTriggers());
    EXPECT_FALSE(store->readPressCounters());
    EXPECT_FALSE(store->writeKeyConfiguration(nullptr));
    EXPECT_FALSE(store->writeLights());
    EXPECT_FALSE(store->writeTriggers());
    EXPECT_EQ(profileText(*store), before);
    EXPECT_EQ(store->triggerValues, triggersBefore);
    EXPECT_EQ(store->pressCounts, countsBefore);

    changeState(path, [](VirtualKeyboardState& state) {
        state.failures.reset();
        state.plugged = false;
    });
    EXPECT_FALSE(store->readKeyDefinitions(nullptr));
    EXPECT_FALSE(store->writeKeyConfiguration(nullptr));
    EXPECT_EQ(profileText(*store), before);
    EXPECT_EQ(readState(path).keys, factoryKeyboard(4).keys) << "the keyboard kept its keys";
}

TEST_F(DeviceTransfers, AKeyThatCannotBeSentStopsTheWriteBeforeTheKeyboardChanges) {
    auto store = connectedStore();
    const KeyTables before = readState(path).keys;
    store->keyKind[4][4] = kKindSingle;
    store->keyCode[4][4] = 43;
    store->keyKind[34][4] = kKindMacro;
    store->keyActions[34][4] = listOf({"A Down", "B Down", "<50 ms>", "A UP"}, 9);
    EXPECT_FALSE(store->writeKeyConfiguration(nullptr));
    EXPECT_EQ(readState(path).keys, before) << "nothing was sent";

    const std::vector<std::string> found = findUnsendable(*store);
    ASSERT_EQ(found.size(), 1U);
    EXPECT_EQ(found[0], "key 34 on table 4: macro item 2 (\"B Down\") should be a delay entry, as recorded "
                        "delays alternate key and delay");
    store->lightArea[2] = {256, 0, -1};
    EXPECT_EQ(findUnsendable(*store).size(), 2U);
    EXPECT_EQ(findUnsendable(*store)[0], "colour of key 2: 256, 0, -1 (colours run 0..255)");

    store->keyActions[34][4] = listOf({"A Down", "<50 ms>", "A UP"}, 9);
    store->lightArea[2] = {255, 0, 0};
    EXPECT_TRUE(findUnsendable(*store).empty());
    EXPECT_TRUE(store->writeKeyConfiguration(nullptr));
    EXPECT_EQ(readState(path).keys.at(4, 4), (std::vector<int>{0, 1, 43}));
}
