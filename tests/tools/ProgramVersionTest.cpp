// SPDX-License-Identifier: GPL-3.0-or-later
// One version everywhere: what qelec-ctl and qelec-vkbd print for --version is the project's version,
// and the Debian changelog's newest entry and the AppStream metainfo's release carry the same.
#include "tools/cli/ProgramVersion.h"
#include "DeviceTestSupport.h"
#include "QelecVersion.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

// The first match of pattern's group 1 in the file, or "" when none.
std::string firstMatch(const std::string& path, const std::string& pattern) {
    std::smatch match;
    const std::string text = readFile(path);
    return std::regex_search(text, match, std::regex(pattern)) ? match[1].str() : "";
}

} // namespace

TEST(ProgramVersion, TheToolsTheChangelogAndTheMetainfoGiveOneVersion) {
    const std::string version = kQelecVersion;
    ASSERT_TRUE(std::regex_match(version, std::regex(R"(\d+\.\d+\.\d+)"))) << version;
    EXPECT_EQ(versionLine("qelec-ctl"), "qelec-ctl " + version + "\n");
    const std::pair<std::string, std::string> tools[] = {{QELEC_CTL_PATH, "qelec-ctl"},
                                                         {QELEC_VKBD_PATH, "qelec-vkbd"}};
    for (const auto& [path, name] : tools) {
        for (const std::vector<std::string>& words :
             std::vector<std::vector<std::string>>{{"--version"}, {"--state", "x.txt", "--version"}}) {
            const ToolRun run = runProgram(path, words);
            EXPECT_EQ(run.exitCode, 0) << name;
            EXPECT_EQ(run.out, name + " " + version + "\n") << name;
            EXPECT_EQ(run.err, "") << name;
        }
    }
    const std::string dist = std::string(QELEC_SOURCE_DIR) + "/dist/";
    EXPECT_EQ(firstMatch(dist + "debian/changelog", R"(^qelec \(([^)]*)\))"), version);
    EXPECT_EQ(firstMatch(dist + "org.qelec.Qelec.metainfo.xml", R"(<release version="([^"]*)\")"), version);
}

// qelec-vkbd's own words keep their meaning: --version after a command is that command's option.
TEST(ProgramVersion, IsAskedForBeforeAnyCommand) {
    TempDir dir;
    const ToolRun created = runProgram(
        QELEC_VKBD_PATH, {"--state", dir.file("kb.txt"), "create", "--variant", "4", "--version", "X;V1.00"});
    EXPECT_EQ(created.exitCode, 0) << created.err;
    EXPECT_EQ(readState(dir.file("kb.txt")).version, "X;V1.00");
}
