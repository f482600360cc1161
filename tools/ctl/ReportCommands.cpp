#include "tools/ctl/ReportCommands.h"

#include "tools/ctl/CommandOutput.h"
#include "tools/ctl/DiffCommand.h"
#include "tools/ctl/HeatmapCommand.h"

#include <string>
#include <vector>

namespace {

struct ReportCommandLine {
    std::string command;
    std::vector<std::string> arguments;
    std::optional<std::string> statePath;
    std::optional<std::string> heatmapPath;
    bool keyboard = false;
    std::optional<std::string> error; // the first thing not understood
};

void noteError(ReportCommandLine& line, std::string error) {
    if (!line.error)
        line.error = std::move(error);
}

ReportCommandLine parse(int argc, char** argv) {
    ReportCommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--state" || argument == "--heatmap") {
            if (i + 1 >= argc) {
                noteError(line, argument + " needs a value");
                if (argument == "--heatmap")
                    line.heatmapPath = "";
                continue;
            }
            (argument == "--state" ? line.statePath : line.heatmapPath) = argv[++i];
        } else if (argument == "--keyboard") {
            line.keyboard = true;
        } else if (!argument.empty() && argument[0] == '-') {
            noteError(line, argument == "--variant" ? "--variant goes with defaults and check"
                                                    : "unknown option '" + argument + "'");
        } else if (line.command.empty()) {
            line.command = argument;
        } else {
            line.arguments.push_back(argument);
        }
    }
    return line;
}

int runDiffCommand(const ReportCommandLine& line) {
    if (line.heatmapPath)
        return printUsageError("--heatmap goes with counters");
    const std::size_t expected = line.keyboard ? 1 : 2;
    if (line.arguments.size() != expected)
        return printUsageError(line.keyboard ? "diff --keyboard takes one profile"
                                             : "diff takes two profiles, or one with --keyboard");
    return runDiff({line.statePath, line.arguments, line.keyboard});
}

int runHeatmapCommand(const ReportCommandLine& line) {
    if (line.keyboard)
        return printUsageError("--keyboard goes with diff");
    if (!line.arguments.empty())
        return printUsageError("counters takes no arguments");
    return runHeatmap(line.statePath, *line.heatmapPath);
}

} // namespace

std::optional<int> runReportCommand(int argc, char** argv) {
    const ReportCommandLine line = parse(argc, argv);
    const bool diff = line.command == "diff";
    const bool heatmap = line.command == "counters" && line.heatmapPath;
    if (!diff && !heatmap)
        return std::nullopt;
    if (line.error)
        return printUsageError(*line.error);
    return diff ? runDiffCommand(line) : runHeatmapCommand(line);
}
