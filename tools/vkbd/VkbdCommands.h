// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/VirtualKeyboardState.h"
#include "tools/cli/ArgumentParser.h"

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

// Exit codes of the tool.
namespace VkbdExit {
inline constexpr int kOk = 0;
inline constexpr int kFailed = 1; // the keyboard could not be read, changed or held
inline constexpr int kUsage = 2;  // the command line was wrong
} // namespace VkbdExit

// One run of a command.
struct Invocation {
    std::string statePath;
    ParsedArguments arguments;
    std::ostream& out;
    std::ostream& err;
};

// A command of the tool: its usage line, what it does, the words it takes besides its options, and
// how it runs.
struct VkbdCommand {
    static constexpr std::size_t kAnyCount = static_cast<std::size_t>(-1);
    std::string_view name;
    std::string_view synopsis;
    std::string_view summary;
    std::string_view details;
    std::vector<OptionSpec> options;
    std::size_t minWords = 0;
    std::size_t maxWords = 0;
    int (*run)(Invocation& invocation) = nullptr;
};

// Every command, in the order the help lists them.
const std::vector<VkbdCommand>& vkbdCommands();
// "help [COMMAND]": every command's usage, or one command's usage and details.
int runHelp(Invocation& invocation);
// The calls made to fail and the call countdown, as show and fail say them: "version track, call 5
// from now fails"; "" when nothing is set to fail.
std::string failuresText(const VirtualKeyboardState& state);
// The summary of the state for show.
std::string describeState(const VirtualKeyboardState& state, const std::string& path, std::string_view owner);
// Runs the tool on its arguments (without the program name).
int runVkbd(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
