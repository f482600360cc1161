// SPDX-License-Identifier: GPL-3.0-or-later
// A call set to go wrong once (qelec-vkbd fail --call N, fail --cut N), as the device component sees it.
#include "DeviceTestSupport.h"

#include "device/CPelmHWI.h"
#include "device/FirmwareImage.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Call = std::function<bool(CPelmHWI&)>;

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

// Every call that asks or sends the keyboard something is counted; checking that the keyboard is there
// is not. The call the countdown names fails once, and the countdown is used up.
TEST_F(CallCountdownTest, TheNamedCallFailsOnceWhicheverCallItIs) {
    std::vector<int> buffer(CPelmHWI::kKeyBufferInts);
    std::vector<std::uint16_t> track(CPelmHWI::kTrackUnits);
    const AreaValues area{};
    const std::vector<char> image = *FirmwareImage::build(4, 3, 5, FirmwareImage::samplePayload(64, 1));
    const std::vector<std::pair<const char*, Call>> calls = {
        {"version", [&](CPelmHWI& h) { return readVersion(h); }},
        {"prepare", [&](CPelmHWI& h) { return h.prepare(); }},
        {"stage",
         [&](CPelmHWI& h) {
             return stage(h, 0, 1, {0, 1, 43});
         }},
        {"write keys", [&](CPelmHWI& h) { return h.writeKeyConfigurationToDev(sink); }},
        {"read keys", [&](CPelmHWI& h) { return h.readKeyDefinationFromDev(sink); }},
        {"key", [&](CPelmHWI& h) { return h.getKeyConfiguration(0, 1, buffer.data(), 9) > 0; }},
        {"write lights", [&](CPelmHWI& h) { return h.setKeyboardLightArea(area.data()); }},
        {"read lights", [&](CPelmHWI& h) { return h.readKeyLightFromDev(); }},
        {"lights", [&](CPelmHWI& h) { return h.getKeyboardLightArea(buffer.data()); }},
        {"write triggers", [&](CPelmHWI& h) { return h.writeKeyTriggerToDev(area.data()); }},
        {"read triggers", [&](CPelmHWI& h) { return h.readKeyTriggerFromDev(); }},
        {"triggers", [&](CPelmHWI& h) { return h.getKeyTriggerValue(buffer.data()); }},
        {"counters", [&](CPelmHWI& h) { return h.getPressCounterFromDev(buffer.data()); }},
        {"track", [&](CPelmHWI& h) { return h.ReadKeyTrack(track.data(), 34); }},
        {"firmware",
         [&](CPelmHWI& h) {
             return h.WriteFirmwareToKeyboard(image.data(), static_cast<int>(image.size()), sink);
         }},
    };
    for (const auto& [name, call] : calls) {
        SCOPED_TRACE(name);
        auto hwi = openWithCountdown(1, false);
        changeState(path, [](VirtualKeyboardState& state) { state.countdown.reset(); });
        // The calls that fetch what a read brought need the reads first.
        ASSERT_TRUE(hwi->readKeyDefinationFromDev(sink) && hwi->readKeyLightFromDev() &&
                    hwi->readKeyTriggerFromDev());
        setCountdown(2, 8);
        ASSERT_TRUE(readVersion(*hwi));
        EXPECT_TRUE(hwi->DetectDevice());
        EXPECT_EQ(hwi->DetectDeviceType(), 4);
        EXPECT_EQ(hwi->DetectDeviceForMac(), 0);
        const std::string before = readFile(path);
        EXPECT_FALSE(call(*hwi));
        VirtualKeyboardState expected = *parseVirtualKeyboardState(before).state;
        expected.countdown.reset();
        EXPECT_EQ(readState(path), expected) << "the failed call changed nothing but the countdown";
        EXPECT_TRUE(call(*hwi)) << "the countdown is used up";
    }
}

// Another program's calls do not reach the keyboard, so they do not count; setting the same call
// again counts from the new setting.
TEST_F(CallCountdownTest, OnlyTheHolderCountsAndEachSettingCountsAnew) {
    auto holder = openWithCountdown(2, false);
    CPelmHWI other(path);
    ASSERT_TRUE(other.__createDev());
    EXPECT_FALSE(readVersion(other)) << "occupied";
    EXPECT_FALSE(readVersion(other));
    EXPECT_TRUE(readVersion(*holder));
    setCountdown(2, 9);
    EXPECT_TRUE(readVersion(*holder));
    EXPECT_FALSE(readVersion(*holder));
    EXPECT_TRUE(readVersion(*holder));
    EXPECT_FALSE(readState(path).countdown.has_value());
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
