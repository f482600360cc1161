// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/CtlHelp.h"

#include "model/KeyboardVariant.h"
#include "tools/cli/KeyNameList.h"
#include "tools/cli/WordWrap.h"
#include "tools/ctl/CommandOutput.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr std::size_t kWidth = 100;
constexpr std::size_t kSummaryColumn = 31;
constexpr std::size_t kOptionColumn = 17;
constexpr std::size_t kExitCodesColumn = 12;
constexpr std::string_view kUsagePrefix = "qelec-ctl [--state PATH] ";

// A word that several commands take, said once for all of them.
struct SharedWord {
    std::string_view term;
    std::string_view text;
    std::vector<std::string_view> commands;
    // Whether the key names follow it.
    bool namesKeys = false;
};

const std::vector<SharedWord>& sharedWords() {
    static const std::vector<SharedWord> words = {
        {"KEYS, KEY",
         "all, or key numbers 1-85 (7, 07 and 007 are one key), ranges (1-16, Q-P) and key names as the "
         "keyboard view shows them (Esc, W, 'Caps Lock', - for the minus key; listed under key names), "
         "separated by commas; KEY is one key;",
         {"lights", "triggers set", "track"},
         true},
        {"FILE, FILE.svg",
         "what qelec-ctl writes is replaced whole, through symbolic links; a FIFO, device or folder in its "
         "place, or a file without write permission, is refused with the reason",
         {"defaults", "read", "counters"},
         false},
    };
    return words;
}

// left at indent, then text from column on, wrapped; left on a line of its own when fewer than gap
// spaces would part it from the text.
std::string row(std::size_t indent, std::string_view left, std::size_t column, std::string_view text,
                std::size_t gap = 2) {
    std::string lines = wrapped(text, column, column, kWidth);
    const std::string start = std::string(indent, ' ') + std::string(left);
    if (start.size() + gap > column)
        return start + "\n" + lines;
    return start + lines.substr(start.size());
}

// "lights, triggers set and track read them alike": the commands that take a shared word.
std::string sharedWordText(const SharedWord& word) {
    if (!word.namesKeys)
        return std::string(word.text);
    std::vector<std::string> names(word.commands.begin(), word.commands.end());
    return std::string(word.text) + " " + joinedAsList(names) + " read them alike";
}

bool takes(const SharedWord& word, const CtlCommand& command) {
    return std::find(word.commands.begin(), word.commands.end(), command.name) != word.commands.end();
}

bool takesOption(const CtlCommand& command, std::string_view option) {
    return std::find(command.options.begin(), command.options.end(), option) != command.options.end();
}

std::string formRows(const CtlCommand& command) {
    std::string rows;
    for (const CommandForm& form : command.forms)
        rows += row(2, form.synopsis, kSummaryColumn, form.summary);
    return rows;
}

std::string sharedWordRow(const SharedWord& word) {
    return row(2, word.term, kSummaryColumn, sharedWordText(word));
}

std::string variantsLine() {
    std::string line = "variants:";
    for (int variant = KeyboardVariant::kRgbBle; variant <= KeyboardVariant::kRgb; ++variant)
        line += (variant == KeyboardVariant::kRgbBle ? " " : ", ") + std::to_string(variant) + " " +
                std::string(KeyboardVariant::name(variant));
    return line + "\n";
}

std::string exitCodes(std::string_view codes) {
    return row(0, "exit codes:", kExitCodesColumn, codes, 1);
}

constexpr std::string_view kCommonExitCodes =
    "0 done, 1 the command failed, 2 the command line is wrong or what it prints could not be written "
    "(\"write error\")";

} // namespace

std::string fullHelp() {
    std::string text = "usage: " + std::string(kUsagePrefix) +
                       "COMMAND [ARGS]\n\n"
                       "Scripts a QelEC keyboard through the same core the configuration program uses.\n\n"
                       "commands:\n";
    for (const CtlCommand& command : ctlCommands())
        text += formRows(command);
    for (const SharedWord& word : sharedWords())
        text += sharedWordRow(word);
    text += "\n" + keyNameListText(kWidth) + "\n" + variantsLine();
    text += "options:\n";
    text += row(2, "--state PATH", kOptionColumn,
                "the virtual keyboard's state file (default: $QELEC_VKBD_STATE, or the user's data folder)");
    text += row(2, "-h, --help", kOptionColumn,
                "show this text; after a COMMAND (or as help COMMAND), that command's help");
    text += row(2, "--version", kOptionColumn, "print the version");
    std::string codes(kCommonExitCodes);
    for (const CtlCommand& command : ctlCommands()) {
        if (!command.exitCodes.empty())
            codes += "; " + std::string(command.name) + " gives " + std::string(command.exitCodes);
    }
    return text + exitCodes(codes);
}

std::string commandHelp(const std::vector<const CtlCommand*>& commands) {
    std::string usages;
    std::string rows;
    bool takesVariant = false;
    for (const CtlCommand* command : commands) {
        for (const CommandForm& form : command->forms)
            usages += (usages.empty() ? "usage: " : "       ") + std::string(kUsagePrefix) +
                      std::string(form.synopsis) + "\n";
        rows += formRows(*command);
        takesVariant = takesVariant || takesOption(*command, "--variant");
    }
    bool namesKeys = false;
    for (const SharedWord& word : sharedWords()) {
        if (std::any_of(commands.begin(), commands.end(),
                        [&](const CtlCommand* command) { return takes(word, *command); })) {
            rows += sharedWordRow(word);
            namesKeys = namesKeys || word.namesKeys;
        }
    }
    std::string text = usages + "\n" + rows;
    if (namesKeys)
        text += "\n" + keyNameListText(kWidth);
    text += "\n";
    if (takesVariant)
        text += variantsLine();
    const auto special = std::find_if(commands.begin(), commands.end(),
                                      [](const CtlCommand* command) { return !command->exitCodes.empty(); });
    return text + exitCodes(special == commands.end() ? kCommonExitCodes : (*special)->exitCodes);
}

int runHelpCommand(const CtlInvocation& invocation) {
    if (invocation.words().empty()) {
        std::fputs(fullHelp().c_str(), stdout);
        return 0;
    }
    const std::vector<const CtlCommand*> commands = commandsNamed(invocation.words());
    if (commands.empty()) {
        std::string name;
        for (const std::string& word : invocation.words())
            name += (name.empty() ? "" : " ") + word;
        return printUsageError("unknown command '" + name + "'");
    }
    std::fputs(commandHelp(commands).c_str(), stdout);
    return 0;
}
