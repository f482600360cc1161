// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/StoreConfiguration.h"
#include "model/history/ConfigurationDifference.h"
#include "model/history/StepName.h"

#include <cstddef>
#include <deque>
#include <vector>

// The edit history of the working configuration: the last kLimit commands that changed it, each kept as
// its difference with a name, and how many of them are done. Undo and redo move along it; a new step
// drops the steps that were undone. It never talks to the keyboard.
class EditHistory {
public:
    static constexpr std::size_t kLimit = 100;

    struct Step {
        StepName name;
        ConfigurationDifference change;
    };

    // Records the change from before to after as one step named name; nothing is recorded, and false
    // returned, when nothing changed (a cancelled window, a failed transfer).
    bool record(StepName name, const StoreConfiguration& before, const StoreConfiguration& after);

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    // Takes the last done step back out of configuration; its name, or nullptr when there is none.
    const StepName* undo(StoreConfiguration& configuration);
    // Does the first undone step again; its name, or nullptr when there is none.
    const StepName* redo(StoreConfiguration& configuration);

    std::size_t size() const { return steps_.size(); }
    std::size_t done() const { return done_; }
    // The names of the done steps, oldest first.
    std::vector<StepName> doneNames() const;
    // The bytes every step holds.
    std::size_t bytes() const;

private:
    std::deque<Step> steps_;
    std::size_t done_ = 0;
};
