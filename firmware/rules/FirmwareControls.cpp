// SPDX-License-Identifier: GPL-3.0-or-later
#include "firmware/rules/FirmwareControls.h"

#include <array>
#include <cstddef>
#include <span>

namespace {

using enum FirmwareControlId;

// Button captions are never drawn; the labels over the buttons carry the visible words.
constexpr ControlSpec kUsed[] = {
    {.id = idOf(Close),
     .captionZh = "",
     .captionEn = "",
     .rect = {332, 9, 355, 45},
     .role = ControlRole::Close},
    {.id = idOf(GetVersion),
     .captionZh = "获取固件版本",
     .captionEn = "Default",
     .rect = {220, 70, 333, 100},
     .role = ControlRole::Button}, // get version
    {.id = idOf(Open),
     .captionZh = "打开",
     .captionEn = "Open",
     .rect = {270, 108, 333, 140},
     .role = ControlRole::Button},
    {.id = idOf(Update),
     .captionZh = "更新",
     .captionEn = "Update",
     .rect = {47, 201, 129, 235},
     .role = ControlRole::Button},
    {.id = idOf(Cancel),
     .captionZh = "取消",
     .captionEn = "Cancel",
     .rect = {237, 201, 327, 235},
     .role = ControlRole::Button},
    {.id = idOf(FileLabel),
     .captionZh = "载入文件：",
     .captionEn = "File",
     .rect = {42, 118, 119, 135},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = idOf(Title),
     .captionZh = "键盘固件升级",
     .captionEn = "Firmware Update",
     .rect = {100, 15, 266, 45},
     .isLabel = true,
     .role = ControlRole::Label}, // title
    {.id = idOf(GetVersionLabel),
     .captionZh = "获取固件版本",
     .captionEn = "Get Version",
     .rect = {220, 78, 333, 100},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = idOf(OpenLabel),
     .captionZh = "打开",
     .captionEn = "Open",
     .rect = {270, 118, 333, 138},
     .isLabel = true,
     .role = ControlRole::Label},
    {.id = idOf(UpdateLabel),
     .captionZh = "更新",
     .captionEn = "Update",
     .rect = {47, 211, 129, 235},
     .isLabel = true,
     .fontIndex = 13,
     .role = ControlRole::Label},
    {.id = idOf(CancelLabel),
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
