// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/rules/TrackControls.h"

#include "trigger/rules/RapidTriggerControls.h"

#include "support/KeyboardTableChecks.h"

#include <gtest/gtest.h>

namespace {

using namespace table_checks;

const ControlSpec& entry(std::size_t index) {
    return trackControls()[index];
}

TEST(TrackControls, HasEveryEntryInUseAndWellFormed) {
    const auto table = trackControls();
    ASSERT_EQ(table.size(), kTrackControlCount);
    EXPECT_EQ(table.size(), 88U);
    EXPECT_EQ(rowsInUse(table), kTrackControlsInUse);
    EXPECT_EQ(rowsInUse(table), 88U);
    EXPECT_TRUE(rowsAreWellFormed(table));
    EXPECT_TRUE(idsAreUnique(table));
    EXPECT_TRUE(keysInPlace(table, kTrackKeyEntryOffset));
    EXPECT_TRUE(keyboardIsLaidOut(table, kTrackKeyEntryOffset));
}

TEST(TrackControls, FrameEntriesMatchTheDialog) {
    EXPECT_EQ(entry(0).id, idOf(TrackControlId::Close));
    EXPECT_EQ(entry(0).role, ControlRole::Close);
    EXPECT_EQ(entry(0).rect, (SkinRect{818, 12, 838, 32}));
    EXPECT_EQ(entry(1).id, idOf(TrackControlId::Title));
    EXPECT_STREQ(entry(1).captionZh, "实时跟踪按键行程");
    EXPECT_EQ(entry(1).fontIndex, 15);
    EXPECT_EQ(entry(1).textFormat, 1);
    EXPECT_EQ(entry(2).id, idOf(TrackControlId::Prompt));
    EXPECT_STREQ(entry(2).captionEn, "Please selected the key that needs to be tracked and observed");
    EXPECT_EQ(entry(2).textFormat, 0);
    EXPECT_EQ(entry(2).rect, (SkinRect{280, 63, 750, 95}));
    for (std::size_t index = 0; index < 3; ++index)
        EXPECT_STREQ(entry(index).tooltipZh, "tip") << "entry " << index;
}

TEST(TrackControls, KeysAreTheRapidTriggerKeysFiftyUnitsLower) {
    for (int key = 1; key <= 85; ++key) {
        const ControlSpec& row = entry(static_cast<std::size_t>(kTrackKeyEntryOffset + key));
        const SkinRect above = rapidTriggerKeyRect(key);
        EXPECT_EQ(row.rect, (SkinRect{above.left, above.top + 50, above.right, above.bottom + 50}))
            << "key " << key;
        EXPECT_STREQ(row.captionEn, keyboardKeyLegend(key).caption) << "key " << key;
        EXPECT_STREQ(row.tooltipZh, keyboardKeyLegend(key).tooltipZh) << "key " << key;
    }
    // The first and last rows as the dialog gives them.
    EXPECT_EQ(entry(3).rect, (SkinRect{93, 183, 135, 224}));
    EXPECT_STREQ(entry(3).captionEn, "Esc");
    EXPECT_EQ(entry(87).id, keyboardKeyId(85));
    EXPECT_EQ(entry(87).rect, (SkinRect{729, 396, 770, 436}));
    EXPECT_STREQ(entry(2 + 34).captionEn, "W");
    EXPECT_STREQ(entry(2 + 82).tooltipZh, "RCtrl");
}

} // namespace
