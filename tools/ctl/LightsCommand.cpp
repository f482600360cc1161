#include "tools/ctl/LightsCommand.h"

#include "lighting/LightColour.h"
#include "model/ConfigStore.h"
#include "model/KeyboardVariant.h"
#include "tools/ctl/ColourText.h"
#include "tools/ctl/CommandOutput.h"
#include "tools/ctl/ConfigurationSources.h"
#include "tools/ctl/DiffReport.h"
#include "tools/ctl/HexColour.h"
#include "tools/ctl/KeySelection.h"
#include "tools/ctl/KeyboardPicture.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct LightsCommandLine {
    std::vector<std::string> arguments;
    std::optional<std::string> statePath;
    std::optional<std::string> error; // the first thing not understood
};

LightsCommandLine parse(int argc, char** argv) {
    LightsCommandLine line;
    bool commandSeen = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--state") {
            if (i + 1 >= argc && !line.error)
                line.error = "--state needs a value";
            if (i + 1 < argc)
                line.statePath = argv[++i];
        } else if (isOptionWord(argument)) {
            if (!line.error)
                line.error = argument == "--variant" ? "--variant goes with defaults and check"
                                                     : "unknown option '" + argument + "'";
        } else if (!commandSeen) {
            commandSeen = true;
        } else {
            line.arguments.push_back(argument);
        }
    }
    return line;
}

bool isLightsCommand(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--state") {
            ++i;
            continue;
        }
        if (!isOptionWord(argument))
            return argument == "lights";
    }
    return false;
}

std::string variantText(int variant) {
    return std::string(KeyboardVariant::name(variant)) + " (variant " + std::to_string(variant) + ")";
}

void printLights(const CConfigStore& store, const std::vector<int>& keys) {
    for (int key : keys) {
        const Rgb colour = LightColour::colourOf(store.lightArea[static_cast<std::size_t>(key)]);
        std::printf("%2d %-10s %s  %d,%d,%d\n", key,
                    KeyboardPicture::keyLegend(store.deviceVariant, key).c_str(), hexColour(colour).c_str(),
                    redOf(colour), greenOf(colour), blueOf(colour));
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

int runLights(const LightsCommandLine& line) {
    std::optional<Rgb> colour;
    if (line.arguments.size() == 2) {
        colour = parseColourText(line.arguments[1]);
        if (!colour)
            return printUsageError(
                "'" + line.arguments[1] +
                "' is not a colour: give #rrggbb or r,g,b with each 0 to 255; nothing was changed");
    }
    auto store = newStore(line.statePath);
    if (const auto failure = connectKeyboard(*store))
        return printError(*failure);
    if (!KeyboardVariant::hasColourLighting(store->deviceVariant))
        return printError(variantText(store->deviceVariant) + " has no colour lighting");
    const KeySelection selection =
        parseKeySelection(line.arguments.empty() ? "all" : line.arguments[0], store->deviceVariant);
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

std::optional<int> runLightsCommand(int argc, char** argv) {
    if (!isLightsCommand(argc, argv))
        return std::nullopt;
    const LightsCommandLine line = parse(argc, argv);
    if (line.error)
        return printUsageError(*line.error);
    if (line.arguments.size() > 2)
        return printUsageError("lights takes at most KEYS and a COLOUR");
    return runLights(line);
}
