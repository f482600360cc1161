// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/rules/LevelColours.h"

#include <array>

namespace LevelColours {

namespace {

constexpr std::array<Rgb, kLast - kFirst + 1> kColours{{
    rgb(78, 20, 0),   // 6
    rgb(105, 46, 0),  // 7
    rgb(189, 64, 0),  // 8
    rgb(239, 27, 0),  // 9
    rgb(247, 3, 178), // 10
    rgb(236, 157, 0), // 11
    rgb(206, 199, 0), // 12
    rgb(184, 130, 0), // 13
    rgb(118, 94, 0),  // 14
    rgb(85, 137, 0),  // 15
    rgb(0, 255, 0),   // 16
    rgb(0, 255, 128), // 17
    rgb(0, 255, 255), // 18
    rgb(0, 128, 128), // 19
    rgb(0, 64, 64),   // 20
    rgb(0, 32, 32),   // 21
    rgb(32, 49, 134), // 22
    rgb(0, 128, 255), // 23
    rgb(0, 64, 255),  // 24
    rgb(0, 0, 255),   // 25
    rgb(0, 0, 128),   // 26
    rgb(0, 0, 64),    // 27
    rgb(0, 0, 0),     // 28
}};

} // namespace

Rgb of(int tenths) {
    if (tenths < kFirst || tenths > kLast)
        return rgb(0, 0, 0);
    return kColours[static_cast<std::size_t>(tenths - kFirst)];
}

} // namespace LevelColours
