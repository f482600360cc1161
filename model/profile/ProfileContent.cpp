// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/profile/ProfileContent.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <utility>

namespace {

constexpr int kMinColour = 0;
constexpr int kMaxColour = 255;

} // namespace

std::unique_ptr<ProfileContent> emptyContentFor(const CConfigStore& store) {
    auto content = std::make_unique<ProfileContent>();
    // The libraries as clear() leaves them: no items, view and play fields at their defaults, the
    // store's SizeOfView kept. Built afresh rather than copied, items and all, to be emptied.
    for (std::size_t i = 0; i < std::size(kLibrarySections); ++i)
        content->libraries[i] = ActionList((store.*kLibrarySections[i].library).SizeOfView);
    for (int slot = 0; slot < kKeySlots; ++slot) {
        for (int table = 0; table < kTables; ++table)
            content->keyActions[slot][table].SizeOfView = store.keyActions[slot][table].SizeOfView;
    }
    return content;
}

void replaceStoreContent(CConfigStore& store, ProfileContent& content) {
    for (std::size_t i = 0; i < std::size(kLibrarySections); ++i)
        store.*kLibrarySections[i].library = std::move(content.libraries[i]);
    store.lightArea = content.lightArea;
    store.keyKind = content.keyKind;
    store.keyCode = content.keyCode;
    store.keyActions = std::move(content.keyActions);
    store.clearPressCounts();
}

bool isKeySlot(int id) {
    return id >= kFirstKey && id <= kLastKey;
}

bool isValidAssignment(int kind, int code) {
    if (kind < 0 || kind >= kKindCount)
        return false;
    const bool carriesCode = kind == kKindSingle || kind >= kKindMultimedia;
    return !carriesCode || (code >= 0 && code < kNoteCount);
}

std::array<int, 3> boundedColour(const std::array<int, 3>& colour) {
    std::array<int, 3> bounded{};
    for (std::size_t i = 0; i < colour.size(); ++i)
        bounded[i] = std::clamp(colour[i], kMinColour, kMaxColour);
    return bounded;
}
