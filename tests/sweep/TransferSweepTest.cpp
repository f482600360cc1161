// SPDX-License-Identifier: GPL-3.0-or-later
// Each transfer between the store and the keyboard, and the firmware download, run once for every call
// it makes with that call going wrong: the transfer says it failed, a failed read leaves the store as
// it was, a failed or cut write leaves the store as it was and, run again, leaves the keyboard holding
// exactly what was written, and the store goes on working with the keyboard.
#include "CallSweep.h"
#include "DeviceTestSupport.h"
#include "SweptConfiguration.h"

#include "device/FirmwareImage.h"
#include "firmware/rules/FirmwareTransfer.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using Transfer = std::function<bool(CConfigStore&, const std::string& folder)>;

// Keys and lights are taken over together or not at all, as the progress window reads them.
bool readAll(CConfigStore& store) {
    KeyboardReading reading;
    if (!store.fetchKeyDefinitions(nullptr, reading) || !store.fetchLights(reading))
        return false;
    store.takeOver(std::move(reading));
    return true;
}

std::string firmwareImage(const std::string& folder) {
    const std::string path = folder + "/QelEC(RGB)_V3.00.bin";
    const auto image = FirmwareImage::build(4, 3, 0, FirmwareImage::samplePayload(256, 3));
    std::ofstream(path, std::ios::binary).write(image->data(), static_cast<std::streamsize>(image->size()));
    return path;
}

struct SweptTransfer {
    const char* name;
    bool writes;
    // The calls it makes to the keyboard.
    int calls;
    Transfer run;
};

const SweptTransfer kTransfers[] = {
    {"WriteKeys", true, kSweptKeys + 2,
     [](CConfigStore& s, auto&) { return s.writeKeyConfiguration(nullptr); }},
    {"WriteTriggers", true, 1, [](CConfigStore& s, auto&) { return s.writeTriggers(); }},
    {"ReadAll", false, 1 + kTables* kLastKey + 2, [](CConfigStore& s, auto&) { return readAll(s); }},
    {"WriteLights", true, 1, [](CConfigStore& s, auto&) { return s.writeLights(); }},
    {"ReadCounters", false, 1, [](CConfigStore& s, auto&) { return s.readPressCounters(); }},
    {"ReadLights", false, 2, [](CConfigStore& s, auto&) { return s.readLights(); }},
    {"ReadTriggers", false, 2, [](CConfigStore& s, auto&) { return s.readTriggers(); }},
    {"FirmwareDownload", true, 1,
     [](CConfigStore& s, const std::string& folder) {
         return FirmwareTransfer::downloadFile(s.device, firmwareImage(folder), nullptr).code ==
                FirmwareTransfer::kDownloaded;
     }},
};

struct SweepMode {
    const SweptTransfer* transfer;
    bool cut;
};

void PrintTo(const SweepMode& mode, std::ostream* out) {
    *out << mode.transfer->name << (mode.cut ? ", cut" : ", failed");
}

std::vector<SweepMode> everyTransferAndWay() {
    std::vector<SweepMode> modes;
    for (const SweptTransfer& transfer : kTransfers) {
        modes.push_back({&transfer, false});
        if (transfer.writes)
            modes.push_back({&transfer, true});
    }
    return modes;
}

class TransferSweep : public ::testing::TestWithParam<SweepMode> {
protected:
    const SweptTransfer& transfer() const { return *GetParam().transfer; }
    bool run(CConfigStore& store) const { return transfer().run(store, dir.path()); }

    // The keyboard before each run: what a read brings back, or what a write replaces.
    VirtualKeyboardState baseKeyboard() const {
        return transfer().writes ? keyboardHoldingOtherKeys() : keyboardHoldingSweptConfiguration(path);
    }

    // The store before each run: what a write sends, or what a read replaces.
    std::unique_ptr<CConfigStore> storeBeforeTheRun() const {
        auto store = connectedStore(path);
        if (transfer().writes)
            giveSweptConfiguration(*store);
        return store;
    }

    TempDir dir{sweepFolderBase()};
    std::string path = dir.file("keyboard.txt");
};

} // namespace

TEST_P(TransferSweep, EveryCallThatGoesWrongFailsTheTransferAndChangesNothingThatStays) {
    const bool cut = GetParam().cut;
    const VirtualKeyboardState base = baseKeyboard();
    // What the transfer leaves when no call goes wrong.
    writeState(path, base);
    auto reference = storeBeforeTheRun();
    ASSERT_TRUE(run(*reference));
    const StoreSnapshot readBack(*reference);
    const WrittenContent written = writtenContent(readState(path));
    reference.reset();

    auto store = storeBeforeTheRun();
    const StoreSnapshot before(*store);
    bool succeeded = false;
    const int calls = sweepEveryCall(
        path, base, cut, [&] { succeeded = run(*store); },
        [&](const SweepCase& swept) {
            SCOPED_TRACE("call " + std::to_string(swept.call) +
                         (swept.fired ? " went wrong" : " was not made"));
            EXPECT_EQ(succeeded, !swept.fired) << "the transfer's result says what happened";
            if (!swept.fired)
                return;
            EXPECT_TRUE(StoreSnapshot(*store) == before) << "the store is as it was";
            if (!transfer().writes)
                return;
            if (!cut) {
                EXPECT_EQ(writtenContent(readState(path)), writtenContent(base))
                    << "a failed call writes nothing";
            }
            plugIn(path);
            EXPECT_TRUE(run(*store)) << "the same write goes through";
            EXPECT_EQ(writtenContent(readState(path)), written) << "the keyboard holds what was written";
        });
    if (!HasFailure()) {
        EXPECT_EQ(calls, transfer().calls);
    }
    EXPECT_TRUE(StoreSnapshot(*store) == readBack) << "the last run, with no call going wrong, did it all";
}

INSTANTIATE_TEST_SUITE_P(EveryTransfer, TransferSweep, ::testing::ValuesIn(everyTransferAndWay()),
                         [](const auto& mode) {
                             return std::string(mode.param.transfer->name) +
                                    (mode.param.cut ? "Cut" : "Failed");
                         });
