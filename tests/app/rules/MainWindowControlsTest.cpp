// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/rules/MainWindowControls.h"

#include "trigger/rules/RapidTriggerControls.h"

#include "support/KeyboardTableChecks.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace table_checks;

constexpr MainWindowLayout kBothLayouts[] = {MainWindowLayout::RgbLayout, MainWindowLayout::SLayout};

const ControlSpec& byId(MainWindowLayout layout, int id) {
    static const ControlSpec missing;
    const ControlSpec* row = findById(mainWindowControls(layout), id);
    return row != nullptr ? *row : missing;
}

TEST(MainWindowControls, BothLayoutsHaveTheirEntriesInUseAndWellFormed) {
    const auto rgbTable = mainWindowControls(MainWindowLayout::RgbLayout);
    const auto sTable = mainWindowControls(MainWindowLayout::SLayout);
    ASSERT_EQ(rgbTable.size(), kMainWindowControlCount);
    ASSERT_EQ(sTable.size(), kMainWindowControlCount);
    EXPECT_EQ(rgbTable.size(), 127U);
    EXPECT_EQ(rowsInUse(rgbTable), kMainWindowControlsInUseRgb);
    EXPECT_EQ(rowsInUse(rgbTable), 125U);
    EXPECT_EQ(rowsInUse(sTable), kMainWindowControlsInUseS);
    EXPECT_EQ(rowsInUse(sTable), 123U);
    for (const MainWindowLayout layout : kBothLayouts) {
        const auto table = mainWindowControls(layout);
        EXPECT_TRUE(rowsAreWellFormed(table));
        EXPECT_TRUE(idsAreUnique(table));
        EXPECT_TRUE(keysInPlace(table, kMainWindowKeyEntryOffset));
        EXPECT_TRUE(keyboardIsLaidOut(table, kMainWindowKeyEntryOffset));
        EXPECT_EQ(table[125].id, -1);
        EXPECT_EQ(table[126].id, -1);
        for (const ControlSpec& row : table) {
            if (row.id > 0) {
                EXPECT_EQ(row.id >= 100, row.role == ControlRole::Key) << "id " << row.id;
            }
        }
    }
}

TEST(MainWindowControls, LayoutFollowsTheVariant) {
    EXPECT_EQ(mainWindowLayoutFor(2), MainWindowLayout::SLayout);
    EXPECT_EQ(mainWindowLayoutFor(3), MainWindowLayout::SLayout);
    for (const int variant : {0, 1, 4, 5, -1})
        EXPECT_EQ(mainWindowLayoutFor(variant), MainWindowLayout::RgbLayout) << "variant " << variant;
}

TEST(MainWindowControls, SLayoutDropsTheBacklightAndMovesTheButtonsAfterIt) {
    const auto rgbTable = mainWindowControls(MainWindowLayout::RgbLayout);
    const auto sTable = mainWindowControls(MainWindowLayout::SLayout);
    const std::set<int> moved{85, 86, 95, 96, 83, 65, 67, 75, 76, 69};
    for (std::size_t index = 0; index < rgbTable.size(); ++index) {
        const int id = rgbTable[index].id;
        if (id == 94 || id == 74) {
            EXPECT_EQ(sTable[index].id, -1) << "id " << id;
            EXPECT_EQ(sTable[index].role, ControlRole::None) << "id " << id;
            continue;
        }
        EXPECT_EQ(sTable[index].id, id) << "entry " << index;
        EXPECT_STREQ(sTable[index].captionZh, rgbTable[index].captionZh) << "entry " << index;
        EXPECT_EQ(sTable[index].rect == rgbTable[index].rect, !moved.contains(id)) << "id " << id;
    }
    EXPECT_EQ(findById(sTable, 94), nullptr);
    EXPECT_EQ(findById(sTable, 74), nullptr);

    // In the S layout the read-all button takes the backlight's slot and the rest follow.
    EXPECT_EQ(byId(MainWindowLayout::SLayout, 95).rect, byId(MainWindowLayout::RgbLayout, 94).rect);
    EXPECT_EQ(byId(MainWindowLayout::SLayout, 86).rect, byId(MainWindowLayout::RgbLayout, 95).rect);
    EXPECT_EQ(byId(MainWindowLayout::SLayout, 96).rect, byId(MainWindowLayout::RgbLayout, 86).rect);
    EXPECT_EQ(byId(MainWindowLayout::SLayout, 83).rect, byId(MainWindowLayout::RgbLayout, 96).rect);
    EXPECT_EQ(byId(MainWindowLayout::SLayout, 85).rect, byId(MainWindowLayout::RgbLayout, 83).rect);
    EXPECT_EQ(byId(MainWindowLayout::SLayout, 85).rect, (SkinRect{818, 92, 908, 128}));
    EXPECT_EQ(byId(MainWindowLayout::SLayout, 75).rect, byId(MainWindowLayout::RgbLayout, 74).rect);
    EXPECT_EQ(byId(MainWindowLayout::SLayout, 67).rect, byId(MainWindowLayout::RgbLayout, 75).rect);
    EXPECT_EQ(byId(MainWindowLayout::SLayout, 76).rect, byId(MainWindowLayout::RgbLayout, 67).rect);
    EXPECT_EQ(byId(MainWindowLayout::SLayout, 69).rect, (SkinRect{720, 101, 811, 130}));
    EXPECT_EQ(byId(MainWindowLayout::SLayout, 65).rect, (SkinRect{818, 101, 908, 130}));
}

TEST(MainWindowControls, CommandButtonsMatchTheWindow) {
    const MainWindowLayout layout = MainWindowLayout::RgbLayout;
    const auto table = mainWindowControls(layout);
    EXPECT_EQ(table[0].id, 85);
    EXPECT_STREQ(table[0].captionZh, "English");
    EXPECT_STREQ(table[0].captionEn, "简体中文");
    EXPECT_EQ(table[0].rect, (SkinRect{919, 92, 1010, 128}));

    EXPECT_EQ(byId(layout, 87).role, ControlRole::Help);
    EXPECT_STREQ(byId(layout, 87).tooltipZh, "帮助");
    EXPECT_EQ(byId(layout, 88).role, ControlRole::Minimise);
    EXPECT_STREQ(byId(layout, 88).tooltipZh, "最小化");
    EXPECT_EQ(byId(layout, 89).role, ControlRole::Close);
    EXPECT_STREQ(byId(layout, 89).tooltipZh, "退出");
    EXPECT_EQ(byId(layout, 89).rect, (SkinRect{967, 20, 992, 50}));
    for (const int id : {87, 88, 89}) {
        EXPECT_STREQ(byId(layout, id).captionZh, "") << "id " << id;
        EXPECT_STREQ(byId(layout, id).captionEn, "") << "id " << id;
    }
    for (int id = 83; id <= 99; ++id) {
        ASSERT_NE(findById(table, id), nullptr) << "id " << id;
        EXPECT_FALSE(byId(layout, id).isLabel) << "id " << id;
        EXPECT_EQ(byId(layout, id).fontIndex, 13) << "id " << id;
        EXPECT_EQ(byId(layout, id).tooltipEn, nullptr) << "id " << id;
        if (id < 87 || id > 89) {
            EXPECT_STREQ(byId(layout, id).tooltipZh, "tip") << "id " << id;
        }
    }
    EXPECT_STREQ(byId(layout, 93).captionEn, "Write key settings");
    EXPECT_EQ(byId(layout, 94).rect, (SkinRect{428, 92, 518, 128}));
    EXPECT_STREQ(byId(layout, 83).captionZh, "动态点设置");
    EXPECT_EQ(byId(layout, 83).rect, (SkinRect{818, 92, 908, 128}));
    EXPECT_EQ(byId(layout, 97).rect, (SkinRect{58, 310, 110, 362}));
    EXPECT_EQ(byId(layout, 84).rect, (SkinRect{58, 423, 110, 475}));
}

TEST(MainWindowControls, LabelsMatchTheWindow) {
    const MainWindowLayout layout = MainWindowLayout::RgbLayout;
    int labels = 0;
    for (const ControlSpec& row : mainWindowControls(layout)) {
        if (!row.isLabel)
            continue;
        ++labels;
        EXPECT_LT(row.id, 83) << "id " << row.id;
        EXPECT_EQ(row.fontIndex, 13) << "id " << row.id;
        EXPECT_EQ(row.textFormat, row.id >= 55 && row.id <= 61 ? 0 : 1) << "id " << row.id;
        EXPECT_EQ(row.textColour, rgb(200, 200, 200)) << "id " << row.id;
        EXPECT_EQ(row.selectedTextColour, row.id >= 77 ? rgb(0, 255, 0) : kDefaultTextColour)
            << "id " << row.id;
    }
    EXPECT_EQ(labels, 23);
    EXPECT_STREQ(byId(layout, 73).captionEn, "WriteKeys");
    EXPECT_STREQ(byId(layout, 69).captionZh, "动态快触");
    EXPECT_EQ(byId(layout, 69).rect, (SkinRect{817, 101, 908, 130}));
    EXPECT_STREQ(byId(layout, 78).captionZh, "Fn2组合层");
    EXPECT_EQ(byId(layout, 78).rect, (SkinRect{55, 295, 115, 315}));
    EXPECT_EQ(byId(layout, 82).rect, (SkinRect{49, 405, 120, 424}));
    EXPECT_STREQ(byId(layout, 56).captionZh, "宏定义键");
    EXPECT_EQ(byId(layout, 61).rect, (SkinRect{843, 483, 913, 503}));
}

TEST(MainWindowControls, KeysNameTheKeysOfEveryKeyboardPicture) {
    const auto table = mainWindowControls(MainWindowLayout::RgbLayout);
    for (int key = 1; key <= 85; ++key) {
        const ControlSpec& row = table[static_cast<std::size_t>(kMainWindowKeyEntryOffset + key)];
        EXPECT_STREQ(row.captionEn, keyboardKeyLegend(key).caption) << "key " << key;
        EXPECT_STREQ(row.tooltipZh, row.captionEn) << "key " << key;
    }
    EXPECT_EQ(table[40].rect, (SkinRect{239, 194, 281, 236}));
    EXPECT_STREQ(byId(MainWindowLayout::RgbLayout, 129).captionEn, "BackSpace");
    EXPECT_EQ(byId(MainWindowLayout::RgbLayout, 129).rect, (SkinRect{789, 236, 876, 279}));
    EXPECT_EQ(byId(MainWindowLayout::RgbLayout, 175).rect, (SkinRect{292, 407, 345, 449}));
    EXPECT_STREQ(byId(MainWindowLayout::RgbLayout, 175).tooltipZh, "Win");
    EXPECT_EQ(byId(MainWindowLayout::RgbLayout, 177).rect, (SkinRect{398, 407, 514, 449}));
    EXPECT_EQ(table[124].id, 184);
    EXPECT_EQ(table[124].rect, (SkinRect{875, 407, 918, 449}));
}

TEST(MainWindowControls, KindPaletteGivesTheMarkerColours) {
    const auto palette = mainWindowKindPalette();
    ASSERT_EQ(palette.size(), kMainWindowKindPaletteSize);
    EXPECT_EQ(palette.size(), 9U);
    EXPECT_EQ(palette[0], rgb(0, 0, 0));
    EXPECT_EQ(palette[1], rgb(0, 128, 192));
    EXPECT_EQ(palette[2], rgb(255, 255, 0));
    EXPECT_EQ(palette[4], rgb(128, 128, 0));
    EXPECT_EQ(palette[6], rgb(10, 10, 255));
    EXPECT_EQ(palette[8], rgb(255, 0, 0));
    EXPECT_EQ(std::set<Rgb>(palette.begin(), palette.end()).size(), 9U);
}

} // namespace
