// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/rules/TrackControls.h"

#include "trigger/rules/RapidTriggerControls.h"

#include <array>

namespace {

using enum TrackControlId;

constexpr std::array<ControlSpec, 3> kFrameRows{{
    {.id = idOf(Close),
     .captionZh = "",
     .captionEn = "",
     .rect = {818, 12, 838, 32},
     .role = ControlRole::Close},
    {.id = idOf(Title),
     .captionZh = "实时跟踪按键行程",
     .captionEn = "Real-time to track travel of key",
     .rect = {305, 13, 535, 45},
     .isLabel = true,
     .fontIndex = 15,
     .role = ControlRole::Label},
    {.id = idOf(Prompt),
     .captionZh = "请选定需要跟踪观察的按键",
     .captionEn = "Please selected the key that needs to be tracked and observed",
     .rect = {280, 63, 750, 95},
     .isLabel = true,
     .fontIndex = 13,
     .textFormat = 0,
     .role = ControlRole::Label},
}};

std::array<ControlSpec, kTrackControlCount> buildTable() {
    std::array<ControlSpec, kTrackControlCount> table{};
    for (std::size_t entry = 0; entry < kFrameRows.size(); ++entry)
        table[entry] = kFrameRows[entry];
    for (int key = 1; key <= kKeyboardKeyCount; ++key) {
        const SkinRect above = rapidTriggerKeyRect(key);
        table[static_cast<std::size_t>(kTrackKeyEntryOffset + key)] = keyboardKeyControl(
            key, {above.left, above.top + kTrackKeyDrop, above.right, above.bottom + kTrackKeyDrop});
    }
    return table;
}

} // namespace

std::span<const ControlSpec> trackControls() {
    static const std::array<ControlSpec, kTrackControlCount> table = buildTable();
    return table;
}
