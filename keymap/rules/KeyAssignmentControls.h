// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/WindowDescription.h"

#include <cstddef>
#include <span>

// The control table of the key assignment dialog: 224 entries, 221 of them in use. Ids below 100
// belong to every page (1..80 are labels and never hit); an id P * 100 + n belongs to page P only.
inline constexpr std::size_t kKeyAssignmentControlCount = 224;
inline constexpr std::size_t kKeyAssignmentControlsInUse = 221;
inline constexpr int kKeyAssignmentPageCount = 7;

// Command ids of the frame, on every page.
enum KeyAssignmentFrameCommand : int {
    kKeyAssignmentClear = 86,
    kKeyAssignmentDefault = 87,
    kKeyAssignmentOk = 88,
    kKeyAssignmentCancel = 89,
    kKeyAssignmentFirstTab = 90,
    kKeyAssignmentLastTab = 96,
    kKeyAssignmentClose = 97,
};

// Page 2's play settings: one radio per play mode (0 a number of times, 1 while held, 2 each press
// toggles), one per kind of delay.
inline constexpr int kPlayModeRadios[] = {201, 208, 209};
inline constexpr int kAutomaticDelayRadio = 203;
inline constexpr int kRecordedDelayRadio = 210;

// The whole table in table order (the dialog's hit test takes the first match, so order matters).
std::span<const ControlSpec> keyAssignmentControls();

// The dialog as it opens, on page 1; every page has pictures of its own (keyAssignmentPages()).
inline constexpr WindowDescription kKeyAssignmentWindow{
    .name = "key-assignment",
    .pictures = {PictureSlot::keyAssignmentNormal(1), PictureSlot::keyAssignmentHover(1),
                 PictureSlot::keyAssignmentSelected(1)},
    .colourKey = kBlueColourKey,
    .controls = keyAssignmentControls,
    .tableSize = kKeyAssignmentControlCount,
};

// The page an id belongs to: 0 for the frame (ids below 100, shown on every page), else 1..7.
constexpr int keyAssignmentPageOf(int id) {
    return id < 100 ? 0 : id / 100;
}

// Whether the entry with this id is drawn on page (1..7).
constexpr bool keyAssignmentDrawnOnPage(int id, int page) {
    return id > 0 && (id < 100 || id / 100 == page);
}

// Whether the dialog's own click hit test considers the entry with this id on page (1..7): the
// frame's buttons 81..99 and every entry of that page, labels of the page included.
constexpr bool keyAssignmentHitOnPage(int id, int page) {
    return id > 0 && ((id >= 81 && id <= 99) || id / 100 == page);
}

// One page of the dialog: its tab, the label on the tab and its three pictures (PictureSet slots).
struct KeyAssignmentPage {
    int page = 0; // 1 SingleCombo, 2 Macro, 3 Emulate, 4 Multimedia, 5 Mouse, 6 Function, 7 Power
    int tabId = -1;
    int tabLabelId = -1;
    int normalPicture = -1;
    int hoverPicture = -1;
    int selectedPicture = -1;
};

// The seven pages in page order.
std::span<const KeyAssignmentPage> keyAssignmentPages();

// The function icons of page 4 (multimedia), 5 (mouse), 6 (function) or 7 (power), in table order;
// each icon's controlCode is the device key code it stands for. Empty for any other page.
std::span<const ControlSpec> keyAssignmentIcons(int page);

// Which scroll bar moves a block of list rows.
enum class KeyAssignmentScrollBar { List, Action };

// A block of list rows (entries with showsText) showing one action list: rows firstId ..
// firstId + rowCount - 1, row k showing the list item at ViewStartAt + k.
struct KeyAssignmentRowBlock {
    int page = 0;
    int firstId = -1;
    int rowCount = 0;
    KeyAssignmentScrollBar scrollBar = KeyAssignmentScrollBar::List;
};

// The five row blocks: combination names, macro names, macro actions, emulation names, emulation
// keys. (Rows 141..143 of page 1 lie under the combination edit box and show no list.)
std::span<const KeyAssignmentRowBlock> keyAssignmentRowBlocks();

// How many rows page shows the list beside scrollBar in; 0 when it has no such rows.
int keyAssignmentRowsOf(int page, KeyAssignmentScrollBar scrollBar);
