// SPDX-License-Identifier: GPL-3.0-or-later
// The qelec-vkbd binary, run as a user would.
#include "DeviceTestSupport.h"

#include "device/CPelmHWI.h"
#include "model/FactoryKeyboard.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {
bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}
} // namespace

class VkbdToolTest : public ::testing::Test {
protected:
    ToolRun vkbd(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--state", path});
        return runTool(arguments);
    }

    TempDir dir;
    std::string path = dir.file("kb.txt");
};

TEST_F(VkbdToolTest, HelpListsEveryCommandAndEachCommandHasItsUsage) {
    const ToolRun help = runTool({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command : {"create", "show", "plug", "unplug", "mac", "fail", "transfer-time", "travel",
                                "press", "hold", "make-firmware", "path"})
        EXPECT_TRUE(contains(help.out, std::string("  ") + command)) << command;
    const ToolRun bare = runTool({});
    EXPECT_EQ(bare.exitCode, 2);
    EXPECT_TRUE(contains(bare.err, "usage: qelec-vkbd"));
    EXPECT_TRUE(contains(runTool({"help", "press"}).out, "press KEY [--times N]"));
    EXPECT_TRUE(contains(runTool({"make-firmware", "--help"}).out, "--payload-bytes"));
}

TEST_F(VkbdToolTest, WrongCommandLinesExitWithTwo) {
    ASSERT_EQ(vkbd({"create", "--variant", "4"}).exitCode, 0);
    const std::vector<std::vector<std::string>> wrong = {
        {"dance"},
        {"create", "--variant", "5"},
        {"create"},
        {"create", "--variant", "x"},
        {"press", "0"},
        {"press", "86"},
        {"press", "3", "--times", "0"},
        {"press", "3x"},
        {"transfer-time", "-1"},
        {"transfer-time", "10001"},
        {"mac", "maybe"},
        {"travel", "sine"},
        {"fail", "sometimes"},
        {"fail"},
        {"fail", "--call", "0"},
        {"fail", "--cut", "x"},
        {"fail", "--call", "2", "--cut", "3"},
        {"fail", "--clear", "--call", "2"},
        {"plug", "extra"},
        {"show", "--verbose"},
        {"hold", "--seconds", "0"},
        {"make-firmware", "--variant", "4", "--version", "3.5", "x.bin"},
        {"make-firmware", "--variant", "4", "--version", "3.00"},
    };
    for (const auto& words : wrong) {
        const ToolRun run = vkbd(words);
        EXPECT_EQ(run.exitCode, 2) << words[0] << " " << run.err;
        EXPECT_TRUE(contains(run.err, "qelec-vkbd: ")) << run.err;
    }
    EXPECT_EQ(readState(path), factoryKeyboard(4)) << "nothing changed the keyboard";
}

TEST_F(VkbdToolTest, MissingAndCorruptStatesExitWithOneAndSayWhy) {
    const ToolRun missing = vkbd({"show"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(contains(missing.err, "no virtual keyboard at " + path +
                                          "; create one with: qelec-vkbd create --variant 4"));
    EXPECT_EQ(vkbd({"unplug"}).exitCode, 1);
    writeFile(path, "qelec-virtual-keyboard 1\nvariant 4\nvariant 4\n");
    for (const char* command : {"show", "plug", "hold"}) {
        const ToolRun corrupt = vkbd({command});
        EXPECT_EQ(corrupt.exitCode, 1) << command;
        EXPECT_TRUE(contains(corrupt.err, "line 3: second 'variant' line")) << corrupt.err;
    }
}

TEST_F(VkbdToolTest, CreateRefusesToReplaceWithoutForce) {
    ASSERT_EQ(vkbd({"create", "--variant", "3", "--version", "QelEC(S);V1.07", "--mac"}).exitCode, 0);
    const ToolRun again = vkbd({"create", "--variant", "4"});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(contains(again.err, "already exists"));
    VirtualKeyboardState state = readState(path);
    EXPECT_EQ(state.variant, 3);
    EXPECT_EQ(state.version, "QelEC(S);V1.07");
    EXPECT_TRUE(state.macMode);
    EXPECT_EQ(CPelmHWI(path).DetectDeviceForMac(), 1);
    ASSERT_EQ(vkbd({"create", "--variant", "4", "--force"}).exitCode, 0);
    EXPECT_EQ(readState(path), factoryKeyboard(4));
}

TEST_F(VkbdToolTest, CommandsChangeWhatTheProgramSees) {
    ASSERT_EQ(vkbd({"create", "--variant", "1"}).exitCode, 0);
    CPelmHWI hwi(path);
    ASSERT_TRUE(hwi.__createDev());
    EXPECT_EQ(vkbd({"unplug"}).exitCode, 0);
    EXPECT_FALSE(hwi.DetectDevice());
    EXPECT_EQ(vkbd({"plug"}).exitCode, 0);
    EXPECT_TRUE(hwi.DetectDevice());
    EXPECT_EQ(vkbd({"mac", "on"}).exitCode, 0);
    EXPECT_EQ(hwi.DetectDeviceType(), 0);
    EXPECT_EQ(vkbd({"mac", "off"}).exitCode, 0);
    EXPECT_EQ(vkbd({"fail", "version", "track"}).exitCode, 0);
    EXPECT_EQ(vkbd({"fail", "--clear", "track"}).out, "failing now: version\n");
    EXPECT_EQ(vkbd({"transfer-time", "0"}).exitCode, 0);
    EXPECT_EQ(vkbd({"travel", "idle"}).exitCode, 0);

    const ToolRun shown = vkbd({"show"});
    EXPECT_EQ(shown.exitCode, 0);
    for (const char* part :
         {"1 QelEC(RGB)Ble", "QelEC(RGB)Ble;V2.10", "Windows", "plugged        yes",
          "owner          held by another program", "failures       version", "0 ms", "travel         idle"})
        EXPECT_TRUE(contains(shown.out, part)) << part << "\n" << shown.out;
    EXPECT_EQ(vkbd({"fail", "--clear"}).exitCode, 0);
    EXPECT_TRUE(readState(path).failures.none());
}

// fail --call N and --cut N go wrong once, at the Nth call of the program holding the keyboard, and
// show tells what is set until then.
TEST_F(VkbdToolTest, ACallCountdownIsShownUntilItFiresOnce) {
    ASSERT_EQ(vkbd({"create", "--variant", "4"}).exitCode, 0);
    EXPECT_EQ(vkbd({"fail", "version", "--cut", "4"}).out,
              "failing now: version, call 4 from now finds the keyboard pulled out\n");
    EXPECT_EQ(vkbd({"fail", "--clear", "version"}).exitCode, 0);
    EXPECT_EQ(vkbd({"fail", "--call", "2"}).out, "failing now: call 2 from now fails\n");
    EXPECT_TRUE(contains(vkbd({"show"}).out, "failures       call 2 from now fails\n"));

    CPelmHWI hwi(path);
    ASSERT_TRUE(hwi.__createDev());
    std::vector<wchar_t> text(CPelmHWI::kVersionChars);
    EXPECT_TRUE(hwi.ReadKeyboardVersion(text.data()));
    EXPECT_FALSE(hwi.ReadKeyboardVersion(text.data()));
    EXPECT_TRUE(hwi.ReadKeyboardVersion(text.data()));
    EXPECT_TRUE(contains(vkbd({"show"}).out, "failures       none\n"));

    EXPECT_EQ(vkbd({"fail", "--cut", "1"}).exitCode, 0);
    EXPECT_EQ(vkbd({"fail", "--clear"}).out, "failing now: nothing\n");
    EXPECT_TRUE(hwi.ReadKeyboardVersion(text.data()));
}

TEST_F(VkbdToolTest, PressCountsAndMovesTheKey) {
    ASSERT_EQ(vkbd({"create", "--variant", "4"}).exitCode, 0);
    ASSERT_EQ(vkbd({"travel", "idle"}).exitCode, 0);
    EXPECT_EQ(vkbd({"press", "34"}).exitCode, 0);
    EXPECT_EQ(vkbd({"press", "34", "--times", "3"}).out, "pressed key 34 3 times; its count is now 4\n");
    const KeyPress press = readState(path).press(34);
    EXPECT_EQ(press.times, 3);

    CPelmHWI hwi(path);
    ASSERT_TRUE(hwi.__createDev());
    std::int64_t now = press.startMs + 100;
    hwi.setClock([&] { return now; });
    std::uint16_t track[CPelmHWI::kTrackUnits];
    ASSERT_TRUE(hwi.ReadKeyTrack(track, 34));
    EXPECT_EQ(track[1], 40);
    now = press.startMs + 3 * 300;
    ASSERT_TRUE(hwi.ReadKeyTrack(track, 34));
    EXPECT_EQ(track[1], 0);
    int counts[CPelmHWI::kKeyCount];
    ASSERT_TRUE(hwi.getPressCounterFromDev(counts));
    EXPECT_EQ(counts[33], 4);
}

TEST_F(VkbdToolTest, MadeFirmwareIsTakenByItsVariantOnly) {
    ASSERT_EQ(vkbd({"create", "--variant", "4"}).exitCode, 0);
    ASSERT_EQ(vkbd({"transfer-time", "0"}).exitCode, 0);
    const std::string good = dir.file("QelEC(RGB)_V3.00.bin");
    const std::string foreign = dir.file("QelEC(S)_V3.00.bin");
    ASSERT_EQ(vkbd({"make-firmware", "--variant", "4", "--version", "3.00", "--payload-bytes", "300", good})
                  .exitCode,
              0);
    ASSERT_EQ(vkbd({"make-firmware", "--variant", "3", "--version", "3.00", foreign}).exitCode, 0);
    EXPECT_EQ(readFile(good).size(), 316U);
    EXPECT_EQ(
        vkbd({"make-firmware", "--variant", "4", "--version", "3.00", dir.file("no/such/x.bin")}).exitCode,
        1);

    CPelmHWI hwi(path);
    ASSERT_TRUE(hwi.__createDev());
    const std::string foreignImage = readFile(foreign);
    EXPECT_FALSE(
        hwi.WriteFirmwareToKeyboard(foreignImage.data(), static_cast<int>(foreignImage.size()), nullptr));
    const std::string image = readFile(good);
    EXPECT_TRUE(hwi.WriteFirmwareToKeyboard(image.data(), static_cast<int>(image.size()), nullptr));
    EXPECT_EQ(readState(path).version, "QelEC(RGB);V3.00");
}

// Images are written as every file is: never over a protected file.
TEST_F(VkbdToolTest, MadeFirmwareIsNeverWrittenOverAProtectedFile) {
    const std::string image = dir.file("image.bin");
    writeFile(image, "mine");
    ASSERT_EQ(::chmod(image.c_str(), 0444), 0);
    const ToolRun run = vkbd({"make-firmware", "--variant", "4", "--version", "3.00", image});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(contains(run.err, "cannot write " + image + ": Permission denied")) << run.err;
    EXPECT_EQ(readFile(image), "mine");
}

TEST_F(VkbdToolTest, PathFollowsStateOptionThenEnvironment) {
    EXPECT_EQ(vkbd({"path"}).out, path + "\n");
    EXPECT_EQ(runTool({"path"}, {"QELEC_VKBD_STATE=/e/kb.txt"}).out, "/e/kb.txt\n");
    EXPECT_EQ(runTool({"path"}, {"XDG_DATA_HOME=/xdg", "HOME=/home/u"}).out,
              "/xdg/qelec/virtual-keyboard.txt\n");
    EXPECT_EQ(runTool({"--state=/s/kb.txt", "path"}, {"QELEC_VKBD_STATE=/e/kb.txt"}).out, "/s/kb.txt\n");
}
