// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/KeyboardVariant.h"
#include "trigger/rules/TriggerRanges.h"

#include <optional>
#include <string>
#include <vector>

// "qelec-ctl triggers": every key's press travel, release travel and rapid-trigger threshold in
// millimetres, and "qelec-ctl triggers set KEYS": new values for some keys, checked against the
// ranges the program's windows keep before anything is written.

// New values for the keys named; a value not given stays as the keyboard holds it. Travels are in
// 0.1 mm, the threshold as its code. A refusal names the key by its legend on the variant's keyboard.
struct TriggerChange {
    std::vector<int> keys;
    std::optional<int> upper;
    std::optional<int> lower;
    std::optional<int> threshold;
    int variant = KeyboardVariant::kRgb;
};

// Gives every key of change its values in table (rows 1..85); the first key whose values would be
// out of range, or whose press travel would not be below its release travel, is named with the
// reason and table is left as it was.
std::optional<std::string> applyTriggerChange(std::array<TriggerTriple, 86>& table,
                                              const TriggerChange& change);

// Reads the keyboard's trigger values and prints them; the exit code.
int runTriggersShow(const std::optional<std::string>& statePath);
// Reads the keyboard's trigger values, applies change and writes them back; nothing is written when a
// value is refused. The exit code.
int runTriggersSet(const std::optional<std::string>& statePath, TriggerChange change);
