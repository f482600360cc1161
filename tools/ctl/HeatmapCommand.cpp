// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/HeatmapCommand.h"

#include "device/AtomicFileWrite.h"
#include "model/ConfigStore.h"
#include "model/KeyboardVariant.h"
#include "tools/ctl/CommandOutput.h"
#include "tools/ctl/ConfigurationSources.h"
#include "tools/ctl/CountersCommand.h"
#include "tools/ctl/HeatmapSvg.h"
#include "tools/ctl/PrintableText.h"

#include <cstdio>

int runHeatmap(const std::optional<std::string>& statePath, const std::string& svgPath) {
    auto store = newStore(statePath);
    if (const auto failure = connectKeyboard(*store))
        return printError(*failure);
    if (!store->readPressCounters())
        return printError("reading the press counters failed");
    if (std::string error; !writeFileAtomically(svgPath, heatmapSvg(*store), &error))
        return printError("could not write '" + svgPath + "': " + error);
    std::printf("drew the press counts of %s into %s\n",
                std::string(KeyboardVariant::name(store->deviceVariant)).c_str(), printable(svgPath).c_str());
    printHighestAndLowest(*store);
    return 0;
}
