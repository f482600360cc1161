// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/X11KeyTable.h"

#include "platform/VirtualKeyCodes.h"

#include <algorithm>

namespace {

using namespace VirtualKey;

constexpr bool kExt = true;

// Keycodes of a PC keyboard under the evdev driver.
constexpr X11Key kX11Keys[] = {
    {9, kEscape},
    {10, '1'},
    {11, '2'},
    {12, '3'},
    {13, '4'},
    {14, '5'},
    {15, '6'},
    {16, '7'},
    {17, '8'},
    {18, '9'},
    {19, '0'},
    {20, kOemMinus},
    {21, kOemPlus},
    {22, kBack},
    {23, kTab},
    {24, 'Q'},
    {25, 'W'},
    {26, 'E'},
    {27, 'R'},
    {28, 'T'},
    {29, 'Y'},
    {30, 'U'},
    {31, 'I'},
    {32, 'O'},
    {33, 'P'},
    {34, kOem4},
    {35, kOem6},
    {36, kReturn},
    {37, kLControl},
    {38, 'A'},
    {39, 'S'},
    {40, 'D'},
    {41, 'F'},
    {42, 'G'},
    {43, 'H'},
    {44, 'J'},
    {45, 'K'},
    {46, 'L'},
    {47, kOem1},
    {48, kOem7},
    {49, kOem3},
    {50, kLShift},
    {51, kOem5},
    {52, 'Z'},
    {53, 'X'},
    {54, 'C'},
    {55, 'V'},
    {56, 'B'},
    {57, 'N'},
    {58, 'M'},
    {59, kOemComma},
    {60, kOemPeriod},
    {61, kOem2},
    {62, kRShift},
    {63, kMultiply},
    {64, kLMenu},
    {65, kSpace},
    {66, kCapital},
    {67, kF1},
    {68, kF1 + 1},
    {69, kF1 + 2},
    {70, kF1 + 3},
    {71, kF1 + 4},
    {72, kF1 + 5},
    {73, kF1 + 6},
    {74, kF1 + 7},
    {75, kF1 + 8},
    {76, kF1 + 9},
    {77, kNumLock, kExt},
    {78, kScroll},
    {79, kNumpad0 + 7, false, kHome},
    {80, kNumpad0 + 8, false, kUp},
    {81, kNumpad0 + 9, false, kPrior},
    {82, kSubtract},
    {83, kNumpad0 + 4, false, kLeft},
    {84, kNumpad0 + 5, false, kClear},
    {85, kNumpad0 + 6, false, kRight},
    {86, kAdd},
    {87, kNumpad0 + 1, false, kEnd},
    {88, kNumpad0 + 2, false, kDown},
    {89, kNumpad0 + 3, false, kNext},
    {90, kNumpad0, false, kInsert},
    {91, kDecimal, false, kDelete},
    {94, kOem102},
    {95, kF1 + 10},
    {96, kF1 + 11},
    {104, kReturn, kExt},
    {105, kRControl, kExt},
    {106, kDivide, kExt},
    {107, kSnapshot, kExt},
    {108, kRMenu, kExt},
    {110, kHome, kExt},
    {111, kUp, kExt},
    {112, kPrior, kExt},
    {113, kLeft, kExt},
    {114, kRight, kExt},
    {115, kEnd, kExt},
    {116, kDown, kExt},
    {117, kNext, kExt},
    {118, kInsert, kExt},
    {119, kDelete, kExt},
    {121, kVolumeMute, kExt},
    {122, kVolumeDown, kExt},
    {123, kVolumeUp, kExt},
    {127, kPause},
    {133, kLWin, kExt},
    {134, kRWin, kExt},
    {135, kApps, kExt},
    {171, kMediaNextTrack, kExt},
    {172, kMediaPlayPause, kExt},
    {173, kMediaPrevTrack, kExt},
    {174, kMediaStop, kExt},
    {191, kF1 + 12},
    {192, kF1 + 13},
    {193, kF1 + 14},
    {194, kF1 + 15},
    {195, kF1 + 16},
    {196, kF1 + 17},
    {197, kF1 + 18},
    {198, kF1 + 19},
    {199, kF1 + 20},
    {200, kF1 + 21},
    {201, kF1 + 22},
    {202, kF1 + 23},
};

constexpr bool byKeycode(const X11Key& a, const X11Key& b) {
    return a.keycode < b.keycode;
}
constexpr bool notAscending(const X11Key& a, const X11Key& b) {
    return a.keycode >= b.keycode;
}
static_assert(std::adjacent_find(std::begin(kX11Keys), std::end(kX11Keys), notAscending) ==
                  std::end(kX11Keys),
              "one entry per keycode, ascending");

} // namespace

std::span<const X11Key> x11KeyTable() {
    return kX11Keys;
}

const X11Key* findX11Key(unsigned keycode) {
    const X11Key probe{keycode};
    const auto* found = std::lower_bound(std::begin(kX11Keys), std::end(kX11Keys), probe, byKeycode);
    return found != std::end(kX11Keys) && found->keycode == keycode ? found : nullptr;
}
