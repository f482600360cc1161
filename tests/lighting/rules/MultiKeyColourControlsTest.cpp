// SPDX-License-Identifier: GPL-3.0-or-later
#include "lighting/rules/MultiKeyColourControls.h"

#include "lighting/rules/BacklightControls.h"
#include "trigger/rules/RapidTriggerControls.h"

#include "support/KeyboardTableChecks.h"

#include <gtest/gtest.h>

namespace {

using namespace table_checks;

const ControlSpec& entry(std::size_t index) {
    return multiKeyColourControls()[index];
}

TEST(MultiKeyColourControls, HasEveryEntryInUseAndWellFormed) {
    const auto table = multiKeyColourControls();
    ASSERT_EQ(table.size(), kMultiKeyColourControlCount);
    EXPECT_EQ(table.size(), 89U);
    EXPECT_EQ(rowsInUse(table), kMultiKeyColourControlsInUse);
    EXPECT_EQ(rowsInUse(table), 89U);
    EXPECT_TRUE(rowsAreWellFormed(table));
    EXPECT_TRUE(keysInPlace(table, kMultiKeyColourKeyEntryOffset));
    EXPECT_TRUE(keyboardIsLaidOut(table, kMultiKeyColourKeyEntryOffset));
    EXPECT_TRUE(idsAreUnique(table.subspan(kMultiKeyColourKeyEntryOffset + 1)));
}

TEST(MultiKeyColourControls, FrameEntriesMatchTheWindow) {
    // The title has the close button's id, the label that of the set-colour button.
    EXPECT_EQ(entry(0).id, idOf(MultiKeyColourControlId::Close));
    EXPECT_EQ(entry(0).role, ControlRole::Close);
    EXPECT_EQ(entry(0).rect, (SkinRect{815, 9, 848, 45}));
    EXPECT_EQ(entry(1).id, idOf(MultiKeyColourControlId::SetColour));
    EXPECT_EQ(entry(1).role, ControlRole::Button);
    EXPECT_STREQ(entry(1).captionEn, "Set Color");
    EXPECT_EQ(entry(1).rect, (SkinRect{350, 48, 502, 82}));
    EXPECT_EQ(entry(2).id, idOf(MultiKeyColourControlId::Close));
    EXPECT_TRUE(entry(2).isLabel);
    EXPECT_STREQ(entry(2).captionZh, "多键设置面板");
    EXPECT_EQ(entry(2).rect, (SkinRect{350, 15, 502, 47}));
    EXPECT_EQ(entry(3).id, idOf(MultiKeyColourControlId::SetColour));
    EXPECT_TRUE(entry(3).isLabel);
    EXPECT_STREQ(entry(3).captionZh, "设置");
    EXPECT_EQ(entry(3).rect, (SkinRect{355, 58, 502, 82}));
    for (std::size_t index = 0; index < 4; ++index) {
        EXPECT_STREQ(entry(index).tooltipZh, "tip") << "entry " << index;
        EXPECT_EQ(entry(index).fontIndex, 13) << "entry " << index;
    }
}

TEST(MultiKeyColourControls, KeysAreTheBacklightKeys) {
    const auto backlight = backlightControls();
    for (int key = 1; key <= 85; ++key) {
        const ControlSpec& row = entry(static_cast<std::size_t>(kMultiKeyColourKeyEntryOffset + key));
        const ControlSpec& same = backlight[static_cast<std::size_t>(kBacklightKeyEntryOffset + key)];
        EXPECT_EQ(row.id, same.id) << "key " << key;
        EXPECT_EQ(row.rect, same.rect) << "key " << key;
        EXPECT_STREQ(row.captionZh, same.captionZh) << "key " << key;
        EXPECT_STREQ(row.captionEn, same.captionEn) << "key " << key;
        EXPECT_STREQ(row.tooltipZh, same.tooltipZh) << "key " << key;
        EXPECT_EQ(row.role, ControlRole::Key) << "key " << key;
    }
    EXPECT_EQ(entry(4).rect, (SkinRect{93, 133, 132, 174}));
    EXPECT_STREQ(entry(3 + 80).tooltipZh, "RAlt");
    EXPECT_EQ(entry(88).id, keyboardKeyId(85));
    EXPECT_EQ(entry(88).rect, (SkinRect{731, 346, 771, 386}));
}

} // namespace
