// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ConfigStore.h"

namespace {
constexpr int kFactoryTrackKey = 34;
}

void CConfigStore::resetToDefaults() {
    resetToFactory(deviceVariant);
    trackKey = kFactoryTrackKey;
}

void CConfigStore::buildCatalogue() {
    fillFor(deviceVariant);
    language = "zh-CN";
}
