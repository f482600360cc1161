// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The travel gauges of the fine-adjust and tracking windows: 60 design units for 2.8 mm of travel,
// from the top of the gauge down.
namespace TravelGauge {

inline constexpr int kFullHeight = 60;
inline constexpr int kFullTravel = 28;

// Where a travel in 0.1 mm lies on the gauge, in design units from its top (cut toward zero).
constexpr int unitsOf(int tenths) {
    return tenths * kFullHeight / kFullTravel;
}

// The fine-adjust window's bar between the press and the release travel: its offset from the
// gauge's top and its height, which is 0 or below when there is nothing to draw.
struct Span {
    int top = 0;
    int height = 0;
};
constexpr Span spanBetween(int upper, int lower) {
    return {unitsOf(upper), unitsOf(lower) - unitsOf(upper)};
}

// The tracking window's travel mapping: up to 0.8 mm shows as nothing, from 2.4 mm on as the whole
// 2.8 mm; travels between pass unchanged.
inline constexpr int kRestTravel = 8;
inline constexpr int kBottomTravel = 24;
constexpr int trackedTravel(std::uint16_t tenths) {
    if (tenths <= kRestTravel)
        return 0;
    if (tenths >= kBottomTravel)
        return kFullTravel;
    return tenths;
}
// The bar height of the tracking window for a travel sample, 0..60.
constexpr int trackBarHeight(std::uint16_t tenths) {
    return unitsOf(trackedTravel(tenths));
}
// The tracking window redraws its bar only when the height moves by more than this.
inline constexpr int kRepaintStep = 2;
constexpr bool movesBar(int shownHeight, int newHeight) {
    const int change = newHeight - shownHeight;
    return change > kRepaintStep || change < -kRepaintStep;
}

} // namespace TravelGauge
