// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/WindowDescription.h"

#include <cstddef>
#include <span>

// The ids of the backlight settings dialog's controls. Each label has the id of the button it lies
// on, the title that of the close button; key index k has the id keyboardKeyId(k).
enum class BacklightControlId : int {
    Close = 88,
    Read = 89,
    Default = 90,
    Write = 91,
    Cancel = 92,
    Ok = 94,
    SetAll = 95,
    MultiKey = 97,
};

// The control table of the backlight settings dialog: 8 buttons and the 8 labels over them
// (entries 0 to 15), then the 85 keys, key index k at entry 15 + k. The keys have the captions and
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
