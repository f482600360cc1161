// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/history/ConfigurationDifference.h"

#include <algorithm>
#include <utility>

namespace {

bool sameFields(const ActionList& a, const ActionList& b) {
    return a.SizeOfView == b.SizeOfView && a.ViewStartAt == b.ViewStartAt && a.CursorPos == b.CursorPos &&
           a.Cycles == b.Cycles && a.IsAutoInterval == b.IsAutoInterval && a.Delay == b.Delay &&
           a.PlayMode == b.PlayMode;
}

std::size_t stringHeapBytes(const std::string& text) {
    // Texts within the small-string buffer take no heap.
    return text.capacity() > sizeof(std::string) - 2 * sizeof(void*) ? text.capacity() + 1 : 0;
}

void addTripleChanges(const PerKeyTriples& before, const PerKeyTriples& after,
                      std::vector<ConfigurationDifference::TripleChange>& changes) {
    for (int slot = 0; slot < kKeySlots; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        if (before[s] != after[s])
            changes.push_back({slot, before[s]});
    }
}

void swapTriples(std::vector<ConfigurationDifference::TripleChange>& changes, PerKeyTriples& rows) {
    for (auto& change : changes)
        std::swap(rows[static_cast<std::size_t>(change.slot)], change.other);
}

ConfigurationDifference::KeyEntry keyEntryOf(const StoreConfiguration& configuration, std::size_t slot,
                                             std::size_t table) {
    ConfigurationDifference::KeyEntry entry{
        configuration.keyKind[slot][table], configuration.keyCode[slot][table], {}};
    entry.actions.assign(configuration.keyActions[slot][table]);
    return entry;
}

} // namespace

bool sameActionList(const ActionList& a, const ActionList& b) {
    if (!sameFields(a, b) || a.items() != b.items() || a.children().size() != b.children().size())
        return false;
    return std::equal(a.children().begin(), a.children().end(), b.children().begin(), sameActionList);
}

std::size_t actionListHeapBytes(const ActionList& list) {
    std::size_t bytes = list.items().capacity() * sizeof(std::string);
    for (const std::string& item : list.items())
        bytes += stringHeapBytes(item);
    bytes += list.children().capacity() * sizeof(ActionList);
    for (const ActionList& child : list.children())
        bytes += actionListHeapBytes(child);
    return bytes;
}

ConfigurationDifference ConfigurationDifference::between(const StoreConfiguration& before,
                                                         const StoreConfiguration& after) {
    ConfigurationDifference difference;
    for (std::size_t slot = 0; slot < kKeySlots; ++slot) {
        for (std::size_t table = 0; table < kTables; ++table) {
            if (before.keyKind[slot][table] == after.keyKind[slot][table] &&
                before.keyCode[slot][table] == after.keyCode[slot][table] &&
                sameActionList(before.keyActions[slot][table], after.keyActions[slot][table]))
                continue;
            difference.keys_.push_back(
                {static_cast<int>(slot), static_cast<int>(table), keyEntryOf(before, slot, table)});
        }
    }
    for (std::size_t library = 0; library < kLibraries.size(); ++library) {
        const ActionList& old = before.*kLibraries[library];
        const ActionList& now = after.*kLibraries[library];
        if (sameActionList(old, now))
            continue;
        LibraryChange change{static_cast<int>(library), {}};
        change.other.assign(old);
        difference.libraries_.push_back(std::move(change));
    }
    addTripleChanges(before.lightArea, after.lightArea, difference.lights_);
    addTripleChanges(before.triggerValues, after.triggerValues, difference.triggers_);
    return difference;
}

bool ConfigurationDifference::empty() const {
    return keys_.empty() && libraries_.empty() && lights_.empty() && triggers_.empty();
}

void ConfigurationDifference::swapWith(StoreConfiguration& configuration) {
    for (KeyChange& change : keys_) {
        const auto slot = static_cast<std::size_t>(change.slot);
        const auto table = static_cast<std::size_t>(change.table);
        std::swap(configuration.keyKind[slot][table], change.other.kind);
        std::swap(configuration.keyCode[slot][table], change.other.code);
        std::swap(configuration.keyActions[slot][table], change.other.actions);
    }
    for (LibraryChange& change : libraries_)
        std::swap(configuration.*kLibraries[static_cast<std::size_t>(change.library)], change.other);
    swapTriples(lights_, configuration.lightArea);
    swapTriples(triggers_, configuration.triggerValues);
}

std::size_t ConfigurationDifference::bytes() const {
    std::size_t bytes = sizeof(*this) + keys_.capacity() * sizeof(KeyChange) +
                        libraries_.capacity() * sizeof(LibraryChange) +
                        (lights_.capacity() + triggers_.capacity()) * sizeof(TripleChange);
    for (const KeyChange& change : keys_)
        bytes += actionListHeapBytes(change.other.actions);
    for (const LibraryChange& change : libraries_)
        bytes += actionListHeapBytes(change.other);
    return bytes;
}
