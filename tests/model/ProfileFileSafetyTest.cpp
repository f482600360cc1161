// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading profiles where the file system is hostile or unusual: planted links, links to
// the profile, private files, long names, FIFOs, huge files and text that is not what it seems.
#include "DeviceTestSupport.h"
#include "model/ConfigStore.h"
#include "model/profile/ProfileFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

unsigned modeOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777U : 0U;
}

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Text as UTF-16 bytes without a byte-order mark (every character of text in the BMP).
std::string utf16Bytes(std::u16string_view text, bool bigEndian) {
    std::string bytes;
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

class ProfileFileSafety : public ::testing::Test {
protected:
    void SetUp() override {
        store = std::make_unique<CConfigStore>(dir.file("no-keyboard.txt"));
        store->deviceVariant = 4;
        store->buildCatalogue();
        store->resetToDefaults();
        store->lightArea[1] = {1, 2, 3};
    }

    TempDir dir;
    std::unique_ptr<CConfigStore> store;
};

} // namespace

TEST_F(ProfileFileSafety, ALinkPlantedAtATemporaryNameIsNeverFollowed) {
    const std::string victim = dir.file("victim.txt");
    writeFile(victim, "another user's file");
    const std::string path = dir.file("x.pro");
    // Every name the old save could take in this process: <path>.saving-<pid>-<n>.
    for (int n = 0; n < 1000; ++n)
        fs::create_symlink(victim, path + ".saving-" + std::to_string(::getpid()) + "-" + std::to_string(n));
    std::string error;
    ASSERT_TRUE(saveProfile(*store, path, &error)) << error;
    EXPECT_EQ(readFile(victim), "another user's file");
    EXPECT_EQ(readFile(path), profileText(*store));
    EXPECT_FALSE(fs::is_symlink(path));
}

TEST_F(ProfileFileSafety, SavingThroughALinkReplacesItsTargetAndKeepsTheLink) {
    fs::create_directory(dir.file("real"));
    const std::string target = dir.file("real/mine.pro");
    writeFile(target, "the old profile");
    fs::create_symlink("real/mine.pro", dir.file("link.pro"));
    fs::create_symlink(dir.file("link.pro"), dir.file("chain.pro"));

    std::string error;
    ASSERT_TRUE(saveProfile(*store, dir.file("chain.pro"), &error)) << error;
    EXPECT_TRUE(fs::is_symlink(dir.file("chain.pro")));
    EXPECT_TRUE(fs::is_symlink(dir.file("link.pro")));
    EXPECT_EQ(readFile(target), profileText(*store));

    // A link to a file not there yet: the save makes the file the link names.
    fs::create_symlink("real/new.pro", dir.file("dangling.pro"));
    ASSERT_TRUE(saveProfile(*store, dir.file("dangling.pro"), &error)) << error;
    EXPECT_TRUE(fs::is_symlink(dir.file("dangling.pro")));
    EXPECT_EQ(readFile(dir.file("real/new.pro")), profileText(*store));

    EXPECT_EQ(namesIn(dir.file("real")), (std::vector<std::string>{"mine.pro", "new.pro"})) << "no litter";

    fs::create_symlink("loop-b.pro", dir.file("loop-a.pro"));
    fs::create_symlink("loop-a.pro", dir.file("loop-b.pro"));
    EXPECT_FALSE(saveProfile(*store, dir.file("loop-a.pro"), &error));
    EXPECT_NE(error.find("symbolic links"), std::string::npos) << error;
    EXPECT_TRUE(fs::is_symlink(dir.file("loop-a.pro")));
}

TEST_F(ProfileFileSafety, SavingKeepsTheModeOfTheFileItReplaces) {
    const std::string path = dir.file("private.pro");
    writeFile(path, "the old profile");
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    std::string error;
    ASSERT_TRUE(saveProfile(*store, path, &error)) << error;
    EXPECT_EQ(modeOf(path), 0600U) << "a private profile stays private";
    EXPECT_EQ(readFile(path), profileText(*store));

    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(saveProfile(*store, path, &error)) << error;
    EXPECT_EQ(modeOf(path), 0640U);

    fs::create_symlink("private.pro", dir.file("link.pro"));
    ASSERT_TRUE(saveProfile(*store, dir.file("link.pro"), &error)) << error;
    EXPECT_EQ(modeOf(path), 0640U) << "the mode of the link's target";

    const mode_t old = ::umask(027);
    const bool saved = saveProfile(*store, dir.file("new.pro"), &error);
    ::umask(old);
    ASSERT_TRUE(saved) << error;
    EXPECT_EQ(modeOf(dir.file("new.pro")), 0640U) << "a new file: 0666 less the umask";
}

TEST_F(ProfileFileSafety, ALongNameSavesAndEveryFailureSaysWhy) {
    const std::string longName = std::string(250, 'n') + ".pro";
    ASSERT_EQ(longName.size(), 254U);
    std::string error;
    ASSERT_TRUE(saveProfile(*store, dir.file(longName), &error)) << error;
    EXPECT_EQ(readFile(dir.file(longName)), profileText(*store));
    ASSERT_TRUE(saveProfile(*store, dir.file(longName), &error)) << "and again, over the file: " << error;
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{longName})) << "no litter";

    EXPECT_FALSE(saveProfile(*store, dir.file("no-such-folder/new.pro"), &error));
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
    EXPECT_NE(error.find("no-such-folder"), std::string::npos) << error;

    EXPECT_FALSE(saveProfile(*store, dir.file(std::string(256, 'n')), &error));
    EXPECT_NE(error.find("File name too long"), std::string::npos) << error;

    fs::create_directory(dir.file("a-folder"));
    EXPECT_FALSE(saveProfile(*store, dir.file("a-folder"), &error));
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
    EXPECT_TRUE(fs::is_directory(dir.file("a-folder")));

    if (fs::exists("/dev/null")) {
        EXPECT_FALSE(saveProfile(*store, "/dev/null", &error)) << "a device is never replaced";
        EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
        EXPECT_TRUE(fs::is_character_file("/dev/null"));
    }
    EXPECT_FALSE(saveProfile(*store, "", &error));
    EXPECT_FALSE(error.empty());
}

TEST_F(ProfileFileSafety, AFifoIsRefusedWithoutWaiting) {
    const std::string fifo = dir.file("fifo.pro");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // In a child, so that a load that waits for a writer ends with the alarm instead of the test.
    const int status = runInChild([&] {
        ::alarm(10);
        const ProfileLoadReport report = loadProfile(*store, fifo);
        if (report.loaded() || report.status != ProfileLoadReport::Status::Unreadable)
            return 1;
        return report.reason.find("not a regular file") != std::string::npos ? 0 : 2;
    });
    EXPECT_EQ(status, 0) << "-1: the load hung on the FIFO";
    EXPECT_EQ(store->lightArea[1], (std::array<int, 3>{1, 2, 3}));

    const ProfileLoadReport folder = loadProfile(*store, dir.path());
    EXPECT_EQ(folder.status, ProfileLoadReport::Status::Unreadable);
    EXPECT_NE(folder.reason.find("not a regular file"), std::string::npos) << folder.reason;

    const ProfileLoadReport missing = loadProfile(*store, dir.file("missing.pro"));
    EXPECT_NE(missing.reason.find("No such file or directory"), std::string::npos) << missing.reason;
}

TEST_F(ProfileFileSafety, AFileFarLargerThanAnyProfileIsRefusedUnread) {
    const std::string huge = dir.file("huge.pro");
    writeFile(huge, "<QelEC(RGB)>");
    fs::resize_file(huge, kMaxProfileBytes + 1); // sparse: no disk is spent
    const ProfileLoadReport report = loadProfile(*store, huge);
    EXPECT_EQ(report.status, ProfileLoadReport::Status::Unreadable);
    EXPECT_NE(report.reason.find("larger than 64 MiB"), std::string::npos) << report.reason;
    EXPECT_EQ(store->lightArea[1], (std::array<int, 3>{1, 2, 3}));

    std::string error;
    ASSERT_TRUE(saveProfile(*store, dir.file("full.pro"), &error)) << error;
    EXPECT_LT(fs::file_size(dir.file("full.pro")), kMaxProfileBytes);
}

TEST_F(ProfileFileSafety, Utf16WithoutAMarkIsReadAsUtf16EvenAfterWhiteSpace) {
    store->predefinedCombos.setOrAppend(ActionList::kAppend, "Grüße €");
    store->lightArea[7] = {7, 8, 9};
    const std::string text = profileText(*store);
    // The profile text as UTF-16, after a line break and blanks, with the declaration naming UTF-16.
    std::u16string wide = u"\r\n  ";
    const std::u16string original = u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>";
    wide += original;
    const std::string body = text.substr(text.find("?>") + 2);
    // body is UTF-8; every non-ASCII character in it is one of "üß€".
    for (std::size_t i = 0; i < body.size();) {
        const auto lead = static_cast<unsigned char>(body[i]);
        if (lead < 0x80) {
            wide += static_cast<char16_t>(lead);
            ++i;
        } else if (body.compare(i, 2, "ü") == 0) {
            wide += u'ü';
            i += 2;
        } else if (body.compare(i, 2, "ß") == 0) {
            wide += u'ß';
            i += 2;
        } else {
            ASSERT_EQ(body.compare(i, 3, "€"), 0);
            wide += u'€';
            i += 3;
        }
    }
    for (const bool bigEndian : {false, true}) {
        const std::string path = dir.file(bigEndian ? "be.pro" : "le.pro");
        writeFile(path, utf16Bytes(wide, bigEndian));
        auto loaded = std::make_unique<CConfigStore>(dir.file("no-keyboard.txt"));
        loaded->deviceVariant = 4;
        loaded->buildCatalogue();
        const ProfileLoadReport report = loadProfile(*loaded, path);
        ASSERT_TRUE(report.loaded()) << (bigEndian ? "big-endian: " : "little-endian: ") << report.reason;
        EXPECT_EQ(loaded->predefinedCombos.item(0), "Grüße €")
            << (bigEndian ? "big-endian" : "little-endian");
        EXPECT_EQ(loaded->lightArea[7], (std::array<int, 3>{7, 8, 9}));
    }
}

TEST_F(ProfileFileSafety, AFileWhoseZeroBytesWouldBeRemovedIsRefused) {
    // UTF-16 whose first character gives no clue, read as 8-bit text it would lose its zero bytes.
    const std::string path = dir.file("odd.pro");
    writeFile(path, std::string("x\0<\0Q\0", 6) + "<QelEC(RGB)></QelEC(RGB)>");
    const ProfileLoadReport report = loadProfile(*store, path);
    EXPECT_FALSE(report.loaded());
    EXPECT_EQ(report.status, ProfileLoadReport::Status::Unreadable);
    EXPECT_NE(report.reason.find("zero bytes"), std::string::npos) << report.reason;
    EXPECT_EQ(store->lightArea[1], (std::array<int, 3>{1, 2, 3}));
}
