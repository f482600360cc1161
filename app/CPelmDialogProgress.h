// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/WindowHandle.h"
#include "model/ConfigStore.h"
#include "platform/KeyboardLease.h"
#include "platform/WorkerThread.h"
#include "ui/SkinnedWindow.h"

#include <cstdint>

// The small modal window every transfer between the store and the keyboard runs in. The caller sets
// a transfer mode and runs it; the window starts one worker thread for the transfer, fills its bar
// from the progress the device or the worker posts, and ends when the worker reports that it is done:
// with OK when the transfer succeeded and with kTransferFailed when it did not. Closing and Cancel do
// nothing while the transfer runs. What a read brings back is taken over by the store on the window
// thread once the whole transfer has succeeded, so windows drawn meanwhile see the old configuration
// and a failed read changes nothing.
class CPelmDialogProgress : public SkinnedWindow {
    Q_OBJECT

public:
    // Transfer modes.
    static constexpr int kWriteKeys = Transfer::kWriteKeys;
    static constexpr int kWriteTriggers = Transfer::kWriteTriggers;
    static constexpr int kReadAll = Transfer::kReadAll;
    static constexpr int kWriteLights = Transfer::kWriteLights;
    static constexpr int kReadCounters = Transfer::kReadCounters;
    static constexpr int kReadLights = Transfer::kReadLights;
    static constexpr int kReadTriggers = Transfer::kReadTriggers;
    // The result of a run whose transfer failed; callers show "Failed!".
    static constexpr int kTransferFailed = Transfer::kFailed;
    // The once-a-second timer the window keeps while it lives.
    static constexpr int kTickTimer = 1;

    // Waits for the given time on the worker thread.
    using Waiter = WorkerThread::Waiter;

    explicit CPelmDialogProgress(const WindowContext& context, QWidget* parent = nullptr);
    // The opener's runner for transfers: runs the window with the mode given as the argument.
    static WindowOpener::Runner runner(Waiter waiter = {});
    // Waits for the worker, so that it never outlives the window or the store.
    ~CPelmDialogProgress() override;

    void setTransferMode(int mode) { mode_ = mode; }
    int transferMode() const { return mode_; }
    // Replaces the worker's pauses after a transfer (1000 ms, and 2000 ms between the two reads of
    // mode 3); for tests.
    void setWaiter(Waiter waiter) { worker_.setWaiter(std::move(waiter)); }

    bool isBusy() const { return busy_; }
    // The bar's width in design units, 0..300.
    int barWidth() const { return barWidth_; }
    // A worker was started for this run.
    bool startedWorker() const { return startedWorker_; }

protected:
    void onInit() override;
    void onClick(int id) override;
    void onCancelRequest() override;
    void paintInDesignUnits(QPainter& painter) override;
    std::vector<SkinGauge> gauges() const override;
    void customEvent(QEvent* event) override;

private:
    void startWorker();
    bool transfer(int mode, const WindowHandle& window);
    void runWorker(int mode, WindowHandle window);
    void showProgress(std::uintptr_t count);
    void finish(std::uintptr_t code);

    CConfigStore& store_;
    int mode_ = 0;
    bool busy_ = false;
    int barWidth_ = 0;
    bool startedWorker_ = false;
    KeyboardLease lease_{store_};
    // Filled by the worker; read by the window thread only after the worker has been joined.
    KeyboardReading reading_;
    WorkerThread worker_;
};
