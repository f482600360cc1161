// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceTestSupport.h"

#include "device/CPelmHWI.h"
#include "device/DeviceMessages.h"
#include "device/KeyboardHook.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using DeviceMessages::WM_HOOK_KEY;

TEST(KeyboardHook, PostsKeyEventsOnlyWhileInstalled) {
    auto first = std::make_shared<RecordingSink>();
    auto second = std::make_shared<RecordingSink>();
    feedHookKeyEvent(0x41, false, false);
    InstallHook(first);
    feedHookKeyEvent(0x41, false, false);
    feedHookKeyEvent(0x1A5, true, true);
    InstallHook(second);
    feedHookKeyEvent(0x0D, false, true);
    UninstallHook();
    feedHookKeyEvent(0x42, false, false);

    const auto posted = first->messages();
    ASSERT_EQ(posted.size(), 2U);
    EXPECT_EQ(posted[0].message, WM_HOOK_KEY);
    EXPECT_EQ(posted[0].wParam, 0x41U);
    EXPECT_EQ(posted[0].lParam, 0);
    EXPECT_EQ(posted[1].wParam, 0xA5U | 0x80000000U);
    EXPECT_EQ(posted[1].lParam, 0x01000000);
    ASSERT_EQ(second->messages().size(), 1U);
    EXPECT_EQ(second->messages()[0].lParam, 0x01000000);
}

// Feeding from several threads while the hook goes on and off: once uninstall returns, nothing more
// arrives.
TEST(KeyboardHook, NothingArrivesAfterUninstallReturnsWhateverTheThreads) {
    KeyboardHook hook;
    auto sink = std::make_shared<RecordingSink>();
    std::atomic<bool> stop{false};
    std::vector<std::thread> feeders;
    for (int t = 0; t < 3; ++t) {
        feeders.emplace_back([&] {
            while (!stop)
                hook.feed(0x20, false, false);
        });
    }
    for (int round = 0; round < 50; ++round) {
        hook.install(sink);
        hook.uninstall();
    }
    hook.install(sink);
    sink->waitFor(1, 2000);
    hook.uninstall();
    const std::size_t atUninstall = sink->messages().size();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    stop = true;
    for (std::thread& feeder : feeders)
        feeder.join();
    EXPECT_GT(atUninstall, 0U);
    EXPECT_EQ(sink->messages().size(), atUninstall);
    EXPECT_FALSE(hook.installed());
}
