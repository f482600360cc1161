#include "VkbdArguments.h"

#include <algorithm>
#include <charconv>

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

std::optional<ParsedArguments> parseArguments(const std::vector<std::string>& words,
                                              const std::vector<OptionSpec>& optionRules,
                                              std::string& error) {
    ParsedArguments parsed;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.size() < 3 || word.compare(0, 2, "--") != 0) {
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
                error = "option '" + name + "' takes no value";
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
            error = "option '" + name + "' needs a value";
            return std::nullopt;
        }
    }
    return parsed;
}

std::optional<std::int64_t> parseInteger(std::string_view text, std::int64_t min, std::int64_t max,
                                         std::string_view what, std::string& error) {
    std::int64_t value = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (status != std::errc{} || end != text.data() + text.size() || value < min || value > max) {
        error = "bad " + std::string(what) + " '" + std::string(text) + "' (expected a number " +
                std::to_string(min) + ".." + std::to_string(max) + ")";
        return std::nullopt;
    }
    return value;
}

std::optional<FirmwareVersion> parseFirmwareVersion(std::string_view text, std::string& error) {
    const std::size_t dot = text.find('.');
    const bool twoDigitMinor = dot != std::string_view::npos && text.size() - dot - 1 == 2;
    std::string ignored;
    const auto major = dot == std::string_view::npos
                           ? std::nullopt
                           : parseInteger(text.substr(0, dot), 0, 255, "major", ignored);
    const auto minor =
        twoDigitMinor ? parseInteger(text.substr(dot + 1), 0, 99, "minor", ignored) : std::nullopt;
    if (!major || !minor) {
        error = "bad version '" + std::string(text) +
                "' (expected MAJOR.MINOR with a two-digit minor, e.g. 3.00)";
        return std::nullopt;
    }
    return FirmwareVersion{static_cast<int>(*major), static_cast<int>(*minor)};
}
