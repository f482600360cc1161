// qelec-ctl: scripts the keyboard from the command line with the program's own core: factory
// profiles, reading and writing whole configurations, checking profile files, press counters.
#include "model/ConfigStore.h"
#include "model/FactoryDefaults.h"
#include "model/KeyboardVariant.h"
#include "model/TransferChecks.h"
#include "model/profile/ProfileFile.h"
#include "tools/ctl/ActuationCommands.h"
#include "tools/ctl/CommandOutput.h"
#include "tools/ctl/ConfigurationSources.h"
#include "tools/ctl/FirmwareCommand.h"
#include "tools/ctl/LightsCommand.h"
#include "tools/ctl/PrintableText.h"
#include "tools/ctl/ReportCommands.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage = R"(usage: qelec-ctl [--state PATH] COMMAND [ARGS]

Scripts a QelEC keyboard through the same core the configuration program uses.

commands:
  defaults FILE [--variant N]  write the factory-default profile of the attached keyboard's
                               variant, or of variant N, to FILE
  read FILE                    read every key definition and light from the keyboard into FILE
  write FILE                   load the profile FILE and write its keys, then its lights, to the
                               keyboard; when a write fails it says which of the two the keyboard
                               took
  check FILE [--variant N]     say whether FILE loads as a profile (for the attached keyboard, for
                               variant N, or for the variant its root element names), and what
                               it skipped or refused
  counters                     print the keyboard's press counters, highest and lowest key
  counters --heatmap FILE.svg  draw the press counters on the keyboard into FILE.svg, an image any
                               browser opens: keys coloured from the fewest presses to the most
  diff A.pro B.pro             say what differs between two profiles: key assignments (program,
                               layer, key, both assignments), library entries added, removed,
                               renamed or changed, and lights; profiles of different variants are
                               compared on what they share
  diff A.pro --keyboard        the same between a profile and what the attached keyboard holds
  lights [KEYS]                print the colour of every key, or of KEYS, as the keyboard holds it
  lights KEYS COLOUR           give KEYS the colour COLOUR and write the lights to the keyboard;
                               COLOUR is '#rrggbb' (quoted: the shell takes # for a comment),
                               rrggbb or r,g,b with each 0-255
  triggers                     print every key's press travel, release travel and rapid-trigger
                               threshold in millimetres
  triggers set KEYS [--press MM] [--release MM] [--threshold MM]
                               give the keys KEYS new values in millimetres: press 0.6 to 2.4,
                               release 0.8 to 2.6 and above the press travel, threshold 0.1 to
                               0.5; nothing is written when a value is refused
  track KEY [--seconds N] [--csv]
                               show how far KEY is pressed, live, as a bar with its press (P)
                               and release (R) points, or as CSV samples (time_ms,key,travel_mm);
                               Ctrl+C ends it
  firmware FILE.bin            update the keyboard's firmware from FILE.bin: its name must begin
                               with the variant's prefix ("QelEC(RGB)_" for QelEC(RGB)) and any
                               version in it ("_V3.00") must be readable and not lower than the
                               keyboard's
  KEYS, KEY                    all, or key numbers 1-85 (7, 07 and 007 are one key), ranges (1-16,
                               Q-P) and key names as the keyboard view shows them (Esc, W, 'Caps
                               Lock', - for the minus key), separated by commas; KEY is one key;
                               lights, triggers set and track read them alike
  FILE, FILE.svg               what qelec-ctl writes is replaced whole, through symbolic links; a
                               FIFO, device or folder in its place, or a file without write
                               permission, is refused with the reason

variants: 1 QelEC(RGB)Ble, 2 QelEC(S)Ble, 3 QelEC(S), 4 QelEC(RGB)
options:
  --state PATH   the virtual keyboard's state file (default: $QELEC_VKBD_STATE, or the user's
                 data folder)
  -h, --help     show this text
exit codes: 0 done, 1 the command failed, 2 the command line is wrong or what it prints could not
            be written ("write error"); diff gives 0 when the two are the same, 1 when they
            differ, 2 when a profile does not load or the keyboard cannot be read
)";

struct CommandLine {
    std::string command;
    std::vector<std::string> arguments;
    std::optional<std::string> statePath;
    std::optional<int> variant;
};

std::optional<int> parseVariant(const std::string& text) {
    if (text.size() != 1 || text[0] < '1' || text[0] > '4')
        return std::nullopt;
    return text[0] - '0';
}

// Returns an error message, or nothing when the command line was understood.
std::optional<std::string> parseCommandLine(int argc, char** argv, CommandLine& line) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--state" || argument == "--variant") {
            if (i + 1 >= argc)
                return argument + " needs a value";
            const std::string value = argv[++i];
            if (argument == "--state") {
                line.statePath = value;
                continue;
            }
            line.variant = parseVariant(value);
            if (!line.variant)
                return "--variant takes 1, 2, 3 or 4, not '" + value + "'";
        } else if (!argument.empty() && argument[0] == '-') {
            return "unknown option '" + argument + "'";
        } else if (line.command.empty()) {
            line.command = argument;
        } else {
            line.arguments.push_back(argument);
        }
    }
    return std::nullopt;
}

std::string variantText(int variant) {
    return std::string(KeyboardVariant::name(variant)) + " (variant " + std::to_string(variant) + ")";
}

// Finds and opens the keyboard; on failure says why and returns false.
bool connect(CConfigStore& store) {
    if (const auto failure = connectKeyboard(store)) {
        printError(*failure);
        return false;
    }
    return true;
}

int runDefaults(const CommandLine& line) {
    auto store = newStore(line.statePath);
    if (line.variant) {
        store->deviceVariant = *line.variant;
        store->buildCatalogue();
        store->resetToDefaults();
    } else if (!connect(*store)) {
        return printError("no keyboard to take the variant from; pass --variant N");
    }
    if (std::string error; !saveProfile(*store, line.arguments[0], &error))
        return printError("could not write '" + line.arguments[0] + "': " + error);
    std::printf("wrote the factory profile of %s to %s\n", variantText(store->deviceVariant).c_str(),
                printable(line.arguments[0]).c_str());
    return 0;
}

int runRead(const CommandLine& line) {
    auto store = newStore(line.statePath);
    if (!connect(*store))
        return kExitFailed;
    if (!store->readKeyDefinitions(nullptr))
        return printError("reading the key definitions failed; nothing was written");
    if (!store->readLights())
        return printError("reading the lights failed; nothing was written");
    if (std::string error; !saveProfile(*store, line.arguments[0], &error))
        return printError("could not write '" + line.arguments[0] + "': " + error);
    std::printf("read the keys and lights of %s into %s\n", variantText(store->deviceVariant).c_str(),
                printable(line.arguments[0]).c_str());
    return 0;
}

void printSkipped(const ProfileLoadReport& report) {
    for (const std::string& entry : report.skipped)
        std::printf("  skipped: %s\n", printable(entry).c_str());
    if (static_cast<int>(report.skipped.size()) >= kMaxSkippedReported)
        std::printf("  (only the first %d are listed)\n", kMaxSkippedReported);
}

std::string loadFailure(const ProfileLoadReport& report, const std::string& path, int variant) {
    switch (report.status) {
    case ProfileLoadReport::Status::Unreadable:
        return "cannot read '" + path + "'" + (report.reason.empty() ? "" : ": " + report.reason);
    case ProfileLoadReport::Status::NotWellFormed:
        return "'" + path + "' is not a well-formed XML document";
    case ProfileLoadReport::Status::WrongVariant:
        return "'" + path + "' is not a profile for " + variantText(variant) +
               (report.rootName.empty() ? "" : " (its root element is '" + report.rootName + "')");
    case ProfileLoadReport::Status::Loaded:
        break;
    }
    return {};
}

int runWrite(const CommandLine& line) {
    auto store = newStore(line.statePath);
    if (!connect(*store))
        return kExitFailed;
    const ProfileLoadReport report = loadProfile(*store, line.arguments[0]);
    if (!report.loaded())
        return printError(loadFailure(report, line.arguments[0], store->deviceVariant) +
                          "; the keyboard is unchanged");
    printSkipped(report);
    // Everything is checked before anything is sent, so that a refusal cannot leave the keyboard half
    // changed.
    if (const std::vector<std::string> unsendable = findUnsendable(*store); !unsendable.empty()) {
        for (const std::string& entry : unsendable)
            printError("cannot send " + entry);
        return printError("'" + line.arguments[0] +
                          "' holds what the keyboard cannot take; the keyboard is unchanged");
    }
    // The keys and the lights are two writes: a failure says which of them the keyboard took.
    if (!store->writeKeyConfiguration(nullptr))
        return printError("the keys were not written: writing them to the keyboard failed; the lights were "
                          "not written either");
    if (!store->writeLights())
        return printError("the keys were written; the lights were not: writing them to the keyboard failed");
    std::printf("wrote the keys and lights of %s to %s\n", printable(line.arguments[0]).c_str(),
                variantText(store->deviceVariant).c_str());
    return 0;
}

// The variant whose root element the profile at path names, if any.
std::optional<int> variantOfProfile(const CommandLine& line, const std::string& path) {
    for (int variant = KeyboardVariant::kRgbBle; variant <= KeyboardVariant::kRgb; ++variant) {
        auto store = newStore(line.statePath);
        store->deviceVariant = variant;
        store->buildCatalogue();
        ProfileLoadReport report = loadProfile(*store, path);
        if (report.status != ProfileLoadReport::Status::WrongVariant)
            return variant;
    }
    return std::nullopt;
}

int runCheck(const CommandLine& line) {
    const std::string& path = line.arguments[0];
    auto store = newStore(line.statePath);
    if (line.variant) {
        store->deviceVariant = *line.variant;
    } else if (int attached = store->device.DetectDeviceType(); attached != 0) {
        store->deviceVariant = attached;
    } else {
        store->deviceVariant = variantOfProfile(line, path).value_or(KeyboardVariant::kRgb);
    }
    store->buildCatalogue();
    store->resetToDefaults();
    const ProfileLoadReport report = loadProfile(*store, path);
    if (!report.loaded())
        return printError(loadFailure(report, path, store->deviceVariant));
    int assigned = 0;
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        for (int table = 0; table < kTables; ++table)
            assigned += store->keyKind[key][table] != kKindNotSet ? 1 : 0;
    }
    std::printf("%s loads as a profile for %s: %d of 765 key assignments set, libraries of %d combos, %d "
                "macros, %d emulations\n",
                printable(path).c_str(), variantText(store->deviceVariant).c_str(), assigned,
                store->predefinedCombos.count(), store->predefinedMacros.count(),
                store->predefinedEmulations.count());
    if (report.skipped.empty())
        std::printf("  nothing skipped\n");
    printSkipped(report);
    return 0;
}

int runCounters(const CommandLine& line) {
    auto store = newStore(line.statePath);
    if (!connect(*store))
        return kExitFailed;
    if (!store->readPressCounters())
        return printError("reading the press counters failed");
    auto keyName = [&store](int slot) {
        return store->codeToName(defaultKeyCode(store->deviceVariant, slot, 0));
    };
    for (int key = kFirstKey; key <= kLastKey; ++key)
        std::printf("%2d %-14s %d\n", key, keyName(key).c_str(), store->pressCounts[key]);
    auto describe = [&](const char* what, int slot) {
        if (slot < 0)
            std::printf("%s: none\n", what);
        else
            std::printf("%s: key %d (%s), %d presses\n", what, slot, keyName(slot).c_str(),
                        store->pressCounts[slot]);
    };
    describe("highest", store->highestKey);
    describe("lowest", store->lowestKey);
    return 0;
}

struct Command {
    const char* name;
    std::size_t arguments;
    int (*run)(const CommandLine&);
};

constexpr Command kCommands[] = {
    {"defaults", 1, runDefaults},
    {"read", 1, runRead},
    {"write", 1, runWrite},
    {"check", 1, runCheck},
    {"counters", 0, runCounters},
    {"firmware", 1, [](const CommandLine& line) { return runFirmware(line.statePath, line.arguments[0]); }},
};

int run(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    if (const auto exitCode = runReportCommand(argc, argv))
        return *exitCode;
    if (const auto exitCode = runLightsCommand(argc, argv))
        return *exitCode;
    if (const auto exitCode = runActuationCommand(argc, argv))
        return *exitCode;
    CommandLine line;
    if (const auto error = parseCommandLine(argc, argv, line))
        return printUsageError(*error);
    if (line.command.empty())
        return printUsageError("no command given");
    for (const Command& command : kCommands) {
        if (line.command != command.name)
            continue;
        if (line.arguments.size() != command.arguments)
            return printUsageError(std::string(command.name) + " takes " +
                                   (command.arguments == 0 ? "no arguments" : "one FILE"));
        if (line.variant && line.command != "defaults" && line.command != "check")
            return printUsageError("--variant goes with defaults and check");
        return command.run(line);
    }
    return printUsageError("unknown command '" + line.command + "'");
}

} // namespace

int main(int argc, char** argv) {
    watchStandardOutput();
    return finishOutput(run(argc, argv));
}
