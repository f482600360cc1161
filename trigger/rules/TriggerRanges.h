// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

// The three trigger values of one key, in this order: the press travel (upper limit) and the release
// travel (lower limit), both in 0.1 mm, and the rapid-trigger threshold code c, meaning (c + 1) x 0.1 mm.
using TriggerTriple = std::array<int, 3>;

namespace TriggerRanges {

inline constexpr std::size_t kUpper = 0;
inline constexpr std::size_t kLower = 1;
inline constexpr std::size_t kThreshold = 2;

// The ranges the windows keep, in 0.1 mm (travels) and as codes (threshold).
inline constexpr int kUpperMin = 6;
inline constexpr int kUpperMax = 24;
inline constexpr int kLowerMin = 8;
inline constexpr int kLowerMax = 26;
inline constexpr int kThresholdMin = 0;
inline constexpr int kThresholdMax = 4;

// What a key holds after a reset: 0.8 mm, 2.0 mm, 0.1 mm.
inline constexpr TriggerTriple kFactoryValues{8, 20, 0};

constexpr bool upperInRange(int upper) {
    return upper >= kUpperMin && upper <= kUpperMax;
}
constexpr bool lowerInRange(int lower) {
    return lower >= kLowerMin && lower <= kLowerMax;
}
constexpr bool thresholdInRange(int code) {
    return code >= kThresholdMin && code <= kThresholdMax;
}

// The travels as the keyboard view shows and stores them: a press travel outside its range becomes
// 0.6 mm, a release travel outside its range 2.6 mm. The threshold is left as it is.
TriggerTriple repairedTravels(const TriggerTriple& values);

// The values the fine-adjust window starts from: the travels repaired as above and a threshold code
// outside 0..4 replaced by 0 (0.1 mm).
TriggerTriple intoAdjustRange(const TriggerTriple& values);

// Why values cannot be given to a key (a travel or the threshold outside its range, or a press
// travel not below the release travel), in English with the values in millimetres; nothing when
// they can.
std::optional<std::string> problemWith(const TriggerTriple& values);

} // namespace TriggerRanges
