// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CPelmDialogProgress.h"

#include "app/ProgramPictures.h"
#include "app/rules/ProgressControls.h"
#include "device/DeviceMessages.h"
#include "device/VirtualKeyboardFile.h"
#include "model/ConfigStore.h"
#include "platform/ScriptedPlatformServices.h"
#include "res/SharedResources.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <future>
#include <vector>

namespace {

using namespace std::chrono_literals;
using DeviceMessages::WM_TRANSFER_DONE;
using DeviceMessages::WM_TRANSFER_PROGRESS;
using Dialog = CPelmDialogProgress;

// A store on a fresh virtual RGB keyboard whose transfers take no real time.
class ProgressDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        VirtualKeyboardState state = factoryState(4);
        for (int key = 1; key <= kLastKey; ++key)
            state.counts[static_cast<std::size_t>(key - 1)] = key * 10;
        state.lights.fill(77);
        state.triggers.fill(12);
        ASSERT_TRUE(keyboard.create(state, true).ok());
        store.device.setSleeper([this](std::chrono::milliseconds) { deviceWait(); });
        store.deviceVariant = store.device.DetectDeviceType();
        ASSERT_TRUE(store.device.__createDev());
        store.buildCatalogue();
        store.resetToDefaults();
        store.scaleFactor = 1.5F;
    }

    // Runs the dialog modally; during(dialog) runs inside the modal loop once it has started.
    int run(int mode, const std::function<void(Dialog&)>& during = {}) {
        Dialog dialog(context());
        dialog.setTransferMode(mode);
        dialog.setWaiter([this](std::chrono::milliseconds wait) {
            waits.push_back(wait);
            pauseHook();
        });
        if (during)
            QTimer::singleShot(0, &dialog, [&dialog, &during] { during(dialog); });
        // Only a fault can leave the dialog open this long; end it then instead of hanging.
        QTimer::singleShot(30000, &dialog, [&dialog] { dialog.done(-1); });
        const int result = dialog.exec();
        startedWorker = dialog.startedWorker();
        return result;
    }

    void setFailure(Failure failure) {
        ASSERT_TRUE(keyboard
                        .update([failure](VirtualKeyboardState& state) {
                            state.setFailure(failure, true);
                            return true;
                        })
                        .ok());
    }
    VirtualKeyboardState storedState() { return *keyboard.load().state; }
    WindowContext context() { return {store, resources, QSize(1920, 1080), platform, opener}; }
    static void post(const WindowHandle& window, unsigned message, std::uintptr_t wParam) {
        postMessage(window, message, wParam);
        QCoreApplication::processEvents();
    }

    TempDir folder;
    VirtualKeyboardFile keyboard{folder.file("keyboard.txt")};
    CConfigStore store{folder.file("keyboard.txt")};
    SharedResources resources{programPictureLibrary(), 4};
    ScriptedPlatformServices platform;
    WindowOpener opener;
    std::function<void()> deviceWait = [] {};
    std::function<void()> pauseHook = [] {};
    std::vector<std::chrono::milliseconds> waits;
    bool startedWorker = false;
};

TEST_F(ProgressDialogTest, ReadsEndWithOkAndFillTheStore) {
    EXPECT_EQ(run(Dialog::kReadCounters), SkinnedWindow::kResultOk);
    EXPECT_EQ(store.pressCounts[85], 850);
    EXPECT_EQ(store.highestKey, 85);
    EXPECT_EQ(run(Dialog::kReadLights), SkinnedWindow::kResultOk);
    EXPECT_EQ(store.lightArea[40], (std::array<int, 3>{77, 77, 77}));
    EXPECT_EQ(run(Dialog::kReadTriggers), SkinnedWindow::kResultOk);
    EXPECT_EQ(store.triggerValues[1][2], 12);
    EXPECT_EQ(waits, (std::vector<std::chrono::milliseconds>{1000ms, 1000ms, 1000ms}));
}

TEST_F(ProgressDialogTest, WritesEndWithOkAndReachTheKeyboard) {
    store.lightArea[3] = {1, 2, 3};
    store.triggerValues[3] = {9, 21, 2};
    EXPECT_EQ(run(Dialog::kWriteLights), SkinnedWindow::kResultOk);
    EXPECT_EQ(run(Dialog::kWriteTriggers), SkinnedWindow::kResultOk);
    EXPECT_EQ(run(Dialog::kWriteKeys), SkinnedWindow::kResultOk);
    const VirtualKeyboardState state = storedState();
    EXPECT_EQ(state.lights[6], 1);
    EXPECT_EQ(state.lights[8], 3);
    EXPECT_EQ(state.triggers[6], 9);
    EXPECT_GT(state.keys.assignedKeys(0), 0);
    EXPECT_EQ(waits, (std::vector<std::chrono::milliseconds>{1000ms, 1000ms, 1000ms}));
}

// The keyboard holds no key assignments: reading them makes every key "not set".
TEST_F(ProgressDialogTest, ReadAllReadsKeysThenLightsWithAPauseBetween) {
    ASSERT_EQ(store.keyKind[34][0], kKindSingle);
    store.lightArea[40] = {0, 0, 0};
    EXPECT_EQ(run(Dialog::kReadAll), SkinnedWindow::kResultOk);
    EXPECT_EQ(store.keyKind[34][0], kKindNotSet);
    EXPECT_EQ(store.lightArea[40], (std::array<int, 3>{77, 77, 77}));
    EXPECT_EQ(waits, (std::vector<std::chrono::milliseconds>{2000ms}));
}

struct FailureCase {
    int mode;
    Failure failure;
};

class ProgressFailureTest : public ProgressDialogTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ProgressFailureTest, FailedTransferEndsWithFailedAndLeavesTheStoreAlone) {
    setFailure(GetParam().failure);
    const auto lights = store.lightArea;
    const auto triggers = store.triggerValues;
    const auto kinds = store.keyKind;
    const auto counts = store.pressCounts;
    EXPECT_EQ(run(GetParam().mode), Dialog::kTransferFailed);
    EXPECT_EQ(store.lightArea, lights);
    EXPECT_EQ(store.triggerValues, triggers);
    EXPECT_EQ(store.keyKind, kinds);
    EXPECT_EQ(store.pressCounts, counts);
    EXPECT_TRUE(waits.empty());
    EXPECT_FALSE(store.progressWindow);
}

INSTANTIATE_TEST_SUITE_P(EveryMode, ProgressFailureTest,
                         ::testing::Values(FailureCase{Dialog::kWriteKeys, Failure::WriteKeys},
                                           FailureCase{Dialog::kWriteTriggers, Failure::WriteTriggers},
                                           FailureCase{Dialog::kReadAll, Failure::ReadKeys},
                                           FailureCase{Dialog::kWriteLights, Failure::WriteLights},
                                           FailureCase{Dialog::kReadCounters, Failure::Counters},
                                           FailureCase{Dialog::kReadLights, Failure::ReadLights},
                                           FailureCase{Dialog::kReadTriggers, Failure::ReadTriggers}));

// Read-all takes over keys and lights together or not at all: the keys read before the light read
// failed are not shown as if the read had worked.
TEST_F(ProgressDialogTest, ReadAllWhoseLightReadFailsTakesOverNothing) {
    setFailure(Failure::ReadLights);
    const auto lights = store.lightArea;
    EXPECT_EQ(run(Dialog::kReadAll), Dialog::kTransferFailed);
    EXPECT_EQ(store.keyKind[34][0], kKindSingle);
    EXPECT_EQ(store.lightArea, lights);
}

TEST_F(ProgressDialogTest, UnplugDuringAKeyReadFailsWithoutTouchingTheStore) {
    deviceWait = [this] {
        keyboard.update([](VirtualKeyboardState& state) {
            state.plugged = false;
            return true;
        });
    };
    const auto kinds = store.keyKind;
    const auto lights = store.lightArea;
    EXPECT_EQ(run(Dialog::kReadAll), Dialog::kTransferFailed);
    EXPECT_EQ(store.keyKind, kinds);
    EXPECT_EQ(store.lightArea, lights);
}

TEST_F(ProgressDialogTest, UnknownModesEndWithCancelAndStartNothing) {
    for (int mode : {0, 8, -1, 20000}) {
        EXPECT_EQ(run(mode), SkinnedWindow::kResultCancel) << mode;
        EXPECT_FALSE(startedWorker) << mode;
        EXPECT_FALSE(store.progressWindow) << mode;
    }
}

// The device's first pacing wait holds the key write until the test lets it go, so the test can post
// progress and press buttons while the transfer runs.
class HeldTransferTest : public ProgressDialogTest {
protected:
    void SetUp() override {
        ProgressDialogTest::SetUp();
        deviceWait = [this] { released.wait(); };
    }
    void releaseTransfer() { release.set_value(); }

    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
};

TEST_F(HeldTransferTest, BarScalesKeyProgressAndNeverShrinks) {
    std::vector<int> widths;
    bool busy = false;
    const int result = run(Dialog::kWriteKeys, [&](Dialog& dialog) {
        const WindowHandle window = store.progressWindow;
        busy = dialog.isBusy();
        widths.push_back(dialog.barWidth());
        for (std::uintptr_t count : {375U, 300U, 376U, 750U, 100000U}) {
            post(window, WM_TRANSFER_PROGRESS, count);
            widths.push_back(dialog.barWidth());
        }
        releaseTransfer();
    });
    EXPECT_EQ(result, SkinnedWindow::kResultOk);
    EXPECT_TRUE(busy);
    EXPECT_EQ(widths, (std::vector<int>{0, 150, 150, 150, 300, 300}));
}

TEST_F(HeldTransferTest, CloseAndCancelDoNothingWhileBusy) {
    bool stillOpen = false;
    const int result = run(Dialog::kWriteKeys, [&](Dialog& dialog) {
        const SkinRect cancel = dialog.controls()[1].rect;
        const SkinRect close = dialog.controls()[0].rect;
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, QPoint(cancel.left + 5, cancel.top + 5));
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, QPoint(close.left + 5, close.top + 5));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        dialog.close();
        QCoreApplication::processEvents();
        stillOpen = dialog.isVisible() && dialog.isBusy();
        releaseTransfer();
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, SkinnedWindow::kResultOk);
}

// The workers that have no progress of their own fill the bar when the transfer is done and keep it
// full through their pause.
TEST_F(ProgressDialogTest, WorkerProgressFillsTheBarBeforeThePause) {
    std::promise<void> pauseEnd;
    pauseHook = [ended = pauseEnd.get_future().share()] { ended.wait(); };
    bool sawFullBar = false;
    const int result = run(Dialog::kReadCounters, [&](Dialog& dialog) {
        auto* poll = new QTimer(&dialog);
        QObject::connect(poll, &QTimer::timeout, &dialog, [&, poll] {
            if (dialog.barWidth() != kProgressBarFullWidth)
                return;
            sawFullBar = dialog.isBusy();
            poll->stop();
            pauseEnd.set_value();
        });
        poll->start(0);
    });
    EXPECT_EQ(result, SkinnedWindow::kResultOk);
    EXPECT_TRUE(sawFullBar);
}

TEST_F(HeldTransferTest, PostsAfterTheDialogHasFinishedAreDropped) {
    WindowHandle window;
    Dialog dialog(context());
    dialog.setTransferMode(Dialog::kWriteKeys);
    dialog.setWaiter([](std::chrono::milliseconds) {});
    QTimer::singleShot(0, &dialog, [&] {
        window = store.progressWindow;
        releaseTransfer();
    });
    EXPECT_EQ(dialog.exec(), SkinnedWindow::kResultOk);
    EXPECT_FALSE(store.progressWindow);
    ASSERT_TRUE(window);
    post(window, WM_TRANSFER_PROGRESS, 10);
    post(window, WM_TRANSFER_DONE, 0);
    EXPECT_EQ(dialog.barWidth(), 300);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(HeldTransferTest, LeavingWhileTheWorkerRunsWaitsForItAndKeepsTheStoreWhole) {
    WindowHandle window;
    {
        Dialog dialog(context());
        dialog.setTransferMode(Dialog::kReadAll);
        QTimer::singleShot(0, &dialog, [&] {
            window = store.progressWindow;
            // The program quits while the worker is inside the transfer.
            dialog.done(0);
            releaseTransfer();
        });
        EXPECT_EQ(dialog.exec(), 0);
    }
    // The worker finished with the dialog and posts land nowhere. The transfer never reported its
    // end to the window, so the store keeps the old configuration, whole.
    post(window, WM_TRANSFER_PROGRESS, 10);
    EXPECT_EQ(store.keyKind[34][0], kKindSingle);
    EXPECT_EQ(store.lightArea[40], (std::array<int, 3>{0, 0, 0}));
}

} // namespace
