#pragma once

#include <cstdint>
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

// Sorts words by the optionRules; on a word that fits none, or a value missing, says why in error.
std::optional<ParsedArguments> parseArguments(const std::vector<std::string>& words,
                                              const std::vector<OptionSpec>& optionRules, std::string& error);

// A decimal integer in min..max, the whole text; says why not in error, naming what it is for.
std::optional<std::int64_t> parseInteger(std::string_view text, std::int64_t min, std::int64_t max,
                                         std::string_view what, std::string& error);

// A firmware version "MAJOR.MINOR" with a two-digit minor ("3.00", "2.05").
struct FirmwareVersion {
    int major = 0;
    int minor = 0;
};
std::optional<FirmwareVersion> parseFirmwareVersion(std::string_view text, std::string& error);
