// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

class CConfigStore;

// The press counters drawn as a picture: the keyboard of the store's variant with the keys and legends
// of the program's own keyboard picture, each key filled on a perceptually even colour scale from the
// fewest to the most presses and its count written on it, the highest and lowest keys outlined and
// named, and a legend of the scale. An SVG document that any browser opens. A count below 0 (one the
// keyboard has not given) is shown as 0.
std::string heatmapSvg(const CConfigStore& store);
