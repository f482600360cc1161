// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/history/EditHistory.h"
#include "model/history/KeyTablesFingerprint.h"
#include "support/ActionLists.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// Compares every list field, item and child without the history's own comparison.
void expectSameList(const ActionList& a, const ActionList& b, const std::string& where) {
    ASSERT_EQ(a.items(), b.items()) << where;
    EXPECT_EQ(a.SizeOfView, b.SizeOfView) << where;
    EXPECT_EQ(a.ViewStartAt, b.ViewStartAt) << where;
    EXPECT_EQ(a.CursorPos, b.CursorPos) << where;
    EXPECT_EQ(a.Cycles, b.Cycles) << where;
    EXPECT_EQ(a.Delay, b.Delay) << where;
    EXPECT_EQ(a.PlayMode, b.PlayMode) << where;
    EXPECT_EQ(a.IsAutoInterval, b.IsAutoInterval) << where;
    ASSERT_EQ(a.children().size(), b.children().size()) << where;
    for (std::size_t i = 0; i < a.children().size(); ++i)
        expectSameList(a.children()[i], b.children()[i], where + " child " + std::to_string(i));
}

void expectSameConfiguration(const StoreConfiguration& a, const StoreConfiguration& b) {
    EXPECT_EQ(a.keyKind, b.keyKind);
    EXPECT_EQ(a.keyCode, b.keyCode);
    EXPECT_EQ(a.lightArea, b.lightArea);
    EXPECT_EQ(a.triggerValues, b.triggerValues);
    expectSameList(a.predefinedMacros, b.predefinedMacros, "macros");
    expectSameList(a.predefinedCombos, b.predefinedCombos, "combos");
    expectSameList(a.predefinedEmulations, b.predefinedEmulations, "emulations");
    for (std::size_t slot = 0; slot < kKeySlots; ++slot) {
        for (std::size_t table = 0; table < kTables; ++table)
            expectSameList(a.keyActions[slot][table], b.keyActions[slot][table],
                           "key " + std::to_string(slot) + " table " + std::to_string(table));
    }
}

std::unique_ptr<StoreConfiguration> factoryConfiguration() {
    auto configuration = std::make_unique<StoreConfiguration>();
    configuration->resetToFactory(4);
    return configuration;
}

// One kind of step each: what the program's commands change.
struct StepKind {
    const char* name;
    std::function<void(StoreConfiguration&)> change;
};

void macroOnKey(StoreConfiguration& c, int slot, int table) {
    c.keyKind[slot][table] = kKindMacro;
    c.keyActions[slot][table] = listOf({"A Down", "<30 ms>", "A UP"}, 7);
    c.keyActions[slot][table].Cycles = 3;
}

const StepKind kStepKinds[] = {
    {"key edit", [](StoreConfiguration& c) { c.keyKind[34][0] = kKindMultimedia, c.keyCode[34][0] = 0xCD; }},
    {"macro on a key with a library entry",
     [](StoreConfiguration& c) {
         macroOnKey(c, 20, 4);
         ActionList entry = listOf({"A Down", "A UP"}, 7);
         c.predefinedMacros.setOrAppend(ActionList::kAppend, "default");
         c.predefinedMacros.setChild(c.predefinedMacros.count() - 1, entry);
     }},
    {"only a list's view moved", [](StoreConfiguration& c) { c.keyActions[3][8].SizeOfView = 12; }},
    {"backlight",
     [](StoreConfiguration& c) {
         c.lightArea[1] = {255, 0, 0}, c.lightArea[85] = {0, 0, 9};
     }},
    {"rapid trigger",
     [](StoreConfiguration& c) {
         for (int slot = kFirstKey; slot <= kLastKey; ++slot)
             c.triggerValues[slot] = {30, 40, 5};
     }},
    {"defaults", [](StoreConfiguration& c) { c.resetToFactory(4); }},
    {"read all",
     [](StoreConfiguration& c) {
         for (int slot = kFirstKey; slot <= kLastKey; ++slot) {
             for (int table = 0; table < kTables; ++table)
                 macroOnKey(c, slot, table);
             c.lightArea[slot] = {slot, 2 * slot, 3};
         }
     }},
};

// A configuration that differs from the factory's in every part, so "defaults" changes something.
std::unique_ptr<StoreConfiguration> editedConfiguration() {
    auto configuration = factoryConfiguration();
    macroOnKey(*configuration, 10, 1);
    configuration->lightArea[7] = {1, 2, 3};
    configuration->triggerValues[9] = {11, 22, 1};
    configuration->predefinedCombos = listOf({"default"}, 5);
    return configuration;
}

class EachStepKind : public testing::TestWithParam<StepKind> {};

TEST_P(EachStepKind, UndoRestoresTheTablesBeforeAndRedoThoseAfter) {
    auto configuration = editedConfiguration();
    const auto before = std::make_unique<StoreConfiguration>(*configuration);
    GetParam().change(*configuration);
    const auto after = std::make_unique<StoreConfiguration>(*configuration);
    EditHistory history;
    ASSERT_TRUE(history.record({"步骤", "step"}, *before, *after));

    ASSERT_NE(history.undo(*configuration), nullptr);
    expectSameConfiguration(*configuration, *before);
    EXPECT_FALSE(history.canUndo());
    ASSERT_NE(history.redo(*configuration), nullptr);
    expectSameConfiguration(*configuration, *after);
    EXPECT_FALSE(history.canRedo());
}

TEST_P(EachStepKind, KeepsOnlyWhatChangedAndAFewKilobytesForOneKey) {
    auto configuration = editedConfiguration();
    const auto before = std::make_unique<StoreConfiguration>(*configuration);
    GetParam().change(*configuration);
    const ConfigurationDifference difference = ConfigurationDifference::between(*before, *configuration);
    EXPECT_FALSE(difference.empty());
    if (difference.keys().size() == 1) {
        EXPECT_LT(difference.bytes(), std::size_t{4096});
    }
}

INSTANTIATE_TEST_SUITE_P(EditHistory, EachStepKind, testing::ValuesIn(kStepKinds),
                         [](const testing::TestParamInfo<StepKind>& kind) {
                             std::string name = kind.param.name;
                             for (char& c : name)
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

TEST(EditHistory, RecordsNothingWhenNothingChanged) {
    const auto configuration = editedConfiguration();
    const auto copy = std::make_unique<StoreConfiguration>(*configuration);
    EditHistory history;
    EXPECT_FALSE(history.record({"取消", "cancelled"}, *configuration, *copy));
    EXPECT_EQ(history.size(), 0U);
    EXPECT_FALSE(history.canUndo());
}

TEST(EditHistory, ANewStepAfterAnUndoDropsTheUndoneOnes) {
    auto configuration = factoryConfiguration();
    EditHistory history;
    for (const int code : {1, 2}) {
        const auto before = std::make_unique<StoreConfiguration>(*configuration);
        configuration->keyCode[5][0] = code;
        history.record({"改", "edit " + std::to_string(code)}, *before, *configuration);
    }
    history.undo(*configuration);
    const auto before = std::make_unique<StoreConfiguration>(*configuration);
    configuration->keyCode[6][0] = 9;
    history.record({"新", "new"}, *before, *configuration);

    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.redo(*configuration), nullptr);
    EXPECT_EQ(configuration->keyCode[5][0], 1);
    EXPECT_EQ(history.undo(*configuration)->en, "new");
    EXPECT_EQ(configuration->keyCode[6][0], factoryConfiguration()->keyCode[6][0]);
    EXPECT_EQ(history.undo(*configuration)->en, "edit 1");
}

TEST(EditHistory, KeepsTheLastHundredStepsAndUndoesAndRedoesAllOfThem) {
    auto configuration = factoryConfiguration();
    EditHistory history;
    for (int step = 1; step <= 150; ++step) {
        const auto before = std::make_unique<StoreConfiguration>(*configuration);
        configuration->triggerValues[1][0] = step;
        history.record({"步", std::to_string(step)}, *before, *configuration);
    }
    EXPECT_EQ(history.size(), EditHistory::kLimit);
    EXPECT_EQ(history.doneNames().front().en, "51");
    while (history.canUndo())
        history.undo(*configuration);
    EXPECT_EQ(configuration->triggerValues[1][0], 50);
    while (history.canRedo())
        history.redo(*configuration);
    EXPECT_EQ(configuration->triggerValues[1][0], 150);
}

TEST(KeyTablesFingerprint, ChangesWithWhatAKeyWriteSendsAndComesBackWithIt) {
    auto configuration = editedConfiguration();
    const std::uint64_t written = keyTablesFingerprint(*configuration);
    configuration->lightArea[2] = {9, 9, 9};
    EXPECT_EQ(keyTablesFingerprint(*configuration), written);
    const std::function<void(StoreConfiguration&)> keyChanges[] = {
        [](StoreConfiguration& c) { c.keyKind[85][8] = kKindPower; },
        [](StoreConfiguration& c) { c.keyCode[1][0] += 1; },
        [](StoreConfiguration& c) { c.keyActions[10][1].setOrAppend(0, "B Down"); },
        [](StoreConfiguration& c) { c.keyActions[10][1].Cycles = 9; },
    };
    for (const auto& change : keyChanges) {
        const auto copy = std::make_unique<StoreConfiguration>(*configuration);
        change(*copy);
        EXPECT_NE(keyTablesFingerprint(*copy), written);
    }
}

} // namespace
