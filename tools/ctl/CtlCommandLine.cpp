// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/CtlCommandLine.h"

#include "tools/cli/ProgramVersion.h"
#include "tools/ctl/CommandOutput.h"
#include "tools/ctl/CtlCommands.h"
#include "tools/ctl/CtlHelp.h"
#include "tools/ctl/CtlOptions.h"

#include <algorithm>
#include <cstdio>

namespace {

// The words that are neither options nor their values: the command's name and its words, read as
// far as the option table allows when the command line is not otherwise checked.
std::vector<std::string> plainWords(const std::vector<std::string>& arguments) {
    std::vector<std::string> words;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (isHelpWord(word) || isVersionWord(word))
            continue;
        if (!isOptionWord(word)) {
            words.push_back(word);
            continue;
        }
        const CtlOption* option = findCtlOption(word);
        if (option != nullptr && !option->value.empty())
            ++i;
    }
    return words;
}

int printHelp(const std::vector<std::string>& arguments) {
    const std::vector<std::string> words = plainWords(arguments);
    if (words.empty()) {
        std::fputs(fullHelp().c_str(), stdout);
        return 0;
    }
    const CalledCommand called = calledCommand(words);
    if (called.command == nullptr)
        return printUsageError("unknown command '" + words[0] + "'");
    // "help lights --help" asks about lights, as "help lights" does.
    if (called.command->name == "help" && words.size() > called.nameWords) {
        CtlInvocation helpOn;
        helpOn.arguments.positionals.assign(words.begin() + 1, words.end());
        return runHelpCommand(helpOn);
    }
    const std::vector<std::string> name = {std::string(called.command->name)};
    std::fputs(commandHelp(commandsNamed(name)).c_str(), stdout);
    return 0;
}

std::vector<std::string> givenOptions(const ParsedArguments& arguments) {
    std::vector<std::string> options(arguments.flags.begin(), arguments.flags.end());
    for (const auto& [option, value] : arguments.values)
        options.push_back(option);
    return options;
}

// "--heatmap does not go with diff: --heatmap goes with counters".
std::string misplacedOption(const std::string& option, const CtlCommand& command) {
    std::vector<std::string> owners;
    for (const CtlCommand& other : ctlCommands()) {
        if (std::find(other.options.begin(), other.options.end(), option) != other.options.end())
            owners.push_back(shownName(other.name));
    }
    return option + " does not go with " + shownName(command.name) + ": " + option + " goes with " +
           joinedAsList(owners);
}

// Why the options given do not go with the command or a value does not read, if so.
std::optional<std::string> optionProblem(const CtlCommand& command, const ParsedArguments& arguments) {
    for (const std::string& option : givenOptions(arguments)) {
        const bool taken = option == "--state" || std::find(command.options.begin(), command.options.end(),
                                                            option) != command.options.end();
        if (!taken)
            return misplacedOption(option, command);
    }
    for (const auto& [name, value] : arguments.values) {
        const CtlOption* option = findCtlOption(name);
        if (option != nullptr && option->refusal != nullptr) {
            if (auto refusal = option->refusal(name, value))
                return refusal;
        }
    }
    return std::nullopt;
}

int runCommand(const std::vector<std::string>& arguments) {
    std::string error;
    std::optional<ParsedArguments> parsed = parseArguments(arguments, ctlOptionSpecs(), error);
    if (!parsed)
        return printUsageError(error);
    std::vector<std::string>& words = parsed->positionals;
    if (words.empty())
        return printUsageError("no command given");
    const CalledCommand called = calledCommand(words);
    if (called.command == nullptr)
        return printUsageError("unknown command '" + words[0] + "'");
    const CtlCommand& command = *called.command;
    words.erase(words.begin(), words.begin() + static_cast<std::ptrdiff_t>(called.nameWords));
    if (const auto problem = optionProblem(command, *parsed))
        return printUsageError(*problem);
    if (words.size() < command.minWords || words.size() > command.maxWords)
        return printUsageError(command.wordsRule);
    CtlInvocation invocation{std::nullopt, std::move(*parsed)};
    invocation.statePath = invocation.option("--state");
    return command.run(invocation);
}

} // namespace

int runCtl(const std::vector<std::string>& arguments) {
    const auto asked = std::find_if(arguments.begin(), arguments.end(), [](const std::string& word) {
        return isHelpWord(word) || isVersionWord(word);
    });
    if (asked != arguments.end() && isVersionWord(*asked)) {
        std::fputs(versionLine("qelec-ctl").c_str(), stdout);
        return 0;
    }
    if (asked != arguments.end())
        return printHelp(arguments);
    return runCommand(arguments);
}
