// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SpokenNames.h"
#include "controls/WindowDescription.h"

#include <cstddef>
#include <span>

// The ids of the key travel tracking dialog's controls; key index k has the id keyboardKeyId(k).
enum class TrackControlId : int {
    Close = 81,
    Title = 91,
    Prompt = 92,
};

// The control table of the key travel tracking dialog: the close button, the title and the prompt
// (entries 0 to 2), then the 85 keys, key index k at entry 2 + k. The keys have the captions,
// tooltips and left and right edges of the rapid-trigger dialog's keys, every top and bottom 50
// design units lower.
inline constexpr std::size_t kTrackControlCount = 88;
inline constexpr std::size_t kTrackControlsInUse = 88;
inline constexpr int kTrackKeyEntryOffset = 2;
inline constexpr int kTrackKeyDrop = 50;
// The travel gauge: a bar up to 60 design units high copied from the selected picture.
inline constexpr SkinRect kTrackTravelGauge{177, 68, 189, 128};
// What a screen reader calls the gauge.
inline constexpr SpokenName kTrackGaugeName{.zh = "键程", .en = "Key travel"};

// The whole table in table order.
std::span<const ControlSpec> trackControls();

inline constexpr SkinRect kTrackStrips[] = {kTrackTravelGauge};
inline constexpr WindowDescription kTrackWindow{
    .name = "track",
    .pictures = {PictureSlot::kTrackBackground, PictureSlot::kTrackHover, PictureSlot::kTrackSelected},
    .colourKey = kNearBlueColourKey,
    .controls = trackControls,
    .tableSize = kTrackControlCount,
    .strips = kTrackStrips,
};
