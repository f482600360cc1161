// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/WindowDescription.h"

#include <cstddef>
#include <span>

// The ids of the multi-key colour selection's controls. The title has the close button's id, the label
// on the set-colour button its button's; key index k has the id keyboardKeyId(k).
enum class MultiKeyColourControlId : int {
    Close = 88,
    SetColour = 97,
};

// The control table of the multi-key colour selection: the close button, the set-colour button, the
// title and the label on the set-colour button (entries 0 to 3), then the 85 keys, key index k at
// entry 3 + k. The keys have the captions and tooltips of the rapid-trigger dialog's keys and the
// rectangles of the backlight dialog's.
inline constexpr std::size_t kMultiKeyColourControlCount = 89;
inline constexpr std::size_t kMultiKeyColourControlsInUse = 89;
inline constexpr int kMultiKeyColourKeyEntryOffset = 3;

// The whole table in table order.
std::span<const ControlSpec> multiKeyColourControls();

// Marked keys are drawn from the hover picture, which shows every key marked.
inline constexpr WindowDescription kMultiKeyColourWindow{
    .name = "multi-key-colour",
    .pictures = {PictureSlot::kMultiKeyBackground, PictureSlot::kMultiKeyHoverAndMarked,
                 PictureSlot::kMultiKeyHoverAndMarked},
    .colourKey = kNearBlueColourKey,
    .controls = multiKeyColourControls,
    .tableSize = kMultiKeyColourControlCount,
};
