// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinControl.h"

#include <cstddef>
#include <span>

// The slots of the picture set the windows are drawn from. The main window's three slots and page
// 6's normal slot depend on the keyboard variant; the picture library maps every slot to a picture.
namespace PictureSlot {
inline constexpr int kNone = -1;
inline constexpr int kMainBackground = 0;
inline constexpr int kMainHover = 1;
inline constexpr int kMainPressed = 2;
// The key assignment dialog's pages 1 to 7, three slots each from slot 3 on.
inline constexpr int kKeyAssignmentFirst = 3;
inline constexpr int kFirmwareBackground = 24;
inline constexpr int kFirmwareHover = 25;
inline constexpr int kFirmwareSelected = 26;
inline constexpr int kBacklightBackground = 27;
inline constexpr int kBacklightHover = 28;
inline constexpr int kBacklightSelected = 29;
inline constexpr int kScrollBarSkin = 30;
inline constexpr int kProgressBackground = 31;
inline constexpr int kProgressHover = 32;
inline constexpr int kProgressFill = 33;
inline constexpr int kMultiKeyBackground = 34;
inline constexpr int kMultiKeyHoverAndMarked = 35;
inline constexpr int kMultiKeySelected = 36;
inline constexpr int kVirtualKeysBackground = 37;
inline constexpr int kVirtualKeysHover = 38;
inline constexpr int kVirtualKeysSelected = 39;
inline constexpr int kRapidTriggerBackground = 40;
inline constexpr int kRapidTriggerHighlight = 41;
inline constexpr int kRapidTriggerSelected = 42;
inline constexpr int kFineAdjustBackground = 43;
inline constexpr int kFineAdjustHover = 44;
inline constexpr int kFineAdjustSelected = 45;
inline constexpr int kTrackBackground = 46;
inline constexpr int kTrackHover = 47;
inline constexpr int kTrackSelected = 48;
inline constexpr int kCount = 49;

// The normal, hover and selected slots of key assignment page 1 to 7.
constexpr int keyAssignmentNormal(int page) {
    return kKeyAssignmentFirst + (page - 1) * 3;
}
constexpr int keyAssignmentHover(int page) {
    return keyAssignmentNormal(page) + 1;
}
constexpr int keyAssignmentSelected(int page) {
    return keyAssignmentNormal(page) + 2;
}
} // namespace PictureSlot

// The slots a window is drawn from: the background fixes its size and outline, the hover picture
// lights entries under the mouse, the pressed (selected, marked) picture shows selected entries. A
// slot of PictureSlot::kNone draws nothing.
struct SkinPictures {
    int background = PictureSlot::kNone;
    int hover = PictureSlot::kNone;
    int pressed = PictureSlot::kNone;
};

// The two colour keys the windows' outlines are cut with.
inline constexpr Rgb kBlueColourKey = rgb(0, 0, 255);
inline constexpr Rgb kNearBlueColourKey = rgb(1, 3, 255);

// Everything that makes one window what it is, described once beside its control table, where the
// window, the picture library and the tests read it.
struct WindowDescription {
    // A file-name stem, such as "backlight".
    const char* name = "";
    SkinPictures pictures;
    // Pixels of this colour in the background picture are see-through.
    Rgb colourKey = kBlueColourKey;
    // The control table in table order, and how many entries the window keeps (the rest default).
    std::span<const ControlSpec> (*controls)() = nullptr;
    std::size_t tableSize = 0;
    // Bar strips and gauges: parts of the hover and selected pictures that are not a control's look.
    std::span<const SkinRect> strips{};
    // Further pictures of the window that are not a look of its controls, such as a progress fill.
    std::span<const int> stripSlots{};
};
