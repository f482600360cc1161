// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/KeyboardKeys.h"
#include "controls/WindowDescription.h"

#include <cstddef>
#include <span>

// The control table of the rapid-trigger settings dialog: 16 buttons and labels (entries 0 to 15),
// then the 85 keys, key index k at entry 15 + k with id 99 + k. Rectangles are in design units.
inline constexpr std::size_t kRapidTriggerControlCount = 101;
inline constexpr std::size_t kRapidTriggerControlsInUse = 101;
inline constexpr int kRapidTriggerKeyEntryOffset = 15;

// The whole table in table order.
std::span<const ControlSpec> rapidTriggerControls();

inline constexpr WindowDescription kRapidTriggerWindow{
    .name = "rapid-trigger",
    .pictures = {PictureSlot::kRapidTriggerBackground, PictureSlot::kRapidTriggerHighlight,
                 PictureSlot::kRapidTriggerSelected},
    .colourKey = kNearBlueColourKey,
    .controls = rapidTriggerControls,
    .tableSize = kRapidTriggerControlCount,
};

// The rectangle of key index 1 to 85 in this dialog's keyboard, in design units; the default
// rectangle (all -1) for any other index.
SkinRect rapidTriggerKeyRect(int keyIndex);
