// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymap/rules/ActionTexts.h"

#include "model/ConfigStore.h"

#include <gtest/gtest.h>

namespace {

class ActionTextsTest : public ::testing::Test {
protected:
    void SetUp() override {
        store.deviceVariant = 4;
        store.buildCatalogue();
        store.resetToDefaults();
    }

    // Gives key slot on table 0 kind with the items.
    void assign(int slot, int kind, std::initializer_list<std::string> items) {
        ActionList& list = store.keyActions[static_cast<std::size_t>(slot)][0];
        list.clear();
        for (const std::string& item : items)
            list.setOrAppend(ActionList::kAppend, item);
        store.keyKind[static_cast<std::size_t>(slot)][0] = kind;
    }

    CConfigStore store{"/nonexistent/keyboard.txt"};
};

TEST_F(ActionTextsTest, KeyEventsCarryTheirDirectionOnlyWhenAsked) {
    const std::string a = store.keyNames.at(0x41);
    EXPECT_EQ(actionText(store, 0x41, true), a + " Down");
    EXPECT_EQ(actionText(store, 0x241, true), a + " UP");
    EXPECT_EQ(actionText(store, 0x41, false), a);
    EXPECT_EQ(actionText(store, 0x241, false), a);
    EXPECT_EQ(actionText(store, 0x0FF, true), "-- --");
    EXPECT_EQ(actionText(store, -7, false), "-- --");
}

TEST_F(ActionTextsTest, MacroItemsAreShortenedForTheSummary) {
    EXPECT_EQ(shortenedMacroItem("<50 ms>"), "50");
    EXPECT_EQ(shortenedMacroItem("A Down"), "A");
    EXPECT_EQ(shortenedMacroItem("A UP"), "A");
    // Only a suffix at the very end counts, and the item must be longer than the suffix.
    EXPECT_EQ(shortenedMacroItem(" Down"), " Down");
    EXPECT_EQ(shortenedMacroItem("Down A"), "Down A");
    EXPECT_EQ(shortenedMacroItem("<ms>"), "<ms>");
    EXPECT_EQ(shortenedMacroItem("x<5 ms>"), "x<5 ms>");
}

TEST_F(ActionTextsTest, SummaryFollowsTheKind) {
    assign(5, kKindMacro, {"A Down", "<50 ms>", "A UP"});
    EXPECT_EQ(assignmentSummary(store, 5, 0), "A,50,A");
    assign(6, kKindCombo, {"Ctrl", "C"});
    EXPECT_EQ(assignmentSummary(store, 6, 0), "Ctrl | C");
    assign(7, kKindEmulation, {"A Down", "A UP"});
    EXPECT_EQ(assignmentSummary(store, 7, 0), "A Down | A UP");
    assign(8, kKindCombo, {});
    EXPECT_EQ(assignmentSummary(store, 8, 0), "");
    store.keyKind[9][0] = kKindNotSet;
    EXPECT_EQ(assignmentSummary(store, 9, 0), "");
    store.keyKind[9][0] = 42;
    EXPECT_EQ(assignmentSummary(store, 9, 0), "");
    // Kinds with one code show its name.
    store.keyKind[1][0] = kKindSingle;
    EXPECT_EQ(assignmentSummary(store, 1, 0), store.codeToName(store.keyCode[1][0]));
    EXPECT_EQ(assignmentSummary(store, 86, 0), "");
    EXPECT_EQ(assignmentSummary(store, 1, 9), "");
}

TEST_F(ActionTextsTest, LongMacrosAreCutAfterTheItemThatPasses120Characters) {
    ActionList& list = store.keyActions[3][0];
    list.clear();
    for (int i = 0; i < 60; ++i)
        list.setOrAppend(ActionList::kAppend, i % 2 == 0 ? "BackSpace Down" : "<1000 ms>");
    store.keyKind[3][0] = kKindMacro;
    const std::string summary = assignmentSummary(store, 3, 0);
    const std::string cut = " ... ...";
    ASSERT_GT(summary.size(), cut.size());
    EXPECT_EQ(summary.substr(summary.size() - cut.size()), cut);
    const std::string shown = summary.substr(0, summary.size() - cut.size());
    EXPECT_GT(shown.size(), 120U);
    // Without its last item the text would not yet have passed the limit.
    EXPECT_LE(shown.substr(0, shown.rfind(',')).size(), 120U);
}

} // namespace
