// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/KeyTravel.h"

namespace KeyTravel {
namespace {
using VirtualKeyboard::kFullTravel;

std::int64_t positiveModulo(std::int64_t value, std::int64_t modulus) {
    const std::int64_t rest = value % modulus;
    return rest < 0 ? rest + modulus : rest;
}

int ramp(std::int64_t elapsed, std::int64_t duration) {
    return static_cast<int>(elapsed * kFullTravel / duration);
}
} // namespace

int pressTravelAt(const KeyPress& press, std::int64_t nowMs) {
    if (press.times <= 0 || nowMs < press.startMs)
        return -1;
    const std::int64_t elapsed = nowMs - press.startMs;
    if (elapsed / kPressCycleMs >= press.times)
        return -1;
    std::int64_t phase = elapsed % kPressCycleMs;
    if (phase < kPressDownMs)
        return ramp(phase, kPressDownMs);
    phase -= kPressDownMs;
    if (phase < kPressHeldMs)
        return kFullTravel;
    phase -= kPressHeldMs;
    if (phase < kPressUpMs)
        return kFullTravel - ramp(phase, kPressUpMs);
    return 0;
}

int waveTravelAt(int key, std::int64_t nowMs) {
    const std::int64_t lag = static_cast<std::int64_t>(key - 1) * kWavePeriodMs / VirtualKeyboard::kKeyCount;
    const std::int64_t phase = positiveModulo(positiveModulo(nowMs, kWavePeriodMs) - lag, kWavePeriodMs);
    const std::int64_t half = kWavePeriodMs / 2;
    return phase <= half ? ramp(phase, half) : ramp(kWavePeriodMs - phase, half);
}

int travelAt(const VirtualKeyboardState& state, int key, std::int64_t nowMs) {
    const int pressed = pressTravelAt(state.press(key), nowMs);
    if (pressed >= 0)
        return pressed;
    return state.travel == TravelMode::Wave ? waveTravelAt(key, nowMs) : 0;
}
} // namespace KeyTravel
