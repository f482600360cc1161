// SPDX-License-Identifier: GPL-3.0-or-later
// The writer of every file the program and its tools write, where the file system is hostile. Links,
// folders and devices at the path itself are in ProfileFileSafetyTest.
#include "device/AtomicFileWrite.h"
#include "DeviceTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(AtomicFileWrite, RefusesAFifoAPipeAndAProtectedFileAndLeavesThemAlone) {
    TempDir dir;
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    writeFile(dir.file("protected"), "mine");
    ASSERT_EQ(::chmod(dir.file("protected").c_str(), 0444), 0);
    fs::create_symlink("protected", dir.file("link"));
    const std::pair<std::string, const char*> cases[] = {
        {dir.file("fifo"), "cannot replace %: not a regular file"},
        // A link whose text names no path ("pipe:[…]"), which only the system itself follows.
        {"/proc/self/fd/" + std::to_string(pipeEnds[1]), "cannot replace %: not a regular file"},
        {dir.file("protected"), "cannot write %: Permission denied"},
        {dir.file("link"), "cannot write %: Permission denied"},
    };
    for (const auto& [path, reason] : cases) {
        std::string error;
        EXPECT_FALSE(writeFileAtomically(path, "new", &error)) << path;
        std::string expected = reason;
        EXPECT_EQ(error, expected.replace(expected.find('%'), 1, path));
    }
    EXPECT_TRUE(fs::is_fifo(dir.file("fifo")));
    EXPECT_EQ(readFile(dir.file("protected")), "mine");
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
}

TEST(AtomicFileWrite, ALinkPlantedAtATemporaryNameItTriesIsNeitherFollowedNorRemoved) {
    TempDir dir;
    writeFile(dir.file("victim"), "another user's file");
    fs::create_symlink(dir.file("victim"), dir.file(".out.first"));
    fs::create_symlink(dir.file("made"), dir.file(".out.second"));
    const std::vector<std::string> names = {"first", "second", "third"};
    std::string error;
    ASSERT_TRUE(writeFileAtomically(dir.file("out"), "new", &error,
                                    [&names, next = std::size_t{0}]() mutable { return names.at(next++); }))
        << error;
    EXPECT_EQ(readFile(dir.file("out")), "new");
    EXPECT_EQ(readFile(dir.file("victim")), "another user's file");
    EXPECT_FALSE(fs::exists(dir.file("made"))) << "a dangling link planted there made its target";
    EXPECT_TRUE(fs::is_symlink(dir.file(".out.first")) && fs::is_symlink(dir.file(".out.second")));
}
