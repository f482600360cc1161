// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinControl.h"

// LevelColours: the colour of each travel value 6 to 28 (0.6 mm to 2.8 mm), from dark red through
// yellow, green and cyan to dark blue and black; the markers under the rapid-trigger window's keys are
// drawn in them.
namespace LevelColours {

inline constexpr int kFirst = 6;
inline constexpr int kLast = 28;

// The colour of travel tenths, black outside 6..28.
Rgb of(int tenths);

} // namespace LevelColours
