// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// An option a command knows: "--name" alone, or "--name VALUE" (also "--name=VALUE").
struct OptionSpec {
    std::string_view name;
    bool takesValue = false;
};

// A command's words sorted into options, flags and the rest.
struct ParsedArguments {
    std::map<std::string, std::string, std::less<>> values;
    std::set<std::string, std::less<>> flags;
    std::vector<std::string> positionals;

    bool has(std::string_view flag) const { return flags.count(flag) != 0; }
    const std::string* value(std::string_view option) const;
};

// Whether a word is an option: it begins with "--" and has a name, so "-" (the minus key), "-5" and
// "--" alone are words like any other.
bool isOptionWord(std::string_view word);

// Sorts words by the optionRules, a later value of an option replacing an earlier one; on a word that
// fits none ("unknown option '--x'"), a value missing ("--x needs a value") or one given to a flag
// ("--x takes no value"), says why in error.
std::optional<ParsedArguments> parseArguments(const std::vector<std::string>& words,
                                              const std::vector<OptionSpec>& optionRules, std::string& error);
