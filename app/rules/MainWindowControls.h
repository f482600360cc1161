// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SpokenNames.h"
#include "controls/WindowDescription.h"

#include <cstddef>
#include <cstdint>
#include <span>

// The two arrangements of the main window's command row: "S" for the variants without colour
// lighting (2 and 3), where the backlight button and its label are absent and the buttons after them
// sit one slot further left, and "RGB" for every other variant.
enum class MainWindowLayout : std::uint8_t { RgbLayout, SLayout };

constexpr MainWindowLayout mainWindowLayoutFor(int deviceVariant) {
    return deviceVariant == 2 || deviceVariant == 3 ? MainWindowLayout::SLayout : MainWindowLayout::RgbLayout;
}

// The ids of the main window's controls; key index k has the id keyboardKeyId(k).
enum class MainWindowControlId : int {
    // The colour legend.
    CombinationLegend = 55,
    MacroLegend = 56,
    EmulationLegend = 57,
    MultimediaLegend = 58,
    MouseLegend = 59,
    FunctionLegend = 60,
    PowerLegend = 61,
    // The labels on the command buttons, over the layer buttons and over the program button.
    LanguageLabel = 65,
    ReadCountersLabel = 67,
    RapidTriggerLabel = 69,
    SaveProfileLabel = 70,
    OpenProfileLabel = 71,
    DefaultsLabel = 72,
    WriteKeysLabel = 73,
    BacklightLabel = 74,
    ReadAllLabel = 75,
    FirmwareUpdateLabel = 76,
    TopLayerLabel = 77,
    Fn2LayerLabel = 78,
    FnLayerLabel = 79,
    Program1Label = 80,
    Program2Label = 81,
    Program3Label = 82,
    // The command buttons, the title-bar buttons and the layer and program buttons.
    RapidTrigger = 83,
    Program = 84,
    Language = 85,
    ReadCounters = 86,
    Help = 87,
    Minimise = 88,
    Exit = 89,
    SaveProfile = 90,
    OpenProfile = 91,
    Defaults = 92,
    WriteKeys = 93,
    Backlight = 94,
    ReadAll = 95,
    FirmwareUpdate = 96,
    Fn2Layer = 97,
    TopLayer = 98,
    FnLayer = 99,
};

// The control table of the main window: the 17 command buttons, their 10 labels, the 3 layer and
// 3 program labels and the 7 legend labels (entries 0 to 39), then the 85 keys, key index k at entry
// 39 + k, then 2 unused entries. In the S layout the backlight button (entry 9) and its label (entry
// 23) are unused entries too.
inline constexpr std::size_t kMainWindowControlCount = 127;
inline constexpr std::size_t kMainWindowControlsInUseRgb = 125;
inline constexpr std::size_t kMainWindowControlsInUseS = 123;
inline constexpr int kMainWindowKeyEntryOffset = 39;

// Where the information box sits, in design units; once scaled its top and bottom move one pixel
// down.
inline constexpr SkinRect kMainWindowInformationBox{47, 506, 1000, 653};
// The whole table of one layout in table order.
std::span<const ControlSpec> mainWindowControls(MainWindowLayout layout);
std::span<const ControlSpec> mainWindowRgbControls();
std::span<const ControlSpec> mainWindowSControls();

// The main window of a layout; its pictures depend on the keyboard variant, through the picture set.
constexpr WindowDescription mainWindowDescription(MainWindowLayout layout) {
    return {
        .name = "main",
        .pictures = {PictureSlot::kMainBackground, PictureSlot::kMainHover, PictureSlot::kMainPressed},
        .colourKey = kBlueColourKey,
        .controls = layout == MainWindowLayout::SLayout ? mainWindowSControls : mainWindowRgbControls,
        .tableSize = kMainWindowControlCount,
    };
}

// What a screen reader calls the layer and program buttons, which show pictures only: the words
// over them.
std::span<const SpokenName> mainWindowPictureNames();

// The marker colour of each function kind 0 to 8 (not set, single key, combination, macro,
// emulation, multimedia, mouse, function, power). Kinds 0 and 1 never get a marker bar.
inline constexpr std::size_t kMainWindowKindPaletteSize = 9;
std::span<const Rgb> mainWindowKindPalette();

// What a screen reader calls the window's child widgets.
inline constexpr SpokenWidgetName kMainWindowWidgetNames[] = {
    {"informationBox", {.zh = "信息", .en = "Information"}},
};
