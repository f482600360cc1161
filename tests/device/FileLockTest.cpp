// Lock files sit beside the state file, often in a shared folder: whatever someone puts at their
// names is never followed or opened.
#include "device/FileLock.h"
#include "DeviceTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sys/stat.h>

namespace fs = std::filesystem;

TEST(FileLock, ALinkOrAnythingButARegularFileAtItsNameIsRefused) {
    TempDir dir;
    const std::string victim = dir.file("victim.txt");
    writeFile(victim, "another user's file");
    const struct {
        const char* name;
        std::function<void(const std::string&)> plant;
        const char* reason;
    } cases[] = {
        {"link", [&](const std::string& at) { fs::create_symlink(victim, at); },
         "a symbolic link, which a lock file never follows"},
        {"dangling link", [&](const std::string& at) { fs::create_symlink(dir.file("made.txt"), at); },
         "a symbolic link, which a lock file never follows"},
        {"FIFO", [](const std::string& at) { ASSERT_EQ(::mkfifo(at.c_str(), 0600), 0); },
         "not a regular file"},
        {"folder", [](const std::string& at) { fs::create_directory(at); }, "not a regular file"},
    };
    for (const auto& planted : cases) {
        const std::string at = dir.file(std::string(planted.name) + ".lock");
        planted.plant(at);
        for (const bool wait : {false, true}) {
            const FileLock lock = wait ? FileLock::acquire(at) : FileLock::tryAcquire(at);
            EXPECT_EQ(lock.status(), FileLock::Status::Failed) << planted.name;
            EXPECT_EQ(lock.error(), "cannot open the lock file " + at + ": " + planted.reason);
        }
    }
    EXPECT_EQ(readFile(victim), "another user's file");
    EXPECT_FALSE(fs::exists(dir.file("made.txt")));
    EXPECT_TRUE(FileLock::tryAcquire(dir.file("fresh.lock")).held());
}
