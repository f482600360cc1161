// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/LightsCommand.h"

#include "lighting/rules/LightColour.h"
#include "model/ConfigStore.h"
#include "model/KeyboardVariant.h"
#include "tools/cli/KeyLegends.h"
#include "tools/cli/KeySelection.h"
#include "tools/ctl/ColourText.h"
#include "tools/ctl/CommandOutput.h"
#include "tools/ctl/ConfigurationSources.h"
#include "tools/ctl/DiffReport.h"
#include "tools/ctl/HexColour.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string variantText(int variant) {
    return std::string(KeyboardVariant::name(variant)) + " (variant " + std::to_string(variant) + ")";
}

void printLights(const CConfigStore& store, const std::vector<int>& keys) {
    for (int key : keys) {
        const Rgb colour = LightColour::colourOf(store.lightArea[static_cast<std::size_t>(key)]);
        std::printf("%2d %-10s %s  %d,%d,%d\n", key, KeyLegends::keyLegend(store.deviceVariant, key).c_str(),
                    hexColour(colour).c_str(), redOf(colour), greenOf(colour), blueOf(colour));
    }
}

int setLights(CConfigStore& store, const std::vector<int>& keys, Rgb colour) {
    for (int key : keys)
        store.lightArea[static_cast<std::size_t>(key)] = LightColour::rowOf(colour);
    if (!store.writeLights())
        return printError("writing the lights to the keyboard failed");
    std::printf("set %s to %s and wrote the lights to %s\n", keyList(keys, store.deviceVariant).c_str(),
                hexColour(colour).c_str(), variantText(store.deviceVariant).c_str());
    return 0;
}

int runLights(const std::vector<std::string>& words, const std::optional<std::string>& statePath) {
    std::optional<Rgb> colour;
    if (words.size() == 2) {
        colour = parseColourText(words[1]);
        if (!colour)
            return printUsageError(
                "'" + words[1] +
                "' is not a colour: give #rrggbb or r,g,b with each 0 to 255; nothing was changed");
    }
    auto store = newStore(statePath);
    if (const auto failure = connectKeyboard(*store))
        return printError(*failure);
    if (!KeyboardVariant::hasColourLighting(store->deviceVariant))
        return printError(variantText(store->deviceVariant) + " has no colour lighting");
    const KeySelection selection = parseKeySelection(words.empty() ? "all" : words[0], store->deviceVariant);
    if (!selection.ok())
        return printUsageError(selection.error + "; nothing was changed");
    // The keys not named keep the colours the keyboard holds.
    if (!store->readLights())
        return printError("reading the lights from the keyboard failed; nothing was changed");
    if (!colour) {
        printLights(*store, selection.keys);
        return 0;
    }
    return setLights(*store, selection.keys, *colour);
}

} // namespace

int runLightsCommand(const CtlInvocation& invocation) {
    return runLights(invocation.words(), invocation.statePath);
}
