// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/rules/FineAdjustSteps.h"

#include <array>

namespace FineAdjustSteps {

namespace {

using namespace TriggerRanges;
using enum FineAdjustControlId;

constexpr std::array<Step, 6> kSteps{{
    {UpperDecrease, kUpper, -1, kUpperMin, false},
    {UpperIncrease, kUpper, +1, kUpperMax, true},
    {LowerDecrease, kLower, -1, kLowerMin, true},
    {LowerIncrease, kLower, +1, kLowerMax, false},
    {ThresholdDecrease, kThreshold, -1, kThresholdMin, false},
    {ThresholdIncrease, kThreshold, +1, kThresholdMax, false},
}};

bool allowed(const Step& step, const TriggerTriple& values) {
    const int value = values[step.element];
    const bool withinLimit = step.delta < 0 ? value > step.limit : value < step.limit;
    if (!withinLimit)
        return false;
    return !step.keepsTravelsApart || values[kUpper] + 1 < values[kLower];
}

} // namespace

const Step* stepFor(FineAdjustControlId id) {
    for (const Step& step : kSteps) {
        if (step.id == id)
            return &step;
    }
    return nullptr;
}

bool apply(FineAdjustControlId id, TriggerTriple& values) {
    const Step* step = stepFor(id);
    if (step == nullptr || !allowed(*step, values))
        return false;
    values[step->element] += step->delta;
    return true;
}

} // namespace FineAdjustSteps
