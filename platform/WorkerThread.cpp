// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WorkerThread.h"

WorkerThread::~WorkerThread() {
    stopAndJoin();
}

void WorkerThread::start(std::function<void()> job) {
    stopAndJoin();
    {
        const std::lock_guard lock(mutex_);
        stopping_ = false;
    }
    thread_ = std::thread(std::move(job));
}

void WorkerThread::pause(std::chrono::milliseconds wait) {
    if (waiter_) {
        waiter_(wait);
        return;
    }
    std::unique_lock lock(mutex_);
    stopSignal_.wait_for(lock, wait, [this] { return stopping_; });
}

void WorkerThread::stopAndJoin() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    stopSignal_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

bool WorkerThread::stopRequested() const {
    const std::lock_guard lock(mutex_);
    return stopping_;
}
