// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The platform's virtual-key codes: the numbering of key indices, key names and WM_HOOK_KEY.
namespace VirtualKey {
inline constexpr int kBack = 8;
inline constexpr int kTab = 9;
inline constexpr int kClear = 12;
inline constexpr int kReturn = 13;
inline constexpr int kShift = 16;
inline constexpr int kControl = 17;
inline constexpr int kMenu = 18;
inline constexpr int kPause = 19;
inline constexpr int kCapital = 20;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kPrior = 33;
inline constexpr int kNext = 34;
inline constexpr int kEnd = 35;
inline constexpr int kHome = 36;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kSnapshot = 44;
inline constexpr int kInsert = 45;
inline constexpr int kDelete = 46;
// '0'..'9' and 'A'..'Z' are their own codes.
inline constexpr int k0 = 48;
inline constexpr int kA = 65;
inline constexpr int kLWin = 91;
inline constexpr int kRWin = 92;
inline constexpr int kApps = 93;
inline constexpr int kNumpad0 = 96;
inline constexpr int kMultiply = 106;
inline constexpr int kAdd = 107;
inline constexpr int kSubtract = 109;
inline constexpr int kDecimal = 110;
inline constexpr int kDivide = 111;
// F1..F24 run on from here.
inline constexpr int kF1 = 112;
inline constexpr int kNumLock = 144;
inline constexpr int kScroll = 145;
inline constexpr int kLShift = 160;
inline constexpr int kRShift = 161;
inline constexpr int kLControl = 162;
inline constexpr int kRControl = 163;
inline constexpr int kLMenu = 164;
inline constexpr int kRMenu = 165;
inline constexpr int kVolumeMute = 173;
inline constexpr int kVolumeDown = 174;
inline constexpr int kVolumeUp = 175;
inline constexpr int kMediaNextTrack = 176;
inline constexpr int kMediaPrevTrack = 177;
inline constexpr int kMediaStop = 178;
inline constexpr int kMediaPlayPause = 179;
// ; : on US keyboards.
inline constexpr int kOem1 = 186;
inline constexpr int kOemPlus = 187;
inline constexpr int kOemComma = 188;
inline constexpr int kOemMinus = 189;
inline constexpr int kOemPeriod = 190;
// / ?
inline constexpr int kOem2 = 191;
// ` ~
inline constexpr int kOem3 = 192;
// [ {
inline constexpr int kOem4 = 219;
// \ |
inline constexpr int kOem5 = 220;
// ] }
inline constexpr int kOem6 = 221;
// ' "
inline constexpr int kOem7 = 222;
// The extra key beside left Shift on European keyboards.
inline constexpr int kOem102 = 226;
} // namespace VirtualKey
