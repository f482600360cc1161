// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymap/rules/ActionRecorder.h"

#include "device/KeyboardHook.h"
#include "keymap/rules/ActionTexts.h"
#include "keymap/rules/HookKeyEvent.h"
#include "model/ActionList.h"
#include "model/ConfigStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using std::chrono::milliseconds;
using Time = std::chrono::steady_clock::time_point;

constexpr int kVkA = 65;
constexpr int kVkB = 66;
constexpr int kVkCtrl = 17;
constexpr int kVkAlt = 18;
constexpr int kVkDelete = 46;

HookKeyEvent press(int vk) {
    return {.virtualKey = vk, .released = false, .code = vk, .eventMs = std::nullopt};
}
HookKeyEvent release(int vk) {
    return {.virtualKey = vk, .released = true, .code = vk + 0x200, .eventMs = std::nullopt};
}

// Feeds events the way the dialog does: each is remembered as the previous one, recorded or not.
class ActionRecorderTest : public ::testing::Test {
protected:
    ActionRecorderTest() : store(std::filesystem::temp_directory_path() / "qelec-recorder-none.txt") {
        store.buildCatalogue();
        hook.restart();
    }
    std::string down(int vk) const { return actionText(store, vk, true); }
    std::string up(int vk) const { return actionText(store, vk + 0x200, true); }
    std::string key(int vk) const { return actionText(store, vk, false); }

    void macroAt(ActionList& macro, const HookKeyEvent& event, int ms) {
        const Time at = Time{} + milliseconds(ms);
        recordMacroKey(macro, event, hook, at, store);
        hook.remember(event, at);
    }
    void combo(ActionList& list, const HookKeyEvent& event) {
        recordComboKey(list, event, hook, store);
        hook.remember(event, Time{});
    }
    void emulation(ActionList& list, const HookKeyEvent& event) {
        recordEmulationKey(list, event, hook, store);
        hook.remember(event, Time{});
    }

    CConfigStore store;
    HookBookkeeping hook;
};

} // namespace

TEST_F(ActionRecorderTest, AMacroRecordsDelaysBetweenEventsOnlyWithRecordedDelays) {
    ActionList recorded(9);
    macroAt(recorded, press(kVkA), 1000);
    macroAt(recorded, release(kVkA), 1137);
    EXPECT_TRUE(closeMacroRecording(recorded));
    EXPECT_EQ(recorded.items(), (std::vector<std::string>{down(kVkA), "<137 ms>", up(kVkA), "<50 ms>"}));

    hook.restart();
    ActionList automatic(9);
    automatic.IsAutoInterval = true;
    macroAt(automatic, press(kVkA), 1000);
    macroAt(automatic, release(kVkA), 1137);
    EXPECT_FALSE(closeMacroRecording(automatic));
    EXPECT_EQ(automatic.items(), (std::vector<std::string>{down(kVkA), up(kVkA)}));
}

TEST_F(ActionRecorderTest, AutoRepeatIsDroppedButRestartsTheDelay) {
    ActionList macro(9);
    macroAt(macro, press(kVkA), 0);
    for (int ms = 500; ms <= 2000; ms += 33)
        macroAt(macro, press(kVkA), ms);
    macroAt(macro, release(kVkA), 2010);
    // 2000 is not a multiple step: the last repeat came at 1985.
    EXPECT_EQ(macro.items(), (std::vector<std::string>{down(kVkA), "<25 ms>", up(kVkA)}));
}

TEST_F(ActionRecorderTest, AReleaseOfAKeyHeldBeforeTheStartIsDropped) {
    ActionList macro(9);
    macroAt(macro, release(kVkB), 0);
    macroAt(macro, press(kVkA), 10);
    // The dropped release still counts as the previous event.
    EXPECT_EQ(macro.items(), (std::vector<std::string>{"<10 ms>", down(kVkA)}));
}

TEST_F(ActionRecorderTest, DelaysAreWholeMillisecondsUpTo65535) {
    struct Case {
        Time previous;
        Time now;
        int ms;
    };
    const Case cases[] = {
        {Time{}, Time{} + std::chrono::microseconds(999), 0},
        {Time{}, Time{} + std::chrono::microseconds(1000), 1},
        {Time{}, Time{} + milliseconds(65535), 65535},
        {Time{}, Time{} + std::chrono::hours(2), 65535},
        {Time{} + milliseconds(5), Time{}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(recordedDelayMs(c.previous, c.now), c.ms);
}

TEST_F(ActionRecorderTest, MacroLimitsCountDelaysAndKeysAsTheyCome) {
    struct Case {
        bool automatic;
        int itemsBefore;
        std::vector<std::string> added; // "delay" or "key"
    };
    const Case cases[] = {
        {false, 797, {"delay", "key"}}, {false, 798, {"delay"}}, {false, 799, {}},
        {true, 1599, {"key"}},          {true, 1600, {}},
    };
    for (const Case& c : cases) {
        hook.restart();
        ActionList macro(9);
        macro.IsAutoInterval = c.automatic;
        for (int i = 0; i < c.itemsBefore; ++i)
            macro.setOrAppend(ActionList::kAppend, "x");
        hook.remember(press(kVkB), Time{});
        const int before = macro.count();
        macroAt(macro, press(kVkA), 7);
        std::vector<std::string> added;
        for (int i = before; i < macro.count(); ++i)
            added.push_back(macro.items()[static_cast<std::size_t>(i)] == "<7 ms>" ? "delay" : "key");
        EXPECT_EQ(added, c.added) << c.automatic << " " << c.itemsBefore;
    }
}

TEST_F(ActionRecorderTest, StoppingAddsTheClosingDelayOnlyWithinTheLimit) {
    struct Case {
        bool automatic;
        int items;
        bool closed;
    };
    const Case cases[] = {
        {false, 0, false}, {false, 1, true}, {false, 798, true}, {false, 799, false}, {true, 3, false}};
    for (const Case& c : cases) {
        ActionList macro(9);
        macro.IsAutoInterval = c.automatic;
        for (int i = 0; i < c.items; ++i)
            macro.setOrAppend(ActionList::kAppend, "x");
        EXPECT_EQ(closeMacroRecording(macro), c.closed) << c.items;
        EXPECT_EQ(!macro.empty() && macro.items().back() == "<50 ms>", c.closed) << c.items;
    }
}

TEST_F(ActionRecorderTest, ACombinationTakesPressesInOrderUpToSix) {
    ActionList list(6);
    for (const int vk : {kVkCtrl, kVkAlt, kVkDelete}) {
        combo(list, press(vk));
        combo(list, press(vk)); // auto-repeat
    }
    for (const int vk : {kVkCtrl, kVkAlt, kVkDelete})
        combo(list, release(vk));
    EXPECT_EQ(list.items(), (std::vector<std::string>{key(kVkCtrl), key(kVkAlt), key(kVkDelete)}));

    for (const int vk : {65, 66, 67, 68, 69})
        combo(list, press(vk));
    EXPECT_EQ(list.count(), kMaxComboKeys);
    EXPECT_EQ(list.items().back(), key(67));
}

TEST_F(ActionRecorderTest, AnEmulationTakesAKeyAgainOnlyAfterItsRelease) {
    ActionList list(9);
    emulation(list, press(kVkA));
    emulation(list, press(kVkA)); // auto-repeat
    emulation(list, release(kVkA));
    emulation(list, press(kVkA));
    emulation(list, release(kVkA));
    emulation(list, release(kVkB)); // held before the start
    EXPECT_EQ(list.items(), (std::vector<std::string>{key(kVkA), key(kVkA)}));
    for (int vk = 67; vk < 75; ++vk) {
        emulation(list, press(vk));
        emulation(list, release(vk));
    }
    EXPECT_EQ(list.count(), kMaxEmulationKeys);
}

TEST_F(ActionRecorderTest, ShiftIsToldApartByTheKeyStates) {
    struct Case {
        const char* name;
        bool released;
        ShiftKeyStates now;
        int lastLeft;
        int lastRight;
        int virtualKey;
        int lastLeftAfter;
        int lastRightAfter;
    };
    const Case cases[] = {
        {"press, left held", false, {true, false}, 0, 0, 160, 0, 0},
        {"press, right held", false, {false, true}, 0, 0, 161, 0, 0},
        {"press, both held", false, {true, true}, 0, 0, 160, 0, 0},
        {"release of left", true, {false, true}, 1, 1, 160, 0, 1},
        {"release of right", true, {true, false}, 1, 1, 161, 1, 0},
        {"release, nothing changed", true, {false, false}, 0, 0, 16, 0, 0},
    };
    for (const Case& c : cases) {
        int lastLeft = c.lastLeft;
        int lastRight = c.lastRight;
        const HookKeyEvent shift = c.released ? release(16) : press(16);
        const HookKeyEvent sided = withShiftSide(shift, c.now, lastLeft, lastRight);
        EXPECT_EQ(sided.virtualKey, c.virtualKey) << c.name;
        EXPECT_EQ(sided.code, c.virtualKey + (c.released ? 0x200 : 0)) << c.name;
        EXPECT_EQ(lastLeft, c.lastLeftAfter) << c.name;
        EXPECT_EQ(lastRight, c.lastRightAfter) << c.name;
    }
    int lastLeft = 0;
    int lastRight = 0;
    EXPECT_EQ(withShiftSide(press(kVkA), {true, true}, lastLeft, lastRight).code, kVkA);
}

TEST_F(ActionRecorderTest, ARecordingStartsEmptyButKeepsThePlaySettings) {
    ActionList macro(9);
    macro.setOrAppend(ActionList::kAppend, "x");
    macro.Cycles = 7;
    macro.IsAutoInterval = true;
    macro.Delay = 120;
    macro.PlayMode = 2;
    clearForRecording(macro);
    EXPECT_TRUE(macro.empty());
    EXPECT_EQ(macro.SizeOfView, 9);
    EXPECT_EQ(macro.Cycles, 7);
    EXPECT_TRUE(macro.IsAutoInterval);
    EXPECT_EQ(macro.Delay, 120);
    EXPECT_EQ(macro.PlayMode, 2);
}

TEST(HookEventTimes, EventsWithTheirOwnTimesKeepTheirGapsHoweverLateTheyAreHandled) {
    const Time handled = Time{} + std::chrono::hours(1);
    struct Case {
        std::optional<std::uint32_t> eventMs;
        int handledLaterMs;
        int placedMs; // from the first event's place
    };
    // The platform's clock wraps at 2^32 between the third and the fourth event.
    const Case cases[] = {
        {0xFFFFFF00U, 0, 0},
        {0xFFFFFF10U, 90, 16},
        {std::nullopt, 120, 120},
        {0x00000010U, 400, 272},
    };
    HookBookkeeping hook;
    hook.restart();
    for (const Case& c : cases) {
        HookKeyEvent event = press(kVkA);
        event.eventMs = c.eventMs;
        EXPECT_EQ(hook.timeOf(event, handled + milliseconds(c.handledLaterMs)),
                  handled + milliseconds(c.placedMs));
    }
    hook.restart();
    HookKeyEvent event = press(kVkA);
    event.eventMs = 5;
    EXPECT_EQ(hook.timeOf(event, handled), handled) << "a restart anchors afresh";
}

TEST(HookEventTimes, TheHookMessageCarriesTheEventTime) {
    for (const std::optional<std::uint32_t> time :
         {std::optional<std::uint32_t>{}, std::optional<std::uint32_t>{0U},
          std::optional<std::uint32_t>{0xFFFFFFFFU}}) {
        for (const bool extended : {false, true}) {
            const HookKeyEvent event = decodeHookKey(hookKeyWParam(13, true), hookKeyLParam(extended, time));
            EXPECT_EQ(event.eventMs, time);
            EXPECT_EQ(event.code, extended ? 13 + 0x100 + 0x200 : 13 + 0x200);
        }
    }
}
