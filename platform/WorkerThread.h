// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// One background run for a window: a job on a thread of its own that posts its progress to the
// window's handle, may pause between steps, and is joined before anything it touches goes away (at
// the latest when this object is destroyed). A stop request cuts the pauses short; the job itself
// decides where it may end early.
class WorkerThread {
public:
    // Waits for the given time on the worker; replaces the real pauses in tests.
    using Waiter = std::function<void(std::chrono::milliseconds)>;

    WorkerThread() = default;
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;
    // Stops and joins the worker.
    ~WorkerThread();

    // Starts job on a new thread; a worker of an earlier run is joined first.
    void start(std::function<void()> job);
    // On the worker: waits for the given time, or less once a stop has been requested.
    void pause(std::chrono::milliseconds wait);
    // Cuts pauses short from now on and waits for the job to end.
    void stopAndJoin();
    bool stopRequested() const;
    // A job was started and not yet joined.
    bool started() const { return thread_.joinable(); }
    void setWaiter(Waiter waiter) { waiter_ = std::move(waiter); }

private:
    std::thread thread_;
    Waiter waiter_;
    mutable std::mutex mutex_;
    std::condition_variable stopSignal_;
    bool stopping_ = false;
};
