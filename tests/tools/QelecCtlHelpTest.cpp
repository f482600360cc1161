// SPDX-License-Identifier: GPL-3.0-or-later
// qelec-ctl's command table, and its help and --version as a user asks for them.
#include "DeviceTestSupport.h"
#include "tools/ctl/CtlCommands.h"
#include "tools/ctl/CtlHelp.h"
#include "tools/ctl/CtlOptions.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Whether the help lists the usage as a row: the usage, then its summary beside it or below.
bool showsForm(const std::string& help, std::string_view synopsis) {
    const std::string row = "\n  " + std::string(synopsis);
    return holds(help, row + "  ") || holds(help, row + "\n");
}

ToolRun ctl(const std::vector<std::string>& arguments) {
    return runProgram(QELEC_CTL_PATH, arguments);
}

} // namespace

// What the help and the reader take from the table must be there: a command's usages begin with its
// name and name only options the option table knows; every option is some command's.
TEST(CtlCommands, EveryCommandAndOptionIsDescribedOnce) {
    for (const CtlCommand& command : ctlCommands()) {
        EXPECT_FALSE(command.forms.empty()) << command.name;
        EXPECT_NE(command.run, nullptr) << command.name;
        EXPECT_LE(command.minWords, command.maxWords) << command.name;
        EXPECT_FALSE(command.wordsRule.empty()) << command.name;
        for (const CommandForm& form : command.forms)
            EXPECT_EQ(form.synopsis.substr(0, command.name.size()), command.name) << form.synopsis;
        for (std::string_view option : command.options) {
            EXPECT_NE(findCtlOption(option), nullptr) << command.name << " " << option;
            const bool shown =
                std::any_of(command.forms.begin(), command.forms.end(), [&](const CommandForm& form) {
                    return holds(std::string(form.synopsis), std::string(option));
                });
            EXPECT_TRUE(shown) << command.name << " takes " << option << " but its usage does not say so";
        }
        EXPECT_NE(calledCommand({std::string(headWord(command.name)), "x"}).command, nullptr) << command.name;
    }
    for (const CtlOption& option : ctlOptions()) {
        const bool taken =
            option.name == "--state" ||
            std::any_of(ctlCommands().begin(), ctlCommands().end(), [&](const CtlCommand& command) {
                return std::find(command.options.begin(), command.options.end(), option.name) !=
                       command.options.end();
            });
        EXPECT_TRUE(taken) << option.name << " goes with no command";
    }
}

// help, --help and -h print the whole help; help CMD, CMD --help and CMD -h print that command's alone,
// wherever the word stands, and nothing but its usages.
TEST(QelecCtlHelp, EveryCommandHasItsOwnHelpAskedForAnyWay) {
    const ToolRun whole = ctl({"--help"});
    ASSERT_EQ(whole.exitCode, 0);
    EXPECT_EQ(ctl({"help"}).out, whole.out);
    EXPECT_EQ(ctl({"-h"}).out, whole.out);
    EXPECT_EQ(ctl({"--state", "x.txt", "--help"}).out, whole.out);
    for (const CtlCommand& command : ctlCommands()) {
        std::vector<std::string> name;
        for (std::size_t start = 0; start != std::string_view::npos;) {
            const std::size_t space = command.name.find(' ', start);
            name.emplace_back(
                command.name.substr(start, space == std::string_view::npos ? space : space - start));
            start = space == std::string_view::npos ? space : space + 1;
        }
        std::vector<std::string> asHelp = {"help"};
        asHelp.insert(asHelp.end(), name.begin(), name.end());
        std::vector<std::string> withOption = name;
        withOption.push_back("--help");
        std::vector<std::string> optionFirst = {"-h", "--state", "x.txt"};
        optionFirst.insert(optionFirst.end(), name.begin(), name.end());
        const ToolRun own = ctl(asHelp);
        EXPECT_EQ(own.exitCode, 0) << command.name << ": " << own.err;
        EXPECT_EQ(ctl(withOption).out, own.out) << command.name;
        EXPECT_EQ(ctl(optionFirst).out, own.out) << command.name;
        asHelp.push_back("--help");
        EXPECT_EQ(ctl(asHelp).out, own.out) << command.name;
        EXPECT_NE(own.out, whole.out) << command.name;
        for (const CommandForm& form : command.forms) {
            EXPECT_TRUE(holds(own.out, "qelec-ctl [--state PATH] " + std::string(form.synopsis) + "\n"))
                << own.out;
            EXPECT_TRUE(showsForm(own.out, form.synopsis)) << own.out;
            EXPECT_TRUE(showsForm(whole.out, form.synopsis)) << form.synopsis;
        }
        for (const CtlCommand& other : ctlCommands()) {
            const bool related = headWord(other.name) == command.name || other.name == command.name;
            if (related)
                continue;
            EXPECT_FALSE(showsForm(own.out, other.forms.front().synopsis))
                << command.name << " shows " << other.name;
        }
    }
    EXPECT_TRUE(holds(ctl({"help", "triggers"}).out, "triggers set KEYS"))
        << "help of a first word shows all";
    EXPECT_FALSE(holds(ctl({"triggers", "set", "--help"}).out, "usage: qelec-ctl [--state PATH] triggers\n"));
}

TEST(QelecCtlHelp, TheHelpOfACommandTellsWhatItsWordsMean) {
    const struct {
        std::vector<std::string> command;
        const char* shown;
    } cases[] = {
        {{"lights"}, "KEYS, KEY"},
        {{"lights"}, "key names (the keyboard view's legends"},
        {{"lights"}, "  81 RFn"},
        {{"track"}, "  14 PrtSc"},
        {{"triggers", "set"}, "  78 Space"},
        {{"defaults"}, "variants: 1 QelEC(RGB)Ble, 2 QelEC(S)Ble, 3 QelEC(S), 4 QelEC(RGB)\n"},
        {{"counters"}, "FILE, FILE.svg"},
        {{"diff"}, "exit codes: 0 when the two are the same, 1 when they differ"},
        {{"read"}, "exit codes: 0 done, 1 the command failed"},
    };
    for (const auto& [command, shown] : cases) {
        std::vector<std::string> words = {"help"};
        words.insert(words.end(), command.begin(), command.end());
        EXPECT_TRUE(holds(ctl(words).out, shown)) << command[0] << " lacks " << shown;
    }
    EXPECT_FALSE(holds(ctl({"help", "read"}).out, "key names")) << "read takes no keys";
}

TEST(QelecCtlHelp, AskingForHelpOnWhatIsNoCommandIsAUsageError) {
    for (const std::vector<std::string>& words :
         std::vector<std::vector<std::string>>{{"help", "frobnicate"},
                                               {"frobnicate", "--help"},
                                               {"help", "lights", "extra"},
                                               {"help", "set"}}) {
        const ToolRun run = ctl(words);
        EXPECT_EQ(run.exitCode, 2) << words[1];
        EXPECT_TRUE(holds(run.err, "qelec-ctl: unknown command '")) << run.err;
        EXPECT_TRUE(holds(run.err, "Try 'qelec-ctl --help'.")) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

// An option of another command is refused naming the commands it goes with, as the table has them.
TEST(QelecCtlCommandLine, AnOptionOfAnotherCommandSaysWhereItGoes) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"read", "x.pro", "--variant", "3"},
         "--variant does not go with read: --variant goes with defaults and check"},
        {{"lights", "--csv"}, "--csv does not go with lights: --csv goes with track"},
        {{"triggers", "--threshold", "0.2"},
         "--threshold does not go with triggers: --threshold goes with 'triggers set'"},
        {{"diff", "a.pro", "--heatmap", "h.svg"},
         "--heatmap does not go with diff: --heatmap goes with counters"},
        {{"help", "--keyboard"}, "--keyboard does not go with help: --keyboard goes with diff"},
        {{"check", "x.pro", "--variant", "04x"}, "--variant takes 1, 2, 3 or 4, not '04x'"},
        {{"track", "34", "--seconds=1.5"}, "--seconds takes a whole number of seconds from 1, not '1.5'"},
        {{"--colour", "red", "lights"}, "unknown option '--colour'"},
        {{"--state"}, "--state needs a value"},
        {{}, "no command given"},
    };
    for (const auto& [words, message] : cases) {
        const ToolRun run = ctl(words);
        EXPECT_EQ(run.exitCode, 2) << message;
        EXPECT_EQ(run.err, "qelec-ctl: " + std::string(message) + "\nTry 'qelec-ctl --help'.\n");
        EXPECT_EQ(run.out, "");
    }
}
