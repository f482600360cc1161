#include "tools/ctl/ActuationCommands.h"

#include "model/KeyboardVariant.h"
#include "tools/ctl/CommandOutput.h"
#include "tools/ctl/KeySelection.h"
#include "tools/ctl/Millimetres.h"
#include "tools/ctl/TrackCommand.h"
#include "tools/ctl/TriggersCommand.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <string>
#include <vector>

namespace {

struct ActuationCommandLine {
    std::string command;
    std::vector<std::string> arguments;
    std::map<std::string, std::string> values; // --state, --press, --release, --threshold, --seconds
    bool csv = false;
    std::optional<std::string> error; // the first thing not understood
};

bool takesValue(const std::string& option) {
    return option == "--state" || option == "--press" || option == "--release" || option == "--threshold" ||
           option == "--seconds";
}

ActuationCommandLine parse(int argc, char** argv) {
    ActuationCommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (takesValue(argument)) {
            if (i + 1 >= argc) {
                if (!line.error)
                    line.error = argument + " needs a value";
                continue;
            }
            line.values[argument] = argv[++i];
        } else if (argument == "--csv") {
            line.csv = true;
        } else if (isOptionWord(argument)) {
            if (!line.error)
                line.error = "unknown option '" + argument + "'";
        } else if (line.command.empty()) {
            line.command = argument;
        } else {
            line.arguments.push_back(argument);
        }
    }
    return line;
}

std::optional<std::string> statePathOf(const ActuationCommandLine& line) {
    const auto found = line.values.find("--state");
    return found == line.values.end() ? std::nullopt : std::optional<std::string>(found->second);
}

// The options of line other than --state that the command does not take, if any.
std::optional<std::string> unexpectedOption(const ActuationCommandLine& line,
                                            const std::vector<std::string>& accepted, bool acceptsCsv) {
    for (const auto& [option, value] : line.values) {
        if (option != "--state" && std::find(accepted.begin(), accepted.end(), option) == accepted.end())
            return option;
    }
    if (line.csv && !acceptsCsv)
        return std::string("--csv");
    return std::nullopt;
}

// A length option in millimetres as tenths; false (with the usage error given) when it is malformed.
bool lengthOption(const ActuationCommandLine& line, const std::string& option, std::optional<int>& tenths,
                  int& exitCode) {
    const auto found = line.values.find(option);
    if (found == line.values.end())
        return true;
    tenths = parseTenthsOfMillimetre(found->second);
    if (!tenths) {
        exitCode = printUsageError(
            option + " takes millimetres with at most one decimal, such as 1.2, not '" + found->second + "'");
        return false;
    }
    return true;
}

int runTriggersCommand(const ActuationCommandLine& line) {
    if (line.arguments.empty()) {
        if (const auto option = unexpectedOption(line, {}, false))
            return printUsageError(*option + " goes with 'triggers set'");
        return runTriggersShow(statePathOf(line));
    }
    if (line.arguments[0] != "set")
        return printUsageError("triggers takes no arguments, or 'set KEYS' with values");
    if (line.arguments.size() != 2)
        return printUsageError(
            "triggers set takes one KEYS argument: all, a key 1..85, or a list such as 1-16,30");
    if (const auto option = unexpectedOption(line, {"--press", "--release", "--threshold"}, false))
        return printUsageError(*option + " does not go with 'triggers set'");
    const KeySelection keys = parseKeySelection(line.arguments[1], KeyboardVariant::kRgb);
    if (!keys.ok())
        return printUsageError(keys.error + "; nothing was written");
    TriggerChange change;
    change.keys = keys.keys;
    std::optional<int> threshold;
    int exitCode = 0;
    if (!lengthOption(line, "--press", change.upper, exitCode) ||
        !lengthOption(line, "--release", change.lower, exitCode) ||
        !lengthOption(line, "--threshold", threshold, exitCode))
        return exitCode;
    if (!change.upper && !change.lower && !threshold)
        return printUsageError("triggers set needs --press, --release or --threshold");
    if (threshold)
        change.threshold = *threshold - 1; // the code of (c + 1) x 0.1 mm
    return runTriggersSet(statePathOf(line), change);
}

int runTrackCommand(const ActuationCommandLine& line) {
    if (line.arguments.size() != 1)
        return printUsageError("track takes one KEY, 1..85");
    if (const auto option = unexpectedOption(line, {"--seconds"}, true))
        return printUsageError(*option + " does not go with track");
    const KeySelection keys = parseKeySelection(line.arguments[0], KeyboardVariant::kRgb);
    if (!keys.ok())
        return printUsageError(keys.error);
    if (keys.keys.size() != 1)
        return printUsageError("track takes one KEY, not " + describeKeySelection(keys.keys));
    TrackRequest request;
    request.statePath = statePathOf(line);
    request.key = keys.keys.front();
    request.csv = line.csv;
    if (const auto found = line.values.find("--seconds"); found != line.values.end()) {
        int seconds = 0;
        const std::string& text = found->second;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
        if (error != std::errc{} || end != text.data() + text.size() || seconds < 1)
            return printUsageError("--seconds takes a whole number of seconds from 1, not '" + text + "'");
        request.seconds = seconds;
    }
    return runTrack(request);
}

} // namespace

std::optional<int> runActuationCommand(int argc, char** argv) {
    const ActuationCommandLine line = parse(argc, argv);
    if (line.command != "triggers" && line.command != "track")
        return std::nullopt;
    if (line.error)
        return printUsageError(*line.error);
    return line.command == "triggers" ? runTriggersCommand(line) : runTrackCommand(line);
}
