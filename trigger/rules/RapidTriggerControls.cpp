// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/rules/RapidTriggerControls.h"

#include "controls/KeyGrid.h"
#include "controls/KeyboardKeys.h"

#include <array>

namespace {

using enum RapidTriggerControlId;

// The buttons and labels, entries 0 to 15. Buttons draw no caption; the text on them comes from the
// label laid over each.
constexpr std::array<ControlSpec, 16> kFrameRows{{
    {.id = idOf(Close),
     .captionZh = "",
     .captionEn = "",
     .rect = {818, 12, 838, 32},
     .role = ControlRole::Close},
    {.id = idOf(SelectAll),
     .captionZh = "全选",
     .captionEn = "Select All",
     .rect = {73, 420, 160, 454},
     .role = ControlRole::Button},
    {.id = idOf(Set),
     .captionZh = "设置",
     .captionEn = "Set",
     .rect = {178, 420, 265, 454},
     .role = ControlRole::Button},
    {.id = idOf(Read),
     .captionZh = "从键盘读取",
     .captionEn = "Read",
     .rect = {333, 420, 420, 454},
     .role = ControlRole::Button},
    {.id = idOf(Write),
     .captionZh = "写入到键盘",
     .captionEn = "Write",
     .rect = {438, 420, 525, 454},
     .role = ControlRole::Button},
    {.id = idOf(Ok),
     .captionZh = "确定",
     .captionEn = "OK",
     .rect = {598, 420, 685, 454},
     .role = ControlRole::Button},
    {.id = idOf(Cancel),
     .captionZh = "取消",
     .captionEn = "Cancel",
     .rect = {703, 420, 790, 454},
     .role = ControlRole::Button},
    {.id = idOf(Track),
     .captionZh = "跟踪键程",
     .captionEn = "Track",
     .rect = {345, 50, 505, 87},
     .role = ControlRole::Button},
    {.id = idOf(Title),
     .captionZh = "动态快速触发设置",
     .captionEn = "Dynamic Rapid Trigger Setting",
     .rect = {305, 13, 535, 45},
     .isLabel = true,
     .fontIndex = 17,
     .role = ControlRole::Label},
    {.id = idOf(SelectAllLabel),
     .captionZh = "全选",
     .captionEn = "Select All",
     .rect = {73, 431, 160, 454},
     .isLabel = true,
     .fontIndex = 13,
     .role = ControlRole::Label},
    {.id = idOf(SetLabel),
     .captionZh = "设置",
     .captionEn = "Set",
     .rect = {178, 431, 265, 454},
     .isLabel = true,
     .fontIndex = 13,
     .role = ControlRole::Label},
    {.id = idOf(ReadLabel),
     .captionZh = "从键盘读取",
     .captionEn = "Read",
     .rect = {343, 431, 420, 454},
     .isLabel = true,
     .fontIndex = 13,
     .role = ControlRole::Label},
    {.id = idOf(WriteLabel),
     .captionZh = "写入到键盘",
     .captionEn = "Update",
     .rect = {448, 431, 525, 454},
     .isLabel = true,
     .fontIndex = 13,
     .role = ControlRole::Label},
    {.id = idOf(OkLabel),
     .captionZh = "确定",
     .captionEn = "OK",
     .rect = {598, 431, 685, 454},
     .isLabel = true,
     .fontIndex = 13,
     .role = ControlRole::Label},
    {.id = idOf(CancelLabel),
     .captionZh = "取消",
     .captionEn = "Cancel",
     .rect = {703, 431, 790, 454},
     .isLabel = true,
     .fontIndex = 13,
     .role = ControlRole::Label},
    {.id = idOf(TrackLabel),
     .captionZh = "实时跟踪按键行程",
     .captionEn = "Real-time to Track",
     .rect = {375, 60, 505, 87},
     .isLabel = true,
     .fontIndex = 13,
     .textFormat = 0,
     .role = ControlRole::Label},
}};

constexpr std::array<KeyRow, 6> kKeyRows{{
    {.firstKey = 1, .top = 133, .bottom = 174},
    {.firstKey = 17, .top = 176, .bottom = 217},
    {.firstKey = 32, .top = 219, .bottom = 259},
    {.firstKey = 47, .top = 261, .bottom = 301},
    {.firstKey = 61, .top = 303, .bottom = 344},
    {.firstKey = 75, .top = 346, .bottom = 386},
}};

constexpr std::array<KeyCell, kKeyboardKeyCount> kKeyCells{{
    {.key = 1, .left = 93, .right = 135},   {.key = 2, .left = 136, .right = 178},
    {.key = 3, .left = 179, .right = 220},  {.key = 4, .left = 221, .right = 262},
    {.key = 5, .left = 263, .right = 305},  {.key = 6, .left = 306, .right = 348},
    {.key = 7, .left = 349, .right = 390},  {.key = 8, .left = 391, .right = 432},
    {.key = 9, .left = 433, .right = 474},  {.key = 10, .left = 475, .right = 516},
    {.key = 11, .left = 517, .right = 558}, {.key = 12, .left = 559, .right = 601},
    {.key = 13, .left = 602, .right = 644}, {.key = 14, .left = 645, .right = 686},
    {.key = 15, .left = 687, .right = 728}, {.key = 16, .left = 729, .right = 770},
    {.key = 17, .left = 93, .right = 135},  {.key = 18, .left = 136, .right = 178},
    {.key = 19, .left = 179, .right = 220}, {.key = 20, .left = 221, .right = 262},
    {.key = 21, .left = 263, .right = 305}, {.key = 22, .left = 306, .right = 348},
    {.key = 23, .left = 349, .right = 390}, {.key = 24, .left = 391, .right = 432},
    {.key = 25, .left = 433, .right = 474}, {.key = 26, .left = 475, .right = 516},
    {.key = 27, .left = 517, .right = 558}, {.key = 28, .left = 559, .right = 601},
    {.key = 29, .left = 602, .right = 644}, {.key = 30, .left = 645, .right = 728},
    {.key = 31, .left = 729, .right = 770}, {.key = 32, .left = 93, .right = 156},
    {.key = 33, .left = 157, .right = 199}, {.key = 34, .left = 200, .right = 241},
    {.key = 35, .left = 242, .right = 283}, {.key = 36, .left = 284, .right = 326},
    {.key = 37, .left = 327, .right = 368}, {.key = 38, .left = 369, .right = 410},
    {.key = 39, .left = 411, .right = 453}, {.key = 40, .left = 454, .right = 496},
    {.key = 41, .left = 497, .right = 538}, {.key = 42, .left = 539, .right = 580},
    {.key = 43, .left = 581, .right = 622}, {.key = 44, .left = 623, .right = 664},
    {.key = 45, .left = 665, .right = 728}, {.key = 46, .left = 729, .right = 770},
    {.key = 47, .left = 93, .right = 167},  {.key = 48, .left = 168, .right = 209},
    {.key = 49, .left = 210, .right = 251}, {.key = 50, .left = 252, .right = 294},
    {.key = 51, .left = 295, .right = 336}, {.key = 52, .left = 337, .right = 378},
    {.key = 53, .left = 379, .right = 421}, {.key = 54, .left = 422, .right = 464},
    {.key = 55, .left = 465, .right = 506}, {.key = 56, .left = 507, .right = 548},
    {.key = 57, .left = 549, .right = 590}, {.key = 58, .left = 591, .right = 633},
    {.key = 59, .left = 634, .right = 727}, {.key = 60, .left = 728, .right = 769},
    {.key = 61, .left = 93, .right = 188},  {.key = 62, .left = 189, .right = 230},
    {.key = 63, .left = 231, .right = 273}, {.key = 64, .left = 274, .right = 316},
    {.key = 65, .left = 317, .right = 358}, {.key = 66, .left = 359, .right = 400},
    {.key = 67, .left = 401, .right = 442}, {.key = 68, .left = 443, .right = 484},
    {.key = 69, .left = 485, .right = 527}, {.key = 70, .left = 528, .right = 570},
    {.key = 71, .left = 571, .right = 612}, {.key = 72, .left = 613, .right = 685},
    {.key = 73, .left = 686, .right = 727}, {.key = 74, .left = 728, .right = 769},
    {.key = 75, .left = 93, .right = 145},  {.key = 76, .left = 146, .right = 198},
    {.key = 77, .left = 199, .right = 251}, {.key = 78, .left = 252, .right = 368},
    {.key = 79, .left = 369, .right = 485}, {.key = 80, .left = 486, .right = 538},
    {.key = 81, .left = 539, .right = 591}, {.key = 82, .left = 592, .right = 644},
    {.key = 83, .left = 645, .right = 686}, {.key = 84, .left = 687, .right = 728},
    {.key = 85, .left = 729, .right = 770},
}};

static_assert(listedByKeyIndex(kKeyCells), "key cells are listed by key index, from 1");

constexpr SkinRect rectOf(int keyIndex) {
    return keyRectInGrid(kKeyRows, kKeyCells, keyIndex);
}

constexpr std::array<ControlSpec, kRapidTriggerControlCount> buildTable() {
    std::array<ControlSpec, kRapidTriggerControlCount> table{};
    for (std::size_t entry = 0; entry < kFrameRows.size(); ++entry)
        table[entry] = kFrameRows[entry];
    for (int key = 1; key <= kKeyboardKeyCount; ++key)
        table[static_cast<std::size_t>(kRapidTriggerKeyEntryOffset + key)] =
            keyboardKeyControl(key, rectOf(key));
    return table;
}

constexpr std::array<ControlSpec, kRapidTriggerControlCount> kTable = buildTable();

} // namespace

std::span<const ControlSpec> rapidTriggerControls() {
    return kTable;
}

SkinRect rapidTriggerKeyRect(int keyIndex) {
    return rectOf(keyIndex);
}
