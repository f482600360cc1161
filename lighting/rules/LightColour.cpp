// SPDX-License-Identifier: GPL-3.0-or-later
#include "lighting/rules/LightColour.h"

#include <cstddef>
#include <cstdio>

namespace LightColour {

std::string hexOf(Rgb colour) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%02x%02x%02x", redOf(colour), greenOf(colour), blueOf(colour));
    return text.data();
}

void fill(PerKeyTriples& rows, Rgb colour) {
    rows.fill(rowOf(colour));
}

FlatLightRows flatten(const PerKeyTriples& rows) {
    FlatLightRows flat{};
    for (std::size_t slot = 0; slot < rows.size(); ++slot) {
        for (std::size_t component = 0; component < 3; ++component)
            flat[slot * 3 + component] = rows[slot][component];
    }
    return flat;
}

PerKeyTriples unflatten(const FlatLightRows& flat) {
    PerKeyTriples rows{};
    for (std::size_t slot = 0; slot < rows.size(); ++slot) {
        for (std::size_t component = 0; component < 3; ++component)
            rows[slot][component] = flat[slot * 3 + component];
    }
    return rows;
}

} // namespace LightColour
