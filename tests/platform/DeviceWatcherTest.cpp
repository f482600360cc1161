// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DeviceWatcher.h"

#include "support/TempDir.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

constexpr int kPatience = 5000; // ms to wait for a change that must come

// Writes the way the virtual keyboard does: a temporary file renamed over the state.
void replaceByRename(const std::string& path, const std::string& text) {
    const std::string temporary = path + ".tmp";
    std::ofstream(temporary) << text;
    std::filesystem::rename(temporary, path);
}

class DeviceWatcherTest : public testing::Test {
protected:
    TempDir folder;
    std::string state = folder.file("virtual-keyboard.txt");

    std::unique_ptr<DeviceWatcher> watch(std::chrono::milliseconds poll = std::chrono::hours(1)) {
        auto watcher = std::make_unique<DeviceWatcher>(QString::fromStdString(state));
        watcher->setDebounceInterval(std::chrono::milliseconds(20));
        watcher->setPollInterval(poll);
        return watcher;
    }
};

} // namespace

TEST_F(DeviceWatcherTest, ReplacementRemovalAndReturnOfTheStateFileAreEachReported) {
    replaceByRename(state, "plugged");
    const auto watcher = watch();
    QSignalSpy changes(watcher.get(), &DeviceWatcher::deviceChanged);

    replaceByRename(state, "unplugged");
    ASSERT_TRUE(changes.wait(kPatience));
    std::filesystem::remove(state);
    ASSERT_TRUE(changes.wait(kPatience));
    replaceByRename(state, "plugged");
    ASSERT_TRUE(changes.wait(kPatience));
    replaceByRename(state, "unplugged");
    ASSERT_TRUE(changes.wait(kPatience));
    EXPECT_EQ(changes.count(), 4);
}

TEST_F(DeviceWatcherTest, BurstOfWritesIsReportedOnce) {
    replaceByRename(state, "0");
    const auto watcher = watch();
    QSignalSpy changes(watcher.get(), &DeviceWatcher::deviceChanged);
    for (int i = 1; i <= 5; ++i)
        replaceByRename(state, std::to_string(i));
    ASSERT_TRUE(changes.wait(kPatience));
    replaceByRename(state, "last");
    ASSERT_TRUE(changes.wait(kPatience));
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(DeviceWatcherTest, OtherFilesOfTheFolderAreNoDeviceChange) {
    replaceByRename(state, "plugged");
    const auto watcher = watch();
    QSignalSpy changes(watcher.get(), &DeviceWatcher::deviceChanged);
    std::ofstream(state + ".lock") << "";
    replaceByRename(folder.file("unrelated.txt"), "x");
    EXPECT_FALSE(changes.wait(300));
}

TEST_F(DeviceWatcherTest, StateFileInAFolderMadeLaterIsFoundByThePoll) {
    state = folder.file("later/virtual-keyboard.txt");
    const auto watcher = watch(std::chrono::milliseconds(20));
    QSignalSpy changes(watcher.get(), &DeviceWatcher::deviceChanged);
    std::filesystem::create_directory(folder.file("later"));
    replaceByRename(state, "plugged");
    ASSERT_TRUE(changes.wait(kPatience));
    // Found once, the folder is watched like any other.
    watcher->setPollInterval(std::chrono::hours(1));
    std::filesystem::remove(state);
    ASSERT_TRUE(changes.wait(kPatience));
}
