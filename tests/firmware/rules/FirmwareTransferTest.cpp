// SPDX-License-Identifier: GPL-3.0-or-later
#include "firmware/rules/FirmwareTransfer.h"
#include "firmware/rules/FirmwareFile.h"

#include "DeviceTestSupport.h"
#include "device/CPelmHWI.h"
#include "device/DeviceMessages.h"
#include "device/FirmwareImage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sys/stat.h>

namespace {

using FirmwareFile::ReadStatus;
using FirmwareTransfer::Outcome;

std::vector<char> imageFor(int variant, int major, int minor) {
    return *FirmwareImage::build(variant, major, minor, FirmwareImage::samplePayload(3000, 5));
}

void writeBytes(const std::string& path, const std::vector<char>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A QelEC(RGB) at 2.10 whose downloads take no time, and firmware files beside it.
class FirmwareTransferTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeState(state, instantKeyboard(4));
        ASSERT_TRUE(device.__createDev());
    }
    Outcome download(const std::string& path) { return FirmwareTransfer::downloadFile(device, path, sink); }
    std::string keyboardVersion() { return readState(state).version; }

    TempDir dir;
    std::string state = dir.file("keyboard.txt");
    CPelmHWI device{state};
    std::shared_ptr<RecordingSink> sink = std::make_shared<RecordingSink>();
};

TEST_F(FirmwareTransferTest, AWholeImageIsDownloadedWithProgressUpTo150) {
    const std::string path = dir.file("QelEC(RGB)_V3.00.bin");
    writeBytes(path, imageFor(4, 3, 0));
    const Outcome outcome = download(path);
    EXPECT_EQ(outcome.code, FirmwareTransfer::kDownloaded);
    EXPECT_EQ(keyboardVersion(), "QelEC(RGB);V3.00");
    const std::vector<std::uintptr_t> counts = sink->wParams(DeviceMessages::WM_TRANSFER_PROGRESS);
    ASSERT_FALSE(counts.empty());
    EXPECT_EQ(counts.back(), 150U);
    EXPECT_TRUE(std::is_sorted(counts.begin(), counts.end()));
}

// Images the keyboard verifies and refuses: it keeps its firmware and the download says it failed.
TEST_F(FirmwareTransferTest, DamagedCutOffAndForeignImagesAreRefusedByTheKeyboard) {
    std::vector<char> damaged = imageFor(4, 3, 0);
    damaged[100] = static_cast<char>(damaged[100] ^ 0x01);
    std::vector<char> cutOff = imageFor(4, 3, 0);
    cutOff.resize(cutOff.size() - 10);
    const std::vector<std::pair<const char*, std::vector<char>>> images = {
        {"damaged", damaged},
        {"cut off", cutOff},
        {"for QelEC(S)", imageFor(3, 3, 0)},
        {"empty", {}},
        {"not an image", std::vector<char>(5000, 'x')},
    };
    for (const auto& [what, bytes] : images) {
        SCOPED_TRACE(what);
        const std::string path = dir.file("QelEC(RGB)_V3.00.bin");
        writeBytes(path, bytes);
        EXPECT_EQ(download(path).code, FirmwareTransfer::kDeviceFailed);
        EXPECT_EQ(keyboardVersion(), "QelEC(RGB);V2.10");
    }
}

TEST_F(FirmwareTransferTest, AKeyboardThatFailsOrIsUnpluggedKeepsItsFirmware) {
    const std::string path = dir.file("QelEC(RGB)_V3.00.bin");
    writeBytes(path, imageFor(4, 3, 0));
    changeState(state, [](VirtualKeyboardState& keyboard) { keyboard.setFailure(Failure::Firmware, true); });
    EXPECT_EQ(download(path).code, FirmwareTransfer::kDeviceFailed);
    changeState(state, [](VirtualKeyboardState& keyboard) {
        keyboard.setFailure(Failure::Firmware, false);
        keyboard.plugged = false;
    });
    EXPECT_EQ(download(path).code, FirmwareTransfer::kDeviceFailed);
    EXPECT_EQ(keyboardVersion(), "QelEC(RGB);V2.10");
}

// What is not a regular file of a plausible size is never read, and never reaches the keyboard.
TEST_F(FirmwareTransferTest, FilesThatCannotBeReadWholeAreRefusedBeforeReading) {
    const std::string folder = dir.file("QelEC(RGB)_folder.bin");
    std::filesystem::create_directory(folder);
    const std::string pipe = dir.file("QelEC(RGB)_pipe.bin");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string huge = dir.file("QelEC(RGB)_huge.bin");
    writeBytes(huge, imageFor(4, 3, 0));
    std::filesystem::resize_file(huge, FirmwareFile::kMaxBytes + 1);
    const std::string unreadable = dir.file("QelEC(RGB)_locked.bin");
    writeBytes(unreadable, imageFor(4, 3, 0));
    std::filesystem::permissions(unreadable, std::filesystem::perms::none);
    const bool runsAsRoot = ::geteuid() == 0;

    const std::vector<std::pair<std::string, ReadStatus>> files = {
        {dir.file("missing.bin"), ReadStatus::CannotOpen},
        {folder, ReadStatus::NotRegularFile},
        {pipe, ReadStatus::NotRegularFile},
        {"/dev/zero", ReadStatus::NotRegularFile},
        {huge, ReadStatus::TooLarge},
        {unreadable, runsAsRoot ? ReadStatus::Read : ReadStatus::CannotOpen},
    };
    for (const auto& [path, status] : files) {
        SCOPED_TRACE(path);
        EXPECT_EQ(FirmwareFile::read(path).status, status);
        if (status == ReadStatus::Read)
            continue;
        const Outcome outcome = download(path);
        EXPECT_EQ(outcome.code, FirmwareTransfer::kCannotOpen);
        EXPECT_EQ(outcome.file, status);
    }
    EXPECT_TRUE(sink->messages().empty());
    EXPECT_EQ(keyboardVersion(), "QelEC(RGB);V2.10");
}

TEST_F(FirmwareTransferTest, AFileOfTheLargestSizeIsReadWhole) {
    const std::string path = dir.file("QelEC(RGB)_big.bin");
    std::vector<char> bytes(FirmwareFile::kMaxBytes);
    bytes.front() = 'a';
    bytes.back() = 'z';
    writeBytes(path, bytes);
    const FirmwareFile::Contents contents = FirmwareFile::read(path);
    ASSERT_TRUE(contents.ok());
    EXPECT_EQ(contents.bytes, bytes);
}

} // namespace
