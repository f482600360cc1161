// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/rules/TriggerRanges.h"

#include "trigger/rules/TriggerTexts.h"

namespace TriggerRanges {

TriggerTriple repairedTravels(const TriggerTriple& values) {
    TriggerTriple repaired = values;
    if (!upperInRange(repaired[kUpper]))
        repaired[kUpper] = kUpperMin;
    if (!lowerInRange(repaired[kLower]))
        repaired[kLower] = kLowerMax;
    return repaired;
}

TriggerTriple intoAdjustRange(const TriggerTriple& values) {
    TriggerTriple adjusted = repairedTravels(values);
    if (!thresholdInRange(adjusted[kThreshold]))
        adjusted[kThreshold] = kThresholdMin;
    return adjusted;
}

namespace {

std::string outside(const char* what, const std::string& value, int low, int high) {
    return std::string(what) + " " + value + " is outside " + TriggerTexts::millimetres(low) + " to " +
           TriggerTexts::millimetres(high);
}

} // namespace

std::optional<std::string> problemWith(const TriggerTriple& values) {
    const int upper = values[kUpper];
    const int lower = values[kLower];
    const int threshold = values[kThreshold];
    if (!upperInRange(upper))
        return outside("the press travel", TriggerTexts::millimetres(upper), kUpperMin, kUpperMax);
    if (!lowerInRange(lower))
        return outside("the release travel", TriggerTexts::millimetres(lower), kLowerMin, kLowerMax);
    if (!thresholdInRange(threshold))
        return outside("the rapid-trigger threshold", TriggerTexts::thresholdMillimetres(threshold),
                       kThresholdMin + 1, kThresholdMax + 1);
    if (upper >= lower)
        return "the press travel " + TriggerTexts::millimetres(upper) + " is not below the release travel " +
               TriggerTexts::millimetres(lower);
    return std::nullopt;
}

} // namespace TriggerRanges
