// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/CtlCommands.h"

#include "tools/ctl/ActuationCommands.h"
#include "tools/ctl/CountersCommand.h"
#include "tools/ctl/CtlHelp.h"
#include "tools/ctl/DiffCommand.h"
#include "tools/ctl/FirmwareCommand.h"
#include "tools/ctl/LightsCommand.h"
#include "tools/ctl/ProfileCommands.h"

namespace {

int runFirmwareCommand(const CtlInvocation& invocation) {
    return runFirmware(invocation.statePath, invocation.words()[0]);
}

} // namespace

const std::vector<CtlCommand>& ctlCommands() {
    static const std::vector<CtlCommand> commands = {
        {"defaults",
         {{"defaults FILE [--variant N]",
           "write the factory-default profile of the attached keyboard's variant, or of variant N, to FILE"}},
         {"--variant"},
         1,
         1,
         "defaults takes one FILE",
         {},
         runDefaults},
        {"read",
         {{"read FILE", "read every key definition and light from the keyboard into FILE"}},
         {},
         1,
         1,
         "read takes one FILE",
         {},
         runRead},
        {"write",
         {{"write FILE", "load the profile FILE and write its keys, then its lights, to the keyboard; when a "
                         "write fails it says which of the two the keyboard took"}},
         {},
         1,
         1,
         "write takes one FILE",
         {},
         runWrite},
        {"check",
         {{"check FILE [--variant N]", "say whether FILE loads as a profile (for the attached keyboard, for "
                                       "variant N, or for the variant "
                                       "its root element names), and what it skipped or refused"}},
         {"--variant"},
         1,
         1,
         "check takes one FILE",
         {},
         runCheck},
        {"counters",
         {{"counters", "print the keyboard's press counters by key number and name, highest and lowest key"},
          {"counters --heatmap FILE.svg",
           "draw the press counters on the keyboard into FILE.svg, an image any "
           "browser opens: keys coloured from the fewest presses to the most"}},
         {"--heatmap"},
         0,
         0,
         "counters takes no arguments",
         {},
         runCountersCommand},
        {"diff",
         {{"diff A.pro B.pro",
           "say what differs between two profiles: key assignments (program, layer, key, both assignments), "
           "library entries added, removed, renamed or changed, and lights; profiles of different variants "
           "are "
           "compared on what they share"},
          {"diff A.pro --keyboard", "the same between a profile and what the attached keyboard holds"}},
         {"--keyboard"},
         1,
         2,
         "diff takes two profiles, or one with --keyboard",
         "0 when the two are the same, 1 when they differ, 2 when a profile does not load, the keyboard "
         "cannot be read or the command line is wrong",
         runDiffCommand},
        {"lights",
         {{"lights [KEYS]", "print the colour of every key, or of KEYS, as the keyboard holds it"},
          {"lights KEYS COLOUR",
           "give KEYS the colour COLOUR and write the lights to the keyboard; COLOUR is "
           "'#rrggbb' (quoted: the shell takes # for a comment), rrggbb or r,g,b with "
           "each 0-255"}},
         {},
         0,
         2,
         "lights takes at most KEYS and a COLOUR",
         {},
         runLightsCommand},
        {"triggers",
         {{"triggers",
           "print every key's press travel, release travel and rapid-trigger threshold in millimetres"}},
         {},
         0,
         0,
         "triggers takes no arguments, or 'set KEYS' with values",
         {},
         runTriggersCommand},
        {"triggers set",
         {{"triggers set KEYS [--press MM] [--release MM] [--threshold MM]",
           "give the keys KEYS new values in millimetres: press 0.6 to 2.4, release 0.8 to 2.6 and above the "
           "press travel, threshold 0.1 to 0.5; nothing is written when a value is refused"}},
         {"--press", "--release", "--threshold"},
         1,
         1,
         "triggers set takes one KEYS argument: all, a key 1..85, or a list such as 1-16,30",
         {},
         runTriggersSetCommand},
        {"track",
         {{"track KEY [--seconds N] [--csv]",
           "show how far KEY is pressed, live, as a bar with its press (P) and release (R) points, or as CSV "
           "samples (time_ms,key,travel_mm); Ctrl+C ends it"}},
         {"--seconds", "--csv"},
         1,
         1,
         "track takes one KEY, 1..85",
         {},
         runTrackCommand},
        {"firmware",
         {{"firmware FILE.bin",
           "update the keyboard's firmware from FILE.bin: its name must begin with the variant's prefix "
           "(\"QelEC(RGB)_\" for QelEC(RGB)) and any version in it (\"_V3.00\") must be readable and not "
           "lower than the keyboard's"}},
         {},
         1,
         1,
         "firmware takes one FILE",
         {},
         runFirmwareCommand},
        {"help",
         {{"help [COMMAND]",
           "print this text, or the help of COMMAND alone (also: qelec-ctl COMMAND --help)"}},
         {},
         0,
         2,
         "help takes one COMMAND",
         {},
         runHelpCommand},
    };
    return commands;
}

std::string_view headWord(std::string_view name) {
    return name.substr(0, name.find(' '));
}

std::string shownName(std::string_view name) {
    return name.find(' ') == std::string_view::npos ? std::string(name) : "'" + std::string(name) + "'";
}

std::vector<const CtlCommand*> commandsNamed(const std::vector<std::string>& words) {
    std::string name;
    for (const std::string& word : words)
        name += (name.empty() ? "" : " ") + word;
    std::vector<const CtlCommand*> named;
    for (const CtlCommand& command : ctlCommands()) {
        if (command.name == name || (words.size() == 1 && headWord(command.name) == name))
            named.push_back(&command);
    }
    return named;
}

CalledCommand calledCommand(const std::vector<std::string>& words) {
    if (words.size() >= 2) {
        if (const CtlCommand* command = findCommand(ctlCommands(), words[0] + " " + words[1]))
            return {command, 2};
    }
    if (!words.empty()) {
        if (const CtlCommand* command = findCommand(ctlCommands(), words[0]))
            return {command, 1};
    }
    return {};
}
