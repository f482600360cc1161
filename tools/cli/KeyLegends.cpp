// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cli/KeyLegends.h"

#include "app/rules/MainWindowControls.h"
#include "model/ConfigStore.h"

namespace KeyLegends {

std::string keyLegend(int variant, int key) {
    if (key < kFirstKey || key > kLastKey)
        return {};
    const auto controls = mainWindowControls(mainWindowLayoutFor(variant));
    const ControlSpec& entry = controls[static_cast<std::size_t>(kMainWindowKeyEntryOffset + key)];
    return entry.captionEn != nullptr ? entry.captionEn : "";
}

std::string keyLabel(int variant, int key) {
    return "key " + std::to_string(key) + " (" + keyLegend(variant, key) + ")";
}

} // namespace KeyLegends
