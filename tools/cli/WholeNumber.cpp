// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cli/WholeNumber.h"

#include <charconv>

std::optional<std::int64_t> parseWholeNumber(std::string_view text, std::int64_t min, std::int64_t max) {
    std::int64_t value = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || status != std::errc{} || end != text.data() + text.size() || value < min ||
        value > max)
        return std::nullopt;
    return value;
}

std::optional<std::int64_t> parseInteger(std::string_view text, std::int64_t min, std::int64_t max,
                                         std::string_view what, std::string& error) {
    const auto value = parseWholeNumber(text, min, max);
    if (!value)
        error = "bad " + std::string(what) + " '" + std::string(text) + "' (expected a number " +
                std::to_string(min) + ".." + std::to_string(max) + ")";
    return value;
}
