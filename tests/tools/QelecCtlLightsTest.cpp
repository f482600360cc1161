// SPDX-License-Identifier: GPL-3.0-or-later
// "qelec-ctl lights" run as a user runs it, against a virtual keyboard in a temporary folder.
#include "DeviceTestSupport.h"
#include "model/FactoryKeyboard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

class QelecCtlLights : public ::testing::Test {
protected:
    void SetUp() override {
        VirtualKeyboardState keyboard = factoryKeyboard(4);
        keyboard.transferMs = 0;
        for (std::size_t k = 0; k < keyboard.lights.size(); ++k)
            keyboard.lights[k] = static_cast<int>(k % 3 == 0 ? 0x10 : k % 3 == 1 ? 0x20 : 0x30);
        writeState(state, keyboard);
    }

    ToolRun ctl(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), {"--state", state});
        return runProgram(QELEC_CTL_PATH, arguments);
    }
    std::array<int, 3> lightOf(int key) const {
        const VirtualKeyboardState keyboard = readState(state);
        const auto first = static_cast<std::size_t>((key - 1) * 3);
        return {keyboard.lights[first], keyboard.lights[first + 1], keyboard.lights[first + 2]};
    }

    TempDir dir;
    std::string state = dir.file("keyboard.txt");
};

bool holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::size_t lineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST_F(QelecCtlLights, ShowsEveryKeyOrTheKeysNamedWithItsNumberAndLegend) {
    const ToolRun all = ctl({"lights"});
    EXPECT_EQ(all.exitCode, 0) << all.err;
    EXPECT_EQ(lineCount(all.out), 85U);
    EXPECT_TRUE(holds(all.out, " 1 Esc        #102030  16,32,48\n")) << all.out;
    EXPECT_TRUE(holds(all.out, "47 Caps Lock  #102030  16,32,48\n")) << all.out;
    EXPECT_TRUE(holds(all.out, "85 Right      #102030  16,32,48\n")) << all.out;

    const ToolRun some = ctl({"lights", "W,78-79"});
    EXPECT_EQ(some.exitCode, 0) << some.err;
    EXPECT_EQ(some.out, "34 W          #102030  16,32,48\n"
                        "78 Space      #102030  16,32,48\n"
                        "79 Space      #102030  16,32,48\n");
}

TEST_F(QelecCtlLights, SetsKeysToAColourAndWritesItKeepingTheOtherKeys) {
    const ToolRun range = ctl({"lights", "1-16,Caps Lock", "#ff8000"});
    EXPECT_EQ(range.exitCode, 0) << range.err;
    EXPECT_EQ(range.out, "set keys 1-16, 47 to #ff8000 and wrote the lights to QelEC(RGB) (variant 4)\n");
    EXPECT_EQ(lightOf(1), (std::array<int, 3>{255, 128, 0}));
    EXPECT_EQ(lightOf(16), (std::array<int, 3>{255, 128, 0}));
    EXPECT_EQ(lightOf(47), (std::array<int, 3>{255, 128, 0}));
    EXPECT_EQ(lightOf(17), (std::array<int, 3>{16, 32, 48}));

    const ToolRun one = ctl({"lights", "79", "0,200,255"});
    EXPECT_EQ(one.exitCode, 0) << one.err;
    EXPECT_EQ(one.out, "set key 79 (Space) to #00c8ff and wrote the lights to QelEC(RGB) (variant 4)\n");
    EXPECT_EQ(lightOf(79), (std::array<int, 3>{0, 200, 255}));
    EXPECT_EQ(lightOf(78), (std::array<int, 3>{16, 32, 48}));

    EXPECT_EQ(ctl({"lights", "all", "000000"}).exitCode, 0);
    for (int key : {1, 40, 85})
        EXPECT_EQ(lightOf(key), (std::array<int, 3>{0, 0, 0})) << key;
    EXPECT_TRUE(holds(ctl({"lights", "85"}).out, "85 Right      #000000  0,0,0\n"));
}

// Every refusal says why on standard error, exits with its code and leaves the keyboard as it was.
TEST_F(QelecCtlLights, RefusesBadKeysColoursAndKeyboardsAndChangesNothing) {
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        const char* reason;
        std::function<void(VirtualKeyboardState&)> keyboard;
    } refused[] = {
        {{"lights", "86", "#ff0000"},
         2,
         "there is no key 86: keys are numbered 1 to 85; nothing was changed",
         {}},
        {{"lights", "Shift", "#ff0000"}, 2, "'Shift' names keys 61 and 72", {}},
        {{"lights", "#ff0000"}, 2, "'#ff0000' is not a key", {}},
        {{"lights", "all", "red"}, 2, "'red' is not a colour: give #rrggbb or r,g,b", {}},
        {{"lights", "all", "256,0,0"}, 2, "'256,0,0' is not a colour", {}},
        {{"lights", "1", "#ff0000", "extra"}, 2, "lights takes at most KEYS and a COLOUR", {}},
        {{"lights", "--variant", "3"}, 2, "--variant goes with defaults and check", {}},
        {{"lights", "1", "#ff0000"},
         1,
         "reading the lights from the keyboard failed; nothing was changed",
         [](VirtualKeyboardState& keyboard) { keyboard.setFailure(Failure::ReadLights, true); }},
        {{"lights", "1", "#ff0000"},
         1,
         "writing the lights to the keyboard failed",
         [](VirtualKeyboardState& keyboard) { keyboard.setFailure(Failure::WriteLights, true); }},
        {{"lights"},
         1,
         "QelEC(S) (variant 3) has no colour lighting",
         [](VirtualKeyboardState& keyboard) { keyboard.variant = 3; }},
        {{"lights", "1", "#ff0000"}, 1, "", [](VirtualKeyboardState& keyboard) { keyboard.plugged = false; }},
    };
    for (const auto& run : refused) {
        SetUp();
        if (run.keyboard)
            changeState(state, run.keyboard);
        const VirtualKeyboardState before = readState(state);
        const ToolRun result = ctl(run.arguments);
        EXPECT_EQ(result.exitCode, run.exitCode) << run.reason << "\n" << result.err;
        EXPECT_TRUE(holds(result.err, run.reason)) << result.err;
        EXPECT_FALSE(result.err.empty());
        EXPECT_EQ(result.out, "") << run.reason;
        EXPECT_EQ(readState(state).lights, before.lights) << run.reason;
    }
}

} // namespace
