// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SpokenNames.h"
#include "controls/WindowDescription.h"

#include <cstddef>
#include <span>

// The control table of the virtual key input dialog: 120 entries, all in use. Six frame entries
// (close, OK and Cancel buttons, each with a label of the same id) come first, then the 114 key
// buttons of a full computer keyboard (main block, F13..F21, navigation block, keypad).
// In this dialog a key button's keyIndex holds the device key code of its key.
inline constexpr std::size_t kVirtualKeyControlCount = 120;
inline constexpr std::size_t kVirtualKeyFrameCount = 6;
inline constexpr std::size_t kVirtualKeyButtonCount = 114;

// The ids of the dialog's controls. The title has the close button's id (a click on it closes the
// dialog), the words on OK and Cancel their buttons'; the key buttons take the ids from FirstKey on,
// in table order.
enum class VirtualKeyControlId : int {
    Close = 88,
    Ok = 89,
    Cancel = 90,
    FirstKey = 100,
};

// The id of key button 0 to 113 (in table order), and whether an id is a key button's.
constexpr int virtualKeyId(std::size_t button) {
    return idOf(VirtualKeyControlId::FirstKey) + static_cast<int>(button);
}
constexpr bool isVirtualKeyId(int id) {
    return id >= virtualKeyId(0) && id < virtualKeyId(kVirtualKeyButtonCount);
}

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

// What a screen reader calls the window's child widgets.
inline constexpr SpokenWidgetName kVirtualKeyWidgetNames[] = {
    {"displayLine", {.zh = "已输入的键", .en = "Keys entered"}},
};
