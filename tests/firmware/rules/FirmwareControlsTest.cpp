// SPDX-License-Identifier: GPL-3.0-or-later
#include "firmware/rules/FirmwareControls.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>
#include <string_view>

namespace {

std::string_view text(const char* s) {
    return s == nullptr ? std::string_view() : std::string_view(s);
}

TEST(FirmwareControls, HasItsCountWithSlotsZeroToTenInUse) {
    const auto table = firmwareControls();
    ASSERT_EQ(table.size(), kFirmwareControlCount);
    EXPECT_EQ(kFirmwareControlCount, 107u);
    EXPECT_EQ(kFirmwareControlsInUse, 11u);
    for (std::size_t i = 0; i < table.size(); ++i) {
        const ControlSpec& c = table[i];
        SCOPED_TRACE("slot " + std::to_string(i));
        if (i < kFirmwareControlsInUse) {
            EXPECT_GT(c.id, 0);
            EXPECT_NE(c.role, ControlRole::None);
            EXPECT_LT(c.rect.left, c.rect.right);
            EXPECT_LT(c.rect.top, c.rect.bottom);
            EXPECT_EQ(text(c.tooltipZh), "tip");
            EXPECT_EQ(c.tooltipEn, nullptr);
            EXPECT_EQ(c.fontIndex, 13);
        } else {
            EXPECT_EQ(c.id, -1);
            EXPECT_EQ(c.role, ControlRole::None);
            EXPECT_EQ(c.rect, SkinRect{});
        }
    }
}

TEST(FirmwareControls, FiveButtonsThenSixLabelsWithDistinctIds) {
    const auto table = firmwareControls();
    std::set<int> ids;
    for (std::size_t i = 0; i < kFirmwareControlsInUse; ++i) {
        const ControlSpec& c = table[i];
        SCOPED_TRACE("slot " + std::to_string(i));
        EXPECT_TRUE(ids.insert(c.id).second);
        EXPECT_EQ(c.isLabel, i >= 5);
        EXPECT_EQ(c.role == ControlRole::Label, i >= 5);
        EXPECT_NE(c.captionZh, nullptr);
        EXPECT_NE(c.captionEn, nullptr);
    }
    EXPECT_EQ(ids, (std::set<int>{89, 90, 91, 92, 93, 187, 188, 190, 191, 192, 193}));
}

TEST(FirmwareControls, ButtonLabelsLieOverTheirButtons) {
    const auto table = firmwareControls();
    // Slots 7..10 carry the words of the buttons in slots 1..4.
    for (std::size_t i = 1; i <= 4; ++i) {
        const ControlSpec& button = table[i];
        const ControlSpec& label = table[i + 6];
        SCOPED_TRACE("slot " + std::to_string(i));
        EXPECT_GE(label.rect.left, button.rect.left);
        EXPECT_GE(label.rect.top, button.rect.top);
        EXPECT_LE(label.rect.right, button.rect.right);
        EXPECT_LE(label.rect.bottom, button.rect.bottom);
        EXPECT_EQ(text(label.captionZh), text(button.captionZh));
    }
}

TEST(FirmwareControls, ButtonsDoNotOverlap) {
    // A click goes to the first button containing the point; no button may hide part of another.
    const auto table = firmwareControls();
    for (std::size_t i = 0; i < 5; ++i)
        for (std::size_t j = i + 1; j < 5; ++j) {
            const SkinRect& a = table[i].rect;
            const SkinRect& b = table[j].rect;
            EXPECT_FALSE(a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom)
                << "slots " << i << " and " << j;
        }
}

TEST(FirmwareControls, RowsAsTheDialogGivesThem) {
    const auto table = firmwareControls();
    const ControlSpec& close = table[0];
    EXPECT_EQ(close.id, idOf(FirmwareControlId::Close));
    EXPECT_EQ(close.role, ControlRole::Close);
    EXPECT_EQ(close.rect, (SkinRect{332, 9, 355, 45}));
    ASSERT_NE(close.captionZh, nullptr);
    ASSERT_NE(close.captionEn, nullptr);
    EXPECT_EQ(text(close.captionZh), "");
    EXPECT_EQ(text(close.captionEn), "");

    EXPECT_EQ(table[1].id, idOf(FirmwareControlId::GetVersion));
    EXPECT_EQ(text(table[1].captionZh), "获取固件版本");
    EXPECT_EQ(text(table[1].captionEn), "Default");
    EXPECT_EQ(table[1].rect, (SkinRect{220, 70, 333, 100}));
    EXPECT_EQ(table[2].rect, (SkinRect{270, 108, 333, 140}));
    EXPECT_EQ(table[3].rect, (SkinRect{47, 201, 129, 235}));
    EXPECT_EQ(table[4].id, idOf(FirmwareControlId::Cancel));
    EXPECT_EQ(table[4].rect, (SkinRect{237, 201, 327, 235}));

    EXPECT_EQ(table[5].id, idOf(FirmwareControlId::FileLabel));
    EXPECT_EQ(text(table[5].captionZh), "载入文件：");
    EXPECT_EQ(text(table[5].captionEn), "File");
    EXPECT_EQ(table[5].rect, (SkinRect{42, 118, 119, 135}));
    EXPECT_EQ(table[6].id, idOf(FirmwareControlId::Title));
    EXPECT_EQ(text(table[6].captionEn), "Firmware Update");
    EXPECT_EQ(table[6].rect, (SkinRect{100, 15, 266, 45}));
    EXPECT_EQ(text(table[7].captionEn), "Get Version");
    EXPECT_EQ(table[7].rect, (SkinRect{220, 78, 333, 100}));
    EXPECT_EQ(table[10].id, idOf(FirmwareControlId::CancelLabel));
    EXPECT_EQ(text(table[10].captionEn), "Cancel");
    EXPECT_EQ(table[10].rect, (SkinRect{237, 211, 327, 235}));
}

} // namespace
