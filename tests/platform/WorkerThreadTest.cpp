// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WorkerThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

// A stop request ends a pause that would otherwise outlive any test run, and the job is joined.
TEST(WorkerThreadTest, StopCutsAPauseShortAndJoinsTheJob) {
    std::atomic<bool> ended = false;
    WorkerThread worker;
    worker.start([&] {
        worker.pause(std::chrono::hours(1));
        ended = true;
    });
    EXPECT_TRUE(worker.started());
    worker.stopAndJoin();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(worker.started());
    EXPECT_TRUE(worker.stopRequested());
}

// Each run gets a fresh start: a stop from an earlier run does not cut the next run's pauses.
TEST(WorkerThreadTest, ANewRunStartsWithoutTheEarlierStopAndTheWaiterReplacesPauses) {
    std::vector<std::chrono::milliseconds> waits;
    WorkerThread worker;
    worker.start([] {});
    worker.stopAndJoin();
    std::atomic<bool> stoppedAtStart = true;
    std::atomic<bool> looked = false;
    worker.start([&] {
        stoppedAtStart = worker.stopRequested();
        looked = true;
    });
    while (!looked)
        std::this_thread::yield();
    worker.stopAndJoin();
    EXPECT_FALSE(stoppedAtStart);

    worker.setWaiter([&waits](std::chrono::milliseconds wait) { waits.push_back(wait); });
    worker.start([&] {
        worker.pause(1000ms);
        worker.pause(2000ms);
    });
    worker.stopAndJoin();
    EXPECT_EQ(waits, (std::vector<std::chrono::milliseconds>{1000ms, 2000ms}));
}

// Destroying the worker joins a job that is still pausing.
TEST(WorkerThreadTest, DestructionJoinsARunningJob) {
    std::atomic<bool> ended = false;
    {
        WorkerThread worker;
        worker.start([&] {
            worker.pause(std::chrono::hours(1));
            ended = true;
        });
    }
    EXPECT_TRUE(ended);
}

} // namespace
