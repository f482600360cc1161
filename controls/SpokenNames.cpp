// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/SpokenNames.h"

#include <algorithm>
#include <array>

namespace {

struct RoleName {
    ControlRole role = ControlRole::None;
    SpokenName name;
};

// The words the help document uses for the small picture buttons.
constexpr std::array<RoleName, 6> kRoleNames{{
    {.role = ControlRole::Close, .name = {.zh = "关闭", .en = "Close"}},
    {.role = ControlRole::Minimise, .name = {.zh = "最小化", .en = "Minimise"}},
    {.role = ControlRole::Help, .name = {.zh = "帮助", .en = "Help"}},
    {.role = ControlRole::Increase, .name = {.zh = "加大", .en = "Increase"}},
    {.role = ControlRole::Decrease, .name = {.zh = "减小", .en = "Decrease"}},
    // A row of a list that holds nothing yet.
    {.role = ControlRole::Area, .name = {.zh = "空行", .en = "empty row"}},
}};

// Said after the text box's own name: "信息滚动条", "Information scroll bar".
constexpr SpokenName kScrollBarAfter{.zh = "滚动条", .en = " scroll bar"};
constexpr SpokenName kMarked{.zh = "已选中", .en = "marked"};
constexpr SpokenName kNotMarked{.zh = "未选中", .en = "not marked"};

} // namespace

const char* spokenRoleName(ControlRole role, const std::string& language) {
    const auto found = std::find_if(kRoleNames.begin(), kRoleNames.end(),
                                    [role](const RoleName& entry) { return entry.role == role; });
    return found == kRoleNames.end() ? nullptr : found->name.in(language);
}

const char* spokenNameOf(std::span<const SpokenName> names, int id, const std::string& language) {
    const auto found =
        std::find_if(names.begin(), names.end(), [id](const SpokenName& name) { return name.id == id; });
    return found == names.end() ? nullptr : found->in(language);
}

std::string spokenScrollBarName(const std::string& owner, const std::string& language) {
    return owner + kScrollBarAfter.in(language);
}

const char* spokenMark(bool marked, const std::string& language) {
    return (marked ? kMarked : kNotMarked).in(language);
}
