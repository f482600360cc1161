// SPDX-License-Identifier: GPL-3.0-or-later
// Lock files sit beside the state file, often in a shared folder: whatever is put at their names is
// never followed or opened.
#include "device/FileLock.h"
#include "DeviceTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace fs = std::filesystem;

TEST(FileLock, ALinkOrAFifoAtItsNameIsRefusedUnopened) {
    TempDir dir;
    fs::create_symlink(dir.file("made"), dir.file("dangling.lock"));
    ASSERT_EQ(::mkfifo(dir.file("fifo.lock").c_str(), 0600), 0);
    const std::pair<const char*, const char*> cases[] = {
        {"dangling.lock", "a symbolic link, which a lock file never follows"},
        {"fifo.lock", "not a regular file"},
    };
    for (const auto& [name, reason] : cases) {
        for (const bool wait : {false, true}) {
            const FileLock lock =
                wait ? FileLock::acquire(dir.file(name)) : FileLock::tryAcquire(dir.file(name));
            EXPECT_EQ(lock.status(), FileLock::Status::Failed) << name;
            EXPECT_EQ(lock.error(), "cannot open the lock file " + dir.file(name) + ": " + reason);
        }
    }
    EXPECT_FALSE(fs::exists(dir.file("made"))) << "the lock made the file a link named";
}
