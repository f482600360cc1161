// SPDX-License-Identifier: GPL-3.0-or-later
#include "lighting/rules/MultiKeyColourControls.h"

#include "controls/KeyboardKeys.h"
#include "lighting/rules/BacklightControls.h"

#include <array>

namespace {

using enum MultiKeyColourControlId;

constexpr std::array<ControlSpec, 4> kFrameRows{{
    {.id = idOf(Close),
     .captionZh = "",
     .captionEn = "",
     .rect = {815, 9, 848, 45},
     .role = ControlRole::Close},
    {.id = idOf(SetColour),
     .captionZh = "设置",
     .captionEn = "Set Color",
     .rect = {350, 48, 502, 82},
     .role = ControlRole::Button},
    {.id = idOf(Close),
     .captionZh = "多键设置面板",
     .captionEn = "Set Multi Key",
     .rect = {350, 15, 502, 47},
     .isLabel = true,
     .fontIndex = 13,
     .role = ControlRole::Label},
    {.id = idOf(SetColour),
     .captionZh = "设置",
     .captionEn = "Set Color",
     .rect = {355, 58, 502, 82},
     .isLabel = true,
     .fontIndex = 13,
     .role = ControlRole::Label},
}};

std::array<ControlSpec, kMultiKeyColourControlCount> buildTable() {
    std::array<ControlSpec, kMultiKeyColourControlCount> table{};
    for (std::size_t entry = 0; entry < kFrameRows.size(); ++entry)
        table[entry] = kFrameRows[entry];
    for (int key = 1; key <= kKeyboardKeyCount; ++key)
        table[static_cast<std::size_t>(kMultiKeyColourKeyEntryOffset + key)] =
            keyboardKeyControl(key, backlightKeyRect(key));
    return table;
}

} // namespace

std::span<const ControlSpec> multiKeyColourControls() {
    static const std::array<ControlSpec, kMultiKeyColourControlCount> table = buildTable();
    return table;
}
