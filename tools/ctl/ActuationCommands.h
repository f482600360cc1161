#pragma once

#include <optional>

// The commands of qelec-ctl about actuation: "triggers", "triggers set KEYS ..." and "track KEY".
// Runs the command line when it is one of them and returns the exit code; nothing for any other
// command line, which the other commands handle.
std::optional<int> runActuationCommand(int argc, char** argv);
