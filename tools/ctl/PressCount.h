// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// A number of presses in words: "1 press", "12 presses".
inline std::string pressCountText(long long count) {
    return std::to_string(count) + (count == 1 ? " press" : " presses");
}
