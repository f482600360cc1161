#pragma once

#include <optional>

// The commands of qelec-ctl that compare and draw: "diff A.pro B.pro", "diff A.pro --keyboard" and
// "counters --heatmap FILE.svg". Runs the command line when it is one of them and returns the exit
// code; nothing for any other command line, which the other commands handle.
std::optional<int> runReportCommand(int argc, char** argv);
