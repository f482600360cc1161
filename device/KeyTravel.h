// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/VirtualKeyboardState.h"

#include <cstdint>

// How far the virtual keyboard's keys are pressed at a given moment, in 0.1 mm (0..kFullTravel).
//
// A key pressed through the tool runs its press cycles from the press's start: down in kPressDownMs,
// held for kPressHeldMs, up in kPressUpMs, at rest for kPressGapMs. Otherwise, with travel wave,
// each key runs a triangle 0..kFullTravel..0 every kWavePeriodMs, a little later than the key
// before it; with travel idle it rests at 0.
namespace KeyTravel {
inline constexpr std::int64_t kPressDownMs = 60;
inline constexpr std::int64_t kPressHeldMs = 120;
inline constexpr std::int64_t kPressUpMs = 60;
inline constexpr std::int64_t kPressGapMs = 60;
inline constexpr std::int64_t kPressCycleMs = kPressDownMs + kPressHeldMs + kPressUpMs + kPressGapMs;
inline constexpr std::int64_t kWavePeriodMs = 2000;

// Travel of key 1..85 at nowMs (milliseconds since the epoch).
int travelAt(const VirtualKeyboardState& state, int key, std::int64_t nowMs);
// Travel of a press cycle, or -1 when the press is over (or not begun) at nowMs.
int pressTravelAt(const KeyPress& press, std::int64_t nowMs);
// Travel of the resting wave for key 1..85.
int waveTravelAt(int key, std::int64_t nowMs);
} // namespace KeyTravel
