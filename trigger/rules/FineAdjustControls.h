// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SpokenNames.h"
#include "controls/WindowDescription.h"

#include <cstddef>
#include <span>

// The ids of the trigger fine-adjust dialog's controls.
enum class FineAdjustControlId : int {
    Title = 78,
    OkLabel = 79,
    CancelLabel = 80,
    UpperLimitLabel = 81,
    LowerLimitLabel = 82,
    ThresholdLabel = 83,
    Close = 88,
    Ok = 89,
    Cancel = 90,
    // The steppers of the upper limit (press travel), the lower limit (release travel) and the
    // threshold.
    UpperDecrease = 91,
    UpperIncrease = 92,
    LowerDecrease = 93,
    LowerIncrease = 94,
    ThresholdDecrease = 95,
    ThresholdIncrease = 96,
};

// The control table of the trigger fine-adjust dialog: the close, OK and cancel buttons, the title,
// the labels on the two buttons and over the three values, then the six steppers (decrease and
// increase of the upper limit, the lower limit and the threshold).
inline constexpr std::size_t kFineAdjustControlCount = 15;
inline constexpr std::size_t kFineAdjustControlsInUse = 15;
// The travel gauge: 60 design units for 2.8 mm of travel from its top; the bar is copied from the
// hover picture.
inline constexpr SkinRect kFineAdjustTravelGauge{179, 94, 189, 154};
// What a screen reader calls the bar on the gauge, which spans from the press to the release travel.
inline constexpr SpokenName kFineAdjustSpanName{.zh = "行程范围", .en = "Travel span"};

// The whole table in table order.
std::span<const ControlSpec> fineAdjustControls();

inline constexpr SkinRect kFineAdjustStrips[] = {kFineAdjustTravelGauge};
inline constexpr WindowDescription kFineAdjustWindow{
    .name = "fine-adjust",
    .pictures = {PictureSlot::kFineAdjustBackground, PictureSlot::kFineAdjustHover,
                 PictureSlot::kFineAdjustSelected},
    .colourKey = kBlueColourKey,
    .controls = fineAdjustControls,
    .tableSize = kFineAdjustControlCount,
    .strips = kFineAdjustStrips,
};

// What a screen reader calls the window's child widgets.
inline constexpr SpokenWidgetName kFineAdjustWidgetNames[] = {
    {"upperLimitBox", {.zh = "上限", .en = "Upper Limit"}},
    {"lowerLimitBox", {.zh = "下限", .en = "Lower Limit"}},
    {"thresholdBox", {.zh = "阈值", .en = "Threshold"}},
};
