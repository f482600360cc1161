// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/rules/RapidTriggerControls.h"

#include "support/KeyboardTableChecks.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

using namespace table_checks;

const ControlSpec& entry(std::size_t index) {
    return rapidTriggerControls()[index];
}

TEST(RapidTriggerControls, HasEveryEntryInUseAndWellFormed) {
    const auto table = rapidTriggerControls();
    ASSERT_EQ(table.size(), kRapidTriggerControlCount);
    EXPECT_EQ(table.size(), 101U);
    EXPECT_EQ(rowsInUse(table), kRapidTriggerControlsInUse);
    EXPECT_EQ(rowsInUse(table), 101U);
    EXPECT_TRUE(rowsAreWellFormed(table));
    EXPECT_TRUE(idsAreUnique(table));
}

TEST(RapidTriggerControls, KeysFollowTheButtonsAndLabels) {
    const auto table = rapidTriggerControls();
    EXPECT_TRUE(keysInPlace(table, kRapidTriggerKeyEntryOffset));
    EXPECT_TRUE(keyboardIsLaidOut(table, kRapidTriggerKeyEntryOffset));
    for (std::size_t index = 0; index < 16; ++index)
        EXPECT_NE(table[index].role, ControlRole::Key) << "entry " << index;
}

TEST(RapidTriggerControls, ButtonsAndLabelsMatchTheDialog) {
    EXPECT_EQ(entry(0).id, idOf(RapidTriggerControlId::Close));
    EXPECT_EQ(entry(0).role, ControlRole::Close);
    EXPECT_STREQ(entry(0).captionZh, "");
    EXPECT_EQ(entry(0).rect, (SkinRect{818, 12, 838, 32}));

    EXPECT_EQ(entry(7).id, idOf(RapidTriggerControlId::Track));
    EXPECT_STREQ(entry(7).captionEn, "Track");
    EXPECT_EQ(entry(7).rect, (SkinRect{345, 50, 505, 87}));

    EXPECT_EQ(entry(8).id, idOf(RapidTriggerControlId::Title));
    EXPECT_STREQ(entry(8).captionZh, "动态快速触发设置");
    EXPECT_STREQ(entry(8).captionEn, "Dynamic Rapid Trigger Setting");
    EXPECT_EQ(entry(8).fontIndex, 17);

    // The labels on Read and Write sit 10 units right of their buttons; Write's reads "Update".
    EXPECT_EQ(entry(11).rect, (SkinRect{343, 431, 420, 454}));
    EXPECT_STREQ(entry(12).captionEn, "Update");
    EXPECT_EQ(entry(12).rect, (SkinRect{448, 431, 525, 454}));

    EXPECT_EQ(entry(15).id, idOf(RapidTriggerControlId::TrackLabel));
    EXPECT_STREQ(entry(15).captionEn, "Real-time to Track");
    EXPECT_EQ(entry(15).textFormat, 0);
    EXPECT_EQ(entry(15).rect, (SkinRect{375, 60, 505, 87}));

    for (std::size_t index = 0; index < 16; ++index) {
        const ControlSpec& row = entry(index);
        EXPECT_STREQ(row.tooltipZh, "tip") << "entry " << index;
        EXPECT_EQ(row.tooltipEn, nullptr) << "entry " << index;
        EXPECT_FALSE(row.showsText) << "entry " << index;
        EXPECT_EQ(row.isLabel, index >= 8) << "entry " << index;
        EXPECT_EQ(row.fontIndex, index == 8 ? 17 : 13) << "entry " << index;
        EXPECT_EQ(row.textFormat, index == 15 ? 0 : 1) << "entry " << index;
    }
}

TEST(RapidTriggerControls, KeysMatchTheKeyboard) {
    EXPECT_EQ(entry(16).id, keyboardKeyId(1));
    EXPECT_STREQ(entry(16).captionEn, "Esc");
    EXPECT_EQ(entry(16).rect, (SkinRect{93, 133, 135, 174}));
    EXPECT_STREQ(entry(15 + 30).captionZh, "BackSpace");
    EXPECT_EQ(entry(15 + 30).rect, (SkinRect{645, 176, 728, 217}));
    EXPECT_STREQ(entry(15 + 45).captionEn, "\\");
    EXPECT_EQ(entry(15 + 45).rect, (SkinRect{665, 219, 728, 259}));
    EXPECT_STREQ(entry(15 + 47).captionEn, "Caps Lock");
    EXPECT_EQ(entry(15 + 60).rect, (SkinRect{728, 261, 769, 301}));
    EXPECT_STREQ(entry(15 + 58).captionEn, "'");
    EXPECT_EQ(entry(15 + 72).rect, (SkinRect{613, 303, 685, 344}));
    EXPECT_EQ(entry(15 + 78).rect, (SkinRect{252, 346, 368, 386}));
    EXPECT_EQ(entry(15 + 79).rect, (SkinRect{369, 346, 485, 386}));
    EXPECT_EQ(entry(100).id, keyboardKeyId(85));
    EXPECT_EQ(entry(100).keyIndex, 85);
    EXPECT_STREQ(entry(100).captionEn, "Right");
    EXPECT_EQ(entry(100).rect, (SkinRect{729, 346, 770, 386}));
}

TEST(RapidTriggerControls, KeyTooltipsNameTheSideOfTwinKeys) {
    for (int key = 1; key <= kKeyboardKeyCount; ++key) {
        const ControlSpec& row = entry(static_cast<std::size_t>(kRapidTriggerKeyEntryOffset + key));
        const KeyLegend legend = keyboardKeyLegend(key);
        EXPECT_STREQ(row.captionZh, legend.caption) << "key " << key;
        EXPECT_STREQ(row.tooltipZh, legend.tooltipZh) << "key " << key;
        EXPECT_EQ(row.tooltipEn, nullptr) << "key " << key;
        EXPECT_EQ(row.rect, rapidTriggerKeyRect(key)) << "key " << key;
        if (key != 76 && key != 77 && key != 80 && key != 82) {
            EXPECT_STREQ(legend.tooltipZh, legend.caption) << "key " << key;
        }
    }
    EXPECT_STREQ(keyboardKeyLegend(76).caption, "Win");
    EXPECT_STREQ(keyboardKeyLegend(76).tooltipZh, "LWin");
    EXPECT_STREQ(keyboardKeyLegend(77).tooltipZh, "LAlt");
    EXPECT_STREQ(keyboardKeyLegend(80).caption, "Alt");
    EXPECT_STREQ(keyboardKeyLegend(80).tooltipZh, "RAlt");
    EXPECT_STREQ(keyboardKeyLegend(82).caption, "Ctrl");
    EXPECT_STREQ(keyboardKeyLegend(82).tooltipZh, "RCtrl");
    EXPECT_STREQ(keyboardKeyLegend(75).tooltipZh, "Ctrl");
}

TEST(RapidTriggerControls, KeyLookupsOutsideTheKeyboardGiveNothing) {
    for (const int key : {0, -1, 86, 208}) {
        EXPECT_EQ(keyboardKeyLegend(key).caption, nullptr) << "key " << key;
        EXPECT_EQ(keyboardKeyLegend(key).tooltipZh, nullptr) << "key " << key;
        EXPECT_EQ(rapidTriggerKeyRect(key), SkinRect{}) << "key " << key;
    }
}

} // namespace
