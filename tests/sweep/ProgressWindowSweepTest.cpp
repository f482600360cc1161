// SPDX-License-Identifier: GPL-3.0-or-later
// The program's progress window running each of the seven transfers once for every call it makes with
// that call going wrong: it ends with "failed", the store the windows draw from is as it was, a write
// run again leaves the keyboard holding what was written, and the next transfer runs.
#include "CallSweep.h"
#include "DeviceTestSupport.h"
#include "SweptConfiguration.h"

#include "app/CPelmDialogProgress.h"
#include "app/ProgramPictures.h"
#include "platform/ScriptedPlatformServices.h"
#include "res/SharedResources.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

namespace {

using Dialog = CPelmDialogProgress;

struct WindowTransfer {
    const char* name;
    int mode;
    bool writes;
    int calls;
    // The calls set going wrong when not every one: the first and last calls of each kind, and one
    // call more than the transfer makes.
    std::vector<int> someCalls;
};

// Read-all asks for the keys, fetches 765 arrays, then asks for the lights and fetches them. The
// store's sweep sets every one of these calls going wrong; through the window the edges will do.
constexpr int kReadAllCalls = 1 + kTables * kLastKey + 2;

const WindowTransfer kTransfers[] = {
    {"WriteKeys", Dialog::kWriteKeys, true, kSweptKeys + 2, {}},
    {"WriteTriggers", Dialog::kWriteTriggers, true, 1, {}},
    {"ReadAll",
     Dialog::kReadAll,
     false,
     kReadAllCalls,
     {1, 2, 3, kReadAllCalls - 2, kReadAllCalls - 1, kReadAllCalls, kReadAllCalls + 1}},
    {"WriteLights", Dialog::kWriteLights, true, 1, {}},
    {"ReadCounters", Dialog::kReadCounters, false, 1, {}},
    {"ReadLights", Dialog::kReadLights, false, 2, {}},
    {"ReadTriggers", Dialog::kReadTriggers, false, 2, {}},
};

void PrintTo(const WindowTransfer& transfer, std::ostream* out) {
    *out << transfer.name;
}

class ProgressWindowSweep : public ::testing::TestWithParam<WindowTransfer> {
protected:
    void SetUp() override {
        base = GetParam().writes ? keyboardHoldingOtherKeys() : keyboardHoldingSweptConfiguration(path);
        writeState(path, base);
    }

    // A store on the keyboard holding what a write sends, or what a read replaces.
    std::unique_ptr<CConfigStore> storeBeforeTheRun() const {
        auto connected = connectedStore(path);
        if (GetParam().writes)
            giveSweptConfiguration(*connected);
        return connected;
    }

    // Runs the window modally on store, its pauses after the transfer skipped.
    int run(CConfigStore& store) {
        Dialog dialog({store, resources, QSize(1920, 1080), platform, opener});
        dialog.setTransferMode(GetParam().mode);
        dialog.setWaiter([](std::chrono::milliseconds) {});
        // Only a fault can leave the window open this long; end it then instead of hanging.
        QTimer::singleShot(30000, &dialog, [&dialog] { dialog.done(-1); });
        return dialog.exec();
    }

    TempDir dir{sweepFolderBase()};
    std::string path = dir.file("keyboard.txt");
    VirtualKeyboardState base;
    SharedResources resources{programPictureLibrary(), 4};
    ScriptedPlatformServices platform;
    WindowOpener opener;
};

} // namespace

TEST_P(ProgressWindowSweep, EveryCallThatGoesWrongEndsTheWindowFailedWithTheStoreAsItWas) {
    // What the transfer leaves when no call goes wrong.
    auto clean = storeBeforeTheRun();
    ASSERT_EQ(run(*clean), SkinnedWindow::kResultOk);
    const StoreSnapshot readBack(*clean);
    const WrittenContent written = writtenContent(readState(path));
    clean.reset();

    auto store = storeBeforeTheRun();
    const StoreSnapshot before(*store);
    int result = 0;
    const auto transfer = [&] { result = run(*store); };
    const auto check = [&](const SweepCase& swept) {
        SCOPED_TRACE("call " + std::to_string(swept.call) + (swept.fired ? " went wrong" : " was not made"));
        EXPECT_EQ(swept.fired, swept.call <= GetParam().calls);
        EXPECT_EQ(result, swept.fired ? Dialog::kTransferFailed : SkinnedWindow::kResultOk);
        EXPECT_FALSE(store->progressWindow) << "the window let the keyboard go";
        if (!swept.fired)
            return;
        EXPECT_TRUE(StoreSnapshot(*store) == before) << "what the windows draw is as it was";
        if (GetParam().writes) {
            EXPECT_EQ(writtenContent(readState(path)), writtenContent(base))
                << "a failed call writes nothing";
            EXPECT_EQ(run(*store), SkinnedWindow::kResultOk) << "the same write goes through";
            EXPECT_EQ(writtenContent(readState(path)), written) << "the keyboard holds what was written";
        }
    };
    if (GetParam().someCalls.empty())
        sweepEveryCall(path, base, false, transfer, check);
    else
        sweepTheseCalls(path, base, false, GetParam().someCalls, transfer, check);
    EXPECT_TRUE(StoreSnapshot(*store) == readBack) << "the last run, with no call going wrong, did it all";
}

INSTANTIATE_TEST_SUITE_P(EveryMode, ProgressWindowSweep, ::testing::ValuesIn(kTransfers),
                         [](const auto& transfer) { return std::string(transfer.param.name); });
