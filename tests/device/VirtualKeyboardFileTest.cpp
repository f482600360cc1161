// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceTestSupport.h"
#include "device/StateTextReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

namespace {
EnvironmentLookup environmentOf(std::map<std::string, std::string> values) {
    return [values = std::move(values)](const char* name) -> const char* {
        const auto it = values.find(name);
        return it == values.end() ? nullptr : it->second.c_str();
    };
}

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
} // namespace

TEST(VirtualKeyboardFile, StatePathFollowsTheEnvironment) {
    EXPECT_EQ(resolveStatePath(environmentOf({{"QELEC_VKBD_STATE", "/a/kb.txt"}, {"XDG_DATA_HOME", "/x"}})),
              "/a/kb.txt");
    EXPECT_EQ(resolveStatePath(environmentOf({{"XDG_DATA_HOME", "/x"}, {"HOME", "/h"}})),
              "/x/qelec/virtual-keyboard.txt");
    EXPECT_EQ(
        resolveStatePath(environmentOf({{"QELEC_VKBD_STATE", ""}, {"XDG_DATA_HOME", "rel"}, {"HOME", "/h"}})),
        "/h/.local/share/qelec/virtual-keyboard.txt");
}

TEST(VirtualKeyboardFile, LoadTellsMissingCorruptAndUnreadableApart) {
    TempDir dir;
    const VirtualKeyboardFile file(dir.file("kb.txt"));
    EXPECT_EQ(file.load().status, LoadStatus::Missing);
    EXPECT_NE(file.load().message.find("create one with: qelec-vkbd create --variant 4"), std::string::npos);

    writeFile(file.path(), "qelec-virtual-keyboard 1\nvariant 4\nbogus\n");
    const LoadResult corrupt = file.load();
    EXPECT_EQ(corrupt.status, LoadStatus::Corrupt);
    EXPECT_EQ(corrupt.errorLine, 3);
    EXPECT_NE(corrupt.message.find("line 3: unknown keyword 'bogus'"), std::string::npos) << corrupt.message;

    std::filesystem::resize_file(file.path(), VirtualKeyboardFile::kMaxFileBytes + 1);
    EXPECT_EQ(file.load().status, LoadStatus::Corrupt);

    std::filesystem::remove(file.path());
    std::filesystem::create_directory(file.path());
    EXPECT_EQ(file.load().status, LoadStatus::Unreadable);
    EXPECT_EQ(VirtualKeyboardFile(dir.file("kb.txt/inside")).load().status, LoadStatus::Missing);
}

TEST(VirtualKeyboardFile, CreateMakesTheFolderAndRefusesToReplaceWithoutOverwrite) {
    TempDir dir;
    const VirtualKeyboardFile file(dir.file("deep/er/kb.txt"));
    ASSERT_TRUE(file.create(factoryState(3), false).ok());
    const UpdateResult again = file.create(factoryState(4), false);
    EXPECT_EQ(again.status, UpdateStatus::Exists);
    EXPECT_EQ(readState(file.path()).variant, 3);
    EXPECT_TRUE(file.create(factoryState(4), true).ok());
    EXPECT_EQ(readState(file.path()).variant, 4);
    // Only the state and its lock file are left; no temporary file survives a save.
    EXPECT_EQ(filesIn(dir.file("deep/er")), (std::vector<std::string>{"kb.txt", "kb.txt.lock"}));
}

TEST(VirtualKeyboardFile, DeclinedOrImpossibleUpdatesLeaveTheFileAlone) {
    TempDir dir;
    const VirtualKeyboardFile file(dir.file("kb.txt"));
    EXPECT_EQ(file.update([](VirtualKeyboardState&) { return true; }).status, UpdateStatus::Missing);
    writeState(file.path(), factoryState(4));
    const std::string before = readFile(file.path());
    EXPECT_EQ(file.update([](VirtualKeyboardState& state) {
                      state.plugged = false;
                      return false;
                  })
                  .status,
              UpdateStatus::Declined);
    EXPECT_EQ(readFile(file.path()), before);
}

// Without the update lock, read-modify-write cycles of several processes lose updates.
TEST(VirtualKeyboardFile, UpdatesFromManyProcessesAreNeverLost) {
    TempDir dir;
    const std::string path = dir.file("kb.txt");
    writeState(path, factoryState(4));
    constexpr int kProcesses = 4;
    constexpr int kUpdates = 40;
    std::vector<int> pids;
    for (int p = 0; p < kProcesses; ++p) {
        const int pid = ::fork();
        if (pid == 0) {
            const VirtualKeyboardFile file(path);
            for (int i = 0; i < kUpdates; ++i) {
                file.update([](VirtualKeyboardState& state) {
                    ++state.counts[0];
                    return true;
                });
            }
            ::_exit(0);
        }
        pids.push_back(pid);
    }
    for (int pid : pids)
        ::waitpid(pid, nullptr, 0);
    EXPECT_EQ(readState(path).count(1), kProcesses * kUpdates);
}

// Readers never see a half-written state while another process keeps saving.
TEST(VirtualKeyboardFile, ReadersSeeWholeStatesDuringSaves) {
    TempDir dir;
    const std::string path = dir.file("kb.txt");
    VirtualKeyboardState big = factoryState(4);
    big.keys.set(0, 1, std::vector<int>(20000, 123456));
    writeState(path, big);
    const int writer = ::fork();
    if (writer == 0) {
        const VirtualKeyboardFile file(path);
        for (int i = 0; i < 60; ++i)
            file.save(i % 2 == 0 ? factoryState(4) : big, nullptr);
        ::_exit(0);
    }
    int whole = 0;
    int status = 0;
    while (::waitpid(writer, &status, WNOHANG) == 0) {
        const LoadResult load = VirtualKeyboardFile(path).load();
        ASSERT_TRUE(load.ok()) << load.message;
        ++whole;
    }
    EXPECT_GT(whole, 0);
}

TEST(VirtualKeyboardFile, SavingThroughALinkReplacesItsTargetAndKeepsItsMode) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("real"));
    const std::string target = dir.file("real/kb.txt");
    writeState(target, factoryState(4));
    ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
    std::filesystem::create_symlink("real/kb.txt", dir.file("kb.txt"));

    const VirtualKeyboardFile file(dir.file("kb.txt"));
    std::string error;
    ASSERT_TRUE(file.save(factoryState(3), &error)) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("kb.txt"))) << "the link stays";
    EXPECT_EQ(readState(target).variant, 3) << "its target is replaced";
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777U, 0600U) << "a private state stays private";
    EXPECT_EQ(filesIn(dir.file("real")), (std::vector<std::string>{"kb.txt", "kb.txt.lock"}))
        << "no temporary file is left";

    ASSERT_TRUE(file.update([](VirtualKeyboardState& state) {
                        state.plugged = false;
                        return true;
                    })
                    .ok());
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("kb.txt")));
    EXPECT_FALSE(readState(target).plugged);
}

TEST(VirtualKeyboardFile, ALongNameSaves) {
    TempDir dir;
    const std::string name = std::string(250, 'k') + ".txt";
    const VirtualKeyboardFile file(dir.file(name));
    std::string error;
    ASSERT_TRUE(file.save(factoryState(4), &error)) << error;
    ASSERT_TRUE(file.save(factoryState(2), &error)) << error;
    EXPECT_EQ(readState(file.path()).variant, 2);
    EXPECT_EQ(filesIn(dir.path()), (std::vector<std::string>{name}));

    const mode_t old = ::umask(027);
    const bool saved = VirtualKeyboardFile(dir.file("new.txt")).save(factoryState(4), &error);
    ::umask(old);
    ASSERT_TRUE(saved) << error;
    struct stat info {};
    ASSERT_EQ(::stat(dir.file("new.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777U, 0640U) << "a new file: 0666 less the umask";
}

// A connection reads the state at every call through one reader that keeps the file open: whatever
// changed the state, and however, the next read gives it as it is now.
TEST(StateTextReader, ReadsTheStateAsItIsNowHoweverItChanged) {
    TempDir dir;
    const std::string path = dir.file("kb.txt");
    const std::string other = dir.file("other.txt");
    const std::string one = serialiseVirtualKeyboardState(factoryState(4));
    const std::string two = serialiseVirtualKeyboardState(factoryState(1));
    std::string same = one;
    same.replace(same.find("variant 4"), 9, "variant 3");
    StateTextReader reader(path);
    const std::vector<std::tuple<const char*, std::function<void()>, LoadStatus, std::string>> steps = {
        {"none yet", [] {}, LoadStatus::Missing, ""},
        {"made", [&] { writeFile(path, one); }, LoadStatus::Ok, one},
        {"unchanged", [] {}, LoadStatus::Ok, one},
        {"changed in place, same size", [&] { writeFile(path, same); }, LoadStatus::Ok, same},
        {"saved", [&] { writeState(path, factoryState(1)); }, LoadStatus::Ok, two},
        {"a link to another file",
         [&] {
             writeFile(other, one);
             std::filesystem::remove(path);
             std::filesystem::create_symlink(other, path);
         },
         LoadStatus::Ok, one},
        {"removed", [&] { std::filesystem::remove(path); }, LoadStatus::Missing, ""},
        {"a folder", [&] { std::filesystem::create_directory(path); }, LoadStatus::Unreadable, ""},
        {"made again",
         [&] {
             std::filesystem::remove(path);
             writeFile(path, two);
         },
         LoadStatus::Ok, two},
        {"grown too large in place",
         [&] { std::filesystem::resize_file(path, VirtualKeyboardFile::kMaxFileBytes + 1); },
         LoadStatus::Corrupt, ""},
    };
    for (const auto& [step, change, status, text] : steps) {
        change();
        const StateText read = reader.read();
        EXPECT_EQ(read.status, status) << step << ": " << read.message;
        EXPECT_EQ(read.text, text) << step;
    }
}
