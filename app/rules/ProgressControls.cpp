// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/rules/ProgressControls.h"

#include <array>

namespace {

using enum ProgressControlId;

// The labels are drawn blue when highlighted, light grey otherwise.
constexpr Rgb kHighlightedLabel = rgb(0, 0, 190);

constexpr std::array<ControlSpec, kProgressControlCount> kRows{{
    {.id = idOf(Close),
     .captionZh = "",
     .captionEn = "",
     .rect = {332, 9, 355, 45},
     .role = ControlRole::Close},
    {.id = idOf(Cancel),
     .captionZh = "取消",
     .captionEn = "Cancel",
     .rect = {237, 201, 327, 235},
     .role = ControlRole::Button},
    {.id = idOf(Warning),
     .captionZh = "正在读写键盘，请勿插拔！",
     .captionEn = "Keep the keyboard connected!",
     .rect = {42, 116, 333, 135},
     .isLabel = true,
     .selectedTextColour = kHighlightedLabel,
     .role = ControlRole::Label},
    {.id = idOf(Title),
     .captionZh = "读写进度",
     .captionEn = "Progress",
     .rect = {100, 13, 266, 45},
     .isLabel = true,
     .fontIndex = 17,
     .selectedTextColour = kHighlightedLabel,
     .role = ControlRole::Label},
    {.id = idOf(CancelLabel),
     .captionZh = "取消",
     .captionEn = "Cancel",
     .rect = {237, 211, 327, 235},
     .isLabel = true,
     .fontIndex = 13,
     .selectedTextColour = kHighlightedLabel,
     .role = ControlRole::Label},
    {.id = 0, .rect = {}},
    {.id = 0, .rect = {}},
}};

} // namespace

std::span<const ControlSpec> progressControls() {
    return kRows;
}
