// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/KeyAssignmentCodec.h"
#include "model/ActionItem.h"
#include "model/ConfigStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace {

class KeyAssignmentCodec : public ::testing::Test {
protected:
    void SetUp() override {
        store = std::make_unique<CConfigStore>(dir.file("no-keyboard.txt"));
        store->deviceVariant = 4;
        store->buildCatalogue();
    }

    static ActionList listOf(std::initializer_list<const char*> items, int sizeOfView = 9) {
        ActionList list(sizeOfView);
        for (const char* item : items)
            list.setOrAppend(ActionList::kAppend, item);
        return list;
    }

    std::vector<int> encode(int kind, int code, const ActionList& actions = ActionList()) const {
        return encodeKeyAssignment(*store, kind, code, actions);
    }
    DecodedKeyAssignment decode(const std::vector<int>& array) const {
        return decodeKeyAssignment(*store, array);
    }

    TempDir dir;
    std::unique_ptr<CConfigStore> store;
};

} // namespace

TEST_F(KeyAssignmentCodec, SingleCodesTravelAsOneCode) {
    EXPECT_EQ(encode(kKindSingle, 43), (std::vector<int>{0, 1, 43}));
    EXPECT_EQ(encode(kKindMultimedia, 110), (std::vector<int>{0, 1, 110}));
    EXPECT_EQ(encode(kKindMouse, 130), (std::vector<int>{0, 1, 130}));
    EXPECT_EQ(encode(kKindMouse, 199), (std::vector<int>{0, 2, 130, 130}))
        << "double click is the left button twice";
    EXPECT_EQ(encode(kKindFunction, 156), (std::vector<int>{0, 1, 156}));
    EXPECT_EQ(encode(kKindPower, 76), (std::vector<int>{0, 1, 76}));
    EXPECT_TRUE(encode(kKindNotSet, 43).empty());
    EXPECT_TRUE(encode(9, 43).empty()) << "a kind the keyboard does not know is not sent";
    EXPECT_TRUE(encode(-1, 43).empty());
}

TEST_F(KeyAssignmentCodec, DecodedSingleCodesGetTheirKind) {
    const std::pair<int, int> codeKinds[] = {
        {43, kKindSingle}, {110, kKindMultimedia}, {130, kKindMouse},    {157, kKindMouse},
        {173, kKindMouse}, {150, kKindFunction},   {203, kKindFunction}, {207, kKindFunction},
        {76, kKindPower},  {204, kKindSingle},     {210, kKindSingle},   {198, kKindSingle}};
    for (const auto& [code, kind] : codeKinds) {
        const DecodedKeyAssignment key = decode({0, 1, code});
        EXPECT_EQ(key.kind, kind) << "code " << code;
        EXPECT_EQ(key.code, code);
        EXPECT_FALSE(key.actions);
    }
    const DecodedKeyAssignment doubleClick = decode({0, 2, 130, 130});
    EXPECT_EQ(doubleClick.kind, kKindMouse);
    EXPECT_EQ(doubleClick.code, 199);
    EXPECT_EQ(decode({0, 0}).kind, kKindNotSet);
    EXPECT_FALSE(decode({0, 0}).code) << "a key read back as not set keeps its code";
}

TEST_F(KeyAssignmentCodec, CombosAndEmulationsRoundTrip) {
    const ActionList combo = listOf({"LCTRL", "LALT", "DEL"}, 6);
    const std::vector<int> comboArray = encode(kKindCombo, 0, combo);
    EXPECT_EQ(comboArray, (std::vector<int>{0, 3, 67, 69, 84}));
    const DecodedKeyAssignment comboBack = decode(comboArray);
    EXPECT_EQ(comboBack.kind, kKindCombo);
    ASSERT_TRUE(comboBack.actions);
    EXPECT_TRUE(comboBack.actions->equals(combo));
    EXPECT_EQ(comboBack.actions->SizeOfView, 6);
    EXPECT_FALSE(comboBack.code);

    ActionList emulation = listOf({"H", "I"});
    emulation.Delay = 75;
    const std::vector<int> emulationArray = encode(kKindEmulation, 0, emulation);
    EXPECT_EQ(emulationArray, (std::vector<int>{1, 75, 2, 48, 36}));
    const DecodedKeyAssignment emulationBack = decode(emulationArray);
    EXPECT_EQ(emulationBack.kind, kKindEmulation);
    ASSERT_TRUE(emulationBack.actions);
    EXPECT_TRUE(emulationBack.actions->equals(emulation));
    EXPECT_EQ(decode({1, 75, 0}).kind, kKindNotSet);
}

TEST_F(KeyAssignmentCodec, MacrosWithRecordedDelaysAlternateEventsAndDelays) {
    const ActionList macro = listOf({"A Down", "<50 ms>", "A UP"});
    const std::vector<int> array = encode(kKindMacro, 0, macro);
    EXPECT_EQ(array, (std::vector<int>{2, 0, 1, 1, 0, 2, 43, 50, 43}));

    const DecodedKeyAssignment back = decode(array);
    EXPECT_EQ(back.kind, kKindMacro);
    ASSERT_TRUE(back.actions);
    EXPECT_EQ(back.actions->items(), (std::vector<std::string>{"A", "<50 ms>", "A"}))
        << "press and release suffixes are not kept";
    EXPECT_FALSE(back.actions->IsAutoInterval);
    EXPECT_EQ(back.actions->ViewStartAt + back.actions->CursorPos, 2)
        << "lists end scrolled to their last item";
}

TEST_F(KeyAssignmentCodec, MacrosWhoseItemsDoNotAlternateAreNeverSent) {
    // A recording ends with a delay ("<50 ms>" appended on stop): key, delay, key, delay is fine.
    EXPECT_EQ(encode(kKindMacro, 0, listOf({"A Down", "<20 ms>", "A UP", "<50 ms>"})),
              (std::vector<int>{2, 0, 1, 1, 0, 2, 43, 20, 43, 50}));
    EXPECT_EQ(assignmentProblem(kKindMacro, listOf({"A Down", "<20 ms>", "A UP", "<50 ms>"})), "");
    // The keyboard keeps that closing delay, and it comes back; an array cut short or padded beyond
    // it reads as before.
    const auto itemsOf = [this](const std::vector<int>& array) { return decode(array).actions->items(); };
    EXPECT_EQ(itemsOf({2, 0, 1, 1, 0, 2, 43, 20, 43, 50}),
              (std::vector<std::string>{"A", "<20 ms>", "A", "<50 ms>"}));
    EXPECT_EQ(itemsOf({2, 0, 1, 1, 0, 2, 43, 20, 43}), (std::vector<std::string>{"A", "<20 ms>", "A"}));
    EXPECT_EQ(itemsOf({2, 0, 1, 1, 0, 2, 43, 20, 43, 50, 0}),
              (std::vector<std::string>{"A", "<20 ms>", "A"}));
    EXPECT_EQ(itemsOf({2, 0, 1, 0, 30, 2, 43, 43}), (std::vector<std::string>{"A", "A"}))
        << "an automatic delay has no closing delay";
    EXPECT_EQ(assignmentProblem(kKindMacro, ActionList()), "") << "an empty macro";

    // Two keys in a row would send the second key as a delay and every later item shifted.
    const ActionList twoKeys = listOf({"A Down", "B Down", "<50 ms>", "A UP"});
    EXPECT_TRUE(encode(kKindMacro, 0, twoKeys).empty());
    EXPECT_EQ(
        assignmentProblem(kKindMacro, twoKeys),
        "macro item 2 (\"B Down\") should be a delay entry, as recorded delays alternate key and delay");
    const ActionList delayFirst = listOf({"<50 ms>", "A Down"});
    EXPECT_TRUE(encode(kKindMacro, 0, delayFirst).empty());
    EXPECT_EQ(assignmentProblem(kKindMacro, delayFirst),
              "macro item 1 (\"<50 ms>\") should be a key event, as recorded delays alternate key and delay");

    // With an automatic delay every item is a key event; a delay entry would travel as a key code.
    ActionList automatic = listOf({"A Down", "<50 ms>", "A UP"});
    automatic.IsAutoInterval = true;
    EXPECT_TRUE(encode(kKindMacro, 0, automatic).empty());
    EXPECT_EQ(assignmentProblem(kKindMacro, automatic),
              "macro item 2 (\"<50 ms>\") is a delay entry in a macro with an automatic delay");

    EXPECT_EQ(assignmentProblem(kKindCombo, twoKeys), "") << "only macros carry delays";
    EXPECT_TRUE(ActionItem::isDelay("<50 ms>"));
    EXPECT_TRUE(ActionItem::isDelay("<0 ms>"));
    EXPECT_FALSE(ActionItem::isDelay("A Down"));
    EXPECT_FALSE(ActionItem::isDelay(""));
}

TEST_F(KeyAssignmentCodec, MacrosWithOneIntervalAndPlayModes) {
    ActionList macro = listOf({"A", "B", "C"});
    macro.IsAutoInterval = true;
    macro.Delay = 40;
    macro.Cycles = 7;
    EXPECT_EQ(encode(kKindMacro, 0, macro), (std::vector<int>{2, 0, 7, 0, 40, 3, 43, 60, 58}));

    macro.PlayMode = 1;
    const std::vector<int> played = encode(kKindMacro, 0, macro);
    EXPECT_EQ(played[2], 0) << "cycles are sent only with play mode 0";

    const DecodedKeyAssignment back = decode(played);
    ASSERT_TRUE(back.actions);
    EXPECT_TRUE(back.actions->IsAutoInterval);
    EXPECT_EQ(back.actions->Delay, 40);
    EXPECT_EQ(back.actions->PlayMode, 1);
    EXPECT_EQ(back.actions->items(), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(decode({2, 0, 1, 1, 0, 0}).kind, kKindNotSet);
}

TEST_F(KeyAssignmentCodec, HostileArraysNeverReadPastTheirEnd) {
    // Counts larger than the array, negative, or at the limits of int: only what is there is taken.
    EXPECT_EQ(decode({}).kind, kKindNotSet);
    EXPECT_EQ(decode({0}).kind, kKindNotSet);
    EXPECT_EQ(decode({0, 1}).kind, kKindNotSet);
    EXPECT_EQ(decode({0, -3, 43}).kind, kKindNotSet);
    EXPECT_EQ(decode({7, 1, 43}).kind, kKindNotSet) << "unknown record type";
    EXPECT_EQ(decode({INT_MIN, 1, 43}).kind, kKindNotSet);

    const DecodedKeyAssignment truncatedCombo = decode({0, INT_MAX, 43, 44});
    EXPECT_EQ(truncatedCombo.kind, kKindCombo);
    ASSERT_TRUE(truncatedCombo.actions);
    EXPECT_EQ(truncatedCombo.actions->count(), 2);

    const DecodedKeyAssignment truncatedEmulation = decode({1, 30, 1000, 43});
    ASSERT_TRUE(truncatedEmulation.actions);
    EXPECT_EQ(truncatedEmulation.actions->count(), 1);

    const DecodedKeyAssignment truncatedMacro = decode({2, 0, 1, 1, 0, 50, 43, 20, 44, 30});
    ASSERT_TRUE(truncatedMacro.actions);
    EXPECT_EQ(truncatedMacro.actions->items(), (std::vector<std::string>{"A", "<20 ms>", "S"}));
    EXPECT_EQ(decode({2, 0, 1, 0, 0}).kind, kKindNotSet) << "a macro header cut short";

    const DecodedKeyAssignment unnamed = decode({0, 3, -5, 5000, 183});
    ASSERT_TRUE(unnamed.actions);
    EXPECT_EQ(unnamed.actions->items(), (std::vector<std::string>(3, "-- --")));
}
