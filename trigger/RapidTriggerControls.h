#pragma once

#include "ui/SkinControl.h"

#include <cstddef>
#include <span>

// The control table of the rapid-trigger settings dialog: 16 buttons and labels (entries 0 to 15),
// then the 85 keys, key index k at entry 15 + k with id 99 + k. Rectangles are in design units.
inline constexpr std::size_t kRapidTriggerControlCount = 101;
inline constexpr std::size_t kRapidTriggerControlsInUse = 101;
inline constexpr int kRapidTriggerKeyEntryOffset = 15;
inline constexpr int kRapidTriggerKeyCount = 85;

// The whole table in table order.
std::span<const ControlSpec> rapidTriggerControls();

// The legend of a key as every dialog with a keyboard picture gives it: the caption (the same in both
// languages) and the "zh-CN" tooltip, which is the caption except for "LWin" (key 76), "LAlt" (77),
// "RAlt" (80) and "RCtrl" (82). Both are null for a key index outside 1 to 85.
struct KeyLegend {
    const char* caption = nullptr;
    const char* tooltipZh = nullptr;
};
KeyLegend rapidTriggerKeyLegend(int keyIndex);

// The entry of key index 1 to 85 in a dialog's keyboard at rect: id 99 + keyIndex, the key's legend
// as caption in both languages and its tooltip, role Key. Every dialog with a keyboard picture fills
// its keys this way.
ControlSpec keyboardKeyControl(int keyIndex, SkinRect rect);
// The rectangle of key index 1 to 85 in this dialog's keyboard, in design units; the default
// rectangle (all -1) for any other index.
SkinRect rapidTriggerKeyRect(int keyIndex);
