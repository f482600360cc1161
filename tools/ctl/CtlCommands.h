// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/cli/CommandTable.h"
#include "tools/ctl/CtlInvocation.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// One way to call a command: its words ("lights KEYS COLOUR") and what it does called so.
struct CommandForm {
    std::string_view synopsis;
    std::string_view summary;
};

// The commands of qelec-ctl: one table from which its command line is read and checked and its help
// written. A command's name may be two words ("triggers set"): the word after the first then picks
// it over the one-word command of the same first word.
struct CtlCommand {
    std::string_view name;
    // Its usages with what each does, in the order the help lists them.
    std::vector<CommandForm> forms;
    // The options it takes besides --state, which every command takes.
    std::vector<std::string_view> options;
    // The words it takes after its name, and what is said when there are fewer or more.
    std::size_t minWords = 0;
    std::size_t maxWords = 0;
    std::string_view wordsRule;
    // Its exit codes when they are not every command's (0 done, 1 failed, 2 wrong command line).
    std::string_view exitCodes;
    int (*run)(const CtlInvocation& invocation) = nullptr;
};

// Every command, in the order the help lists them.
const std::vector<CtlCommand>& ctlCommands();

// The first word of a command's name ("triggers" of "triggers set").
std::string_view headWord(std::string_view name);
// The name as messages show it: "lights", or quoted when it is two words ("'triggers set'").
std::string shownName(std::string_view name);
// The commands whose name is the words given, joined by spaces; for one word, every command whose
// name begins with it ("triggers": "triggers" and "triggers set"). Empty when none is.
std::vector<const CtlCommand*> commandsNamed(const std::vector<std::string>& words);

// The command a command line's words call, and how many of them its name took (1 or 2); a null
// command when the first word names none.
struct CalledCommand {
    const CtlCommand* command = nullptr;
    std::size_t nameWords = 0;
};
CalledCommand calledCommand(const std::vector<std::string>& words);
