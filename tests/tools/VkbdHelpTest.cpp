// SPDX-License-Identifier: GPL-3.0-or-later
// qelec-vkbd's help as a user asks for it, and the keys it presses by name.
#include "DeviceTestSupport.h"
#include "model/FactoryKeyboard.h"

#include <gtest/gtest.h>

namespace {

const char* const kCommands[] = {"create", "show",  "plug", "unplug",        "mac",  "fail", "transfer-time",
                                 "travel", "press", "hold", "make-firmware", "path", "help"};

} // namespace

// help CMD and CMD --help give the same text, help's own included; help alone and --help the whole.
TEST(VkbdHelp, EveryCommandHelpIsTheSameAskedEitherWay) {
    const ToolRun whole = runTool({"--help"});
    ASSERT_EQ(whole.exitCode, 0);
    EXPECT_EQ(runTool({"help"}).out, whole.out);
    for (const char* command : kCommands) {
        const ToolRun own = runTool({"help", command});
        EXPECT_EQ(own.exitCode, 0) << command << ": " << own.err;
        EXPECT_EQ(own.out.rfind(std::string("usage: qelec-vkbd [--state PATH] ") + command, 0), 0U)
            << own.out;
        EXPECT_EQ(runTool({command, "--help"}).out, own.out) << command;
        EXPECT_NE(whole.out.find(std::string("\n  ") + command), std::string::npos) << command;
    }
    for (const char* option : {"--call N", "--cut N", "--clear"})
        EXPECT_NE(runTool({"help", "fail"}).out.find(option), std::string::npos) << option;
    const ToolRun unknown = runTool({"help", "dance"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.err, "qelec-vkbd: unknown command 'dance'; see qelec-vkbd --help\n");
}

// press takes a key as qelec-ctl does: by number or by the keyboard view's name, one key only.
TEST(VkbdHelp, PressTakesAKeyByItsNumberOrName) {
    TempDir dir;
    const std::string state = dir.file("kb.txt");
    writeState(state, factoryKeyboard(4));
    const std::pair<const char*, int> pressed[] = {
        {"W", 34}, {"caps lock", 47}, {"-", 28}, {"034", 34}, {"RFn", 81}};
    for (const auto& [key, number] : pressed) {
        const ToolRun run = runTool({"--state", state, "press", key});
        EXPECT_EQ(run.exitCode, 0) << key << ": " << run.err;
        EXPECT_EQ(run.out.rfind("pressed key " + std::to_string(number) + " 1 time", 0), 0U) << run.out;
    }
    EXPECT_EQ(readState(state).count(34), 2);
    const std::pair<const char*, const char*> refused[] = {
        {"Shift", "'Shift' names keys 61 and 72; give the number of one"},
        {"1-2", "press takes one KEY, not keys 1-2"},
        {"86", "there is no key 86"},
        {"all", "press takes one KEY, not all keys"},
    };
    for (const auto& [key, reason] : refused) {
        const ToolRun run = runTool({"--state", state, "press", key});
        EXPECT_EQ(run.exitCode, 2) << key;
        EXPECT_NE(run.err.find(reason), std::string::npos) << run.err;
    }
}
