// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/CtlOptions.h"

#include "model/KeyboardVariant.h"
#include "tools/cli/WholeNumber.h"
#include "tools/ctl/Millimetres.h"

#include <algorithm>
#include <limits>

namespace {

std::optional<int> variantNumber(std::string_view text) {
    const auto variant = parseWholeNumber(text, KeyboardVariant::kRgbBle, KeyboardVariant::kRgb);
    return variant ? std::optional<int>(static_cast<int>(*variant)) : std::nullopt;
}

std::optional<int> secondsNumber(std::string_view text) {
    const auto seconds = parseWholeNumber(text, 1, std::numeric_limits<int>::max());
    return seconds ? std::optional<int>(static_cast<int>(*seconds)) : std::nullopt;
}

std::optional<std::string> variantRefusal(std::string_view name, const std::string& value) {
    if (variantNumber(value))
        return std::nullopt;
    return std::string(name) + " takes 1, 2, 3 or 4, not '" + value + "'";
}

std::optional<std::string> lengthRefusal(std::string_view name, const std::string& value) {
    if (parseTenthsOfMillimetre(value))
        return std::nullopt;
    return std::string(name) + " takes millimetres with at most one decimal, such as 1.2, not '" + value +
           "'";
}

std::optional<std::string> secondsRefusal(std::string_view name, const std::string& value) {
    if (secondsNumber(value))
        return std::nullopt;
    return std::string(name) + " takes a whole number of seconds from 1, not '" + value + "'";
}

} // namespace

const std::vector<CtlOption>& ctlOptions() {
    static const std::vector<CtlOption> options = {
        {"--state", "PATH", nullptr},
        {"--variant", "N", variantRefusal},
        {"--heatmap", "FILE.svg", nullptr},
        {"--keyboard", "", nullptr},
        {"--press", "MM", lengthRefusal},
        {"--release", "MM", lengthRefusal},
        {"--threshold", "MM", lengthRefusal},
        {"--seconds", "N", secondsRefusal},
        {"--csv", "", nullptr},
    };
    return options;
}

std::vector<OptionSpec> ctlOptionSpecs() {
    std::vector<OptionSpec> specs;
    for (const CtlOption& option : ctlOptions())
        specs.push_back({option.name, !option.value.empty()});
    return specs;
}

const CtlOption* findCtlOption(std::string_view name) {
    const auto& options = ctlOptions();
    const auto it = std::find_if(options.begin(), options.end(),
                                 [&](const CtlOption& option) { return option.name == name; });
    return it == options.end() ? nullptr : &*it;
}

std::optional<int> variantOption(const CtlInvocation& invocation) {
    const auto text = invocation.option("--variant");
    return text ? variantNumber(*text) : std::nullopt;
}

std::optional<int> tenthsOption(const CtlInvocation& invocation, std::string_view name) {
    const auto text = invocation.option(name);
    return text ? parseTenthsOfMillimetre(*text) : std::nullopt;
}

std::optional<int> secondsOption(const CtlInvocation& invocation) {
    const auto text = invocation.option("--seconds");
    return text ? secondsNumber(*text) : std::nullopt;
}
