// SPDX-License-Identifier: GPL-3.0-or-later
#include "lighting/rules/BacklightControls.h"

#include "controls/KeyGrid.h"
#include "controls/KeyboardKeys.h"

#include <array>

namespace {

using enum BacklightControlId;

// The buttons and the labels over them, entries 0 to 15. Buttons draw no caption.
constexpr std::array<ControlSpec, 16> kFrameRows{{
    {.id = idOf(Close),
     .captionZh = "",
     .captionEn = "",
     .rect = {818, 12, 838, 32},
     .role = ControlRole::Close},
    {.id = idOf(Read),
     .captionZh = "读取背光",
     .captionEn = "Read",
     .rect = {388, 420, 475, 454},
     .role = ControlRole::Button},
    {.id = idOf(Default),
     .captionZh = "恢复默认",
     .captionEn = "Default",
     .rect = {73, 420, 160, 454},
     .role = ControlRole::Button},
    {.id = idOf(Write),
     .captionZh = "写入背光",
     .captionEn = "Write",
     .rect = {493, 420, 580, 454},
     .role = ControlRole::Button},
    {.id = idOf(Cancel),
     .captionZh = "取消",
     .captionEn = "Cancel",
     .rect = {703, 420, 790, 454},
     .role = ControlRole::Button},
    {.id = idOf(Ok),
     .captionZh = "确定",
     .captionEn = "OK",
     .rect = {598, 420, 685, 454},
     .role = ControlRole::Button},
    {.id = idOf(SetAll),
     .captionZh = "全域设置",
     .captionEn = "Set All",
     .rect = {178, 420, 265, 454},
     .role = ControlRole::Button},
    {.id = idOf(MultiKey),
     .captionZh = "多键设置",
     .captionEn = "MultiKey",
     .rect = {283, 420, 370, 454},
     .role = ControlRole::Button},
    {.id = idOf(Close),
     .captionZh = "背光设置面板",
     .captionEn = "BackLight Settings",
     .rect = {350, 13, 502, 45},
     .isLabel = true,
     .fontIndex = 13,
     .role = ControlRole::Label},
    {.id = idOf(Read),
     .captionZh = "读取背光",
     .captionEn = "Read",
     .rect = {393, 430, 475, 454},
     .isLabel = true,
     .fontIndex = 13,
     .role = ControlRole::Label},
    {.id = idOf(Default),
     .captionZh = "恢复默认",
     .captionEn = "Default",
     .rect = {78, 430, 160, 454},
     .isLabel = true,
     .fontIndex = 13,
     .role = ControlRole::Label},
    {.id = idOf(Write),
     .captionZh = "写入背光",
     .captionEn = "Write",
     .rect = {498, 430, 580, 454},
     .isLabel = true,
     .fontIndex = 13,
     .role = ControlRole::Label},
    {.id = idOf(Cancel),
     .captionZh = "取消",
     .captionEn = "Cancel",
     .rect = {708, 430, 790, 454},
     .isLabel = true,
     .fontIndex = 13,
     .role = ControlRole::Label},
    {.id = idOf(Ok),
     .captionZh = "确定",
     .captionEn = "OK",
     .rect = {603, 430, 685, 454},
     .isLabel = true,
     .fontIndex = 13,
     .role = ControlRole::Label},
    {.id = idOf(SetAll),
     .captionZh = "全域设置",
     .captionEn = "Set All",
     .rect = {183, 430, 265, 454},
     .isLabel = true,
     .fontIndex = 13,
     .role = ControlRole::Label},
    {.id = idOf(MultiKey),
     .captionZh = "多键设置",
     .captionEn = "Multi Key",
     .rect = {288, 430, 370, 454},
     .isLabel = true,
     .fontIndex = 13,
     .role = ControlRole::Label},
}};

constexpr std::array<KeyRow, 6> kKeyRows{{
    {.firstKey = 1, .top = 133, .bottom = 174},
    {.firstKey = 17, .top = 177, .bottom = 217},
    {.firstKey = 32, .top = 219, .bottom = 259},
    {.firstKey = 47, .top = 261, .bottom = 301},
    {.firstKey = 61, .top = 303, .bottom = 344},
    {.firstKey = 75, .top = 346, .bottom = 386},
}};

constexpr std::array<KeyCell, kKeyboardKeyCount> kKeyCells{{
    {.key = 1, .left = 93, .right = 132},   {.key = 2, .left = 135, .right = 175},
    {.key = 3, .left = 178, .right = 218},  {.key = 4, .left = 221, .right = 260},
    {.key = 5, .left = 263, .right = 302},  {.key = 6, .left = 305, .right = 344},
    {.key = 7, .left = 347, .right = 386},  {.key = 8, .left = 389, .right = 429},
    {.key = 9, .left = 432, .right = 472},  {.key = 10, .left = 475, .right = 514},
    {.key = 11, .left = 517, .right = 556}, {.key = 12, .left = 559, .right = 599},
    {.key = 13, .left = 602, .right = 642}, {.key = 14, .left = 645, .right = 685},
    {.key = 15, .left = 688, .right = 728}, {.key = 16, .left = 731, .right = 771},
    {.key = 17, .left = 93, .right = 132},  {.key = 18, .left = 135, .right = 175},
    {.key = 19, .left = 178, .right = 218}, {.key = 20, .left = 221, .right = 260},
    {.key = 21, .left = 263, .right = 302}, {.key = 22, .left = 305, .right = 344},
    {.key = 23, .left = 347, .right = 386}, {.key = 24, .left = 389, .right = 429},
    {.key = 25, .left = 432, .right = 472}, {.key = 26, .left = 475, .right = 514},
    {.key = 27, .left = 517, .right = 556}, {.key = 28, .left = 559, .right = 599},
    {.key = 29, .left = 602, .right = 642}, {.key = 30, .left = 645, .right = 728},
    {.key = 31, .left = 731, .right = 771}, {.key = 32, .left = 93, .right = 155},
    {.key = 33, .left = 158, .right = 197}, {.key = 34, .left = 200, .right = 239},
    {.key = 35, .left = 242, .right = 281}, {.key = 36, .left = 284, .right = 324},
    {.key = 37, .left = 327, .right = 367}, {.key = 38, .left = 370, .right = 409},
    {.key = 39, .left = 412, .right = 451}, {.key = 40, .left = 454, .right = 493},
    {.key = 41, .left = 496, .right = 535}, {.key = 42, .left = 538, .right = 578},
    {.key = 43, .left = 581, .right = 621}, {.key = 44, .left = 624, .right = 664},
    {.key = 45, .left = 667, .right = 728}, {.key = 46, .left = 731, .right = 771},
    {.key = 47, .left = 93, .right = 165},  {.key = 48, .left = 168, .right = 207},
    {.key = 49, .left = 210, .right = 249}, {.key = 50, .left = 252, .right = 292},
    {.key = 51, .left = 295, .right = 334}, {.key = 52, .left = 337, .right = 376},
    {.key = 53, .left = 379, .right = 419}, {.key = 54, .left = 422, .right = 462},
    {.key = 55, .left = 465, .right = 505}, {.key = 56, .left = 508, .right = 547},
    {.key = 57, .left = 550, .right = 589}, {.key = 58, .left = 592, .right = 631},
    {.key = 59, .left = 634, .right = 728}, {.key = 60, .left = 731, .right = 771},
    {.key = 61, .left = 93, .right = 187},  {.key = 62, .left = 190, .right = 229},
    {.key = 63, .left = 232, .right = 271}, {.key = 64, .left = 274, .right = 313},
    {.key = 65, .left = 316, .right = 355}, {.key = 66, .left = 358, .right = 398},
    {.key = 67, .left = 401, .right = 441}, {.key = 68, .left = 444, .right = 483},
    {.key = 69, .left = 486, .right = 525}, {.key = 70, .left = 528, .right = 567},
    {.key = 71, .left = 570, .right = 610}, {.key = 72, .left = 613, .right = 685},
    {.key = 73, .left = 688, .right = 728}, {.key = 74, .left = 731, .right = 771},
    {.key = 75, .left = 93, .right = 144},  {.key = 76, .left = 147, .right = 198},
    {.key = 77, .left = 201, .right = 252}, {.key = 78, .left = 255, .right = 367},
    {.key = 79, .left = 370, .right = 482}, {.key = 80, .left = 485, .right = 535},
    {.key = 81, .left = 538, .right = 588}, {.key = 82, .left = 591, .right = 642},
    {.key = 83, .left = 645, .right = 685}, {.key = 84, .left = 688, .right = 728},
    {.key = 85, .left = 731, .right = 771},
}};

static_assert(listedByKeyIndex(kKeyCells), "key cells are listed by key index, from 1");

constexpr SkinRect rectOf(int keyIndex) {
    return keyRectInGrid(kKeyRows, kKeyCells, keyIndex);
}

std::array<ControlSpec, kBacklightControlCount> buildTable() {
    std::array<ControlSpec, kBacklightControlCount> table{};
    for (std::size_t entry = 0; entry < kFrameRows.size(); ++entry)
        table[entry] = kFrameRows[entry];
    for (int key = 1; key <= kKeyboardKeyCount; ++key)
        table[static_cast<std::size_t>(kBacklightKeyEntryOffset + key)] =
            keyboardKeyControl(key, rectOf(key));
    return table;
}

} // namespace

std::span<const ControlSpec> backlightControls() {
    static const std::array<ControlSpec, kBacklightControlCount> table = buildTable();
    return table;
}

SkinRect backlightKeyRect(int keyIndex) {
    return rectOf(keyIndex);
}
