// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymap/rules/KeyAssignmentChoice.h"

#include "keymap/rules/KeyAssignmentControls.h"
#include "keymap/rules/MacroEditRules.h"
#include "model/ConfigStore.h"
#include "model/FactoryDefaults.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

constexpr int kKeyIndexMask = 0x1FF;
constexpr int kLeavesAlone = 0;

// Which page Default shows for a factory code: the first rule whose range holds the code wins; a
// code no rule holds is an ordinary key.
struct FactoryCodeRule {
    int first;
    int last;
    int page;
};
constexpr FactoryCodeRule kFactoryCodeRules[] = {
    {76, 76, kPagePower},         // Sleep
    {204, 204, kPageSingleCombo}, // the extra key left of Z
    {210, 221, kPageSingleCombo}, // F13..F24
    {108, 125, kPageMultimedia},   {126, 134, kPageMouse}, {157, 158, kPageMouse},
    {173, 173, kPageMouse},        {198, 198, kPageMouse}, {199, 202, kLeavesAlone},
    {135, INT_MAX, kPageFunction},
};

std::size_t functionSlot(int page) {
    return static_cast<std::size_t>(page - kPageMultimedia);
}

// A library as the dialog works on it: shown in rows rows, its current entry kept where it was.
ActionList libraryCopy(const ActionList& library, int rows) {
    ActionList copy = library;
    copy.SizeOfView = rows;
    const std::int64_t current = std::int64_t{library.ViewStartAt} + library.CursorPos;
    copy.select(static_cast<int>(std::clamp<std::int64_t>(current, 0, INT_MAX)));
    return copy;
}

// Makes the library entry holding list current, adding it as "default" when none does, and gives
// its actions.
ActionList takeFromLibrary(ActionList& library, const ActionList& list) {
    ActionList::addToLibrary(library, list);
    return library.child(library.CursorPos);
}

std::size_t slotOf(int value) {
    return static_cast<std::size_t>(value);
}

} // namespace

int KeyAssignmentChoice::functionCode(int page) const {
    return isFunctionPage(page) ? functionCodes[functionSlot(page)] : -1;
}

void KeyAssignmentChoice::setFunctionCode(int page, int code) {
    if (isFunctionPage(page))
        functionCodes[functionSlot(page)] = code;
}

bool storeNamesAKey(const CConfigStore& store) {
    return store.currentKey >= kFirstKey && store.currentKey <= kLastKey && store.currentTable >= 0 &&
           store.currentTable < kTables && store.currentProgram >= 0 && store.currentProgram < kPrograms;
}

int keyIndexOfCode(const CConfigStore& store, int code) {
    if (code <= 0 || code >= kCatalogueSize)
        return -1;
    const int index = store.codeToVk[slotOf(code)];
    return index > 0 ? index : -1;
}

int codeOfKeyIndex(const CConfigStore& store, int keyIndex) {
    if (keyIndex < 0)
        return 0;
    return store.vkToCode[slotOf(keyIndex & kKeyIndexMask)];
}

int singleKeyOfEvent(const CConfigStore& store, int eventCode) {
    if (eventCode < 0)
        return -1;
    return keyIndexOfCode(store, codeOfKeyIndex(store, eventCode));
}

KeyAssignmentChoice openingChoice(const CConfigStore& store) {
    KeyAssignmentChoice choice;
    constexpr auto kList = KeyAssignmentScrollBar::List;
    choice.comboList = libraryCopy(store.predefinedCombos, keyAssignmentRowsOf(kPageSingleCombo, kList));
    choice.macroList = libraryCopy(store.predefinedMacros, keyAssignmentRowsOf(kPageMacro, kList));
    choice.emulationList = libraryCopy(store.predefinedEmulations, keyAssignmentRowsOf(kPageEmulate, kList));
    choice.comboActions = choice.comboList.child(choice.comboList.CursorPos);
    choice.macroActions = choice.macroList.child(choice.macroList.CursorPos);
    choice.emulationActions = choice.emulationList.child(choice.emulationList.CursorPos);
    if (!storeNamesAKey(store))
        return choice;

    const std::size_t key = slotOf(store.currentKey);
    const std::size_t table = slotOf(store.currentTable);
    const int kind = store.keyKind[key][table];
    const int code = store.keyCode[key][table];
    const ActionList& list = store.keyActions[key][table];
    switch (kind) {
    case kKindSingle:
        choice.singleKeyIndex = keyIndexOfCode(store, code);
        break;
    case kKindCombo:
        choice.singleMode = false;
        choice.comboActions = takeFromLibrary(choice.comboList, list);
        break;
    case kKindMacro:
        choice.macroActions = takeFromLibrary(choice.macroList, list);
        choice.currentPage = kPageMacro;
        break;
    case kKindEmulation:
        choice.emulationActions = takeFromLibrary(choice.emulationList, list);
        choice.currentPage = kPageEmulate;
        break;
    case kKindMultimedia:
    case kKindMouse:
    case kKindFunction:
    case kKindPower:
        choice.currentPage = kind - 1;
        choice.setFunctionCode(choice.currentPage, code);
        break;
    default:
        break;
    }
    return choice;
}

int pageForFactoryCode(int code) {
    for (const FactoryCodeRule& rule : kFactoryCodeRules) {
        if (code >= rule.first && code <= rule.last)
            return rule.page;
    }
    return kPageSingleCombo;
}

bool chooseFactoryDefault(KeyAssignmentChoice& choice, const CConfigStore& store) {
    const int code = storeNamesAKey(store)
                         ? defaultKeyCode(store.deviceVariant, store.currentKey, store.currentTable % kLayers)
                         : -1;
    const int page = pageForFactoryCode(code);
    if (page == kLeavesAlone)
        return false;
    choice.currentPage = page;
    if (isFunctionPage(page)) {
        choice.setFunctionCode(page, code);
        return true;
    }
    setSingleMode(choice, true);
    choice.singleKeyIndex = keyIndexOfCode(store, code);
    return true;
}

void clearChoice(KeyAssignmentChoice& choice) {
    choice.singleKeyIndex = -1;
    setSingleMode(choice, true);
    choice.currentPage = kPageSingleCombo;
}

void setSingleMode(KeyAssignmentChoice& choice, bool single) {
    choice.singleMode = single;
}

namespace {

struct KeyEntry {
    CConfigStore& store;
    std::size_t key;
    std::size_t table;

    void assign(int kind, int code) const {
        store.keyKind[key][table] = kind;
        store.keyCode[key][table] = code;
    }
    void assignList(int kind, const ActionList& actions) const {
        store.keyActions[key][table] = actions;
        assign(kind, 0);
    }
};

void storeSingleOrCombo(const KeyEntry& entry, const KeyAssignmentChoice& choice) {
    if (choice.singleMode) {
        const int code = choice.singleKeyIndex >= 0 ? codeOfKeyIndex(entry.store, choice.singleKeyIndex) : 0;
        if (code > 0)
            entry.assign(kKindSingle, code);
    } else if (!choice.comboActions.empty()) {
        entry.assignList(kKindCombo, choice.comboActions);
    }
    entry.store.predefinedCombos = choice.comboList;
}

// Fn and Fn2 only work when the key holds them on every layer of its program.
void storeFunction(const KeyEntry& entry, int code) {
    if (code != kFnCode && code != kFn2Code) {
        entry.assign(kKindFunction, code);
        return;
    }
    const int firstTable = entry.store.currentProgram * kLayers;
    for (int layer = 0; layer < kLayers; ++layer)
        KeyEntry{entry.store, entry.key, slotOf(firstTable + layer)}.assign(kKindFunction, code);
}

} // namespace

void storeChoice(CConfigStore& store, const KeyAssignmentChoice& choice) {
    if (!storeNamesAKey(store))
        return;
    const KeyEntry entry{store, slotOf(store.currentKey), slotOf(store.currentTable)};
    store.keyKind[entry.key][entry.table] = kKindNotSet;
    switch (choice.currentPage) {
    case kPageSingleCombo:
        storeSingleOrCombo(entry, choice);
        break;
    case kPageMacro:
        if (!choice.macroActions.empty()) {
            ActionList macro = choice.macroActions;
            keepPlayCountInRange(macro);
            entry.assignList(kKindMacro, macro);
        }
        store.predefinedMacros = choice.macroList;
        break;
    case kPageEmulate:
        if (!choice.emulationActions.empty())
            entry.assignList(kKindEmulation, choice.emulationActions);
        store.predefinedEmulations = choice.emulationList;
        break;
    case kPageFunction:
        if (choice.functionCode(kPageFunction) >= 1)
            storeFunction(entry, choice.functionCode(kPageFunction));
        break;
    default:
        if (isFunctionPage(choice.currentPage) && choice.functionCode(choice.currentPage) >= 1)
            entry.assign(choice.currentPage + 1, choice.functionCode(choice.currentPage));
        break;
    }
}
