// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

// What the command tables of qelec-ctl and qelec-vkbd share: each tool keeps one table of its commands
// (their usage, summary, options and runner) and reads its command line, checks it and writes its help
// from that table alone.

// "--help" or "-h": the word that asks for help, anywhere on a command line.
bool isHelpWord(std::string_view word);
// "--version".
bool isVersionWord(std::string_view word);

// Items joined as a sentence joins them: "a", "a and b", "a, b and c".
std::string joinedAsList(const std::vector<std::string>& items);

// The command of the table with this name, or null.
template <typename Command>
const Command* findCommand(const std::vector<Command>& commands, std::string_view name) {
    const auto it = std::find_if(commands.begin(), commands.end(),
                                 [&](const Command& command) { return command.name == name; });
    return it == commands.end() ? nullptr : &*it;
}
