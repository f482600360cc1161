// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/cli/ArgumentParser.h"
#include "tools/ctl/CtlInvocation.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The options of qelec-ctl: every option any command takes, once, with the value it needs and how
// that value is checked before the command runs. Which command takes which is in the command table.
struct CtlOption {
    std::string_view name;
    // What the value is, as the help names it ("PATH", "MM"); empty for an option without one.
    std::string_view value;
    // Why value is refused, or nothing when it reads; null when any value does.
    std::optional<std::string> (*refusal)(std::string_view name, const std::string& value) = nullptr;
};

const std::vector<CtlOption>& ctlOptions();
// The options as the parser takes them.
std::vector<OptionSpec> ctlOptionSpecs();
// The option with this name, or null.
const CtlOption* findCtlOption(std::string_view name);

// The values of checked options: --variant 1..4, a length in tenths of a millimetre, --seconds.
std::optional<int> variantOption(const CtlInvocation& invocation);
std::optional<int> tenthsOption(const CtlInvocation& invocation, std::string_view name);
std::optional<int> secondsOption(const CtlInvocation& invocation);
