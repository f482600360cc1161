// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SpokenNames.h"
#include "controls/WindowDescription.h"

#include <cstddef>
#include <span>

// The ids of the transfer progress dialog's controls.
enum class ProgressControlId : int {
    Close = 89,
    Cancel = 93,
    Warning = 187, // keep the keyboard connected
    Title = 188,
    CancelLabel = 193,
};

// The control table of the transfer progress dialog: the close and cancel buttons, three labels and
// two unused records. Rectangles are in design units.
inline constexpr std::size_t kProgressControlCount = 7;

// The part of the progress-fill picture that shows the bar, in design units; the bar grows from its
// left edge, kProgressBarFullWidth wide when full.
inline constexpr SkinRect kProgressBarStrip{40, 150, 340, 177};
inline constexpr int kProgressBarFullWidth = 300;
// What a screen reader calls the bar.
inline constexpr SpokenName kProgressBarName{.zh = "进度", .en = "Progress"};

// The whole table in table order.
std::span<const ControlSpec> progressControls();

inline constexpr SkinRect kProgressStrips[] = {kProgressBarStrip};
inline constexpr int kProgressStripSlots[] = {PictureSlot::kProgressFill};
inline constexpr WindowDescription kProgressWindow{
    .name = "progress",
    .pictures = {PictureSlot::kProgressBackground, PictureSlot::kProgressHover, PictureSlot::kNone},
    .colourKey = kBlueColourKey,
    .controls = progressControls,
    .tableSize = kProgressControlCount,
    .strips = kProgressStrips,
    .stripSlots = kProgressStripSlots,
};
