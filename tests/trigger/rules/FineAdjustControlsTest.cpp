// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/rules/FineAdjustControls.h"

#include "support/KeyboardTableChecks.h"

#include <gtest/gtest.h>

namespace {

using namespace table_checks;

const ControlSpec& entry(std::size_t index) {
    return fineAdjustControls()[index];
}

TEST(FineAdjustControls, HasEveryEntryInUseAndWellFormed) {
    const auto table = fineAdjustControls();
    ASSERT_EQ(table.size(), kFineAdjustControlCount);
    EXPECT_EQ(table.size(), 15U);
    EXPECT_EQ(rowsInUse(table), kFineAdjustControlsInUse);
    EXPECT_EQ(rowsInUse(table), 15U);
    EXPECT_TRUE(rowsAreWellFormed(table));
    EXPECT_TRUE(idsAreUnique(table));
    for (const ControlSpec& row : table) {
        EXPECT_STREQ(row.tooltipZh, "tip") << "id " << row.id;
        EXPECT_EQ(row.tooltipEn, nullptr) << "id " << row.id;
        EXPECT_EQ(row.keyIndex, -1) << "id " << row.id;
        EXPECT_FALSE(row.showsText) << "id " << row.id;
    }
}

TEST(FineAdjustControls, ButtonsAndLabelsMatchTheDialog) {
    EXPECT_EQ(entry(0).id, idOf(FineAdjustControlId::Close));
    EXPECT_EQ(entry(0).role, ControlRole::Close);
    EXPECT_EQ(entry(0).rect, (SkinRect{332, 9, 355, 45}));
    EXPECT_EQ(entry(2).id, idOf(FineAdjustControlId::Cancel));
    EXPECT_EQ(entry(2).rect, (SkinRect{237, 201, 327, 235}));

    EXPECT_EQ(entry(3).id, idOf(FineAdjustControlId::Title));
    EXPECT_STREQ(entry(3).captionEn, "Dynamic Rapid Trigger Setting");
    EXPECT_EQ(entry(3).fontIndex, 17);
    EXPECT_EQ(entry(4).rect, (SkinRect{47, 211, 129, 235}));

    // The three value labels are small and left-aligned.
    for (std::size_t index = 6; index <= 8; ++index) {
        EXPECT_TRUE(entry(index).isLabel) << "entry " << index;
        EXPECT_EQ(entry(index).fontIndex, 11) << "entry " << index;
        EXPECT_EQ(entry(index).textFormat, 0) << "entry " << index;
    }
    EXPECT_STREQ(entry(6).captionZh, "上限:");
    EXPECT_EQ(entry(6).rect, (SkinRect{248, 60, 342, 72}));
    EXPECT_STREQ(entry(8).captionEn, "Threshold:");
    EXPECT_EQ(entry(8).rect, (SkinRect{248, 143, 348, 155}));
}

TEST(FineAdjustControls, SteppersPairUpAroundEachValue) {
    using enum FineAdjustControlId;
    constexpr FineAdjustControlId kDecreases[] = {UpperDecrease, LowerDecrease, ThresholdDecrease};
    constexpr FineAdjustControlId kIncreases[] = {UpperIncrease, LowerIncrease, ThresholdIncrease};
    // Decrease at the left, increase at the right, one pair per value from top to bottom.
    for (std::size_t pair = 0; pair < 3; ++pair) {
        const ControlSpec& decrease = entry(9 + 2 * pair);
        const ControlSpec& increase = entry(10 + 2 * pair);
        EXPECT_EQ(decrease.id, idOf(kDecreases[pair]));
        EXPECT_EQ(increase.id, idOf(kIncreases[pair]));
        EXPECT_EQ(decrease.role, ControlRole::Decrease);
        EXPECT_EQ(increase.role, ControlRole::Increase);
        EXPECT_EQ(decrease.rect.top, increase.rect.top) << "pair " << pair;
        EXPECT_EQ(decrease.rect.bottom, increase.rect.bottom) << "pair " << pair;
        EXPECT_EQ(decrease.rect.left, 244) << "pair " << pair;
        EXPECT_EQ(increase.rect.left, 302) << "pair " << pair;
        if (pair > 0) {
            EXPECT_GT(decrease.rect.top, entry(9 + 2 * (pair - 1)).rect.bottom) << "pair " << pair;
        }
    }
    EXPECT_STREQ(entry(9).captionZh, "下压 减小");
    EXPECT_STREQ(entry(12).captionZh, "回弹 加大");
    EXPECT_STREQ(entry(12).captionEn, "Lower increase");
    EXPECT_EQ(entry(12).rect, (SkinRect{302, 116, 329, 141}));
    EXPECT_EQ(entry(14).id, idOf(FineAdjustControlId::ThresholdIncrease));
    EXPECT_STREQ(entry(14).captionEn, "Threshold increase");
    EXPECT_EQ(entry(14).rect, (SkinRect{302, 156, 329, 181}));
}

} // namespace
