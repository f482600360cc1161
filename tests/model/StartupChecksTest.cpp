// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/StartupChecks.h"
#include "DeviceTestSupport.h"
#include "device/CPelmHWI.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ScriptedDetection {
    explicit ScriptedDetection(std::vector<int> answers) : answers_(std::move(answers)) {}
    int detect() {
        const int answer =
            calls < static_cast<int>(answers_.size()) ? answers_[static_cast<std::size_t>(calls)] : 0;
        ++calls;
        return answer;
    }
    int calls = 0;
    std::vector<int> waits;

private:
    std::vector<int> answers_;
};

int runDetection(ScriptedDetection& script) {
    return detectVariant([&script] { return script.detect(); },
                         [&script](int ms) { script.waits.push_back(ms); });
}

} // namespace

TEST(VariantDetection, NoKeyboardCostsTwelveCallsAndElevenWaits) {
    ScriptedDetection script({});
    EXPECT_EQ(runDetection(script), 0);
    EXPECT_EQ(script.calls, 12);
    EXPECT_EQ(script.waits, std::vector<int>(11, 1000));
}

TEST(VariantDetection, StopsAtTheFirstAnswerButStillWaitsAfterIt) {
    ScriptedDetection atOnce({4});
    EXPECT_EQ(runDetection(atOnce), 4);
    EXPECT_EQ(atOnce.calls, 1);
    EXPECT_TRUE(atOnce.waits.empty());

    ScriptedDetection third({0, 0, 3, 1});
    EXPECT_EQ(runDetection(third), 3);
    EXPECT_EQ(third.calls, 3);
    EXPECT_EQ(third.waits.size(), 2U);

    std::vector<int> lateAnswers(11, 0);
    lateAnswers.push_back(2);
    ScriptedDetection last(lateAnswers);
    EXPECT_EQ(runDetection(last), 2);
    EXPECT_EQ(last.calls, 12);
    EXPECT_EQ(last.waits.size(), 11U);
}

TEST(StartupMessages, ChineseAtStartUpEnglishOtherwise) {
    EXPECT_EQ(startupFailureMessage(StartupFailure::NotConnected, "zh-CN"), "未检测到键盘连接");
    EXPECT_EQ(startupFailureMessage(StartupFailure::NotConnected, "en-US"), "Keyboard is not connected!");
    EXPECT_EQ(startupFailureMessage(StartupFailure::Occupied, "zh-CN"),
              "键盘被其他软件占用,请先关闭其他软件再重新打开");
    EXPECT_EQ(
        startupFailureMessage(StartupFailure::Occupied, "en-US"),
        "The keyboard is occupied by other software. Please close other software first and then open it "
        "again.");
    EXPECT_EQ(startupFailureMessage(StartupFailure::MacMode, "zh-CN")
                  .rfind("未找到键盘连接；键盘可能处于Mac系统模式", 0),
              0U);
    EXPECT_NE(startupFailureMessage(StartupFailure::MacMode, "zh-CN").find("Win/Mac(Fn+LeftAlt)长按3秒"),
              std::string::npos);
    EXPECT_NE(
        startupFailureMessage(StartupFailure::MacMode, "en-US").find("(Switching operation:Fn+LAlt long "),
        std::string::npos);
    EXPECT_EQ(startupFailureMessage(StartupFailure::None, "zh-CN"), "");
    EXPECT_EQ(disconnectedMessage("zh-CN"), "键盘已断开");
    EXPECT_EQ(disconnectedMessage("en-US"), "Keyboard is not connected!");
    EXPECT_EQ(disconnectedMessage(""), "Keyboard is not connected!");
}

TEST(ScaleFactor, StepsUpToTheNextHalfBetweenOneAndFive) {
    EXPECT_FLOAT_EQ(scaleFactorForScreenHeight(720), 1.0F);
    EXPECT_FLOAT_EQ(scaleFactorForScreenHeight(1079), 1.0F);
    EXPECT_FLOAT_EQ(scaleFactorForScreenHeight(1080), 1.5F);
    EXPECT_FLOAT_EQ(scaleFactorForScreenHeight(1440), 1.5F);
    EXPECT_FLOAT_EQ(scaleFactorForScreenHeight(1620), 1.5F);
    EXPECT_FLOAT_EQ(scaleFactorForScreenHeight(1621), 2.0F);
    EXPECT_FLOAT_EQ(scaleFactorForScreenHeight(2160), 2.0F);
    EXPECT_FLOAT_EQ(scaleFactorForScreenHeight(2161), 2.5F);
    EXPECT_FLOAT_EQ(scaleFactorForScreenHeight(4320), 4.0F);
    EXPECT_FLOAT_EQ(scaleFactorForScreenHeight(5400), 5.0F);
    EXPECT_NEAR(scaleFactorForScreenHeight(6000), 5.5556F, 1e-3);
    EXPECT_FLOAT_EQ(scaleFactorForScreenHeight(0), 1.0F);
}

namespace {

class KeyboardAtStartUp : public ::testing::Test {
protected:
    StartupFailure startUp() {
        CPelmHWI device(path);
        int waits = 0;
        const int variant = detectVariant(device, [&waits](int) { ++waits; });
        return openKeyboard(device, variant);
    }

    TempDir dir;
    std::string path = dir.file("keyboard.txt");
};

} // namespace

TEST_F(KeyboardAtStartUp, EachDeviceSituationGetsItsMessage) {
    EXPECT_EQ(startUp(), StartupFailure::NotConnected) << "no keyboard at all";

    writeState(path, instantKeyboard(3));
    EXPECT_EQ(startUp(), StartupFailure::None);

    changeState(path, [](VirtualKeyboardState& state) { state.macMode = true; });
    EXPECT_EQ(startUp(), StartupFailure::MacMode);
    {
        // The Mac check runs only when detection found nothing.
        CPelmHWI device(path);
        EXPECT_EQ(openKeyboard(device, 3), StartupFailure::NotConnected);
    }

    changeState(path, [](VirtualKeyboardState& state) {
        state.macMode = false;
        state.setFailure(Failure::Version, true);
    });
    EXPECT_EQ(startUp(), StartupFailure::Occupied);

    changeState(path, [](VirtualKeyboardState& state) { state.plugged = false; });
    EXPECT_EQ(startUp(), StartupFailure::NotConnected);

    writeFile(path, "qelec-virtual-keyboard 1\nvariant 4\n"); // cut short
    EXPECT_EQ(startUp(), StartupFailure::NotConnected);
}

TEST_F(KeyboardAtStartUp, AKeyboardHeldByAnotherProgramIsOccupied) {
    writeState(path, instantKeyboard(4));
    RunningTool holder({"--state", path, "hold", "--seconds", "30"});
    ASSERT_FALSE(holder.readLine(5000).empty()) << "the holder says when it holds the keyboard";
    EXPECT_EQ(startUp(), StartupFailure::Occupied);
    holder.stop();
    EXPECT_EQ(startUp(), StartupFailure::None);
}
