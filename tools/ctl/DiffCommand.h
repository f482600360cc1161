// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ctl/CtlInvocation.h"

#include <optional>
#include <string>
#include <vector>

// "qelec-ctl diff": what differs between two profiles, or between a profile and the attached keyboard.

// Exit codes of the command, as diff(1) gives them.
inline constexpr int kDiffSame = 0;
inline constexpr int kDiffDiffers = 1;
inline constexpr int kDiffTrouble = 2;

struct DiffRequest {
    std::optional<std::string> statePath; // the virtual keyboard's state file
    std::vector<std::string> profiles;    // two profiles, or one with againstKeyboard
    bool againstKeyboard = false;
};

// Loads both sides, prints the report and returns kDiffSame, kDiffDiffers, or kDiffTrouble (with the
// reason on standard error) when a side cannot be loaded or read.
int runDiff(const DiffRequest& request);

// "diff A.pro B.pro" or "diff A.pro --keyboard" from its command line: the profiles the form takes,
// then runDiff.
int runDiffCommand(const CtlInvocation& invocation);
