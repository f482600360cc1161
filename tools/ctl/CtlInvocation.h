// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/cli/ArgumentParser.h"

#include <optional>
#include <string>

// One run of a qelec-ctl command, its command line already checked against the command's entry in
// the table: every option is one the command takes and every value reads.
struct CtlInvocation {
    // The virtual keyboard's state file named with --state, if any.
    std::optional<std::string> statePath;
    // The command's options and the words after its name ("lights 1-16 red": "1-16", "red").
    ParsedArguments arguments;

    const std::vector<std::string>& words() const { return arguments.positionals; }
    // The value of an option the command takes, if given.
    std::optional<std::string> option(std::string_view name) const;
};
