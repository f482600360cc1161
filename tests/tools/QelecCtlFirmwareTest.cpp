// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// qelec-ctl firmware run as a user runs it, on a QelEC(S) at 2.10 with images made by qelec-vkbd.
class QelecCtlFirmware : public ::testing::Test {
protected:
    void SetUp() override {
        VirtualKeyboardState keyboard = instantKeyboard(3);
        keyboard.version = "QelEC(S);V2.10";
        writeState(state, keyboard);
    }

    ToolRun ctl(const std::string& file) const {
        return runProgram(QELEC_CTL_PATH, {"--state", state, "firmware", file});
    }
    // An image made by the keyboard's own tool, at dir/name.
    std::string image(const std::string& name, int variant, const std::string& version) const {
        const std::string path = dir.file(name);
        const ToolRun made =
            runTool({"make-firmware", "--variant", std::to_string(variant), "--version", version, path});
        EXPECT_EQ(made.exitCode, 0) << made.err;
        return path;
    }
    std::string keyboardVersion() const { return readState(state).version; }

    TempDir dir;
    std::string state = dir.file("keyboard.txt");
};

TEST_F(QelecCtlFirmware, DownloadsWithAProgressBarAndPrintsTheNewVersion) {
    const ToolRun run = ctl(image("QelEC(S)_V3.00.bin", 3, "3.00"));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("keyboard firmware: QelEC(S);V2.10"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("] 100%"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("The Firmware is downloaded successfully.\nPlease keep the USB plug in"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("keyboard firmware now: QelEC(S);V3.00"), std::string::npos) << run.out;
    EXPECT_EQ(keyboardVersion(), "QelEC(S);V3.00");
}

// Each refusal gives the window's reason and a non-zero exit, and leaves the keyboard as it was.
TEST_F(QelecCtlFirmware, RefusesWithTheWindowsReasons) {
    const std::string damaged = image("QelEC(S)_V3.01.bin", 3, "3.01");
    std::filesystem::resize_file(damaged, std::filesystem::file_size(damaged) - 1);
    const std::string folder = dir.file("QelEC(S)_V4.00.bin");
    std::filesystem::create_directory(folder);
    struct Refusal {
        std::string file;
        const char* reason;
    };
    const std::vector<Refusal> refusals = {
        {image("QelEC(S)_V2.05.bin", 3, "2.05"),
         "The updated version is lower than the local version,and there is a risk of mismatch."},
        {image("QelEC(RGB)_V3.00.bin", 4, "3.00"), "The firmware does not match,please select QelEC(S) "},
        {image("old QelEC(S)_V3.00.bin", 3, "3.00"), "The firmware does not match,please select QelEC(S) "},
        {image("QelEC(S)_V4294967296.00.bin", 3, "3.00"),
         "The version in the firmware file name cannot be read (a number in "
         "\"QelEC(S)_V4294967296.00.bin\" is too large for a version)"},
        {image("QelEC(S)_V99999999999.bin", 3, "3.00"),
         "The version in the firmware file name cannot be read"},
        {image("QelEC(S)_test.bin", 4, "3.00"), "Firmware download failed."},
        {damaged, "Firmware download failed."},
        {folder, "Can't open firmware file: it is not a regular file"},
        {dir.file("QelEC(S)_V5.00.bin"), "Can't open firmware file: it cannot be opened"},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.file);
        const ToolRun run = ctl(refusal.file);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find(refusal.reason), std::string::npos) << run.err;
        if (std::filesystem::path(refusal.file).filename().string().starts_with("QelEC(S)_V")) {
            EXPECT_EQ(run.err.find("does not match"), std::string::npos)
                << "named for the keyboard: " << run.err;
        }
        EXPECT_EQ(keyboardVersion(), "QelEC(S);V2.10");
    }
}

TEST_F(QelecCtlFirmware, WithoutAKeyboardOrAVersionMarker) {
    const std::string older = image("QelEC(S)_V1.00.bin", 3, "1.00");
    // A version text without a marker compares nothing, as in the window: the older image goes through.
    changeState(state, [](VirtualKeyboardState& keyboard) { keyboard.version = "QelEC(S) build 7"; });
    const ToolRun unmarked = ctl(older);
    EXPECT_EQ(unmarked.exitCode, 0) << unmarked.err;
    EXPECT_EQ(keyboardVersion(), "QelEC(S);V1.00");

    changeState(state, [](VirtualKeyboardState& keyboard) { keyboard.plugged = false; });
    const ToolRun absent = ctl(older);
    EXPECT_EQ(absent.exitCode, 1);
    EXPECT_FALSE(absent.err.empty());

    const ToolRun usage = runProgram(QELEC_CTL_PATH, {"--state", state, "firmware"});
    EXPECT_EQ(usage.exitCode, 2);
}

} // namespace
