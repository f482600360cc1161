// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinControl.h"

#include <cstdio>
#include <string>

// A colour as "#rrggbb", the way SVG and the reports write it.
inline std::string hexColour(Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", redOf(colour), greenOf(colour), blueOf(colour));
    return text;
}
