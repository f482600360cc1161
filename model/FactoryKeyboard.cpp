// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/FactoryKeyboard.h"

#include "model/ConfigStore.h"
#include "model/FactoryDefaults.h"
#include "model/KeyAssignmentCodec.h"

#include <memory>

KeyTables factoryKeyTables(int variant) {
    // The encoding reads names through a store's catalogue; factory keys carry codes only.
    const auto store = std::make_unique<CConfigStore>(std::string());
    KeyTables tables;
    const ActionList noActions;
    for (int table = 0; table < kTables; ++table) {
        for (int key = kFirstKey; key <= kLastKey; ++key) {
            const int code = defaultKeyCode(variant, key, table % kLayers);
            std::vector<int> array = encodeKeyAssignment(*store, defaultKindForCode(code), code, noActions);
            if (!array.empty())
                tables.set(table, key, std::move(array));
        }
    }
    return tables;
}

VirtualKeyboardState factoryKeyboard(int variant, std::string version) {
    return factoryState(variant, factoryKeyTables(variant), std::move(version));
}
