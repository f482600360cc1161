// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymap/rules/MacroEditRules.h"

#include "model/ActionList.h"
#include "model/ConfigStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using Items = std::vector<std::string>;

ActionList listOf(const Items& items, bool automatic = false) {
    ActionList list(9);
    list.IsAutoInterval = automatic;
    for (const std::string& item : items)
        list.setOrAppend(ActionList::kAppend, item);
    list.ViewStartAt = 0;
    list.CursorPos = 0;
    return list;
}

class MacroEditRulesTest : public ::testing::Test {
protected:
    MacroEditRulesTest() : store(std::filesystem::temp_directory_path() / "qelec-edit-rules-none.txt") {
        store.buildCatalogue();
    }
    std::string left() const { return store.codeToName(130); }
    CConfigStore store;
};

} // namespace

TEST_F(MacroEditRulesTest, NewEntriesTakeTheFirstFreeNumberInTheLanguageShown) {
    struct Case {
        LibraryKind kind;
        const char* language;
        Items taken;
        const char* name;
    };
    const Case cases[] = {
        {LibraryKind::Macro, "en-US", {"New Macro 1", "New Macro 2"}, "New Macro 3"},
        {LibraryKind::Macro, "en-US", {"New Macro 2"}, "New Macro 1"},
        {LibraryKind::Combo, "en-US", {"组合键1"}, "New Combo 1"},
        {LibraryKind::Combo, "zh-CN", {"组合键1"}, "组合键2"},
        {LibraryKind::Macro, "zh-CN", {}, "宏定义1"},
        {LibraryKind::Emulation, "zh-CN", {"模拟击键1", "模拟击键3"}, "模拟击键2"},
        {LibraryKind::Emulation, "en-US", {}, "New Emu 1"},
        {LibraryKind::Emulation, "de-DE", {}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(newEntryName(listOf(c.taken), c.kind, c.language), c.name) << c.name;
}

TEST_F(MacroEditRulesTest, TypedNumbersAreHeldWithinTheirLimitsAndTheBoxShowsTheLimit) {
    struct Case {
        const char* text;
        int minimum;
        int maximum;
        int value;
        const char* replacement; // nullptr: the box keeps the text
    };
    const Case cases[] = {
        {"300", kMinCycles, kMaxCycles, 255, "255"},
        {"0", kMinCycles, kMaxCycles, 1, "1"},
        {"", kMinCycles, kMaxCycles, 1, "1"},
        {"12abc", kMinCycles, kMaxCycles, 12, nullptr},
        {"70000", kMinAutomaticDelay, kMaxAutomaticDelay, 60000, "60000"},
        {"-5", kMinEmulationDelay, kMaxEmulationDelay, 0, "0"},
        {"6001", kMinEmulationDelay, kMaxEmulationDelay, 6000, "6000"},
        {"99999999999999999999", kMinCycles, kMaxCycles, 255, "255"},
        {"-99999999999999999999", kMinCycles, kMaxCycles, 1, "1"},
    };
    for (const Case& c : cases) {
        const LimitedNumber number = limitedNumber(c.text, c.minimum, c.maximum);
        EXPECT_EQ(number.value, c.value) << c.text;
        EXPECT_EQ(number.replacement.value_or("(kept)"), c.replacement ? c.replacement : "(kept)") << c.text;
    }
}

TEST_F(MacroEditRulesTest, ADelayRowIsEditedAsItsNumber) {
    EXPECT_EQ(delayRowEditText("<20 ms>"), "20");
    EXPECT_EQ(typedDelayItem("250"), "<250 ms>");
    EXPECT_EQ(typedDelayItem("70000"), "<65535 ms>");
    EXPECT_EQ(typedDelayItem("-3"), "<0 ms>");
    EXPECT_EQ(typedDelayItem("x"), "<0 ms>");
}

TEST_F(MacroEditRulesTest, SwitchingDelaysDropsAndInsertsDelayItemsKeepingTheSettings) {
    ActionList macro = listOf({"A Down", "<20 ms>", "A UP"});
    macro.Cycles = 4;
    macro.PlayMode = 1;
    switchToAutomaticDelay(macro);
    EXPECT_EQ(macro.items(), (Items{"A Down", "A UP"}));
    EXPECT_TRUE(macro.IsAutoInterval);
    macro.Delay = 30;
    switchToRecordedDelays(macro);
    EXPECT_EQ(macro.items(), (Items{"A Down", "<30 ms>", "A UP"}));
    EXPECT_FALSE(macro.IsAutoInterval);
    EXPECT_EQ(macro.Cycles, 4);
    EXPECT_EQ(macro.PlayMode, 1);
    EXPECT_EQ(macro.SizeOfView, 9);

    ActionList full = listOf(Items(1600, "K"), true);
    switchToRecordedDelays(full);
    EXPECT_EQ(full.count(), 3199); // no limit on the switch
}

TEST_F(MacroEditRulesTest, MenuInsertionsPutTheActionAndAZeroDelayBeforeTheRow) {
    struct Case {
        const char* name;
        Items before;
        bool automatic;
        int command;
        int row;
        Items after; // "L" stands for the left button's name
    };
    const Case cases[] = {
        {"press before a key",
         {"A Down", "<5 ms>", "A UP"},
         false,
         kMenuLeftPress,
         2,
         {"A Down", "<5 ms>", "L", "<0 ms>", "A UP"}},
        {"press before a delay",
         {"A Down", "<5 ms>", "A UP"},
         false,
         kMenuLeftRelease,
         1,
         {"A Down", "<0 ms>", "L", "<5 ms>", "A UP"}},
        {"click inserts twice",
         {"A Down", "<5 ms>", "A UP"},
         false,
         kMenuLeftClick,
         0,
         {"L", "<0 ms>", "L", "<0 ms>", "A Down", "<5 ms>", "A UP"}},
        {"automatic delay inserts no delay",
         {"A Down", "A UP"},
         true,
         kMenuLeftClick,
         1,
         {"A Down", "L", "L", "A UP"}},
        {"delete a key and its delay",
         {"A Down", "<5 ms>", "A UP", "<50 ms>"},
         false,
         kMenuDelete,
         0,
         {"A UP", "<50 ms>"}},
        {"delete a delay and its key",
         {"A Down", "<5 ms>", "A UP", "<50 ms>"},
         false,
         kMenuDelete,
         1,
         {"A Down", "<50 ms>"}},
        {"delete the last row",
         {"A Down", "<5 ms>", "A UP", "<50 ms>"},
         false,
         kMenuDelete,
         3,
         {"A Down", "<5 ms>"}},
        {"delete with automatic delay", {"A Down", "A UP"}, true, kMenuDelete, 0, {"A UP"}},
    };
    for (const Case& c : cases) {
        ActionList macro = listOf(c.before, c.automatic);
        EXPECT_TRUE(runMacroMenuCommand(macro, c.command, c.row, store)) << c.name;
        Items expected = c.after;
        for (std::string& item : expected)
            if (item == "L")
                item = left();
        EXPECT_EQ(macro.items(), expected) << c.name;
    }
}

TEST_F(MacroEditRulesTest, DeletingARowNeverTakesTheCursorRowWithIt) {
    ActionList macro = listOf({"A Down", "<5 ms>", "A UP", "<6 ms>", "B Down", "<7 ms>"});
    macro.CursorPos = 0;
    runMacroMenuCommand(macro, kMenuDelete, 4, store);
    EXPECT_EQ(macro.items(), (Items{"A Down", "<5 ms>", "A UP", "<6 ms>"}));
}

TEST_F(MacroEditRulesTest, MenuCommandsTrimTheMacroToItsLimitFromTheEnd) {
    ActionList recorded = listOf(Items(799, "K"));
    recorded.setOrAppend(798, "last");
    runMacroMenuCommand(recorded, kMenuLeftClick, 0, store);
    EXPECT_EQ(recorded.count(), 799);
    EXPECT_EQ(recorded.items().front(), left());
    EXPECT_EQ(recorded.items().back(), "K");

    ActionList automatic = listOf(Items(1600, "K"), true);
    runMacroMenuCommand(automatic, kMenuWheelUp, 5, store);
    EXPECT_EQ(automatic.count(), 1600);
    EXPECT_EQ(automatic.items()[5], store.codeToName(133));

    EXPECT_FALSE(runMacroMenuCommand(automatic, 1146, 0, store));
}

TEST_F(MacroEditRulesTest, TheMenuHasItsEntriesAndSubmenusInBothLanguages) {
    for (const char* language : {"zh-CN", "en-US"}) {
        const std::vector<MacroMenuEntry> menu = macroMenu(language);
        std::vector<int> ids;
        std::vector<std::size_t> submenuSizes;
        for (const MacroMenuEntry& entry : menu) {
            ids.push_back(entry.id);
            if (entry.id == 0)
                submenuSizes.push_back(entry.entries.size());
            for (const MacroMenuEntry& inner : entry.entries)
                ids.push_back(inner.id);
        }
        EXPECT_EQ(ids, (std::vector<int>{1148, 1149, 1150, 1151, 0,    1135, 1136, 1137, 0,    1138,
                                         1139, 1140, 0,    1141, 1142, 1143, 0,    1144, 1145, 1147}))
            << language;
        EXPECT_EQ(submenuSizes, (std::vector<std::size_t>{3, 3, 3, 2})) << language;
    }
    EXPECT_EQ(macroMenu("zh-CN")[4].caption, "鼠标左键");
    EXPECT_EQ(macroMenu("zh-CN")[4].entries[2].caption, "点击");
    EXPECT_EQ(macroMenu("en-US")[0].caption, "Cursor Move Left(Point)");
    EXPECT_EQ(macroMenu("en-US")[7].entries[1].caption, "Down");
    EXPECT_EQ(macroMenu("en-US").back().caption, "Delete");
    EXPECT_TRUE(macroMenu("fr-FR").empty());
}
