// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinControl.h"
#include "model/ConfigStore.h"

#include <array>
#include <string>

// A key's light as the store keeps it (a row of lightArea): red, green, blue, each 0 to 255.
using LightRow = std::array<int, 3>;
// The colour rows of every key slot laid out one after another, three integers a slot, as the
// multi-key colour selection is handed them.
using FlatLightRows = std::array<int, kKeySlots * 3>;

namespace LightColour {

// The 24-bit colour (0xRRGGBB) of a row, as the colour chooser and the frames take it; each component
// is the low 8 bits of its integer.
constexpr Rgb colourOf(const LightRow& row) {
    return rgb(row[0], row[1], row[2]);
}

// The row of a 24-bit colour (0xRRGGBB); bits above the 24 are ignored.
constexpr LightRow rowOf(Rgb colour) {
    return {redOf(colour), greenOf(colour), blueOf(colour)};
}

// The colour as "#rrggbb", as a screen reader reads a key's light.
std::string hexOf(Rgb colour);

// Every slot (0 to 85) of rows set to colour.
void fill(PerKeyTriples& rows, Rgb colour);

// rows laid out flat, and back.
FlatLightRows flatten(const PerKeyTriples& rows);
PerKeyTriples unflatten(const FlatLightRows& flat);

} // namespace LightColour
