// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinControl.h"

#include <span>

// A perceptually even colour scale (viridis): from dark purple through blue and green to yellow, equal
// steps along it look like equal steps of colour, and its lightness rises all the way, so it also
// reads in grey and for colour-blind eyes.
namespace ColourScale {

// The scale's colours at 0, 1/8, 2/8, ... 1.
std::span<const Rgb> anchors();
// The colour at t, 0 to 1 (clamped), interpolated between the two anchors around it.
Rgb at(double t);
// How light a colour looks, 0 (black) to 1 (white): the relative luminance of sRGB.
double luminance(Rgb colour);

} // namespace ColourScale
