// SPDX-License-Identifier: GPL-3.0-or-later
#include "lighting/rules/BacklightControls.h"

#include "trigger/rules/RapidTriggerControls.h"

#include "support/KeyboardTableChecks.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace table_checks;

const ControlSpec& entry(std::size_t index) {
    return backlightControls()[index];
}

TEST(BacklightControls, HasEveryEntryInUseAndWellFormed) {
    const auto table = backlightControls();
    ASSERT_EQ(table.size(), kBacklightControlCount);
    EXPECT_EQ(table.size(), 101U);
    EXPECT_EQ(rowsInUse(table), kBacklightControlsInUse);
    EXPECT_EQ(rowsInUse(table), 101U);
    EXPECT_TRUE(rowsAreWellFormed(table));
    EXPECT_TRUE(keysInPlace(table, kBacklightKeyEntryOffset));
    EXPECT_TRUE(keyboardIsLaidOut(table, kBacklightKeyEntryOffset));
}

TEST(BacklightControls, EachLabelSharesTheIdOfOneButton) {
    // Entries 0..7 are the buttons, 8..15 the labels: label 8 + n has the id of button n (the title
    // that of the close button), and every label but the title lies on its button's lower part.
    std::map<int, int> uses;
    for (std::size_t index = 0; index < 16; ++index)
        ++uses[entry(index).id];
    EXPECT_EQ(uses.size(), 8U);
    for (const auto& [id, count] : uses)
        EXPECT_EQ(count, 2) << "id " << id;
    for (std::size_t button = 0; button < 8; ++button) {
        const ControlSpec& label = entry(8 + button);
        EXPECT_FALSE(entry(button).isLabel) << "entry " << button;
        EXPECT_TRUE(label.isLabel) << "entry " << 8 + button;
        EXPECT_EQ(label.id, entry(button).id) << "entry " << 8 + button;
        EXPECT_EQ(label.fontIndex, 13) << "entry " << 8 + button;
        EXPECT_STREQ(label.tooltipZh, "tip") << "entry " << 8 + button;
        if (button == 0)
            continue;
        EXPECT_STREQ(label.captionZh, entry(button).captionZh) << "entry " << 8 + button;
        EXPECT_EQ(label.rect.left, entry(button).rect.left + 5) << "entry " << 8 + button;
        EXPECT_EQ(label.rect.top, entry(button).rect.top + 10) << "entry " << 8 + button;
        EXPECT_EQ(label.rect.right, entry(button).rect.right) << "entry " << 8 + button;
        EXPECT_EQ(label.rect.bottom, entry(button).rect.bottom) << "entry " << 8 + button;
    }
    EXPECT_STREQ(entry(7).captionEn, "MultiKey");
    EXPECT_STREQ(entry(15).captionEn, "Multi Key");
}

TEST(BacklightControls, ButtonsAndLabelsMatchTheDialog) {
    EXPECT_EQ(entry(0).id, idOf(BacklightControlId::Close));
    EXPECT_EQ(entry(0).role, ControlRole::Close);
    EXPECT_EQ(entry(0).rect, (SkinRect{818, 12, 838, 32}));
    EXPECT_EQ(entry(1).id, idOf(BacklightControlId::Read));
    EXPECT_STREQ(entry(1).captionZh, "读取背光");
    EXPECT_EQ(entry(1).rect, (SkinRect{388, 420, 475, 454}));
    EXPECT_EQ(entry(5).id, idOf(BacklightControlId::Ok));
    EXPECT_EQ(entry(6).id, idOf(BacklightControlId::SetAll));
    EXPECT_EQ(entry(6).rect, (SkinRect{178, 420, 265, 454}));
    EXPECT_EQ(entry(8).id, idOf(BacklightControlId::Close));
    EXPECT_STREQ(entry(8).captionEn, "BackLight Settings");
    EXPECT_EQ(entry(8).rect, (SkinRect{350, 13, 502, 45}));
}

TEST(BacklightControls, KeysHaveTheRapidTriggerLegendsAndTheirOwnRectangles) {
    int moved = 0;
    for (int key = 1; key <= 85; ++key) {
        const ControlSpec& row = entry(static_cast<std::size_t>(kBacklightKeyEntryOffset + key));
        EXPECT_STREQ(row.captionZh, keyboardKeyLegend(key).caption) << "key " << key;
        EXPECT_STREQ(row.tooltipZh, keyboardKeyLegend(key).tooltipZh) << "key " << key;
        EXPECT_EQ(row.rect, backlightKeyRect(key)) << "key " << key;
        moved += row.rect == rapidTriggerKeyRect(key) ? 0 : 1;
    }
    EXPECT_GT(moved, 60);
    EXPECT_EQ(entry(16).rect, (SkinRect{93, 133, 132, 174}));
    EXPECT_EQ(entry(15 + 17).rect, (SkinRect{93, 177, 132, 217})); // the second row starts at 177
    EXPECT_EQ(entry(15 + 45).rect, (SkinRect{667, 219, 728, 259}));
    EXPECT_EQ(entry(15 + 59).rect, (SkinRect{634, 261, 728, 301}));
    EXPECT_EQ(entry(15 + 78).rect, (SkinRect{255, 346, 367, 386}));
    EXPECT_STREQ(entry(15 + 77).tooltipZh, "LAlt");
    EXPECT_EQ(entry(100).id, keyboardKeyId(85));
    EXPECT_EQ(entry(100).rect, (SkinRect{731, 346, 771, 386}));
    EXPECT_EQ(backlightKeyRect(0), SkinRect{});
    EXPECT_EQ(backlightKeyRect(86), SkinRect{});
}

} // namespace
