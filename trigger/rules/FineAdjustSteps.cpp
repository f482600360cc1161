// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/rules/FineAdjustSteps.h"

#include <array>

namespace FineAdjustSteps {

namespace {

using namespace TriggerRanges;

constexpr std::array<Step, 6> kSteps{{
    {kUpperDecrease, kUpper, -1, kUpperMin, false},
    {kUpperIncrease, kUpper, +1, kUpperMax, true},
    {kLowerDecrease, kLower, -1, kLowerMin, true},
    {kLowerIncrease, kLower, +1, kLowerMax, false},
    {kThresholdDecrease, kThreshold, -1, kThresholdMin, false},
    {kThresholdIncrease, kThreshold, +1, kThresholdMax, false},
}};

bool allowed(const Step& step, const TriggerTriple& values) {
    const int value = values[step.element];
    const bool withinLimit = step.delta < 0 ? value > step.limit : value < step.limit;
    if (!withinLimit)
        return false;
    return !step.keepsTravelsApart || values[kUpper] + 1 < values[kLower];
}

} // namespace

const Step* stepFor(int id) {
    for (const Step& step : kSteps) {
        if (step.id == id)
            return &step;
    }
    return nullptr;
}

bool apply(int id, TriggerTriple& values) {
    const Step* step = stepFor(id);
    if (step == nullptr || !allowed(*step, values))
        return false;
    values[step->element] += step->delta;
    return true;
}

} // namespace FineAdjustSteps
