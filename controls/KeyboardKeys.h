// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinControl.h"

#include <array>
#include <cstddef>

// The 85 keys every window with a keyboard picture shows, by key index 1 to 85: their legends and how
// a window's table makes an entry of one.

inline constexpr int kKeyboardKeyCount = 85;
// The keys take the ids from kFirstKeyboardKeyId on in key index order, in every window that shows the
// keyboard (the main window, backlight, multi-key colour, rapid trigger, travel tracking): key index k
// has id keyboardKeyId(k), and keyIndexOfId gives the key index back.
inline constexpr int kFirstKeyboardKeyId = 100;
constexpr int keyboardKeyId(int keyIndex) {
    return kFirstKeyboardKeyId + keyIndex - 1;
}

// The legend of a key: the caption (the same in both languages) and the "zh-CN" tooltip, which is the
// caption except for "LWin" (key 76), "LAlt" (77), "RAlt" (80) and "RCtrl" (82). Both are null for a
// key index outside 1 to 85.
struct KeyLegend {
    const char* caption = nullptr;
    const char* tooltipZh = nullptr;
};

namespace keyboard_keys_detail {

inline constexpr std::array<const char*, kKeyboardKeyCount> kCaptions{{
    "Esc",   "F1",    "F2",        "F3",    "F4",     "F5",    "F6",   "F7",        "F8",   "F9",  "F10",
    "F11",   "F12",   "PrtSc",     "Pause", "Del",    "~",     "1",    "2",         "3",    "4",   "5",
    "6",     "7",     "8",         "9",     "0",      "-",     "+",    "BackSpace", "Home", "Tab", "Q",
    "W",     "E",     "R",         "T",     "Y",      "U",     "I",    "O",         "P",    "[",   "]",
    "\\",    "PgUp",  "Caps Lock", "A",     "S",      "D",     "F",    "G",         "H",    "J",   "K",
    "L",     ";",     "'",         "Enter", "PgDown", "Shift", "Z",    "X",         "C",    "V",   "B",
    "N",     "M",     "<",         ">",     "?",      "Shift", "Up",   "End",       "Ctrl", "Win", "Alt",
    "Space", "Space", "Alt",       "RFn",   "Ctrl",   "Left",  "Down", "Right",
}};

// The keys whose "zh-CN" tooltip names the side of the keyboard they sit on.
struct TooltipException {
    int key = 0;
    const char* tooltipZh = nullptr;
};

inline constexpr std::array<TooltipException, 4> kTooltipExceptions{{
    {.key = 76, .tooltipZh = "LWin"},
    {.key = 77, .tooltipZh = "LAlt"},
    {.key = 80, .tooltipZh = "RAlt"},
    {.key = 82, .tooltipZh = "RCtrl"},
}};

constexpr bool isKeyboardKey(int keyIndex) {
    return keyIndex >= 1 && keyIndex <= kKeyboardKeyCount;
}

} // namespace keyboard_keys_detail

constexpr KeyLegend keyboardKeyLegend(int keyIndex) {
    if (!keyboard_keys_detail::isKeyboardKey(keyIndex))
        return {};
    const char* caption = keyboard_keys_detail::kCaptions[static_cast<std::size_t>(keyIndex - 1)];
    for (const keyboard_keys_detail::TooltipException& exception : keyboard_keys_detail::kTooltipExceptions) {
        if (exception.key == keyIndex)
            return {.caption = caption, .tooltipZh = exception.tooltipZh};
    }
    return {.caption = caption, .tooltipZh = caption};
}

// The entry of key index 1 to 85 in a window's keyboard at rect: id keyboardKeyId(keyIndex), the key's
// legend as caption in both languages and its tooltip, role Key. Every window with a keyboard picture
// fills its keys this way.
constexpr ControlSpec keyboardKeyControl(int keyIndex, SkinRect rect) {
    const KeyLegend legend = keyboardKeyLegend(keyIndex);
    return {
        .id = keyboardKeyId(keyIndex),
        .captionZh = legend.caption,
        .captionEn = legend.caption,
        .rect = rect,
        .keyIndex = keyIndex,
        .tooltipZh = legend.tooltipZh,
        .role = ControlRole::Key,
    };
}

// The key index of a keyboard entry's id, 0 for an id that is no key.
constexpr int keyIndexOfId(int id) {
    const int keyIndex = id - kFirstKeyboardKeyId + 1;
    return keyIndex >= 1 && keyIndex <= kKeyboardKeyCount ? keyIndex : 0;
}
