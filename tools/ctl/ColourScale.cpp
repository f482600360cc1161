// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/ColourScale.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ColourScale {

namespace {

constexpr std::array<Rgb, 9> kViridis{
    rgb(0x44, 0x01, 0x54), rgb(0x47, 0x2d, 0x7b), rgb(0x3b, 0x52, 0x8b),
    rgb(0x2c, 0x72, 0x8e), rgb(0x21, 0x90, 0x8c), rgb(0x27, 0xad, 0x81),
    rgb(0x5d, 0xc8, 0x63), rgb(0xaa, 0xdc, 0x32), rgb(0xfd, 0xe7, 0x25),
};

int mix(int from, int to, double share) {
    return static_cast<int>(std::lround(from + (to - from) * share));
}

double linearChannel(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

std::span<const Rgb> anchors() {
    return kViridis;
}

Rgb at(double t) {
    const double position = std::clamp(t, 0.0, 1.0) * static_cast<double>(kViridis.size() - 1);
    const auto below = std::min(static_cast<std::size_t>(position), kViridis.size() - 2);
    const double share = position - static_cast<double>(below);
    const Rgb from = kViridis[below];
    const Rgb to = kViridis[below + 1];
    return rgb(mix(redOf(from), redOf(to), share), mix(greenOf(from), greenOf(to), share),
               mix(blueOf(from), blueOf(to), share));
}

double luminance(Rgb colour) {
    return 0.2126 * linearChannel(redOf(colour)) + 0.7152 * linearChannel(greenOf(colour)) +
           0.0722 * linearChannel(blueOf(colour));
}

} // namespace ColourScale
