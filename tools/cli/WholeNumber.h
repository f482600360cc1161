// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A decimal whole number in min..max that is the whole text ("7", "007", "-3"; no sign '+', no
// spaces), or nothing.
std::optional<std::int64_t> parseWholeNumber(std::string_view text, std::int64_t min, std::int64_t max);

// The same; when the text is none, error says why, naming what the number is for: "bad WHAT 'TEXT'
// (expected a number MIN..MAX)".
std::optional<std::int64_t> parseInteger(std::string_view text, std::int64_t min, std::int64_t max,
                                         std::string_view what, std::string& error);
