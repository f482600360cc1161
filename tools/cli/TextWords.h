// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// How the tools read the words of their command lines: keys, colours, lengths and numbers.

// The text without white space at either end.
std::string_view trimmed(std::string_view text);
// Whether a and b are the same text but for the case of ASCII letters.
bool sameIgnoringCase(std::string_view a, std::string_view b);
// Whether text is one or more decimal digits and nothing else.
bool allDigits(std::string_view text);
