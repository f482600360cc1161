// SPDX-License-Identifier: GPL-3.0-or-later
// What the key assignment dialog opens with, what Default and Clear choose and what OK stores.
#include "keymap/rules/KeyAssignmentChoice.h"

#include "model/ConfigStore.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

constexpr int kVkA = 0x41;
constexpr int kCodeA = 43;
constexpr int kVkEscape = 27;
constexpr int kKeypadEnter = 0x10D;

ActionList listOf(std::initializer_list<std::string> items, int rows = 9) {
    ActionList list(rows);
    for (const std::string& item : items)
        list.setOrAppend(ActionList::kAppend, item);
    return list;
}

// A library of entries named after their only action.
ActionList libraryOf(std::initializer_list<std::string> actions, int rows) {
    ActionList library(rows);
    for (const std::string& action : actions) {
        library.setOrAppend(ActionList::kAppend, "entry " + action);
        library.setChild(library.CursorPos, listOf({action}, rows));
    }
    return library;
}

class KeyAssignmentChoiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        store.deviceVariant = 4;
        store.buildCatalogue();
        store.resetToDefaults();
        store.currentKey = 20;
        store.currentProgram = 1;
        store.currentTable = 4;
    }

    void give(int kind, int code, const ActionList& actions = ActionList()) {
        store.keyKind[20][4] = kind;
        store.keyCode[20][4] = code;
        store.keyActions[20][4] = actions;
    }
    int kind(int table = 4) const { return store.keyKind[20][static_cast<std::size_t>(table)]; }
    int code(int table = 4) const { return store.keyCode[20][static_cast<std::size_t>(table)]; }

    CConfigStore store{"/nonexistent/keyboard.txt"};
};

TEST_F(KeyAssignmentChoiceTest, OpensOnThePageOfTheKeysKind) {
    struct Case {
        int kind;
        int code;
        int page;
        bool singleMode;
        int singleKeyIndex;
        int functionCode;
    };
    const Case cases[] = {
        {kKindNotSet, 0, kPageSingleCombo, true, -1, -1},
        {kKindSingle, kCodeA, kPageSingleCombo, true, kVkA, -1},
        {kKindSingle, 107, kPageSingleCombo, true, kKeypadEnter, -1},
        {kKindSingle, -3, kPageSingleCombo, true, -1, -1},
        {kKindSingle, 5000, kPageSingleCombo, true, -1, -1},
        {kKindCombo, 0, kPageSingleCombo, false, -1, -1},
        {kKindMacro, 0, kPageMacro, true, -1, -1},
        {kKindEmulation, 0, kPageEmulate, true, -1, -1},
        {kKindMultimedia, 110, kPageMultimedia, true, -1, 110},
        {kKindMouse, 157, kPageMouse, true, -1, 157},
        {kKindFunction, kFnCode, kPageFunction, true, -1, kFnCode},
        {kKindPower, 76, kPagePower, true, -1, 76},
        {42, 7, kPageSingleCombo, true, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " code " << c.code);
        give(c.kind, c.code, listOf({"A"}));
        const KeyAssignmentChoice choice = openingChoice(store);
        EXPECT_EQ(choice.currentPage, c.page);
        EXPECT_EQ(choice.singleMode, c.singleMode);
        EXPECT_EQ(choice.singleKeyIndex, c.singleKeyIndex);
        EXPECT_EQ(choice.functionCode(c.page), c.functionCode);
        // Every other function page starts with nothing chosen.
        for (int page = kPageMultimedia; page <= kPagePower; ++page) {
            if (page != c.page) {
                EXPECT_EQ(choice.functionCode(page), -1) << page;
            }
        }
    }
}

TEST_F(KeyAssignmentChoiceTest, LibrariesAreCopiedWithTheRowsTheyAreShownIn) {
    store.predefinedCombos = libraryOf({"A", "B"}, 3);
    store.predefinedMacros = libraryOf({"C Down"}, 2);
    store.predefinedEmulations = libraryOf({"D"}, 20);
    const KeyAssignmentChoice choice = openingChoice(store);
    EXPECT_EQ(choice.comboList.SizeOfView, 6);
    EXPECT_EQ(choice.macroList.SizeOfView, 9);
    EXPECT_EQ(choice.emulationList.SizeOfView, 9);
    // Each page shows its library's current entry.
    EXPECT_EQ(choice.comboActions.items(), std::vector<std::string>{"B"});
    EXPECT_EQ(choice.macroActions.items(), std::vector<std::string>{"C Down"});
    EXPECT_EQ(choice.emulationActions.items(), std::vector<std::string>{"D"});
}

TEST_F(KeyAssignmentChoiceTest, AListMissingFromItsLibraryIsAddedAsDefaultAndSelected) {
    struct Case {
        int kind;
        ActionList CConfigStore::*library;
        ActionList KeyAssignmentChoice::*workingLibrary;
        ActionList KeyAssignmentChoice::*actions;
        int page;
    };
    const Case cases[] = {
        {kKindCombo, &CConfigStore::predefinedCombos, &KeyAssignmentChoice::comboList,
         &KeyAssignmentChoice::comboActions, kPageSingleCombo},
        {kKindMacro, &CConfigStore::predefinedMacros, &KeyAssignmentChoice::macroList,
         &KeyAssignmentChoice::macroActions, kPageMacro},
        {kKindEmulation, &CConfigStore::predefinedEmulations, &KeyAssignmentChoice::emulationList,
         &KeyAssignmentChoice::emulationActions, kPageEmulate},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        SetUp();
        store.*c.library = libraryOf({"A", "B"}, 9);
        const ActionList held = listOf({"LCTRL", "C"});
        give(c.kind, 0, held);
        KeyAssignmentChoice choice = openingChoice(store);
        const ActionList& library = choice.*c.workingLibrary;
        ASSERT_EQ(library.count(), 3);
        EXPECT_EQ(library.items().back(), "default");
        EXPECT_EQ(library.ViewStartAt + library.CursorPos, 2);
        EXPECT_TRUE((choice.*c.actions).equals(held));
        // The library with its new entry is what OK keeps.
        storeChoice(store, choice);
        EXPECT_EQ(kind(), c.kind);
        EXPECT_EQ((store.*c.library).items(), (std::vector<std::string>{"entry A", "entry B", "default"}));
        EXPECT_TRUE(store.keyActions[20][4].equals(held));

        // Opened again, the same list is found and nothing more is added.
        choice = openingChoice(store);
        EXPECT_EQ((choice.*c.workingLibrary).count(), 3);
        EXPECT_EQ((choice.*c.workingLibrary).ViewStartAt + (choice.*c.workingLibrary).CursorPos, 2);
        EXPECT_EQ(choice.currentPage, c.page);
    }
}

TEST_F(KeyAssignmentChoiceTest, AMatchingEntryIsSelectedWhenPlayFieldsAgreeToo) {
    store.predefinedMacros = libraryOf({"A Down", "B Down"}, 9);
    ActionList held = listOf({"A Down"});
    give(kKindMacro, 0, held);
    KeyAssignmentChoice choice = openingChoice(store);
    EXPECT_EQ(choice.macroList.count(), 2);
    EXPECT_EQ(choice.macroList.CursorPos, 0);
    // The same keys played another way are another macro.
    held.PlayMode = 2;
    give(kKindMacro, 0, held);
    choice = openingChoice(store);
    EXPECT_EQ(choice.macroList.count(), 3);
    EXPECT_EQ(choice.macroActions.PlayMode, 2);
}

// Where the ranges of Default's rules meet: the first rule holding a code wins.
TEST_F(KeyAssignmentChoiceTest, DefaultPagesWhereItsRulesMeet) {
    const std::pair<int, int> cases[] = {{75, kPageSingleCombo},
                                         {76, kPagePower},
                                         {77, kPageSingleCombo},
                                         {107, kPageSingleCombo},
                                         {108, kPageMultimedia},
                                         {134, kPageMouse},
                                         {135, kPageFunction},
                                         {198, kPageMouse},
                                         {199, 0},
                                         {202, 0},
                                         {204, kPageSingleCombo},
                                         {209, kPageFunction},
                                         {221, kPageSingleCombo},
                                         {222, kPageFunction},
                                         {-1, kPageSingleCombo}};
    for (const auto& [code, page] : cases)
        EXPECT_EQ(pageForFactoryCode(code), page) << code;
}

TEST_F(KeyAssignmentChoiceTest, DefaultChoosesTheKeysFactoryFunctionOnItsLayer) {
    struct Case {
        int key;
        int table;
        int page;
        int singleKeyIndex;
        int functionCode;
    };
    const Case cases[] = {
        {1, 0, kPageSingleCombo, kVkEscape, -1}, // Esc
        {2, 1, kPageMultimedia, -1, 112},        // F1 on the Fn layer: mute
        {2, 5, kPageMultimedia, -1, 112},        // the same layer of another program
        {33, 2, kPageMouse, -1, 158},            // Fn2 layer
        {81, 0, kPageFunction, -1, kFnCode},     // the Fn key
        {10, 1, kPageSingleCombo, -1, -1},       // a wireless function this wired keyboard lacks
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key << " table " << c.table);
        store.currentKey = c.key;
        store.currentTable = c.table;
        store.currentProgram = c.table / 3;
        KeyAssignmentChoice choice;
        choice.singleMode = false;
        choice.singleKeyIndex = 99;
        ASSERT_TRUE(chooseFactoryDefault(choice, store));
        EXPECT_EQ(choice.currentPage, c.page);
        EXPECT_EQ(choice.functionCode(c.page), c.functionCode);
        if (c.page == kPageSingleCombo) {
            EXPECT_TRUE(choice.singleMode);
            EXPECT_EQ(choice.singleKeyIndex, c.singleKeyIndex);
        } else {
            EXPECT_EQ(choice.singleKeyIndex, 99);
        }
    }
    // Without a key there is no factory function: page 1 with no key.
    store.currentKey = -1;
    KeyAssignmentChoice choice;
    choice.currentPage = kPageMouse;
    ASSERT_TRUE(chooseFactoryDefault(choice, store));
    EXPECT_EQ(choice.currentPage, kPageSingleCombo);
    EXPECT_EQ(choice.singleKeyIndex, -1);
}

TEST_F(KeyAssignmentChoiceTest, OkStoresTheKindOfThePageShown) {
    struct Case {
        const char* what;
        int page;
        bool singleMode;
        int singleKeyIndex;
        int functionCode;
        int kind;
        int code;
    };
    const Case cases[] = {
        {"single key", kPageSingleCombo, true, kVkA, -1, kKindSingle, kCodeA},
        {"keypad Enter", kPageSingleCombo, true, kKeypadEnter, -1, kKindSingle, 107},
        {"a release picks its key", kPageSingleCombo, true, kVkA + 0x200, -1, kKindSingle, kCodeA},
        {"no single key", kPageSingleCombo, true, -1, -1, kKindNotSet, 999},
        {"a key the keyboard cannot send", kPageSingleCombo, true, 0xFF, -1, kKindNotSet, 999},
        {"empty combination", kPageSingleCombo, false, kVkA, -1, kKindNotSet, 999},
        {"empty macro", kPageMacro, true, kVkA, -1, kKindNotSet, 999},
        {"empty emulation", kPageEmulate, true, kVkA, -1, kKindNotSet, 999},
        {"multimedia", kPageMultimedia, true, kVkA, 110, kKindMultimedia, 110},
        {"mouse", kPageMouse, true, kVkA, 157, kKindMouse, 157},
        {"function", kPageFunction, true, kVkA, 203, kKindFunction, 203},
        {"power", kPagePower, true, kVkA, 77, kKindPower, 77},
        {"no function chosen", kPageMouse, true, kVkA, -1, kKindNotSet, 999},
        // The page decides the kind, never the code.
        {"a power code on the mouse page", kPageMouse, true, kVkA, 76, kKindMouse, 76},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        give(kKindPower, 999);
        KeyAssignmentChoice choice;
        choice.currentPage = c.page;
        choice.singleMode = c.singleMode;
        choice.singleKeyIndex = c.singleKeyIndex;
        choice.setFunctionCode(c.page, c.functionCode);
        storeChoice(store, choice);
        EXPECT_EQ(kind(), c.kind);
        EXPECT_EQ(code(), c.code);
    }
}

TEST_F(KeyAssignmentChoiceTest, OkStoresListsAsCopiesWithCodeZero) {
    const ActionList combination = listOf({"LCTRL", "C"});
    const ActionList macro = listOf({"A Down", "<20 ms>", "A UP"});
    for (const int page : {kPageSingleCombo, kPageMacro, kPageEmulate}) {
        SCOPED_TRACE(page);
        give(kKindPower, 77);
        KeyAssignmentChoice choice;
        choice.currentPage = page;
        choice.singleMode = false;
        choice.comboActions = combination;
        choice.macroActions = macro;
        choice.emulationActions = combination;
        storeChoice(store, choice);
        EXPECT_EQ(kind(), page + 1);
        EXPECT_EQ(code(), 0);
        EXPECT_TRUE(store.keyActions[20][4].equals(page == kPageMacro ? macro : combination));
    }
}

TEST_F(KeyAssignmentChoiceTest, FnAndFn2GoToAllThreeLayersOfTheCurrentProgram) {
    for (const int fn : {kFnCode, kFn2Code}) {
        SCOPED_TRACE(fn);
        SetUp();
        store.currentTable = 4; // Program 2's Fn layer
        KeyAssignmentChoice choice;
        choice.currentPage = kPageFunction;
        choice.setFunctionCode(kPageFunction, fn);
        storeChoice(store, choice);
        for (int table = 0; table < kTables; ++table) {
            const bool programTwo = table >= 3 && table <= 5;
            EXPECT_EQ(kind(table) == kKindFunction && code(table) == fn, programTwo) << table;
        }
    }
    // Any other function stays on its own table.
    SetUp();
    KeyAssignmentChoice choice;
    choice.currentPage = kPageFunction;
    choice.setFunctionCode(kPageFunction, 203);
    storeChoice(store, choice);
    EXPECT_EQ(code(4), 203);
    EXPECT_NE(code(3), 203);
    EXPECT_NE(code(5), 203);
}

TEST_F(KeyAssignmentChoiceTest, OnlyTheLibraryOfThePageShownIsKept) {
    store.predefinedCombos = libraryOf({"A"}, 6);
    store.predefinedMacros = libraryOf({"B Down"}, 9);
    store.predefinedEmulations = libraryOf({"C"}, 9);
    for (const int page : {kPageSingleCombo, kPageMacro, kPageEmulate, kPageMultimedia}) {
        SCOPED_TRACE(page);
        KeyAssignmentChoice choice = openingChoice(store);
        for (ActionList* library : {&choice.comboList, &choice.macroList, &choice.emulationList})
            library->setOrAppend(ActionList::kAppend, "added");
        choice.currentPage = page;
        const int combos = store.predefinedCombos.count();
        const int macros = store.predefinedMacros.count();
        const int emulations = store.predefinedEmulations.count();
        storeChoice(store, choice);
        EXPECT_EQ(store.predefinedCombos.count(), combos + (page == kPageSingleCombo ? 1 : 0));
        EXPECT_EQ(store.predefinedMacros.count(), macros + (page == kPageMacro ? 1 : 0));
        EXPECT_EQ(store.predefinedEmulations.count(), emulations + (page == kPageEmulate ? 1 : 0));
    }
}

TEST_F(KeyAssignmentChoiceTest, ClearThenOkLeavesTheKeyUnsetAndKeepsTheLibraries) {
    store.predefinedCombos = libraryOf({"A", "B"}, 6);
    give(kKindMouse, 157);
    KeyAssignmentChoice choice = openingChoice(store);
    choice.singleKeyIndex = kVkA;
    clearChoice(choice);
    EXPECT_EQ(choice.currentPage, kPageSingleCombo);
    EXPECT_TRUE(choice.singleMode);
    EXPECT_EQ(choice.singleKeyIndex, -1);
    storeChoice(store, choice);
    EXPECT_EQ(kind(), kKindNotSet);
    EXPECT_EQ(code(), 157);
    EXPECT_EQ(store.predefinedCombos.items(), (std::vector<std::string>{"entry A", "entry B"}));
}

TEST_F(KeyAssignmentChoiceTest, AStoreNamingNoKeyIsNeitherReadNorWritten) {
    for (const auto& [key, table, program] :
         {std::tuple{0, 0, 0}, std::tuple{86, 0, 0}, std::tuple{-4, 0, 0}, std::tuple{5, 9, 0},
          std::tuple{5, -1, 0}, std::tuple{5, 0, 3}}) {
        SCOPED_TRACE(testing::Message() << key << " " << table << " " << program);
        store.currentKey = key;
        store.currentTable = table;
        store.currentProgram = program;
        EXPECT_FALSE(storeNamesAKey(store));
        KeyAssignmentChoice choice = openingChoice(store);
        EXPECT_EQ(choice.currentPage, kPageSingleCombo);
        choice.currentPage = kPageFunction;
        choice.setFunctionCode(kPageFunction, kFnCode);
        const auto kinds = store.keyKind;
        storeChoice(store, choice);
        EXPECT_EQ(store.keyKind, kinds);
    }
}

TEST_F(KeyAssignmentChoiceTest, KeyIndicesAndCodesConvertOnlyWhereTheCatalogueKnowsThem) {
    EXPECT_EQ(keyIndexOfCode(store, kCodeA), kVkA);
    EXPECT_EQ(keyIndexOfCode(store, 107), kKeypadEnter);
    for (const int code : {0, -1, kCatalogueSize, 100000})
        EXPECT_EQ(keyIndexOfCode(store, code), -1) << code;
    EXPECT_EQ(codeOfKeyIndex(store, kVkA), kCodeA);
    EXPECT_EQ(codeOfKeyIndex(store, kVkA + 0x200), kCodeA);
    EXPECT_EQ(codeOfKeyIndex(store, -1), 0);
    EXPECT_EQ(singleKeyOfEvent(store, kVkA), kVkA);
    EXPECT_EQ(singleKeyOfEvent(store, kKeypadEnter), kKeypadEnter);
    EXPECT_EQ(singleKeyOfEvent(store, 13), 13);
    EXPECT_EQ(singleKeyOfEvent(store, 0xFF), -1);
    EXPECT_EQ(singleKeyOfEvent(store, -2), -1);
}

} // namespace
