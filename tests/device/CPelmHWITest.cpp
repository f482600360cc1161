// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceTestSupport.h"

#include "device/CPelmHWI.h"
#include "device/DeviceMessages.h"
#include "device/FirmwareImage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <utility>

using DeviceMessages::WM_TRANSFER_PROGRESS;

namespace {
std::vector<char> firmwareFor(int variant, int major = 3, int minor = 5) {
    return *FirmwareImage::build(variant, major, minor, FirmwareImage::samplePayload(512, 1));
}

std::vector<std::uintptr_t> risingTo(int fullScale) {
    std::vector<std::uintptr_t> counts;
    for (int step = 1; step <= 10; ++step)
        counts.push_back(static_cast<std::uintptr_t>(fullScale * step / 10));
    return counts;
}

std::wstring versionOf(CPelmHWI& hwi) {
    std::vector<wchar_t> text(CPelmHWI::kVersionChars, L'?');
    return hwi.ReadKeyboardVersion(text.data()) ? std::wstring(text.data()) : L"<failed>";
}

std::vector<int> keyOf(CPelmHWI& hwi, int table, int key) {
    std::vector<int> out(CPelmHWI::kKeyBufferInts, -9);
    out.resize(static_cast<std::size_t>(
        std::max(0, hwi.getKeyConfiguration(table, key, out.data(), CPelmHWI::kKeyBufferInts))));
    return out;
}

AreaValues areaOf(int first) {
    AreaValues area{};
    std::iota(area.begin(), area.end(), first);
    return area;
}
} // namespace

class CPelmHWITest : public ::testing::Test {
protected:
    std::unique_ptr<CPelmHWI> openKeyboard(const VirtualKeyboardState& state = instantKeyboard()) {
        writeState(path, state);
        auto hwi = std::make_unique<CPelmHWI>(path);
        EXPECT_TRUE(hwi->__createDev());
        return hwi;
    }

    bool stage(CPelmHWI& hwi, int table, int key, const std::vector<int>& values) {
        return hwi.setKeyConfiguration(table, key, values.data(), static_cast<int>(values.size()));
    }

    // Every call fails, leaves every buffer as it was, posts nothing and commits nothing.
    void expectEveryCallFails(CPelmHWI& hwi) {
        const std::string before = readFile(path);
        std::vector<int> buffer(CPelmHWI::kAreaBufferInts, 7);
        std::vector<wchar_t> text(CPelmHWI::kVersionChars, L'?');
        std::vector<std::uint16_t> track(CPelmHWI::kTrackUnits, 0xBEEF);
        const std::vector<char> image = firmwareFor(4);
        EXPECT_FALSE(hwi.ReadKeyboardVersion(text.data()));
        EXPECT_FALSE(hwi.prepare());
        EXPECT_FALSE(hwi.setKeyConfiguration(0, 1, buffer.data(), 3));
        EXPECT_FALSE(hwi.writeKeyConfigurationToDev(sink));
        EXPECT_FALSE(hwi.readKeyDefinationFromDev(sink));
        EXPECT_EQ(hwi.getKeyConfiguration(0, 1, buffer.data(), CPelmHWI::kAreaBufferInts), 0);
        EXPECT_FALSE(hwi.setKeyboardLightArea(buffer.data()));
        EXPECT_FALSE(hwi.readKeyLightFromDev());
        EXPECT_FALSE(hwi.getKeyboardLightArea(buffer.data()));
        EXPECT_FALSE(hwi.writeKeyTriggerToDev(buffer.data()));
        EXPECT_FALSE(hwi.readKeyTriggerFromDev());
        EXPECT_FALSE(hwi.getKeyTriggerValue(buffer.data()));
        EXPECT_FALSE(hwi.getPressCounterFromDev(buffer.data()));
        EXPECT_FALSE(hwi.ReadKeyTrack(track.data(), 34));
        EXPECT_FALSE(hwi.WriteFirmwareToKeyboard(image.data(), static_cast<int>(image.size()), sink));
        EXPECT_EQ(buffer, std::vector<int>(CPelmHWI::kAreaBufferInts, 7));
        EXPECT_EQ(text, std::vector<wchar_t>(CPelmHWI::kVersionChars, L'?'));
        EXPECT_EQ(track, std::vector<std::uint16_t>(CPelmHWI::kTrackUnits, 0xBEEF));
        EXPECT_TRUE(sink->messages().empty());
        EXPECT_EQ(readFile(path), before);
    }

    TempDir dir;
    std::string path = dir.file("kb.txt");
    std::shared_ptr<RecordingSink> sink = std::make_shared<RecordingSink>();
};

TEST_F(CPelmHWITest, DetectionAnswersForEverySituation) {
    struct Situation {
        const char* name;
        std::function<void()> arrange;
        int type;
        bool opens;
        int mac;
        bool attached;
    };
    const auto stateWith = [this](const std::function<void(VirtualKeyboardState&)>& change) {
        return [this, change] {
            VirtualKeyboardState state = instantKeyboard();
            change(state);
            writeState(path, state);
        };
    };
    const std::vector<Situation> situations = {
        {"absent", [] {}, 0, false, 0, false},
        {"corrupt", [this] { writeFile(path, "qelec-virtual-keyboard 1\nvariant 4\n"); }, 0, false, 0, false},
        {"unplugged", stateWith([](auto& s) { s.plugged = false; }), 0, false, 0, false},
        {"mac", stateWith([](auto& s) { s.macMode = true; }), 0, false, 1, false},
        {"mac unplugged", stateWith([](auto& s) {
             s.macMode = true;
             s.plugged = false;
         }),
         0, false, 0, false},
        {"open fails", stateWith([](auto& s) { s.setFailure(Failure::Open, true); }), 4, false, 0, true},
        {"variant 1", [this] { writeState(path, instantKeyboard(1)); }, 1, true, 0, true},
        {"variant 2", [this] { writeState(path, instantKeyboard(2)); }, 2, true, 0, true},
        {"variant 3", [this] { writeState(path, instantKeyboard(3)); }, 3, true, 0, true},
        {"variant 4", [this] { writeState(path, instantKeyboard(4)); }, 4, true, 0, true},
    };
    for (const Situation& situation : situations) {
        SCOPED_TRACE(situation.name);
        std::filesystem::remove(path);
        situation.arrange();
        CPelmHWI hwi(path);
        EXPECT_EQ(hwi.DetectDeviceType(), situation.type);
        EXPECT_EQ(hwi.__createDev(), situation.opens);
        EXPECT_EQ(hwi.DetectDeviceForMac(), situation.mac);
        EXPECT_EQ(hwi.DetectDevice(), situation.attached);
        if (!situation.opens)
            expectEveryCallFails(hwi);
    }
}

TEST_F(CPelmHWITest, VersionTextIsReadAsWideCharsWithinSixtyFour) {
    auto hwi = openKeyboard(instantKeyboard(3));
    EXPECT_EQ(versionOf(*hwi), L"QelEC(S);V2.10");
    changeState(path, [](auto& s) { s.version = std::string(VirtualKeyboard::kMaxVersionChars, 'v'); });
    std::vector<wchar_t> text(CPelmHWI::kVersionChars + 1, L'?');
    ASSERT_TRUE(hwi->ReadKeyboardVersion(text.data()));
    EXPECT_EQ(text[62], L'v');
    EXPECT_EQ(text[63], L'\0');
    EXPECT_EQ(text[64], L'?');
}

TEST_F(CPelmHWITest, CallsNeedAnOpenConnectionAndSeeUnplugAndReplugAtOnce) {
    writeState(path, instantKeyboard());
    CPelmHWI unopened(path);
    expectEveryCallFails(unopened);

    auto hwi = openKeyboard();
    changeState(path, [](auto& s) { s.plugged = false; });
    EXPECT_FALSE(hwi->DetectDevice());
    expectEveryCallFails(*hwi);
    changeState(path, [](auto& s) { s.plugged = true; });
    EXPECT_TRUE(hwi->DetectDevice());
    EXPECT_EQ(versionOf(*hwi), L"QelEC(RGB);V2.10");
    writeFile(path, "garbage");
    EXPECT_FALSE(hwi->DetectDevice());
    EXPECT_EQ(versionOf(*hwi), L"<failed>");
}

TEST_F(CPelmHWITest, WrittenKeysAreReadBackAndOutliveTheConnection) {
    const std::vector<int> single = {0, 1, 43};
    const std::vector<int> macro = {2, 0, 1, 1, 0, 2, 43, 50, 43};
    std::vector<int> longest(CPelmHWI::kKeyBufferInts);
    std::iota(longest.begin(), longest.end(), -100);
    {
        auto hwi = openKeyboard();
        ASSERT_TRUE(hwi->prepare());
        ASSERT_TRUE(stage(*hwi, 0, 1, single));
        ASSERT_TRUE(stage(*hwi, 4, 85, macro));
        ASSERT_TRUE(stage(*hwi, 8, 40, longest));
        ASSERT_TRUE(hwi->writeKeyConfigurationToDev(sink));
        ASSERT_TRUE(hwi->readKeyDefinationFromDev(sink));
        EXPECT_EQ(keyOf(*hwi, 0, 1), single);
        EXPECT_EQ(keyOf(*hwi, 8, 40), longest);
        EXPECT_EQ(keyOf(*hwi, 1, 1), (std::vector<int>{0, 0}));

        std::vector<int> small(4, -9);
        EXPECT_EQ(hwi->getKeyConfiguration(4, 85, small.data(), 3), 3);
        EXPECT_EQ(small, (std::vector<int>{2, 0, 1, -9}));
        EXPECT_EQ(hwi->getKeyConfiguration(4, 85, small.data(), 0), 0);
        EXPECT_EQ(hwi->getKeyConfiguration(9, 1, small.data(), 3), 0);
    }
    EXPECT_EQ(readState(path).keys.at(4, 85), macro);
    CPelmHWI later(path);
    ASSERT_TRUE(later.__createDev());
    ASSERT_TRUE(later.readKeyDefinationFromDev(nullptr));
    EXPECT_EQ(keyOf(later, 4, 85), macro);
}

TEST_F(CPelmHWITest, AWriteHoldsExactlyTheKeysStagedSincePrepare) {
    KeyTables factory;
    for (int key = 1; key <= 85; ++key)
        factory.set(0, key, {0, 1, key});
    VirtualKeyboardState state = instantKeyboard();
    state.keys = factory;
    auto hwi = openKeyboard(state);
    ASSERT_TRUE(stage(*hwi, 2, 2, {0, 1, 99}));
    ASSERT_TRUE(hwi->prepare());
    ASSERT_TRUE(stage(*hwi, 0, 5, {0, 1, 7}));
    ASSERT_TRUE(stage(*hwi, 0, 6, {0, 1, 8}));
    ASSERT_TRUE(stage(*hwi, 0, 6, {0, 1, 9}));
    ASSERT_TRUE(hwi->writeKeyConfigurationToDev(sink));
    KeyTables expected;
    expected.set(0, 5, {0, 1, 7});
    expected.set(0, 6, {0, 1, 9});
    EXPECT_EQ(readState(path).keys, expected);
}

TEST_F(CPelmHWITest, StagingRefusesWhatTheKeyboardCannotHold) {
    auto hwi = openKeyboard();
    const std::vector<int> values(CPelmHWI::kKeyBufferInts + 1, 1);
    EXPECT_FALSE(hwi->setKeyConfiguration(-1, 1, values.data(), 3));
    EXPECT_FALSE(hwi->setKeyConfiguration(9, 1, values.data(), 3));
    EXPECT_FALSE(hwi->setKeyConfiguration(0, 0, values.data(), 3));
    EXPECT_FALSE(hwi->setKeyConfiguration(0, 86, values.data(), 3));
    EXPECT_FALSE(hwi->setKeyConfiguration(0, 1, values.data(), 0));
    EXPECT_FALSE(hwi->setKeyConfiguration(0, 1, values.data(), CPelmHWI::kKeyBufferInts + 1));
    EXPECT_FALSE(hwi->setKeyConfiguration(0, 1, nullptr, 3));
    // The flash takes sixteen of the longest arrays, not seventeen.
    for (int key = 1; key <= 16; ++key)
        ASSERT_TRUE(hwi->setKeyConfiguration(0, key, values.data(), CPelmHWI::kKeyBufferInts));
    EXPECT_FALSE(hwi->setKeyConfiguration(0, 17, values.data(), 1));
}

TEST_F(CPelmHWITest, LightsTriggersAndCountsTravelAsWholeTables) {
    VirtualKeyboardState state = instantKeyboard();
    std::iota(state.counts.begin(), state.counts.end(), 10);
    auto hwi = openKeyboard(state);
    std::vector<int> buffer(CPelmHWI::kAreaBufferInts, -5);
    EXPECT_FALSE(hwi->getKeyboardLightArea(buffer.data())) << "nothing read yet";

    AreaValues lights{};
    for (std::size_t i = 0; i < lights.size(); ++i)
        lights[i] = static_cast<int>(i % 256);
    ASSERT_TRUE(hwi->setKeyboardLightArea(lights.data()));
    const AreaValues triggers = areaOf(-100);
    ASSERT_TRUE(hwi->writeKeyTriggerToDev(triggers.data()));
    AreaValues tooBright = lights;
    tooBright[40] = 256;
    EXPECT_FALSE(hwi->setKeyboardLightArea(tooBright.data()));
    EXPECT_EQ(readState(path).lights, lights);
    EXPECT_EQ(readState(path).triggers, triggers);

    ASSERT_TRUE(hwi->readKeyLightFromDev());
    ASSERT_TRUE(hwi->readKeyTriggerFromDev());
    // A read is a snapshot: later changes show only after the next read.
    changeState(path, [](auto& s) { s.lights.fill(1); });
    ASSERT_TRUE(hwi->getKeyboardLightArea(buffer.data()));
    EXPECT_TRUE(std::equal(lights.begin(), lights.end(), buffer.begin()));
    EXPECT_EQ(std::vector<int>(buffer.begin() + 255, buffer.end()), (std::vector<int>{-5, -5, -5}));
    ASSERT_TRUE(hwi->getKeyTriggerValue(buffer.data()));
    EXPECT_TRUE(std::equal(triggers.begin(), triggers.end(), buffer.begin()));
    ASSERT_TRUE(hwi->readKeyLightFromDev());
    ASSERT_TRUE(hwi->getKeyboardLightArea(buffer.data()));
    EXPECT_EQ(buffer[100], 1);

    std::vector<int> counts(86, -5);
    ASSERT_TRUE(hwi->getPressCounterFromDev(counts.data()));
    EXPECT_EQ(counts[0], 10);
    EXPECT_EQ(counts[84], 94);
    EXPECT_EQ(counts[85], -5);
}

TEST_F(CPelmHWITest, EachNamedFailureFailsItsCallsOnlyAndCommitsNothing) {
    using Probe = std::function<bool(CPelmHWI&)>;
    const std::vector<int> key = {0, 1, 43};
    const AreaValues lights = areaOf(0);
    const std::vector<char> image = firmwareFor(4);
    std::vector<int> buffer(CPelmHWI::kKeyBufferInts);
    std::vector<std::uint16_t> track(CPelmHWI::kTrackUnits);
    std::vector<wchar_t> text(CPelmHWI::kVersionChars);
    const std::vector<std::pair<Failure, Probe>> probes = {
        {Failure::Version, [&](CPelmHWI& h) { return h.ReadKeyboardVersion(text.data()); }},
        {Failure::WriteKeys, [&](CPelmHWI& h) { return h.prepare(); }},
        {Failure::WriteKeys, [&](CPelmHWI& h) { return stage(h, 0, 1, key); }},
        {Failure::WriteKeys, [&](CPelmHWI& h) { return h.writeKeyConfigurationToDev(sink); }},
        {Failure::ReadKeys, [&](CPelmHWI& h) { return h.readKeyDefinationFromDev(sink); }},
        {Failure::ReadKeys, [&](CPelmHWI& h) { return h.getKeyConfiguration(0, 1, buffer.data(), 99) > 0; }},
        {Failure::WriteLights, [&](CPelmHWI& h) { return h.setKeyboardLightArea(lights.data()); }},
        {Failure::ReadLights, [&](CPelmHWI& h) { return h.readKeyLightFromDev(); }},
        {Failure::ReadLights, [&](CPelmHWI& h) { return h.getKeyboardLightArea(buffer.data()); }},
        {Failure::WriteTriggers, [&](CPelmHWI& h) { return h.writeKeyTriggerToDev(lights.data()); }},
        {Failure::ReadTriggers, [&](CPelmHWI& h) { return h.readKeyTriggerFromDev(); }},
        {Failure::ReadTriggers, [&](CPelmHWI& h) { return h.getKeyTriggerValue(buffer.data()); }},
        {Failure::Counters, [&](CPelmHWI& h) { return h.getPressCounterFromDev(buffer.data()); }},
        {Failure::Track, [&](CPelmHWI& h) { return h.ReadKeyTrack(track.data(), 34); }},
        {Failure::Firmware,
         [&](CPelmHWI& h) {
             return h.WriteFirmwareToKeyboard(image.data(), static_cast<int>(image.size()), sink);
         }},
    };
    for (int f = 0; f < kFailureCount; ++f) {
        const auto failure = static_cast<Failure>(f);
        SCOPED_TRACE(std::string(failureName(failure)));
        VirtualKeyboardState state = instantKeyboard();
        state.setFailure(failure, true);
        writeState(path, state);
        CPelmHWI hwi(path);
        EXPECT_EQ(hwi.__createDev(), failure != Failure::Open);
        for (const auto& [owner, probe] : probes)
            EXPECT_EQ(probe(hwi), failure != Failure::Open && owner != failure);
        const VirtualKeyboardState stored = readState(path);
        EXPECT_EQ(stored.keys.at(0, 1).empty(), failure == Failure::WriteKeys || failure == Failure::Open);
        EXPECT_EQ(stored.lights == lights, failure != Failure::WriteLights && failure != Failure::Open);
        EXPECT_EQ(stored.version == "QelEC(RGB);V3.05",
                  failure != Failure::Firmware && failure != Failure::Open);
    }
}

TEST_F(CPelmHWITest, TransfersPostProgressRisingToTheirFullScale) {
    auto hwi = openKeyboard();
    ASSERT_TRUE(hwi->writeKeyConfigurationToDev(sink));
    EXPECT_EQ(sink->wParams(WM_TRANSFER_PROGRESS), risingTo(750));
    auto reading = std::make_shared<RecordingSink>();
    ASSERT_TRUE(hwi->readKeyDefinationFromDev(reading));
    EXPECT_EQ(reading->wParams(WM_TRANSFER_PROGRESS), risingTo(750));
    auto downloading = std::make_shared<RecordingSink>();
    const std::vector<char> image = firmwareFor(4);
    ASSERT_TRUE(hwi->WriteFirmwareToKeyboard(image.data(), static_cast<int>(image.size()), downloading));
    EXPECT_EQ(downloading->wParams(WM_TRANSFER_PROGRESS), risingTo(150));
    EXPECT_EQ(downloading->messages().size(), 10U);
    EXPECT_TRUE(hwi->writeKeyConfigurationToDev(nullptr)) << "no window, no messages, same transfer";
}

TEST_F(CPelmHWITest, PacingSpreadsTheTransferTimeInShortWaits) {
    VirtualKeyboardState state = instantKeyboard();
    state.transferMs = 800;
    auto hwi = openKeyboard(state);
    std::vector<long> waits;
    hwi->setSleeper(
        [&](std::chrono::milliseconds wait) { waits.push_back(static_cast<long>(wait.count())); });
    ASSERT_TRUE(hwi->readKeyDefinationFromDev(sink));
    EXPECT_EQ(std::accumulate(waits.begin(), waits.end(), 0L), 800);
    EXPECT_LE(*std::max_element(waits.begin(), waits.end()), 50);
    EXPECT_EQ(sink->wParams(WM_TRANSFER_PROGRESS), risingTo(750));
}

TEST_F(CPelmHWITest, UnplugDuringAPacedTransferFailsItAndCommitsNothing) {
    const std::vector<char> image = firmwareFor(4, 9, 0);
    struct Transfer {
        const char* name;
        int fullScale;
        std::function<bool(CPelmHWI&)> run;
    };
    const std::vector<Transfer> transfers = {
        {"write keys", 750, [&](CPelmHWI& h) { return h.writeKeyConfigurationToDev(sink); }},
        {"read keys", 750, [&](CPelmHWI& h) { return h.readKeyDefinationFromDev(sink); }},
        {"firmware", 150,
         [&](CPelmHWI& h) {
             return h.WriteFirmwareToKeyboard(image.data(), static_cast<int>(image.size()), sink);
         }},
    };
    for (const Transfer& transfer : transfers) {
        SCOPED_TRACE(transfer.name);
        VirtualKeyboardState state = instantKeyboard();
        state.transferMs = 1000;
        state.keys.set(3, 3, {0, 1, 3});
        auto hwi = openKeyboard(state);
        hwi->setSleeper([](std::chrono::milliseconds) {});
        ASSERT_TRUE(hwi->readKeyDefinationFromDev(nullptr));
        ASSERT_TRUE(hwi->prepare());
        // Steps of 100 ms are waited in two halves; the seventh wait is in the fourth step.
        int waits = 0;
        hwi->setSleeper([&](std::chrono::milliseconds) {
            if (++waits == 7)
                changeState(path, [](auto& s) { s.plugged = false; });
        });
        sink = std::make_shared<RecordingSink>();
        EXPECT_FALSE(transfer.run(*hwi));
        const std::vector<std::uintptr_t> full = risingTo(transfer.fullScale);
        EXPECT_EQ(sink->wParams(WM_TRANSFER_PROGRESS),
                  std::vector<std::uintptr_t>(full.begin(), full.begin() + 3));
        changeState(path, [](auto& s) { s.plugged = true; });
        const VirtualKeyboardState stored = readState(path);
        EXPECT_EQ(stored.keys.at(3, 3), (std::vector<int>{0, 1, 3}));
        EXPECT_EQ(stored.version, "QelEC(RGB);V2.10");
        EXPECT_EQ(keyOf(*hwi, 3, 3).empty(), std::string(transfer.name) == "read keys")
            << "a failed read leaves nothing to get";
    }
}

TEST_F(CPelmHWITest, FirmwareIsTakenOnlyWhenWholeAndForThisVariant) {
    auto hwi = openKeyboard();
    std::vector<char> image = firmwareFor(4, 3, 5);
    std::vector<char> damaged = image;
    damaged[100] = static_cast<char>(damaged[100] + 1);
    const std::vector<char> foreign = firmwareFor(3, 3, 5);
    for (const std::vector<char>* refused : {&std::as_const(damaged), &foreign}) {
        EXPECT_FALSE(hwi->WriteFirmwareToKeyboard(refused->data(), static_cast<int>(refused->size()), sink));
    }
    EXPECT_FALSE(hwi->WriteFirmwareToKeyboard(image.data(), static_cast<int>(image.size()) - 1, sink));
    EXPECT_FALSE(hwi->WriteFirmwareToKeyboard(image.data(), -1, sink));
    EXPECT_FALSE(hwi->WriteFirmwareToKeyboard(nullptr, 10, sink));
    EXPECT_TRUE(sink->messages().empty());
    EXPECT_EQ(versionOf(*hwi), L"QelEC(RGB);V2.10");
    ASSERT_TRUE(hwi->WriteFirmwareToKeyboard(image.data(), static_cast<int>(image.size()), sink));
    EXPECT_EQ(versionOf(*hwi), L"QelEC(RGB);V3.05");
}

TEST_F(CPelmHWITest, TrackedTravelFollowsTheClock) {
    VirtualKeyboardState state = instantKeyboard();
    state.presses[33] = {1'000'000, 2};
    auto hwi = openKeyboard(state);
    std::int64_t now = 1'000'000;
    hwi->setClock([&] { return now; });
    std::vector<std::uint16_t> track(CPelmHWI::kTrackUnits, 0xBEEF);
    const auto travelAt = [&](std::int64_t ms, int key) {
        now = ms;
        return hwi->ReadKeyTrack(track.data(), key) ? static_cast<int>(track[1]) : -1;
    };
    // Key 34 is pressed twice from 1 000 000: down in 60 ms, held, up, a pause, again, then the wave.
    EXPECT_EQ(travelAt(1'000'030, 34), 20);
    EXPECT_EQ(track[0], 34);
    EXPECT_EQ(std::count(track.begin() + 2, track.end(), 0), CPelmHWI::kTrackUnits - 2);
    EXPECT_EQ(travelAt(1'000'100, 34), 40);
    EXPECT_EQ(travelAt(1'000'270, 34), 0);
    EXPECT_EQ(travelAt(1'000'400, 34), 40);
    // The wave: key 1 goes down for a second and up for a second; key 86 does not exist.
    EXPECT_EQ(travelAt(2'000'000, 1), 0);
    EXPECT_EQ(travelAt(2'000'500, 1), 20);
    EXPECT_EQ(travelAt(2'001'000, 1), 40);
    EXPECT_EQ(travelAt(2'001'500, 1), 20);
    EXPECT_LT(travelAt(2'001'000, 43), 40) << "keys lag behind each other";
    track.assign(track.size(), 0xBEEF);
    EXPECT_EQ(travelAt(2'000'000, 0), -1);
    EXPECT_EQ(travelAt(2'000'000, 86), -1);
    EXPECT_EQ(track[0], 0xBEEF);
    changeState(path, [](auto& s) { s.travel = TravelMode::Idle; });
    EXPECT_EQ(travelAt(2'001'000, 1), 0);
    EXPECT_EQ(travelAt(1'000'100, 34), 40) << "a press moves the key also when idle";
}

TEST_F(CPelmHWITest, TheDefaultConstructorFindsTheStateThroughTheEnvironment) {
    writeState(path, instantKeyboard(2));
    const char* previous = std::getenv("QELEC_VKBD_STATE");
    const std::string kept = previous != nullptr ? previous : "";
    ::setenv("QELEC_VKBD_STATE", path.c_str(), 1);
    CPelmHWI hwi;
    if (previous != nullptr)
        ::setenv("QELEC_VKBD_STATE", kept.c_str(), 1);
    else
        ::unsetenv("QELEC_VKBD_STATE");
    EXPECT_EQ(hwi.statePath(), path);
    EXPECT_EQ(hwi.DetectDeviceType(), 2);
}
