// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymap/rules/VirtualKeyControls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace {

std::string_view text(const char* s) {
    return s == nullptr ? std::string_view() : std::string_view(s);
}

bool overlap(const SkinRect& a, const SkinRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

const ControlSpec& key(std::string_view name) {
    const auto keys = virtualKeyButtons();
    const auto found = std::ranges::find(keys, name, [](const ControlSpec& c) { return text(c.captionEn); });
    EXPECT_NE(found, keys.end()) << name;
    static const ControlSpec kNone{};
    return found == keys.end() ? kNone : *found;
}

TEST(VirtualKeyControls, HasItsCountAllInUseWithNonEmptyRectangles) {
    const auto table = virtualKeyControls();
    ASSERT_EQ(table.size(), kVirtualKeyControlCount);
    EXPECT_EQ(kVirtualKeyControlCount, 120u);
    EXPECT_EQ(std::ranges::count_if(table, [](const ControlSpec& c) { return c.id > 0; }), 120);
    for (const ControlSpec& c : table) {
        EXPECT_LT(c.rect.left, c.rect.right) << "id " << c.id;
        EXPECT_LT(c.rect.top, c.rect.bottom) << "id " << c.id;
        EXPECT_NE(c.role, ControlRole::None) << "id " << c.id;
        EXPECT_EQ(text(c.tooltipZh), "tip") << "id " << c.id;
        EXPECT_EQ(c.tooltipEn, nullptr) << "id " << c.id;
        EXPECT_EQ(c.controlCode, -1) << "id " << c.id;
    }
}

TEST(VirtualKeyControls, FrameButtonsEachShareTheirIdWithALabel) {
    const auto table = virtualKeyControls();
    std::map<int, int> counts;
    for (const ControlSpec& c : table)
        ++counts[c.id];
    for (const auto& [id, n] : counts)
        EXPECT_EQ(n,
                  (id >= idOf(VirtualKeyControlId::Close) && id <= idOf(VirtualKeyControlId::Cancel)) ? 2 : 1)
            << "id " << id;

    ASSERT_GE(table.size(), kVirtualKeyFrameCount);
    constexpr VirtualKeyControlId kButtons[] = {VirtualKeyControlId::Close, VirtualKeyControlId::Ok,
                                                VirtualKeyControlId::Cancel};
    for (std::size_t i = 0; i < 3; ++i) {
        const ControlSpec& button = table[i];
        const ControlSpec& label = table[i + 3];
        SCOPED_TRACE("id " + std::to_string(button.id));
        EXPECT_EQ(button.id, idOf(kButtons[i]));
        EXPECT_EQ(label.id, button.id);
        EXPECT_FALSE(button.isLabel);
        EXPECT_EQ(button.captionZh, nullptr);
        EXPECT_TRUE(label.isLabel);
        EXPECT_EQ(label.role, ControlRole::Label);
        EXPECT_FALSE(text(label.captionZh).empty());
        EXPECT_FALSE(text(label.captionEn).empty());
    }
    EXPECT_EQ(table[0].role, ControlRole::Close);
    EXPECT_EQ(table[0].rect, (SkinRect{893, 12, 916, 35}));
    EXPECT_EQ(table[1].rect, (SkinRect{570, 304, 652, 338}));
    EXPECT_EQ(table[2].rect, (SkinRect{667, 304, 752, 338}));
    const ControlSpec& title = table[3];
    EXPECT_EQ(title.fontIndex, 17);
    EXPECT_EQ(title.rect, (SkinRect{400, 17, 540, 37}));
    EXPECT_EQ(text(title.captionZh), "虚拟键盘");
    EXPECT_EQ(text(title.captionEn), "Virtual Keyboard");
    EXPECT_EQ(text(table[4].captionEn), "OK");
    EXPECT_EQ(table[4].rect, (SkinRect{570, 314, 652, 338}));
    EXPECT_EQ(text(table[5].captionZh), "取消");
    EXPECT_EQ(table[5].rect, (SkinRect{667, 314, 752, 338}));
}

TEST(VirtualKeyControls, KeyButtonsFollowTheFrameWithConsecutiveIdsAndDistinctCodes) {
    const auto table = virtualKeyControls();
    const auto keys = virtualKeyButtons();
    ASSERT_EQ(keys.size(), kVirtualKeyButtonCount);
    EXPECT_EQ(keys.data(), table.data() + kVirtualKeyFrameCount);

    // The device key codes of the main block, navigation block and keypad (1..107 without the three
    // power codes), the extra key left of Z and F13..F21.
    std::set<int> expected;
    for (int code = 1; code <= 107; ++code)
        if (code < 75 || code > 77)
            expected.insert(code);
    expected.insert(204);
    for (int code = 210; code <= 218; ++code)
        expected.insert(code);

    std::set<int> codes;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const ControlSpec& k = keys[i];
        SCOPED_TRACE("id " + std::to_string(k.id));
        EXPECT_EQ(k.id, virtualKeyId(i));
        EXPECT_EQ(k.role, ControlRole::Key);
        EXPECT_FALSE(k.isLabel);
        EXPECT_FALSE(k.showsText);
        EXPECT_FALSE(text(k.captionEn).empty());
        EXPECT_EQ(text(k.captionZh), text(k.captionEn));
        EXPECT_TRUE(codes.insert(k.keyIndex).second) << "code " << k.keyIndex;
    }
    EXPECT_EQ(codes, expected);
}

TEST(VirtualKeyControls, KeysLieOnTheKeyboardPictureWithoutOverlapping) {
    const auto keys = virtualKeyButtons();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const SkinRect& r = keys[i].rect;
        SCOPED_TRACE("id " + std::to_string(keys[i].id));
        EXPECT_GE(r.left, 30);
        EXPECT_LE(r.right, 904);
        EXPECT_GE(r.top, 65);
        EXPECT_LE(r.bottom, 287);
        for (std::size_t j = i + 1; j < keys.size(); ++j)
            EXPECT_FALSE(overlap(r, keys[j].rect)) << "with id " << keys[j].id;
    }
}

TEST(VirtualKeyControls, KeysAsTheKeyboardPictureShowsThem) {
    const auto keys = virtualKeyButtons();
    EXPECT_EQ(text(keys.front().captionEn), "Esc");
    EXPECT_EQ(keys.front().keyIndex, 1);
    EXPECT_EQ(keys.front().rect, (SkinRect{30, 65, 65, 98}));
    EXPECT_EQ(keys.back().id, virtualKeyId(113));
    EXPECT_EQ(text(keys.back().captionEn), "KPEnter");
    EXPECT_EQ(keys.back().keyIndex, 107);
    EXPECT_EQ(keys.back().rect, (SkinRect{870, 215, 904, 287}));

    EXPECT_EQ(key("A").keyIndex, 43);
    EXPECT_EQ(key("B").keyIndex, 60);
    EXPECT_EQ(key("Ctrl (left)").keyIndex, 67);
    EXPECT_EQ(key("Shift (left)").keyIndex, 55);
    EXPECT_EQ(key("Caps Lock").rect, (SkinRect{30, 179, 95, 211}));
    EXPECT_EQ(key("Space").rect, (SkinRect{180, 252, 400, 287}));
    EXPECT_EQ(key("Space").keyIndex, 70);
    EXPECT_EQ(key("extra key left of Z (<>)").keyIndex, 204);
    EXPECT_EQ(key("F13").keyIndex, 210);
    EXPECT_EQ(key("F14").rect, (SkinRect{564, 65, 600, 98}));
    EXPECT_EQ(key("F15").id, virtualKeyId(77));
    EXPECT_EQ(key("F21").keyIndex, 218);
    EXPECT_EQ(key("F21").rect, (SkinRect{870, 65, 904, 98}));
    EXPECT_EQ(key("PrtScreen").keyIndex, 78);
    EXPECT_EQ(key("KP0").rect, (SkinRect{756, 252, 828, 287}));
    EXPECT_EQ(key("KP+").rect, (SkinRect{870, 141, 904, 211}));
    EXPECT_EQ(key("backslash").keyIndex, 41);
}

} // namespace
