// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ActionList.h"
#include "model/StoreConfiguration.h"

#include <array>
#include <cstddef>
#include <vector>

// What one command changed in the working configuration: only the key entries, libraries, lights and
// trigger values that differ, so that a step of the history costs what it changed rather than a whole
// copy of the configuration. Each holds the one value of its part that the configuration does not:
// the value before the change while the step is done, the value after it once undone. Undo and redo
// are both a swap of those values with the configuration's.
class ConfigurationDifference {
public:
    struct KeyEntry {
        int kind = 0;
        int code = 0;
        ActionList actions;
    };
    struct KeyChange {
        int slot = 0;
        int table = 0;
        KeyEntry other;
    };
    struct TripleChange {
        int slot = 0;
        std::array<int, 3> other{};
    };
    struct LibraryChange {
        int library = 0; // index into kLibraries
        ActionList other;
    };

    // The three libraries, in the order LibraryChange::library counts them.
    static constexpr std::array<ActionList StoreConfiguration::*, 3> kLibraries{
        &StoreConfiguration::predefinedMacros, &StoreConfiguration::predefinedCombos,
        &StoreConfiguration::predefinedEmulations};

    // Everything in which after differs from before, down to a list's view fields and children, holding
    // the values before.
    static ConfigurationDifference between(const StoreConfiguration& before, const StoreConfiguration& after);

    bool empty() const;
    // Exchanges the values held with those of configuration: on the configuration after the change it
    // undoes it, on the configuration before it redoes it. The parts the change did not touch stay as
    // they are.
    void swapWith(StoreConfiguration& configuration);

    const std::vector<KeyChange>& keys() const { return keys_; }
    const std::vector<LibraryChange>& libraries() const { return libraries_; }
    const std::vector<TripleChange>& lights() const { return lights_; }
    const std::vector<TripleChange>& triggers() const { return triggers_; }

    // The heap and object bytes the difference holds.
    std::size_t bytes() const;

private:
    std::vector<KeyChange> keys_;
    std::vector<LibraryChange> libraries_;
    std::vector<TripleChange> lights_;
    std::vector<TripleChange> triggers_;
};

// Whether two lists are the same in every field, item and child, view fields included.
bool sameActionList(const ActionList& a, const ActionList& b);
// The heap bytes a list holds with its items and children, beyond sizeof(ActionList).
std::size_t actionListHeapBytes(const ActionList& list);
