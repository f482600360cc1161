// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SpokenNames.h"
#include "controls/WindowDescription.h"

#include <cstddef>
#include <span>

// The ids of the firmware update dialog's controls: five buttons, then six labels, each with an id of
// its own.
enum class FirmwareControlId : int {
    Close = 89,
    GetVersion = 90,
    Open = 91,
    Update = 92,
    Cancel = 93,
    FileLabel = 187,
    Title = 188, // its caption names the window
    GetVersionLabel = 190,
    OpenLabel = 191,
    UpdateLabel = 192,
    CancelLabel = 193,
};

// The control table of the firmware update dialog: 107 slots, of which slots 0..10 are in use
// (five buttons, then six labels); slots 11..106 are unused default rows.
inline constexpr std::size_t kFirmwareControlCount = 107;
inline constexpr std::size_t kFirmwareControlsInUse = 11;
// The strip of the selected picture the bar is copied from, in design units; the bar grows from its
// left edge and is kFirmwareBarFullWidth wide at 100 %.
inline constexpr SkinRect kFirmwareBarStrip{40, 150, 330, 172};
inline constexpr int kFirmwareBarFullWidth = 290;
// What a screen reader calls the bar.
inline constexpr SpokenName kFirmwareBarName{.zh = "下载进度", .en = "Download progress"};

// The whole table in slot order.
std::span<const ControlSpec> firmwareControls();

inline constexpr SkinRect kFirmwareStrips[] = {kFirmwareBarStrip};
inline constexpr WindowDescription kFirmwareWindow{
    .name = "firmware",
    .pictures = {PictureSlot::kFirmwareBackground, PictureSlot::kFirmwareHover,
                 PictureSlot::kFirmwareSelected},
    .colourKey = kBlueColourKey,
    .controls = firmwareControls,
    .tableSize = kFirmwareControlCount,
    .strips = kFirmwareStrips,
};

// What a screen reader calls the window's child widgets.
inline constexpr SpokenWidgetName kFirmwareWidgetNames[] = {
    {"versionBox", {.zh = "固件版本", .en = "Firmware version"}},
    {"fileBox", {.zh = "固件文件", .en = "Firmware file"}},
};
