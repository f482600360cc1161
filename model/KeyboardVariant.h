// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/VirtualKeyboardState.h"

#include <string_view>

// The keyboard variants as DetectDeviceType reports them. 0 is "no keyboard"; any value other than
// 2, 3 and 4 stands for "QelEC(RGB)Ble".
namespace KeyboardVariant {
inline constexpr int kNone = 0;
inline constexpr int kRgbBle = 1;
inline constexpr int kSBle = 2;
inline constexpr int kS = 3;
inline constexpr int kRgb = 4;

// The variant's name, which is also the root element of its profiles.
inline std::string_view name(int variant) {
    return VirtualKeyboard::variantName(VirtualKeyboard::isValidVariant(variant) ? variant : kRgbBle);
}

// Wireless variants carry the Bluetooth and battery functions; their indicators flash.
constexpr bool isWireless(int variant) {
    return variant != kS && variant != kRgb;
}

// The S variants have no colour lighting.
constexpr bool hasColourLighting(int variant) {
    return variant != kSBle && variant != kS;
}

// The families of keyboard functions (device key codes) that not every variant has.
enum class FunctionFamily {
    Common,         // every variant
    ColourLighting, // the colour backlight's effects and colours
    Wireless,       // Bluetooth, the receiver, the radio and battery settings
};
constexpr FunctionFamily functionFamilyOf(int code) {
    switch (code) {
    case 135: // backlight switch
    case 136: // backlight set by this program
    case 137: // light effect switch
    case 138: // effect colour
    case 139: // light effect quit
    case 142: // effect speed down
    case 143: // effect speed up
    case 146: // effect direction left
    case 147: // effect direction right
    case 148: // backlight colour
        return FunctionFamily::ColourLighting;
    case 167: // wired / wireless switch
    case 168: // Bluetooth devices 1..5
    case 169:
    case 170:
    case 180:
    case 181:
    case 182: // low-latency receiver
    case 171: // game mode
    case 172: // energy-saving mode
    case 178: // battery switch-off time
        return FunctionFamily::Wireless;
    default:
        return FunctionFamily::Common;
    }
}

// Whether the variant has the keyboard function with device key code: where it has not, the key
// assignment dialog shows the function's icon as absent, and it cannot be chosen.
constexpr bool hasFunction(int variant, int code) {
    switch (functionFamilyOf(code)) {
    case FunctionFamily::ColourLighting:
        return hasColourLighting(variant);
    case FunctionFamily::Wireless:
        return isWireless(variant);
    case FunctionFamily::Common:
        break;
    }
    return true;
}
} // namespace KeyboardVariant
