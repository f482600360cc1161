// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymap/rules/KeyAssignmentChildren.h"

namespace {

using enum KeyAssignmentControlId;

constexpr KeyAssignmentEditPlace kEditPlaces[] = {
    // The combination, joined by " + ", for display only.
    {.page = 1,
     .id = ComboEdit,
     .leftZh = 380,
     .leftEn = 380,
     .top = 138,
     .width = 141,
     .height = 52,
     .fontSize = 11},
    // The play count, and the fixed delay (enabled only for a macro with an automatic delay).
    {.page = 2, .id = CountEdit, .leftZh = 470, .leftEn = 485, .top = 112, .width = 36, .height = 18},
    {.page = 2,
     .id = DelayEdit,
     .leftZh = 470,
     .leftEn = 480,
     .top = 176,
     .width = 36,
     .height = 18,
     .enabled = false},
    // The delay between an emulation's keys.
    {.page = 3, .id = CountEdit, .leftZh = 470, .leftEn = 485, .top = 112, .width = 36, .height = 18},
};

constexpr KeyAssignmentScrollBarPlace kScrollBarPlaces[] = {
    {.page = 1, .id = ListScrollBar, .left = 357, .top = 136, .width = 12, .height = 96},
    {.page = 1, .id = ActionScrollBar, .left = 523, .top = 136, .width = 12, .height = 48, .shown = false},
    {.page = 2, .id = ListScrollBar, .left = 181, .top = 115, .width = 12, .height = 126},
    {.page = 2, .id = ActionScrollBar, .left = 357, .top = 115, .width = 12, .height = 126},
    {.page = 3, .id = ListScrollBar, .left = 181, .top = 115, .width = 12, .height = 126},
    {.page = 3, .id = ActionScrollBar, .left = 357, .top = 115, .width = 12, .height = 126},
};

} // namespace

std::span<const KeyAssignmentEditPlace> keyAssignmentEditPlaces() {
    return kEditPlaces;
}

std::span<const KeyAssignmentScrollBarPlace> keyAssignmentScrollBarPlaces() {
    return kScrollBarPlaces;
}
