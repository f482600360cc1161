// SPDX-License-Identifier: GPL-3.0-or-later
// Two processes at one keyboard: what one writes the other reads, one owner at a time, and an unplug
// from outside stops a running transfer.
#include "DeviceTestSupport.h"

#include "device/CPelmHWI.h"
#include "device/DeviceMessages.h"

#include <gtest/gtest.h>

#include <thread>

namespace {
constexpr int kYes = 0;
constexpr int kNo = 1;

bool readsVersion(CPelmHWI& hwi) {
    wchar_t text[CPelmHWI::kVersionChars];
    return hwi.ReadKeyboardVersion(text);
}
} // namespace

class CPelmHWIProcessTest : public ::testing::Test {
protected:
    void SetUp() override { writeState(path, instantKeyboard()); }

    TempDir dir;
    std::string path = dir.file("kb.txt");
};

TEST_F(CPelmHWIProcessTest, WhatOneProcessWritesAnotherReads) {
    const int written = runInChild([&] {
        CPelmHWI hwi(path);
        const int values[] = {1, 30, 2, 4, 5};
        const bool ok = hwi.__createDev() && hwi.prepare() && hwi.setKeyConfiguration(7, 50, values, 5) &&
                        hwi.writeKeyConfigurationToDev(nullptr);
        return ok ? kYes : kNo;
    });
    ASSERT_EQ(written, kYes);
    CPelmHWI hwi(path);
    ASSERT_TRUE(hwi.__createDev());
    ASSERT_TRUE(hwi.readKeyDefinationFromDev(nullptr));
    int out[8] = {};
    ASSERT_EQ(hwi.getKeyConfiguration(7, 50, out, 8), 5);
    EXPECT_EQ(out[1], 30);
}

TEST_F(CPelmHWIProcessTest, ASecondProgramFindsTheKeyboardOccupiedUntilTheFirstLetsGo) {
    auto owner = std::make_unique<CPelmHWI>(path);
    ASSERT_TRUE(owner->__createDev());
    const int whileHeld = runInChild([&] {
        CPelmHWI second(path);
        second.setSleeper([](std::chrono::milliseconds) {});
        const bool occupied = second.DetectDeviceType() == 4 && second.__createDev() &&
                              !readsVersion(second) && !second.prepare() && !second.readKeyLightFromDev();
        return occupied ? kYes : kNo;
    });
    EXPECT_EQ(whileHeld, kYes);
    EXPECT_TRUE(readsVersion(*owner));
    owner.reset();
    const int afterwards = runInChild([&] {
        CPelmHWI second(path);
        return second.__createDev() && readsVersion(second) ? kYes : kNo;
    });
    EXPECT_EQ(afterwards, kYes);
}

TEST_F(CPelmHWIProcessTest, TheToolsHoldMakesTheKeyboardOccupied) {
    {
        RunningTool hold({"--state", path, "hold"});
        ASSERT_NE(hold.readLine(5000).find("holding the virtual keyboard"), std::string::npos);
        CPelmHWI hwi(path);
        hwi.setSleeper([](std::chrono::milliseconds) {});
        EXPECT_TRUE(hwi.__createDev());
        EXPECT_FALSE(readsVersion(hwi));
        EXPECT_FALSE(hwi.writeKeyConfigurationToDev(nullptr));
        EXPECT_NE(runTool({"--state", path, "show"}).out.find("held by another program"), std::string::npos);
        EXPECT_EQ(runTool({"--state", path, "hold"}).exitCode, 1);
        EXPECT_EQ(hold.stop(), 0);
    }
    CPelmHWI hwi(path);
    EXPECT_TRUE(hwi.__createDev());
    EXPECT_TRUE(readsVersion(hwi));
}

TEST_F(CPelmHWIProcessTest, UnplugFromAnotherProcessStopsARunningTransfer) {
    changeState(path, [](auto& s) {
        s.transferMs = 3000;
        s.keys.set(0, 1, {0, 1, 4});
    });
    CPelmHWI hwi(path);
    ASSERT_TRUE(hwi.__createDev());
    ASSERT_TRUE(hwi.prepare());
    auto sink = std::make_shared<RecordingSink>();
    std::thread unplugger([&] {
        if (sink->waitFor(1, 5000))
            runTool({"--state", path, "unplug"});
    });
    const auto start = std::chrono::steady_clock::now();
    const bool written = hwi.writeKeyConfigurationToDev(sink);
    const auto took = std::chrono::steady_clock::now() - start;
    unplugger.join();
    EXPECT_FALSE(written);
    EXPECT_LT(took, std::chrono::milliseconds(2500));
    EXPECT_FALSE(hwi.DetectDevice());
    EXPECT_LT(sink->wParams(DeviceMessages::WM_TRANSFER_PROGRESS).size(), 10U);
    EXPECT_EQ(readState(path).keys.at(0, 1), (std::vector<int>{0, 1, 4}));
}
