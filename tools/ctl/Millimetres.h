// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

// A length typed in millimetres with at most one decimal, such as "1.2", "0.8mm" or "2", as tenths of
// a millimetre; nothing for any other text.
std::optional<int> parseTenthsOfMillimetre(const std::string& text);
