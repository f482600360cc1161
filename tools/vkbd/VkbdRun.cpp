// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/vkbd/VkbdCommands.h"

#include "device/VirtualKeyboardFile.h"
#include "tools/cli/CommandTable.h"
#include "tools/cli/ProgramVersion.h"

#include <algorithm>
#include <ostream>

namespace {
using namespace VkbdExit;

void printUsage(std::ostream& out) {
    out << "usage: qelec-vkbd [--state PATH] COMMAND [ARGUMENTS]\n\n"
           "Creates, shows and drives the virtual keyboard that the QelEC program talks to.\n\n"
           "commands:\n";
    for (const VkbdCommand& command : vkbdCommands()) {
        out << "  " << command.synopsis << "\n";
        out << "      " << command.summary << "\n";
    }
    out << "\nThe state file is --state PATH, else $QELEC_VKBD_STATE, else\n"
           "$XDG_DATA_HOME/qelec/virtual-keyboard.txt, else ~/.local/share/qelec/virtual-keyboard.txt.\n"
           "qelec-vkbd --version prints the version, qelec-vkbd --help this text.\n"
           "Exit codes: 0 done, 1 the keyboard could not be read, changed or held, 2 bad command line.\n";
}

void printCommandUsage(std::ostream& out, const VkbdCommand& command) {
    out << "usage: qelec-vkbd [--state PATH] " << command.synopsis << "\n\n" << command.summary << ".\n";
    if (!command.details.empty())
        out << command.details;
}

int unknownCommand(std::ostream& err, std::string_view name) {
    err << "qelec-vkbd: unknown command '" << name << "'; see qelec-vkbd --help\n";
    return kUsage;
}
} // namespace

int runHelp(Invocation& in) {
    if (in.arguments.positionals.empty()) {
        printUsage(in.out);
        return kOk;
    }
    const VkbdCommand* command = findCommand(vkbdCommands(), in.arguments.positionals[0]);
    if (command == nullptr)
        return unknownCommand(in.err, in.arguments.positionals[0]);
    printCommandUsage(in.out, *command);
    return kOk;
}

int runVkbd(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    std::string statePath;
    std::size_t next = 0;
    for (; next < arguments.size(); ++next) {
        const std::string& word = arguments[next];
        if (word == "--state" && next + 1 < arguments.size()) {
            statePath = arguments[++next];
        } else if (word.rfind("--state=", 0) == 0) {
            statePath = word.substr(8);
        } else if (word == "--state") {
            err << "qelec-vkbd: option '--state' needs a path\n";
            return kUsage;
        } else {
            break;
        }
    }
    if (next == arguments.size()) {
        printUsage(err);
        return kUsage;
    }
    const std::string& name = arguments[next];
    const std::vector<std::string> rest(arguments.begin() + static_cast<std::ptrdiff_t>(next) + 1,
                                        arguments.end());
    if (isVersionWord(name)) {
        out << versionLine("qelec-vkbd");
        return kOk;
    }
    if (isHelpWord(name)) {
        printUsage(out);
        return kOk;
    }
    const VkbdCommand* command = findCommand(vkbdCommands(), name);
    if (command == nullptr)
        return unknownCommand(err, name);
    if (std::any_of(rest.begin(), rest.end(), [](const std::string& word) { return isHelpWord(word); })) {
        printCommandUsage(out, *command);
        return kOk;
    }
    if (statePath.empty())
        statePath = defaultStatePath();
    std::string error;
    auto parsed = parseArguments(rest, command->options, error);
    if (!parsed) {
        err << "qelec-vkbd: " << command->name << ": " << error << "\nusage: qelec-vkbd " << command->synopsis
            << "\n";
        return kUsage;
    }
    const std::size_t words = parsed->positionals.size();
    if (words < command->minWords || words > command->maxWords) {
        err << "qelec-vkbd: " << command->name << ": "
            << (words < command->minWords
                    ? std::string("missing argument")
                    : "unexpected argument '" + parsed->positionals[command->maxWords] + "'")
            << "\nusage: qelec-vkbd " << command->synopsis << "\n";
        return kUsage;
    }
    Invocation invocation{statePath, std::move(*parsed), out, err};
    return command->run(invocation);
}
