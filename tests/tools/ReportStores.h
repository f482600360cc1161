// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ActionList.h"
#include "model/ConfigStore.h"

#include <initializer_list>
#include <memory>

// A store of a variant with its catalogue and factory defaults, as qelec-ctl compares and draws them.
inline std::unique_ptr<CConfigStore> readyStore(int variant) {
    auto store = std::make_unique<CConfigStore>();
    store->deviceVariant = variant;
    store->buildCatalogue();
    store->resetToDefaults();
    return store;
}

inline ActionList listOf(std::initializer_list<const char*> items, int sizeOfView = 9) {
    ActionList list(sizeOfView);
    for (const char* item : items)
        list.setOrAppend(ActionList::kAppend, item);
    return list;
}

// Gives key slot on table a combination, macro or emulation.
inline void assignActions(CConfigStore& store, int slot, int table, int kind, const ActionList& actions) {
    store.keyKind[slot][table] = kind;
    store.keyCode[slot][table] = 0;
    store.keyActions[slot][table].assign(actions);
}

// Appends an entry to a library.
inline void addEntry(ActionList& library, const char* name, const ActionList& actions) {
    library.setOrAppend(ActionList::kAppend, name);
    library.setChild(library.count() - 1 - library.ViewStartAt, actions);
}
