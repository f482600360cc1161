// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinControl.h"

#include <optional>
#include <string_view>

// A colour as a command line gives it: "#rrggbb" or "rrggbb" in hexadecimal digits of either case, or
// "r,g,b" with each component a decimal 0 to 255 (spaces around them allowed). Nothing for any other
// text.
std::optional<Rgb> parseColourText(std::string_view text);
