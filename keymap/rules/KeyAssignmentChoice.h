// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ActionList.h"

#include <array>

class CConfigStore;

// The pages of the key assignment dialog, one per family of assignments.
enum KeyPage : int {
    kPageSingleCombo = 1,
    kPageMacro = 2,
    kPageEmulate = 3,
    kPageMultimedia = 4,
    kPageMouse = 5,
    kPageFunction = 6,
    kPagePower = 7,
};

// The device key codes of the keyboard's Fn and Fn2 keys: a key holds them on all three layers of a
// program or not at all.
inline constexpr int kFnCode = 156;
inline constexpr int kFn2Code = 166;

// What the key assignment dialog holds while it is open: the page shown, what each page has chosen,
// and working copies of the three libraries with the current entry's actions. OK stores it into the
// key (storeChoice); closing the dialog any other way drops it. Qt-free.
struct KeyAssignmentChoice {
    int currentPage = kPageSingleCombo;
    // Page 1 edits a single key (true) or a combination (false).
    bool singleMode = true;
    // Key index of the single key (virtual-key code, +0x100 for the keypad Enter); -1 for none.
    int singleKeyIndex = -1;
    // Device key codes chosen on the function pages 4..7; -1 for none.
    std::array<int, 4> functionCodes{-1, -1, -1, -1};

    ActionList comboList{6};
    ActionList comboActions{6};
    ActionList macroList{9};
    ActionList macroActions{9};
    ActionList emulationList{9};
    ActionList emulationActions{9};

    // The code chosen on function page 4..7; -1 for any other page.
    int functionCode(int page) const;
    void setFunctionCode(int page, int code);
};

// Whether page is one of the function pages 4..7, which choose one device key code from icons.
constexpr bool isFunctionPage(int page) {
    return page >= kPageMultimedia && page <= kPagePower;
}

// Whether the store's currentKey, currentTable and currentProgram name a key and table to edit.
bool storeNamesAKey(const CConfigStore& store);

// The key index the catalogue gives a device key code; -1 for a code it does not know (0 and
// below included).
int keyIndexOfCode(const CConfigStore& store, int code);
// The device key code of a key index (its low nine bits); 0 for a key the keyboard cannot send.
int codeOfKeyIndex(const CConfigStore& store, int keyIndex);
// The single key a key event code (a virtual-key code, +0x100 keypad Enter, +0x200 release) stands
// for: the catalogue's key for the event's device key code; -1 for a key the keyboard cannot send.
int singleKeyOfEvent(const CConfigStore& store, int eventCode);

// The choice the dialog opens with for the store's currentKey on currentTable: the libraries copied
// with the rows they are shown in, the page chosen by what the key does, a combination, macro or
// emulation found in its library (or added to it as "default") and made current.
KeyAssignmentChoice openingChoice(const CConfigStore& store);

// The page Default shows for a factory device key code: 1 for an ordinary key (and anything below
// the keyboard's own functions), 4..7 for the function pages, 0 for the codes it leaves alone.
int pageForFactoryCode(int code);
// Default: the key's factory function on the current layer, chosen on its page; false when its code
// is one Default leaves alone. Changes only the choice; the store changes on OK.
bool chooseFactoryDefault(KeyAssignmentChoice& choice, const CConfigStore& store);
// Clear: no single key, single mode, page 1; OK then leaves the key unassigned.
void clearChoice(KeyAssignmentChoice& choice);
// Single or combination mode on page 1.
void setSingleMode(KeyAssignmentChoice& choice, bool single);

// OK: stores what the page shown has chosen into the key, and that page's library. A page with
// nothing chosen leaves the key unassigned. Fn and Fn2 go to all three layers of the current program.
void storeChoice(CConfigStore& store, const KeyAssignmentChoice& choice);
