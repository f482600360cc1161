// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/history/EditHistory.h"

bool EditHistory::record(StepName name, const StoreConfiguration& before, const StoreConfiguration& after) {
    ConfigurationDifference change = ConfigurationDifference::between(before, after);
    if (change.empty())
        return false;
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
    steps_.push_back({std::move(name), std::move(change)});
    if (steps_.size() > kLimit)
        steps_.pop_front();
    done_ = steps_.size();
    return true;
}

const StepName* EditHistory::undo(StoreConfiguration& configuration) {
    if (!canUndo())
        return nullptr;
    Step& step = steps_[--done_];
    step.change.swapWith(configuration);
    return &step.name;
}

const StepName* EditHistory::redo(StoreConfiguration& configuration) {
    if (!canRedo())
        return nullptr;
    Step& step = steps_[done_++];
    step.change.swapWith(configuration);
    return &step.name;
}

std::vector<StepName> EditHistory::doneNames() const {
    std::vector<StepName> names;
    names.reserve(done_);
    for (std::size_t i = 0; i < done_; ++i)
        names.push_back(steps_[i].name);
    return names;
}

std::size_t EditHistory::bytes() const {
    std::size_t bytes = sizeof(*this);
    for (const Step& step : steps_)
        bytes += sizeof(Step) - sizeof(ConfigurationDifference) + step.name.zh.capacity() +
                 step.name.en.capacity() + step.change.bytes();
    return bytes;
}
