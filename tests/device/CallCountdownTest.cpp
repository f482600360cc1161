// SPDX-License-Identifier: GPL-3.0-or-later
// A call set to go wrong once (qelec-vkbd fail --call N, fail --cut N), as the device component sees it.
#include "DeviceTestSupport.h"

#include "device/CPelmHWI.h"
#include "device/FirmwareImage.h"

#include <gtest/gtest.h>

namespace {

class CallCountdownTest : public ::testing::Test {
protected:
    // A keyboard whose call `call` from now goes wrong, opened by a new connection.
    std::unique_ptr<CPelmHWI> openWithCountdown(int call, bool cut,
                                                VirtualKeyboardState state = instantKeyboard()) {
        state.countdown = CallCountdown{call, cut, 7};
        writeState(path, state);
        auto hwi = std::make_unique<CPelmHWI>(path);
        EXPECT_TRUE(hwi->__createDev());
        return hwi;
    }

    void setCountdown(int call, int arming) {
        changeState(path, [&](VirtualKeyboardState& state) {
            state.countdown = CallCountdown{call, false, arming};
        });
    }

    bool readVersion(CPelmHWI& hwi) {
        wchar_t text[CPelmHWI::kVersionChars];
        return hwi.ReadKeyboardVersion(text);
    }

    static bool stage(CPelmHWI& hwi, int table, int key, const std::vector<int>& values) {
        return hwi.setKeyConfiguration(table, key, values.data(), static_cast<int>(values.size()));
    }

    TempDir dir;
    std::string path = dir.file("kb.txt");
    std::shared_ptr<RecordingSink> sink = std::make_shared<RecordingSink>();
};

} // namespace

// Only the calls of the connection holding the keyboard count, not the checks that it is there; the
// call named fails once and changes nothing, and setting the same call again counts from then. (The
// sweeps in tests/sweep count every call of every transfer.)
TEST_F(CallCountdownTest, TheHoldersCallNamedFailsOnceAndEachSettingCountsAnew) {
    auto holder = openWithCountdown(3, false);
    CPelmHWI other(path);
    ASSERT_TRUE(other.__createDev());
    EXPECT_FALSE(readVersion(other)) << "occupied";
    EXPECT_TRUE(holder->DetectDevice() && holder->DetectDeviceType() == 4 &&
                holder->DetectDeviceForMac() == 0);
    EXPECT_TRUE(readVersion(*holder));
    EXPECT_TRUE(readVersion(*holder));
    const VirtualKeyboardState before = readState(path);
    EXPECT_FALSE(holder->readKeyLightFromDev());
    VirtualKeyboardState expected = before;
    expected.countdown.reset();
    EXPECT_EQ(readState(path), expected) << "the countdown is used up and nothing else changed";
    EXPECT_TRUE(holder->readKeyLightFromDev());

    setCountdown(2, 8);
    EXPECT_TRUE(readVersion(*holder));
    setCountdown(2, 9);
    EXPECT_TRUE(readVersion(*holder));
    EXPECT_FALSE(readVersion(*holder));
    EXPECT_TRUE(readVersion(*holder));
}

// A key write goes prepare, one call per key, then the final call. A cut leaves the keys sent before it
// written over the old ones and pulls the keyboard out; a failed call leaves the old keys.
TEST_F(CallCountdownTest, ACutKeyWriteKeepsTheKeysSentBeforeItOverTheOldOnes) {
    VirtualKeyboardState old = instantKeyboard();
    for (int key = 1; key <= 4; ++key)
        old.keys.set(0, key, {0, 1, 100 + key});
    const std::vector<std::pair<int, std::vector<int>>> sent = {
        {1, {0, 1, 11}}, {2, {0, 1, 12}}, {5, {0, 1, 15}}};
    const int calls = static_cast<int>(sent.size()) + 2;
    for (const bool cut : {false, true}) {
        for (int call = 1; call <= calls; ++call) {
            SCOPED_TRACE((cut ? "cut at call " : "fail at call ") + std::to_string(call));
            auto hwi = openWithCountdown(call, cut, old);
            bool ok = hwi->prepare();
            for (const auto& [key, values] : sent)
                ok = ok && stage(*hwi, 0, key, values);
            EXPECT_FALSE(ok && hwi->writeKeyConfigurationToDev(sink));
            KeyTables expected = old.keys;
            for (int i = 0; cut && i + 2 < call; ++i)
                expected.set(0, sent[static_cast<std::size_t>(i)].first,
                             sent[static_cast<std::size_t>(i)].second);
            const VirtualKeyboardState stored = readState(path);
            EXPECT_EQ(stored.keys, expected);
            EXPECT_EQ(stored.plugged, !cut);
            EXPECT_FALSE(stored.countdown.has_value());
        }
    }
}

// What a key write that failed had staged is not sent by a later cut; a download is taken only whole.
TEST_F(CallCountdownTest, ACutOutsideAKeyWriteOnlyPullsTheKeyboardOut) {
    auto hwi = openWithCountdown(100, false);
    ASSERT_TRUE(hwi->prepare());
    ASSERT_TRUE(stage(*hwi, 0, 1, {0, 1, 43}));
    changeState(path, [](VirtualKeyboardState& state) { state.setFailure(Failure::WriteKeys, true); });
    ASSERT_FALSE(stage(*hwi, 0, 2, {0, 1, 44}));
    changeState(path, [](VirtualKeyboardState& state) {
        state.setFailure(Failure::WriteKeys, false);
        state.countdown = CallCountdown{1, true, 1};
    });
    const std::vector<char> image = *FirmwareImage::build(4, 3, 5, FirmwareImage::samplePayload(64, 1));
    EXPECT_FALSE(hwi->WriteFirmwareToKeyboard(image.data(), static_cast<int>(image.size()), sink));
    VirtualKeyboardState expected = instantKeyboard();
    expected.plugged = false;
    EXPECT_EQ(readState(path), expected);

    changeState(path, [](VirtualKeyboardState& state) { state.plugged = true; });
    EXPECT_TRUE(hwi->WriteFirmwareToKeyboard(image.data(), static_cast<int>(image.size()), sink))
        << "the same connection goes on once the keyboard is back";
    EXPECT_EQ(readState(path).version, "QelEC(RGB);V3.05");
}
