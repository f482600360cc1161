#include "VkbdCommands.h"

#include "device/VirtualKeyboardFile.h"

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
    out << "  help [COMMAND]\n"
           "      print this, or more about one command (also: COMMAND --help)\n\n"
           "The state file is --state PATH, else $QELEC_VKBD_STATE, else\n"
           "$XDG_DATA_HOME/qelec/virtual-keyboard.txt, else ~/.local/share/qelec/virtual-keyboard.txt.\n"
           "Exit codes: 0 done, 1 the keyboard could not be read, changed or held, 2 bad command line.\n";
}

void printCommandUsage(std::ostream& out, const VkbdCommand& command) {
    out << "usage: qelec-vkbd [--state PATH] " << command.synopsis << "\n\n" << command.summary << ".\n";
    if (!command.details.empty())
        out << command.details;
}

const VkbdCommand* findCommand(std::string_view name) {
    const auto& commands = vkbdCommands();
    const auto it = std::find_if(commands.begin(), commands.end(),
                                 [&](const VkbdCommand& command) { return command.name == name; });
    return it == commands.end() ? nullptr : &*it;
}

int unknownCommand(std::ostream& err, std::string_view name) {
    err << "qelec-vkbd: unknown command '" << name << "'; see qelec-vkbd --help\n";
    return kUsage;
}

int runHelp(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    if (words.empty()) {
        printUsage(out);
        return kOk;
    }
    const VkbdCommand* command = findCommand(words[0]);
    if (command == nullptr)
        return unknownCommand(err, words[0]);
    printCommandUsage(out, *command);
    return kOk;
}

bool isHelpWord(std::string_view word) {
    return word == "--help" || word == "-h";
}
} // namespace

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
    if (isHelpWord(name) || name == "help")
        return runHelp(isHelpWord(name) ? std::vector<std::string>{} : rest, out, err);
    const VkbdCommand* command = findCommand(name);
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
