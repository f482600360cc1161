// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cli/ArgumentParser.h"

#include <algorithm>

namespace {
const OptionSpec* findOption(const std::vector<OptionSpec>& optionRules, std::string_view name) {
    const auto it = std::find_if(optionRules.begin(), optionRules.end(),
                                 [&](const OptionSpec& rule) { return rule.name == name; });
    return it == optionRules.end() ? nullptr : &*it;
}
} // namespace

const std::string* ParsedArguments::value(std::string_view option) const {
    const auto it = values.find(option);
    return it == values.end() ? nullptr : &it->second;
}

bool isOptionWord(std::string_view word) {
    return word.size() > 2 && word.starts_with("--");
}

std::optional<ParsedArguments> parseArguments(const std::vector<std::string>& words,
                                              const std::vector<OptionSpec>& optionRules,
                                              std::string& error) {
    ParsedArguments parsed;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (!isOptionWord(word)) {
            parsed.positionals.push_back(word);
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const OptionSpec* rule = findOption(optionRules, name);
        if (rule == nullptr) {
            error = "unknown option '" + name + "'";
            return std::nullopt;
        }
        if (!rule->takesValue) {
            if (equals != std::string::npos) {
                error = name + " takes no value";
                return std::nullopt;
            }
            parsed.flags.insert(name);
            continue;
        }
        if (equals != std::string::npos) {
            parsed.values[name] = word.substr(equals + 1);
        } else if (i + 1 < words.size()) {
            parsed.values[name] = words[++i];
        } else {
            error = name + " needs a value";
            return std::nullopt;
        }
    }
    return parsed;
}
