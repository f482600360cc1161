#pragma once

#include "device/WindowHandle.h"
#include "ui/SkinnedWindow.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

// The small modal window every transfer between the store and the keyboard runs in. The caller sets
// a transfer mode and runs it; the window starts one worker thread for the transfer, fills its bar
// from the progress the device or the worker posts, and ends when the worker reports that it is done:
// with OK when the transfer succeeded and with kTransferFailed when it did not. Closing and Cancel do
// nothing while the transfer runs.
class CPelmDialogProgress : public SkinnedWindow {
    Q_OBJECT

public:
    // Transfer modes.
    static constexpr int kWriteKeys = 1;
    static constexpr int kWriteTriggers = 2;
    static constexpr int kReadAll = 3;
    static constexpr int kWriteLights = 4;
    static constexpr int kReadCounters = 5;
    static constexpr int kReadLights = 6;
    static constexpr int kReadTriggers = 7;
    // The result of a run whose transfer failed; callers show "Failed!".
    static constexpr int kTransferFailed = 3;
    // The once-a-second timer the window keeps while it lives.
    static constexpr int kTickTimer = 1;

    // Waits for the given time on the worker thread.
    using Waiter = std::function<void(std::chrono::milliseconds)>;

    explicit CPelmDialogProgress(const SkinContext& context, QWidget* parent = nullptr);
    // Waits for the worker, so that it never outlives the window or the store.
    ~CPelmDialogProgress() override;

    void setTransferMode(int mode) { mode_ = mode; }
    int transferMode() const { return mode_; }
    // Replaces the worker's pauses after a transfer (1000 ms, and 2000 ms between the two reads of
    // mode 3); for tests.
    void setWaiter(Waiter waiter) { waiter_ = std::move(waiter); }

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
    void customEvent(QEvent* event) override;

private:
    void startWorker();
    void runWorker(int mode, WindowHandle window);
    void pause(std::chrono::milliseconds wait);
    void showProgress(std::uintptr_t count);
    void finish(std::uintptr_t code);
    void stopWorker();
    void releaseWindowHandle();

    CConfigStore& store_;
    int mode_ = 0;
    bool busy_ = false;
    int barWidth_ = 0;
    bool startedWorker_ = false;
    WindowHandle handle_;
    Waiter waiter_;
    std::thread worker_;
    // Ends the worker's pauses early when the window goes.
    std::mutex stopMutex_;
    std::condition_variable stopSignal_;
    bool stopping_ = false;
};
