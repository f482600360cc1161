// SPDX-License-Identifier: GPL-3.0-or-later
#include "firmware/rules/FirmwareControls.h"

#include <array>
#include <cstddef>
#include <span>

namespace {

// Button captions are never drawn; the labels over the buttons carry the visible words.
constexpr ControlSpec kUsed[] = {
    {.id = 89, .captionZh = "", .captionEn = "", .rect = {332, 9, 355, 45}, .role = ControlRole::Close},
    {.id = 90,
     .captionZh = "获取固件版本",
     .captionEn = "Default",
     .rect = {220, 70, 333, 100},
     .role = ControlRole::Button}, // get version
    {.id = 91,
     .captionZh = "打开",
     .captionEn = "Open",
     .rect = {270, 108, 333, 140},
     .role = ControlRole::Button},
    {.id = 92,
     .captionZh = "更新",
     .captionEn = "Update",
     .rect = {47, 201, 129, 235},
     .role = ControlRole::Button},
    {.id = 93,
     .captionZh = "取消",
     .captionEn = "Cancel",
     .rect = {237, 201, 327, 235},
     .role = ControlRole::Button},
    {.id = 187,
     .captionZh = "载入文件：",
     .captionEn = "File",
     .rect = {42, 118, 119, 135},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = 188,
     .captionZh = "键盘固件升级",
     .captionEn = "Firmware Update",
     .rect = {100, 15, 266, 45},
     .isLabel = true,
     .role = ControlRole::Label}, // title
    {.id = 190,
     .captionZh = "获取固件版本",
     .captionEn = "Get Version",
     .rect = {220, 78, 333, 100},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = 191,
     .captionZh = "打开",
     .captionEn = "Open",
     .rect = {270, 118, 333, 138},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = 192,
     .captionZh = "更新",
     .captionEn = "Update",
     .rect = {47, 211, 129, 235},
     .isLabel = true,
     .fontIndex = 13,
     .role = ControlRole::Label},
    {.id = 193,
     .captionZh = "取消",
     .captionEn = "Cancel",
     .rect = {237, 211, 327, 235},
     .isLabel = true,
     .fontIndex = 13,
     .role = ControlRole::Label},
};
static_assert(std::size(kUsed) == kFirmwareControlsInUse);

constexpr std::array<ControlSpec, kFirmwareControlCount> buildTable() {
    std::array<ControlSpec, kFirmwareControlCount> table{};
    std::size_t n = 0;
    for (const ControlSpec& tableRow : kUsed)
        table[n++] = tableRow;
    return table;
}

constexpr std::array<ControlSpec, kFirmwareControlCount> kTable = buildTable();

} // namespace

std::span<const ControlSpec> firmwareControls() {
    return kTable;
}
