// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/CountersCommand.h"

#include "model/ConfigStore.h"
#include "tools/cli/KeyLegends.h"
#include "tools/ctl/CommandOutput.h"
#include "tools/ctl/ConfigurationSources.h"
#include "tools/ctl/HeatmapCommand.h"
#include "tools/ctl/PressCount.h"

#include <cstdio>

namespace {

void printExtreme(const CConfigStore& store, const char* what, int key) {
    if (key < kFirstKey || key > kLastKey) {
        std::printf("%s: none\n", what);
        return;
    }
    std::printf("%s: %s, %s\n", what, KeyLegends::keyLabel(store.deviceVariant, key).c_str(),
                pressCountText(store.pressCounts[static_cast<std::size_t>(key)]).c_str());
}

int runCounters(const std::optional<std::string>& statePath) {
    auto store = newStore(statePath);
    if (const auto failure = connectKeyboard(*store))
        return printError(*failure);
    if (!store->readPressCounters())
        return printError("reading the press counters failed");
    for (int key = kFirstKey; key <= kLastKey; ++key)
        std::printf("%2d %-14s %d\n", key, KeyLegends::keyLegend(store->deviceVariant, key).c_str(),
                    store->pressCounts[static_cast<std::size_t>(key)]);
    printHighestAndLowest(*store);
    return 0;
}

} // namespace

int runCountersCommand(const CtlInvocation& invocation) {
    if (const auto heatmap = invocation.option("--heatmap"))
        return runHeatmap(invocation.statePath, *heatmap);
    return runCounters(invocation.statePath);
}

void printHighestAndLowest(const CConfigStore& store) {
    printExtreme(store, "highest", store.highestKey);
    printExtreme(store, "lowest", store.lowestKey);
}
