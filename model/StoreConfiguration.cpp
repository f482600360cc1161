// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/StoreConfiguration.h"

#include "model/FactoryDefaults.h"

void StoreConfiguration::resetToFactory(int deviceVariant) {
    predefinedMacros.clear();
    predefinedMacros.SizeOfView = 9;
    predefinedCombos.clear();
    predefinedCombos.SizeOfView = 6;
    predefinedEmulations.clear();
    predefinedEmulations.SizeOfView = 9;

    for (auto& colour : lightArea)
        colour = {0, 0, 0};
    for (auto& values : triggerValues)
        values = {8, 20, 0};

    for (int slot = 0; slot < kKeySlots; ++slot) {
        for (int table = 0; table < kTables; ++table) {
            const int code = defaultKeyCode(deviceVariant, slot, table % kLayers);
            keyActions[slot][table].clear();
            keyCode[slot][table] = code;
            keyKind[slot][table] = defaultKindForCode(code);
        }
    }
}
