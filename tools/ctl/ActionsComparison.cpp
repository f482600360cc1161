// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/ActionsComparison.h"

#include "model/ActionList.h"
#include "model/ConfigStore.h"

#include <algorithm>

namespace {

bool sameMacroPlay(const ActionList& a, const ActionList& b) {
    if (a.PlayMode != b.PlayMode || a.IsAutoInterval != b.IsAutoInterval)
        return false;
    if (a.PlayMode == 0 && a.Cycles != b.Cycles)
        return false;
    return !a.IsAutoInterval || a.Delay == b.Delay;
}

std::string quotedItem(const std::vector<std::string>& items, std::size_t index) {
    return index < items.size() ? "\"" + items[index] + "\"" : "none";
}

} // namespace

bool sameActions(int kind, const ActionList& a, const ActionList& b) {
    if (a.items() != b.items())
        return false;
    switch (kind) {
    case kKindMacro:
        return sameMacroPlay(a, b);
    case kKindEmulation:
        return a.Delay == b.Delay;
    default:
        return true;
    }
}

std::string firstItemDifference(const ActionList& a, const ActionList& b) {
    const std::vector<std::string>& before = a.items();
    const std::vector<std::string>& after = b.items();
    const auto shared = std::min(before.size(), after.size());
    const auto differing =
        std::mismatch(before.begin(), before.begin() + static_cast<std::ptrdiff_t>(shared), after.begin());
    const auto index = static_cast<std::size_t>(differing.first - before.begin());
    if (index == before.size() && index == after.size())
        return {};
    return "item " + std::to_string(index + 1) + ": " + quotedItem(before, index) + " -> " +
           quotedItem(after, index);
}
