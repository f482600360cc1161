// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

class ActionList;
class CConfigStore;

// How the three libraries and a macro's actions are edited by hand: names of new entries, the numbers
// typed into the boxes, the switch between automatic and recorded delays, and the context menu of the
// macro's action rows. Qt-free.

enum class LibraryKind { Combo, Macro, Emulation };

// The name proposed for a new entry of library: the first "组合键%d"/"New Combo %d" (and likewise
// "宏定义%d"/"New Macro %d", "模拟击键%d"/"New Emu %d") with n = 1, 2, ... not yet taken; empty in a
// language other than "zh-CN" and "en-US".
std::string newEntryName(const ActionList& library, LibraryKind kind, const std::string& language);

// A number typed into a box, held within its limits.
struct LimitedNumber {
    int value = 0;
    // The text the box shows instead when the typed number was out of range.
    std::optional<std::string> replacement;
};
// The leading integer of text (0 when there is none; an optional sign, digits up to the first other
// character), limited to minimum..maximum; out of range the value is the limit and the box shows it.
LimitedNumber limitedNumber(const std::string& text, int minimum, int maximum);

inline constexpr int kMinCycles = 1;
inline constexpr int kMaxCycles = 255;
inline constexpr int kMinAutomaticDelay = 0;
inline constexpr int kMaxAutomaticDelay = 60000;
inline constexpr int kMinEmulationDelay = 0;
inline constexpr int kMaxEmulationDelay = 6000;

// A macro played a number of times (play mode 0) plays it kMinCycles..kMaxCycles times: a count out
// of that range (a keyboard reports 0 for the other play modes) becomes the nearer limit. True when
// the count changed.
bool keepPlayCountInRange(ActionList& macro);

// The number the edit box of a macro's row opens with: "<20 ms>" gives "20". Nothing for a row that is
// no delay the windows show as a number (ActionItem::isBracketedDelay): its click opens no box.
std::optional<std::string> delayRowEditText(const std::string& item);
// The delay item a typed delay becomes: its leading integer within 0..65535.
std::string typedDelayItem(const std::string& text);

// Automatic delay: keeps the items at 0, 2, 4, ... (a key event of every key-and-delay pair).
void switchToAutomaticDelay(ActionList& macro);
// Recorded delays: the automatic delay as a delay item between every two neighbours. No item limit.
void switchToRecordedDelays(ActionList& macro);

// The context menu of a macro's action rows.
enum MacroMenuCommand : int {
    kMenuLeftPress = 1135,
    kMenuLeftRelease = 1136,
    kMenuLeftClick = 1137,
    kMenuRightPress = 1138,
    kMenuRightRelease = 1139,
    kMenuRightClick = 1140,
    kMenuMiddlePress = 1141,
    kMenuMiddleRelease = 1142,
    kMenuMiddleClick = 1143,
    kMenuWheelUp = 1144,
    kMenuWheelDown = 1145,
    kMenuDelete = 1147,
    kMenuCursorLeft = 1148,
    kMenuCursorRight = 1149,
    kMenuCursorUp = 1150,
    kMenuCursorDown = 1151,
};

// One entry of the menu: a command, or a submenu holding commands.
struct MacroMenuEntry {
    int id = 0; // 0 for a submenu
    std::string caption;
    std::vector<MacroMenuEntry> entries;
};
// The menu in language ("zh-CN" or "en-US"); empty in any other language.
std::vector<MacroMenuEntry> macroMenu(const std::string& language);

// Runs command on the action row at row of the view (counted from ViewStartAt): inserts a mouse
// action before it (twice for a click), with "<0 ms>" beside it when the macro records delays, or
// deletes the row (with the delay that pairs with it); then trims the macro to its item limit from
// the end. False for an unknown command.
bool runMacroMenuCommand(ActionList& macro, int command, int row, const CConfigStore& store);
