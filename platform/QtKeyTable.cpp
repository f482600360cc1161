// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtKeyTable.h"

#include "platform/VirtualKeyCodes.h"

#include <Qt>

#include <algorithm>
#include <iterator>
#include <optional>

namespace {

using namespace VirtualKey;

constexpr bool kExt = true;

// Keys of the main block. Shifted symbols map to the key that carries them on a US layout.
constexpr QtKeyEntry kMainKeys[] = {
    {Qt::Key_Escape, kEscape},
    {Qt::Key_Tab, kTab},
    {Qt::Key_Backtab, kTab},
    {Qt::Key_Backspace, kBack},
    {Qt::Key_Return, kReturn},
    {Qt::Key_Enter, kReturn, kExt},
    {Qt::Key_Insert, kInsert, kExt},
    {Qt::Key_Delete, kDelete, kExt},
    {Qt::Key_Pause, kPause},
    {Qt::Key_Print, kSnapshot, kExt},
    {Qt::Key_SysReq, kSnapshot, kExt},
    {Qt::Key_Clear, kClear},
    {Qt::Key_Home, kHome, kExt},
    {Qt::Key_End, kEnd, kExt},
    {Qt::Key_Left, kLeft, kExt},
    {Qt::Key_Up, kUp, kExt},
    {Qt::Key_Right, kRight, kExt},
    {Qt::Key_Down, kDown, kExt},
    {Qt::Key_PageUp, kPrior, kExt},
    {Qt::Key_PageDown, kNext, kExt},
    {Qt::Key_CapsLock, kCapital},
    {Qt::Key_NumLock, kNumLock, kExt},
    {Qt::Key_ScrollLock, kScroll},
    {Qt::Key_Menu, kApps, kExt},
    {Qt::Key_Space, kSpace},
    {Qt::Key_Exclam, '1'},
    {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},
    {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
    {Qt::Key_Semicolon, kOem1},
    {Qt::Key_Colon, kOem1},
    {Qt::Key_Equal, kOemPlus},
    {Qt::Key_Plus, kOemPlus},
    {Qt::Key_Comma, kOemComma},
    {Qt::Key_Less, kOemComma},
    {Qt::Key_Minus, kOemMinus},
    {Qt::Key_Underscore, kOemMinus},
    {Qt::Key_Period, kOemPeriod},
    {Qt::Key_Greater, kOemPeriod},
    {Qt::Key_Slash, kOem2},
    {Qt::Key_Question, kOem2},
    {Qt::Key_QuoteLeft, kOem3},
    {Qt::Key_AsciiTilde, kOem3},
    {Qt::Key_BracketLeft, kOem4},
    {Qt::Key_BraceLeft, kOem4},
    {Qt::Key_Backslash, kOem5},
    {Qt::Key_Bar, kOem5},
    {Qt::Key_BracketRight, kOem6},
    {Qt::Key_BraceRight, kOem6},
    {Qt::Key_Apostrophe, kOem7},
    {Qt::Key_QuoteDbl, kOem7},
    {Qt::Key_VolumeMute, kVolumeMute, kExt},
    {Qt::Key_VolumeDown, kVolumeDown, kExt},
    {Qt::Key_VolumeUp, kVolumeUp, kExt},
    {Qt::Key_MediaNext, kMediaNextTrack, kExt},
    {Qt::Key_MediaPrevious, kMediaPrevTrack, kExt},
    {Qt::Key_MediaStop, kMediaStop, kExt},
    {Qt::Key_MediaTogglePlayPause, kMediaPlayPause, kExt},
    {Qt::Key_MediaPlay, kMediaPlayPause, kExt},
};

// Keys with the keypad modifier. Without Num Lock the digits arrive as cursor keys, which the keypad
// reports as not extended.
constexpr QtKeyEntry kKeypadKeys[] = {
    {Qt::Key_0, kNumpad0},
    {Qt::Key_1, kNumpad0 + 1},
    {Qt::Key_2, kNumpad0 + 2},
    {Qt::Key_3, kNumpad0 + 3},
    {Qt::Key_4, kNumpad0 + 4},
    {Qt::Key_5, kNumpad0 + 5},
    {Qt::Key_6, kNumpad0 + 6},
    {Qt::Key_7, kNumpad0 + 7},
    {Qt::Key_8, kNumpad0 + 8},
    {Qt::Key_9, kNumpad0 + 9},
    {Qt::Key_Asterisk, kMultiply},
    {Qt::Key_Plus, kAdd},
    {Qt::Key_Minus, kSubtract},
    {Qt::Key_Period, kDecimal},
    {Qt::Key_Comma, kDecimal},
    {Qt::Key_Slash, kDivide, kExt},
    {Qt::Key_Enter, kReturn, kExt},
    {Qt::Key_Home, kHome},
    {Qt::Key_End, kEnd},
    {Qt::Key_Left, kLeft},
    {Qt::Key_Up, kUp},
    {Qt::Key_Right, kRight},
    {Qt::Key_Down, kDown},
    {Qt::Key_PageUp, kPrior},
    {Qt::Key_PageDown, kNext},
    {Qt::Key_Insert, kInsert},
    {Qt::Key_Delete, kDelete},
    {Qt::Key_Clear, kClear},
    {Qt::Key_NumLock, kNumLock, kExt},
};

template <std::size_t N>
std::optional<QtKeyEntry> findIn(const QtKeyEntry (&table)[N], int qtKey) {
    const auto* found = std::find_if(std::begin(table), std::end(table),
                                     [qtKey](const QtKeyEntry& entry) { return entry.qtKey == qtKey; });
    if (found == std::end(table))
        return std::nullopt;
    return *found;
}

// Letters, digits and function keys run in the same order in both numberings.
std::optional<QtKeyEntry> findInRanges(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return QtKeyEntry{qtKey, kA + (qtKey - Qt::Key_A)};
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return QtKeyEntry{qtKey, k0 + (qtKey - Qt::Key_0)};
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return QtKeyEntry{qtKey, kF1 + (qtKey - Qt::Key_F1)};
    return std::nullopt;
}

} // namespace

std::optional<QtKeyEntry> findQtKey(int qtKey, bool keypad) {
    if (keypad) {
        if (auto entry = findIn(kKeypadKeys, qtKey))
            return entry;
    }
    if (auto entry = findInRanges(qtKey))
        return entry;
    return findIn(kMainKeys, qtKey);
}
