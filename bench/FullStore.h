// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ActionItem.h"
#include "model/ConfigStore.h"

#include <memory>

// The benchmarks' scale: every one of the 765 keys assigned, one in nine of them to a macro, and
// libraries of long recordings.

constexpr int kLibraryMacros = 10;
constexpr int kItemsPerLibraryMacro = 300;
constexpr int kItemsPerKeyMacro = 40;

inline ActionList recordedMacro(const CConfigStore& store, int events, int seed) {
    ActionList macro(9);
    for (int i = 0; i < events; ++i) {
        const std::string key = store.codeToName(15 + (seed + i) % 60);
        macro.setOrAppend(ActionList::kAppend, ActionItem::keyEvent(key, i % 2 == 0));
        macro.setOrAppend(ActionList::kAppend, ActionItem::delay(10 + (seed * 7 + i) % 90));
    }
    return macro;
}

inline std::unique_ptr<CConfigStore> fullStore() {
    auto store = std::make_unique<CConfigStore>("/nonexistent/qelec-bench-keyboard.txt");
    store->deviceVariant = 4;
    store->buildCatalogue();
    store->resetToDefaults();
    for (int i = 0; i < kLibraryMacros; ++i) {
        ActionList::addToLibrary(store->predefinedMacros,
                                 recordedMacro(*store, kItemsPerLibraryMacro / 2, i));
        ActionList::addToLibrary(store->predefinedCombos, recordedMacro(*store, 3, i + 100));
        ActionList::addToLibrary(store->predefinedEmulations, recordedMacro(*store, 20, i + 200));
    }
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        store->lightArea[key] = {key * 3 % 256, 255 - key, key * 7 % 256};
        for (int table = 0; table < kTables; ++table) {
            if ((key + table) % 9 == 0) {
                store->keyKind[key][table] = kKindMacro;
                store->keyCode[key][table] = 0;
                store->keyActions[key][table] = recordedMacro(*store, kItemsPerKeyMacro / 2, key * 9 + table);
            } else if (store->keyKind[key][table] == kKindNotSet) {
                store->keyKind[key][table] = kKindSingle;
                store->keyCode[key][table] = 43;
            }
        }
    }
    return store;
}
