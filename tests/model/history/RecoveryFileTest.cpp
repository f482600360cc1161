// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/history/RecoveryFile.h"
#include "device/AtomicFileWrite.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

RecoveryContent sampleContent() {
    RecoveryContent content;
    content.keyboard = "/home/u/.local/share/qelec/virtual-keyboard.txt";
    content.variant = 4;
    content.unsecured = true;
    for (int slot = kFirstKey; slot <= kLastKey; ++slot)
        content.triggers[slot] = {slot, 20, -1};
    content.steps = {{"默认", "Default"}, {"打开 a\tb\\n.pro", "Open profile a\tb\\n\r.pro"}};
    content.profile = "<?xml version=\"1.0\"?>\n<QelEC_RGB>\n</QelEC_RGB>";
    return content;
}

TEST(RecoveryFile, ReadsBackWhatWasWrittenWithNamesOfAnyCharacters) {
    const RecoveryContent content = sampleContent();
    const RecoveryReading reading = parseRecoveryText(recoveryText(content));
    ASSERT_EQ(reading.status, RecoveryReading::Status::Read) << reading.reason;
    EXPECT_EQ(reading.content.keyboard, content.keyboard);
    EXPECT_EQ(reading.content.variant, 4);
    EXPECT_TRUE(reading.content.unsecured);
    EXPECT_EQ(reading.content.triggers, content.triggers);
    EXPECT_EQ(reading.content.steps, content.steps);
    EXPECT_EQ(reading.content.profile, content.profile);
}

TEST(RecoveryFile, AFileCutShortAtAnyByteIsCorrupt) {
    const std::string text = recoveryText(sampleContent());
    for (std::size_t length = 0; length < text.size(); ++length)
        ASSERT_EQ(parseRecoveryText(text.substr(0, length)).status, RecoveryReading::Status::Corrupt)
            << length;
}

TEST(RecoveryFile, ForeignOrDamagedTextIsCorrupt) {
    const std::string text = recoveryText(sampleContent());
    const std::string damaged[] = {
        "<?xml version=\"1.0\"?>\n",
        text + "more",
        "QelEC recovery 2" + text.substr(text.find('\n')),
        [&] {
            std::string t = text;
            t.replace(t.find("variant 4"), 9, "variant 7");
            return t;
        }(),
        [&] {
            std::string t = text;
            t.replace(t.find("steps 2"), 7, "steps 3");
            return t;
        }(),
    };
    for (const std::string& bad : damaged)
        EXPECT_EQ(parseRecoveryText(bad).status, RecoveryReading::Status::Corrupt) << bad.substr(0, 40);
}

TEST(RecoveryFile, AMissingFileAndAFolderAreToldApart) {
    TempDir dir;
    EXPECT_EQ(readRecoveryFile(dir.file("none.txt")).status, RecoveryReading::Status::Missing);
    EXPECT_EQ(readRecoveryFile(dir.path()).status, RecoveryReading::Status::Unreadable);
    ASSERT_TRUE(writeFileAtomically(dir.file("r.txt"), recoveryText(sampleContent()), nullptr));
    EXPECT_EQ(readRecoveryFile(dir.file("r.txt")).status, RecoveryReading::Status::Read);
}

TEST(RecoveryFile, LivesUnderTheStateFolderOnePerKeyboard) {
    EXPECT_EQ(recoveryFolder("/s", "/home/u"), "/s/qelec");
    EXPECT_EQ(recoveryFolder("", "/home/u"), "/home/u/.local/state/qelec");
    EXPECT_EQ(recoveryFolder("relative", "/home/u"), "/home/u/.local/state/qelec");
    EXPECT_NE(recoveryFilePath("/s", "/a/keyboard.txt"), recoveryFilePath("/s", "/b/keyboard.txt"));
    EXPECT_EQ(recoveryFilePath("/s", "/a/keyboard.txt"), recoveryFilePath("/s", "/a/keyboard.txt"));
}

} // namespace
