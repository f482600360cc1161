// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SpokenNames.h"
#include "keymap/rules/KeyAssignmentControls.h"

#include <span>

// The child windows of the key assignment dialog, by id (KeyAssignmentControlId): four edit boxes and
// two skin scroll bars, and where each page shows them. Positions are in design units. Qt-free.

// The font size of the name box, which moves over the row being renamed.
inline constexpr int kNameEditFontSize = 13;

// An edit box as a page shows it; a box a page does not list is hidden there. The play count and
// delay boxes stand further right in English than in Chinese (any other language takes the Chinese
// place).
struct KeyAssignmentEditPlace {
    int page = 0;
    KeyAssignmentControlId id = KeyAssignmentControlId::CountEdit;
    int leftZh = 0;
    int leftEn = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int fontSize = 13;
    // Whether the page leaves it enabled.
    bool enabled = true;
};
std::span<const KeyAssignmentEditPlace> keyAssignmentEditPlaces();

// A scroll bar as a page places it (the bar is then made one skin cell wide); a bar a page does not
// list is hidden there.
struct KeyAssignmentScrollBarPlace {
    int page = 0;
    KeyAssignmentControlId id = KeyAssignmentControlId::ListScrollBar;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool shown = true;
};
std::span<const KeyAssignmentScrollBarPlace> keyAssignmentScrollBarPlaces();

// What a screen reader calls the window's child widgets.
inline constexpr SpokenWidgetName kKeyAssignmentWidgetNames[] = {
    {"countEdit", {.zh = "播放次数", .en = "Times to play"}},
    {"delayEdit", {.zh = "延时", .en = "Delay"}},
    {"nameEdit", {.zh = "名称", .en = "Name"}},
    {"comboEdit", {.zh = "组合键", .en = "Key combination"}},
    {"listScrollBar", {.zh = "列表滚动条", .en = "List scroll bar"}},
    {"actionScrollBar", {.zh = "动作滚动条", .en = "Action scroll bar"}},
};
