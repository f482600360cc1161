// SPDX-License-Identifier: GPL-3.0-or-later
// qelec-ctl triggers and track, run as a user runs them against a virtual keyboard, and the parsing
// and drawing they stand on.
#include "DeviceTestSupport.h"
#include "TextLines.h"
#include "device/KeyTravel.h"
#include "model/FactoryKeyboard.h"
#include "model/KeyboardVariant.h"
#include "tools/cli/KeySelection.h"
#include "tools/ctl/Millimetres.h"
#include "tools/ctl/TrackCommand.h"
#include "tools/ctl/TriggersCommand.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <sstream>

namespace {

class QelecCtlActuation : public ::testing::Test {
protected:
    void SetUp() override {
        VirtualKeyboardState keyboard = factoryKeyboard(4);
        keyboard.transferMs = 0;
        keyboard.travel = TravelMode::Idle;
        writeState(state, keyboard);
    }

    ToolRun ctl(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), {"--state", state});
        return runProgram(QELEC_CTL_PATH, arguments);
    }
    std::array<int, 3> triggersOf(int key) const {
        const VirtualKeyboardState keyboard = readState(state);
        const auto at = static_cast<std::size_t>((key - 1) * 3);
        return {keyboard.triggers[at], keyboard.triggers[at + 1], keyboard.triggers[at + 2]};
    }
    static std::int64_t nowMs() {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::system_clock::now().time_since_epoch())
            .count();
    }

    TempDir dir;
    std::string state = dir.file("keyboard.txt");
};

bool holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(KeySelection, NamesAllOneKeyListsAndRangesAndRefusesTheRest) {
    const auto keysOf = [](const char* text) { return parseKeySelection(text, KeyboardVariant::kRgb).keys; };
    EXPECT_EQ(keysOf("all").size(), 85U);
    EXPECT_EQ(keysOf("34"), (std::vector<int>{34}));
    EXPECT_EQ(keysOf("W"), (std::vector<int>{34}));
    EXPECT_EQ(keysOf("78-79,1,3-5,4"), (std::vector<int>{1, 3, 4, 5, 78, 79}));
    for (const char* refused : {"", "0", "86", "1,,2", "1-", "-4", "1.5"})
        EXPECT_FALSE(parseKeySelection(refused, KeyboardVariant::kRgb).ok()) << refused;
    EXPECT_EQ(describeKeySelection({34}), "key 34");
    EXPECT_EQ(describeKeySelection({1, 2, 3, 30, 78, 79}), "keys 1-3, 30, 78-79");
    EXPECT_EQ(describeKeySelection(keysOf("all")), "all keys");
}

TEST(Millimetres, TakeOneDecimalAtMostWithOrWithoutTheUnit) {
    EXPECT_EQ(parseTenthsOfMillimetre("1.2"), 12);
    EXPECT_EQ(parseTenthsOfMillimetre("0.8mm"), 8);
    EXPECT_EQ(parseTenthsOfMillimetre("2"), 20);
    EXPECT_EQ(parseTenthsOfMillimetre("0.0"), 0);
    for (const char* refused : {"", "1.25", "-1", ".5", "1.", "mm", "1,2", "abc", "1.2 mm", "99999"})
        EXPECT_EQ(parseTenthsOfMillimetre(refused), std::nullopt) << refused;
}

TEST(TriggerChange, AppliesToTheNamedKeysOrRefusesNamingTheFirstBadKey) {
    std::array<TriggerTriple, 86> table{};
    table.fill({8, 20, 0});
    table[5] = {0, 0, 0};
    EXPECT_EQ(applyTriggerChange(table, {.keys = {1, 2}, .upper = 12, .lower = std::nullopt, .threshold = 3}),
              std::nullopt);
    EXPECT_EQ(table[1], (TriggerTriple{12, 20, 3}));
    EXPECT_EQ(table[2], (TriggerTriple{12, 20, 3}));
    EXPECT_EQ(table[3], (TriggerTriple{8, 20, 0}));
    const auto before = table;
    EXPECT_EQ(
        applyTriggerChange(table, {.keys = {4, 5}, .upper = 10, .lower = std::nullopt, .threshold = {}}),
        "key 5 (F4): the release travel 0.0mm is outside 0.8mm to 2.6mm");
    EXPECT_EQ(applyTriggerChange(table, {.keys = {1}, .upper = std::nullopt, .lower = 12, .threshold = {}}),
              "key 1 (Esc): the press travel 1.2mm is not below the release travel 1.2mm");
    EXPECT_EQ(table, before);
}

TEST(TravelBar, FillsTheTravelAndMarksThePressAndReleasePoints) {
    const std::string empty = travelBar(0, 8, 20);
    ASSERT_EQ(empty.size(), 62U);
    EXPECT_EQ(empty[1 + 17], 'P'); // 0.8 mm: 17 units
    EXPECT_EQ(empty[1 + 42], 'R'); // 2.0 mm: 42 units
    EXPECT_EQ(empty.find('#'), std::string::npos);
    const std::string half = travelBar(15, 8, 20);
    EXPECT_EQ(half.substr(1, 17), std::string(17, '#'));
    EXPECT_EQ(half[1 + 31], '#');
    EXPECT_EQ(half[1 + 32], '-');
    EXPECT_EQ(travelBar(28, std::nullopt, std::nullopt), "[" + std::string(60, '#') + "]");
}

TEST_F(QelecCtlActuation, TriggersShowsEveryKeyInMillimetresAndSaysWhatIsOutOfRange) {
    changeState(state, [](VirtualKeyboardState& keyboard) {
        keyboard.triggers[0] = 12;
        keyboard.triggers[33 * 3 + 1] = 0;
        keyboard.triggers[84 * 3 + 2] = 9;
    });
    const ToolRun run = ctl({"triggers"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 86U);
    EXPECT_EQ(lines[1], "  1  Esc         1.2mm            2.0mm            0.1mm");
    EXPECT_EQ(lines[34], " 34  W           0.8mm            0.0mm (out of range)  0.1mm");
    EXPECT_EQ(lines[85], " 85  Right       0.8mm            2.0mm            1.0mm (out of range)");
    EXPECT_TRUE(holds(lines[76], " 76  Win "));
}

TEST_F(QelecCtlActuation, TriggersSetWritesOnlyTheNamedKeys) {
    const ToolRun one = ctl({"triggers", "set", "34", "--press", "1.2", "--threshold", "0.3mm"});
    ASSERT_EQ(one.exitCode, 0) << one.err;
    EXPECT_EQ(one.out, "set key 34: press travel 1.2mm, rapid-trigger threshold 0.3mm\n");
    EXPECT_EQ(triggersOf(34), (std::array<int, 3>{12, 20, 2}));
    EXPECT_EQ(triggersOf(33), (std::array<int, 3>{8, 20, 0}));

    const ToolRun range = ctl({"triggers", "set", "1-3,78-79", "--release", "2.6", "--press", "0.6"});
    ASSERT_EQ(range.exitCode, 0) << range.err;
    EXPECT_EQ(range.out, "set keys 1-3, 78-79: press travel 0.6mm, release travel 2.6mm\n");
    for (int key : {1, 2, 3, 78, 79})
        EXPECT_EQ(triggersOf(key), (std::array<int, 3>{6, 26, 0})) << key;
    EXPECT_EQ(triggersOf(4), (std::array<int, 3>{8, 20, 0}));

    const ToolRun all =
        ctl({"triggers", "set", "all", "--press", "1.0", "--release", "2.4", "--threshold", "0.5"});
    ASSERT_EQ(all.exitCode, 0) << all.err;
    for (int key = 1; key <= 85; ++key)
        EXPECT_EQ(triggersOf(key), (std::array<int, 3>{10, 24, 4})) << key;
    EXPECT_TRUE(holds(ctl({"triggers"}).out, " 85  Right       1.0mm            2.4mm            0.5mm"));
}

// Values the windows would never allow are refused with the reason, a non-zero exit and an untouched
// keyboard.
TEST_F(QelecCtlActuation, TriggersSetRefusesValuesOutOfRangeAndChangesNothing) {
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        const char* reason;
    } refused[] = {
        {{"set", "all", "--press", "0.5"},
         1,
         "key 1 (Esc): the press travel 0.5mm is outside 0.6mm to 2.4mm"},
        {{"set", "5", "--release", "2.7"},
         1,
         "key 5 (F4): the release travel 2.7mm is outside 0.8mm to 2.6mm"},
        {{"set", "5", "--threshold", "0.6"},
         1,
         "the rapid-trigger threshold 0.6mm is outside 0.1mm to 0.5mm"},
        {{"set", "5", "--threshold", "0"}, 1, "the rapid-trigger threshold 0.0mm is outside 0.1mm to 0.5mm"},
        {{"set", "1-85", "--press", "2.0"},
         1,
         "the press travel 2.0mm is not below the release travel 2.0mm"},
        {{"set", "7", "--press", "1.5", "--release", "1.2"}, 1, "is not below the release travel 1.2mm"},
        {{"set", "7", "--press", "1.25"}, 2, "--press takes millimetres with at most one decimal"},
        {{"set", "86", "--press", "1.0"},
         2,
         "there is no key 86: keys are numbered 1 to 85; nothing was written"},
        {{"set", "7"}, 2, "needs --press, --release or --threshold"},
        {{"set", "7", "--seconds", "3", "--press", "1.0"}, 2, "--seconds does not go with 'triggers set'"},
        {{"--press", "1.0"}, 2, "--press goes with 'triggers set'"},
    };
    const VirtualKeyboardState before = readState(state);
    for (const auto& run : refused) {
        std::vector<std::string> arguments = {"triggers"};
        arguments.insert(arguments.end(), run.arguments.begin(), run.arguments.end());
        const ToolRun trouble = ctl(arguments);
        EXPECT_EQ(trouble.exitCode, run.exitCode) << run.reason;
        EXPECT_TRUE(holds(trouble.err, run.reason)) << trouble.err;
        EXPECT_EQ(trouble.out, "") << run.reason;
        if (run.exitCode == 1) {
            EXPECT_TRUE(holds(trouble.err, "nothing was written")) << trouble.err;
        }
    }
    EXPECT_EQ(readState(state).triggers, before.triggers);
}

TEST_F(QelecCtlActuation, TriggersSayWhenTheKeyboardFails) {
    changeState(state,
                [](VirtualKeyboardState& keyboard) { keyboard.setFailure(Failure::WriteTriggers, true); });
    const ToolRun write = ctl({"triggers", "set", "3", "--press", "1.0"});
    EXPECT_EQ(write.exitCode, 1);
    EXPECT_TRUE(holds(write.err, "writing the trigger values failed")) << write.err;
    EXPECT_EQ(triggersOf(3), (std::array<int, 3>{8, 20, 0}));
    changeState(state,
                [](VirtualKeyboardState& keyboard) { keyboard.setFailure(Failure::ReadTriggers, true); });
    const ToolRun read = ctl({"triggers"});
    EXPECT_EQ(read.exitCode, 1);
    EXPECT_TRUE(holds(read.err, "reading the trigger values failed")) << read.err;
    changeState(state, [](VirtualKeyboardState& keyboard) { keyboard.plugged = false; });
    EXPECT_EQ(ctl({"triggers"}).exitCode, 1);
}

// A key pressed ten times (three seconds of press cycles) tracked for one second: time-stamped
// samples every 100 ms, some of them down.
TEST_F(QelecCtlActuation, TrackWritesTimeStampedCsvSamplesThatFollowAPress) {
    changeState(state, [](VirtualKeyboardState& keyboard) { keyboard.presses[33] = {nowMs(), 10}; });
    const ToolRun run = ctl({"track", "34", "--csv", "--seconds", "1"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_GE(lines.size(), 4U) << run.out;
    EXPECT_EQ(lines[0], "time_ms,key,travel_mm");
    long previous = -1;
    double deepest = 0;
    for (std::size_t row = 1; row < lines.size(); ++row) {
        long time = 0;
        int key = 0;
        double travel = -1;
        ASSERT_EQ(std::sscanf(lines[row].c_str(), "%ld,%d,%lf", &time, &key, &travel), 3) << lines[row];
        EXPECT_GT(time, previous);
        EXPECT_LT(time, 1100);
        EXPECT_EQ(key, 34);
        EXPECT_GE(travel, 0.0);
        EXPECT_LE(travel, 4.0);
        deepest = std::max(deepest, travel);
        previous = time;
    }
    EXPECT_GT(deepest, 0.0);
}

TEST_F(QelecCtlActuation, TrackDrawsABarWithThePressAndReleasePoints) {
    const ToolRun run = ctl({"track", "34", "--seconds", "1"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_GE(lines.size(), 2U);
    EXPECT_EQ(lines[0], "key 34 (W): travel 0.0mm at the left to 2.8mm at the right, P press point 0.8mm, R "
                        "release point 2.0mm; Ctrl+C ends");
    EXPECT_EQ(lines[1], "  0.0mm " + travelBar(0, 8, 20));
}

TEST_F(QelecCtlActuation, TrackEndsCleanlyOnCtrlCAndWithAnErrorWhenTheKeyboardGoes) {
    {
        RunningTool track(QELEC_CTL_PATH, {"--state", state, "track", "34", "--csv"});
        EXPECT_EQ(track.readLine(10000), "time_ms,key,travel_mm");
        EXPECT_FALSE(track.readLine(10000).empty());
        track.signal(SIGINT);
        EXPECT_EQ(track.wait(), 0);
    }
    {
        RunningTool track(QELEC_CTL_PATH, {"--state", state, "track", "34", "--csv"});
        EXPECT_EQ(track.readLine(10000), "time_ms,key,travel_mm");
        EXPECT_FALSE(track.readLine(10000).empty());
        changeState(state, [](VirtualKeyboardState& keyboard) { keyboard.plugged = false; });
        while (!track.readLine(10000).empty()) {
        }
        EXPECT_EQ(track.wait(), 1);
    }
}

// The press and release points come from the keyboard before the first sample: when they cannot be
// read, tracking does not start, and says why, rather than tracking without them as if all went well.
TEST_F(QelecCtlActuation, TrackSaysWhenThePressAndReleasePointsCannotBeRead) {
    const std::vector<std::pair<const char*, std::function<void(VirtualKeyboardState&)>>> failures = {
        {"the trigger read",
         [](VirtualKeyboardState& keyboard) { keyboard.setFailure(Failure::ReadTriggers, true); }},
        {"the values fetched",
         [](VirtualKeyboardState& keyboard) {
             keyboard.countdown = CallCountdown{3, false, 1};
         }},
    };
    for (const auto& [call, fail] : failures) {
        writeState(state, instantKeyboard());
        changeState(state, fail);
        const ToolRun run = ctl({"track", "34", "--csv", "--seconds", "1"});
        EXPECT_EQ(run.exitCode, 1) << call << " failed, yet: " << run.out;
        EXPECT_TRUE(
            holds(run.err, "qelec-ctl: reading the press and release points failed; tracking did not start"))
            << call << ": " << run.err;
        EXPECT_EQ(run.out, "") << call;
    }
}

TEST_F(QelecCtlActuation, TrackRefusesAnythingButOneKey) {
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"track"},
                                               {"track", "all"},
                                               {"track", "1-2"},
                                               {"track", "0"},
                                               {"track", "34", "35"},
                                               {"track", "34", "--seconds", "0"},
                                               {"track", "34", "--press", "1.0"}}) {
        const ToolRun run = ctl(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.back();
        EXPECT_EQ(run.out, "");
    }
    changeState(state, [](VirtualKeyboardState& keyboard) { keyboard.setFailure(Failure::Track, true); });
    const ToolRun failing = ctl({"track", "34", "--seconds", "5"});
    EXPECT_EQ(failing.exitCode, 1);
    EXPECT_TRUE(holds(failing.err, "the keyboard stopped answering")) << failing.err;
}
