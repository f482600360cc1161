// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/WindowDescription.h"

#include <cstddef>
#include <span>

// The control table of the backlight settings dialog: 8 buttons and the 8 labels over them
// (entries 0 to 15; each label has the id of its button, the title label that of the close button),
// then the 85 keys, key index k at entry 15 + k with id 99 + k. The keys have the captions and
// tooltips of the rapid-trigger dialog's keys and rectangles of their own.
inline constexpr std::size_t kBacklightControlCount = 101;
inline constexpr std::size_t kBacklightControlsInUse = 101;
inline constexpr int kBacklightKeyEntryOffset = 15;

// The whole table in table order.
std::span<const ControlSpec> backlightControls();

inline constexpr WindowDescription kBacklightWindow{
    .name = "backlight",
    .pictures = {PictureSlot::kBacklightBackground, PictureSlot::kBacklightHover,
                 PictureSlot::kBacklightSelected},
    .colourKey = kNearBlueColourKey,
    .controls = backlightControls,
    .tableSize = kBacklightControlCount,
};

// The rectangle of key index 1 to 85 in this dialog's keyboard (the multi-key colour selection uses
// the same), in design units; the default rectangle (all -1) for any other index.
SkinRect backlightKeyRect(int keyIndex);
