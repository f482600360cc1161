// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "trigger/rules/FineAdjustControls.h"
#include "trigger/rules/TriggerRanges.h"

// The six arrow buttons of the fine-adjust window, each stepping one of the three trigger values by
// one within its range; the two steps that bring the travels together keep the press travel at least
// 0.1 mm above (below in travel) the release travel.
namespace FineAdjustSteps {

// One arrow: which value it steps, by how much, the value it never passes, and whether the press
// travel must stay below the release travel after the step.
struct Step {
    FineAdjustControlId id = FineAdjustControlId::UpperDecrease;
    std::size_t element = 0;
    int delta = 0;
    int limit = 0;
    bool keepsTravelsApart = false;
};

// The step of arrow id, or null for any other control.
const Step* stepFor(FineAdjustControlId id);

// Applies arrow id to values when its condition holds; true when a value changed.
bool apply(FineAdjustControlId id, TriggerTriple& values);

} // namespace FineAdjustSteps
