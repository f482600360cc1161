// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/LibraryDiff.h"

#include "model/ActionList.h"
#include "tools/ctl/ActionsComparison.h"
#include "tools/ctl/AssignmentDescription.h"

#include <algorithm>

namespace {

constexpr int kUnpaired = -1;

// Which entry of the other side each entry was matched with.
class EntryPairing {
public:
    EntryPairing(int kind, const ActionList& before, const ActionList& after)
        : kind_(kind), before_(before), after_(after), partnerOfBefore_(before.items().size(), kUnpaired),
          partnerOfAfter_(after.items().size(), kUnpaired) {
        pairWhere([this](std::size_t b, std::size_t a) { return sameName(b, a) && sameActionsAt(b, a); });
        pairWhere([this](std::size_t b, std::size_t a) { return sameName(b, a); });
        pairWhere([this](std::size_t b, std::size_t a) { return sameActionsAt(b, a); });
    }

    int partnerOfBefore(std::size_t b) const { return partnerOfBefore_[b]; }
    int partnerOfAfter(std::size_t a) const { return partnerOfAfter_[a]; }
    bool sameName(std::size_t b, std::size_t a) const { return before_.items()[b] == after_.items()[a]; }
    bool sameActionsAt(std::size_t b, std::size_t a) const {
        return sameActions(kind_, before_.children()[b], after_.children()[a]);
    }

private:
    // Pairs each unpaired entry before with the first unpaired entry after that matches it.
    template <typename Matches>
    void pairWhere(Matches matches) {
        for (std::size_t b = 0; b < partnerOfBefore_.size(); ++b) {
            for (std::size_t a = 0; a < partnerOfAfter_.size() && partnerOfBefore_[b] == kUnpaired; ++a) {
                if (partnerOfAfter_[a] == kUnpaired && matches(b, a)) {
                    partnerOfBefore_[b] = static_cast<int>(a);
                    partnerOfAfter_[a] = static_cast<int>(b);
                }
            }
        }
    }

    int kind_;
    const ActionList& before_;
    const ActionList& after_;
    std::vector<int> partnerOfBefore_;
    std::vector<int> partnerOfAfter_;
};

LibraryDifference entryOf(int kind, const ActionList& library, std::size_t index) {
    const std::string& name = library.items()[index];
    LibraryDifference difference;
    difference.kind = kind;
    difference.name = name;
    difference.position = static_cast<int>(index) + 1;
    difference.nameRepeats = std::count(library.items().begin(), library.items().end(), name) > 1;
    return difference;
}

} // namespace

std::vector<LibraryDifference> compareLibrary(int kind, const ActionList& before, const ActionList& after) {
    const EntryPairing pairing(kind, before, after);
    std::vector<LibraryDifference> differences;
    for (std::size_t b = 0; b < before.items().size(); ++b) {
        LibraryDifference difference = entryOf(kind, before, b);
        difference.before = actionsOutline(kind, before.children()[b]);
        const int partner = pairing.partnerOfBefore(b);
        if (partner == kUnpaired) {
            difference.change = LibraryDifference::Change::Removed;
        } else if (const auto a = static_cast<std::size_t>(partner); !pairing.sameName(b, a)) {
            difference.change = LibraryDifference::Change::Renamed;
            difference.newName = after.items()[a];
        } else if (!pairing.sameActionsAt(b, a)) {
            difference.change = LibraryDifference::Change::Changed;
            difference.after = actionsOutline(kind, after.children()[a]);
            difference.firstItemDifference = firstItemDifference(before.children()[b], after.children()[a]);
        } else {
            continue;
        }
        differences.push_back(std::move(difference));
    }
    for (std::size_t a = 0; a < after.items().size(); ++a) {
        if (pairing.partnerOfAfter(a) != kUnpaired)
            continue;
        LibraryDifference difference = entryOf(kind, after, a);
        difference.change = LibraryDifference::Change::Added;
        difference.after = actionsOutline(kind, after.children()[a]);
        differences.push_back(std::move(difference));
    }
    return differences;
}
