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
} // namespace KeyboardVariant
