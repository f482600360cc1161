// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/TriggersCommand.h"

#include "model/ConfigStore.h"
#include "tools/cli/KeyLegends.h"
#include "tools/cli/KeySelection.h"
#include "tools/ctl/CommandOutput.h"
#include "tools/ctl/ConfigurationSources.h"
#include "trigger/rules/TriggerTexts.h"

#include <cstdio>

namespace {

// A travel as the rapid-trigger window labels it, or in millimetres with a note when out of range.
std::string travelText(int tenths, bool inRange) {
    if (inRange)
        return std::string(TriggerTexts::travelLabel(tenths));
    return TriggerTexts::millimetres(tenths) + " (out of range)";
}

std::string thresholdText(int code) {
    if (TriggerRanges::thresholdInRange(code))
        return std::string(TriggerTexts::thresholdLabel(code));
    return TriggerTexts::thresholdMillimetres(code) + " (out of range)";
}

std::string describe(const TriggerChange& change) {
    std::string text;
    const auto add = [&text](const char* what, const std::string& value) {
        text += (text.empty() ? "" : ", ") + std::string(what) + " " + value;
    };
    if (change.upper)
        add("press travel", TriggerTexts::millimetres(*change.upper));
    if (change.lower)
        add("release travel", TriggerTexts::millimetres(*change.lower));
    if (change.threshold)
        add("rapid-trigger threshold", TriggerTexts::thresholdMillimetres(*change.threshold));
    return text;
}

// The keyboard opened and its trigger values read into store, or the reason why not.
std::optional<std::string> readTriggers(CConfigStore& store) {
    if (auto failure = connectKeyboard(store))
        return failure;
    if (!store.readTriggers())
        return std::string("reading the trigger values failed");
    return std::nullopt;
}

} // namespace

std::optional<std::string> applyTriggerChange(std::array<TriggerTriple, 86>& table,
                                              const TriggerChange& change) {
    std::array<TriggerTriple, 86> changed = table;
    for (int key : change.keys) {
        TriggerTriple& values = changed[static_cast<std::size_t>(key)];
        if (change.upper)
            values[TriggerRanges::kUpper] = *change.upper;
        if (change.lower)
            values[TriggerRanges::kLower] = *change.lower;
        if (change.threshold)
            values[TriggerRanges::kThreshold] = *change.threshold;
        if (auto problem = TriggerRanges::problemWith(values))
            return KeyLegends::keyLabel(change.variant, key) + ": " + *problem;
    }
    table = changed;
    return std::nullopt;
}

int runTriggersShow(const std::optional<std::string>& statePath) {
    auto store = newStore(statePath);
    if (auto failure = readTriggers(*store))
        return printError(*failure);
    std::printf("key  legend      press            release          threshold\n");
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        const TriggerTriple& values = store->triggerValues[static_cast<std::size_t>(key)];
        const int upper = values[TriggerRanges::kUpper];
        const int lower = values[TriggerRanges::kLower];
        std::printf("%3d  %-10s  %-15s  %-15s  %s\n", key,
                    KeyLegends::keyLegend(store->deviceVariant, key).c_str(),
                    travelText(upper, TriggerRanges::upperInRange(upper)).c_str(),
                    travelText(lower, TriggerRanges::lowerInRange(lower)).c_str(),
                    thresholdText(values[TriggerRanges::kThreshold]).c_str());
    }
    return 0;
}

int runTriggersSet(const std::optional<std::string>& statePath, TriggerChange change) {
    auto store = newStore(statePath);
    if (auto failure = readTriggers(*store))
        return printError(*failure + "; nothing was written");
    change.variant = store->deviceVariant;
    if (auto refused = applyTriggerChange(store->triggerValues, change))
        return printError(*refused + "; nothing was written");
    if (!store->writeTriggers())
        return printError("writing the trigger values failed");
    std::printf("set %s: %s\n", describeKeySelection(change.keys).c_str(), describe(change).c_str());
    return 0;
}
