// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/KeyboardKeys.h"
#include "controls/SpokenNames.h"
#include "controls/WindowDescription.h"

#include <cstddef>
#include <span>

// The ids of the rapid-trigger settings dialog's controls: the buttons, then the title and the labels
// over the buttons, each with an id of its own; key index k has the id keyboardKeyId(k).
enum class RapidTriggerControlId : int {
    Close = 81,
    SelectAll = 82,
    Set = 83,
    Read = 84,
    Write = 85,
    Ok = 86,
    Cancel = 87,
    Track = 88,
    Title = 91,
    SelectAllLabel = 92,
    SetLabel = 93,
    ReadLabel = 94,
    WriteLabel = 95,
    OkLabel = 96,
    CancelLabel = 97,
    TrackLabel = 98,
};

// The control table of the rapid-trigger settings dialog: 16 buttons and labels (entries 0 to 15),
// then the 85 keys, key index k at entry 15 + k. Rectangles are in design units.
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

// What a screen reader calls the window's child widgets.
inline constexpr SpokenWidgetName kRapidTriggerWidgetNames[] = {
    {"triggerInformationBox", {.zh = "信息", .en = "Information"}},
};
