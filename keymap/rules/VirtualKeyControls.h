// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/WindowDescription.h"

#include <cstddef>
#include <span>

// The control table of the virtual key input dialog: 120 entries, all in use. Six frame entries
// (close, OK and Cancel buttons, each with a label of the same id) come first, then the 114 key
// buttons 100..213 of a full computer keyboard (main block, F13..F21, navigation block, keypad).
// In this dialog a key button's keyIndex holds the device key code of its key.
inline constexpr std::size_t kVirtualKeyControlCount = 120;
inline constexpr std::size_t kVirtualKeyFrameCount = 6;
inline constexpr std::size_t kVirtualKeyButtonCount = 114;

// The whole table in table order.
std::span<const ControlSpec> virtualKeyControls();

inline constexpr WindowDescription kVirtualKeysWindow{
    .name = "virtual-keys",
    .pictures = {PictureSlot::kVirtualKeysBackground, PictureSlot::kVirtualKeysHover,
                 PictureSlot::kVirtualKeysSelected},
    .colourKey = kBlueColourKey,
    .controls = virtualKeyControls,
    .tableSize = kVirtualKeyControlCount,
};

// The key buttons alone (entries 6..119), in table order.
std::span<const ControlSpec> virtualKeyButtons();
