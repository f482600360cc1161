// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

class CConfigStore;

// The keys picked on the virtual key input dialog, as the store's virtualKeyState holds them:
// element 0 is the one key of mode 1 (0 for none); elements 1..6 are the keys of mode 2 in pick
// order and element 7 their count. Keys are device key codes. Qt-free.
using VirtualKeyState = std::array<int, 8>;

// The picker's two modes.
inline constexpr int kPickOneKey = 1;
inline constexpr int kPickCombination = 2;
// At most this many keys are picked in mode 2.
inline constexpr int kMostPicks = 6;

// Mode 2 starts from no picks.
void clearPicks(VirtualKeyState& state);
// How many keys mode 2 holds, 0..6 whatever the state says.
int pickCount(const VirtualKeyState& state);
// Adds code after the keys picked; false, and nothing changes, when six are held already.
bool addPick(VirtualKeyState& state, int code);
// Removes code from the picks; the later picks move up one place and the freed place becomes 0.
void removePick(VirtualKeyState& state, int code);

// The line under the keyboard: "单键：" / "Single:" and the picked key's name in mode 1,
// "组合键：" / "Combo:" and the picks' names joined by "+" in mode 2 ("-- --" for nothing); empty
// in any other language.
std::string pickDisplayLine(const CConfigStore& store, int mode);
