// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/rules/MainWindowControls.h"

#include "trigger/rules/RapidTriggerControls.h"

#include "support/KeyboardTableChecks.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace table_checks;
using enum MainWindowControlId;

constexpr MainWindowLayout kBothLayouts[] = {MainWindowLayout::RgbLayout, MainWindowLayout::SLayout};

const ControlSpec& byId(MainWindowLayout layout, int id) {
    static const ControlSpec missing;
    const ControlSpec* row = findById(mainWindowControls(layout), id);
    return row != nullptr ? *row : missing;
}
const ControlSpec& byId(MainWindowLayout layout, MainWindowControlId id) {
    return byId(layout, idOf(id));
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
                EXPECT_EQ(row.id >= kFirstKeyboardKeyId, row.role == ControlRole::Key) << "id " << row.id;
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
    const std::set<int> moved{idOf(Language),          idOf(ReadCounters), idOf(ReadAll),
                              idOf(FirmwareUpdate),    idOf(RapidTrigger), idOf(LanguageLabel),
                              idOf(ReadCountersLabel), idOf(ReadAllLabel), idOf(FirmwareUpdateLabel),
                              idOf(RapidTriggerLabel)};
    for (std::size_t index = 0; index < rgbTable.size(); ++index) {
        const int id = rgbTable[index].id;
        if (id == idOf(Backlight) || id == idOf(BacklightLabel)) {
            EXPECT_EQ(sTable[index].id, -1) << "id " << id;
            EXPECT_EQ(sTable[index].role, ControlRole::None) << "id " << id;
            continue;
        }
        EXPECT_EQ(sTable[index].id, id) << "entry " << index;
        EXPECT_STREQ(sTable[index].captionZh, rgbTable[index].captionZh) << "entry " << index;
        EXPECT_EQ(sTable[index].rect == rgbTable[index].rect, !moved.contains(id)) << "id " << id;
    }
    EXPECT_EQ(findById(sTable, idOf(Backlight)), nullptr);
    EXPECT_EQ(findById(sTable, idOf(BacklightLabel)), nullptr);

    // In the S layout the read-all button takes the backlight's slot and the rest follow.
    EXPECT_EQ(byId(MainWindowLayout::SLayout, ReadAll).rect,
              byId(MainWindowLayout::RgbLayout, Backlight).rect);
    EXPECT_EQ(byId(MainWindowLayout::SLayout, ReadCounters).rect,
              byId(MainWindowLayout::RgbLayout, ReadAll).rect);
    EXPECT_EQ(byId(MainWindowLayout::SLayout, FirmwareUpdate).rect,
              byId(MainWindowLayout::RgbLayout, ReadCounters).rect);
    EXPECT_EQ(byId(MainWindowLayout::SLayout, RapidTrigger).rect,
              byId(MainWindowLayout::RgbLayout, FirmwareUpdate).rect);
    EXPECT_EQ(byId(MainWindowLayout::SLayout, Language).rect,
              byId(MainWindowLayout::RgbLayout, RapidTrigger).rect);
    EXPECT_EQ(byId(MainWindowLayout::SLayout, Language).rect, (SkinRect{818, 92, 908, 128}));
    EXPECT_EQ(byId(MainWindowLayout::SLayout, ReadAllLabel).rect,
              byId(MainWindowLayout::RgbLayout, BacklightLabel).rect);
    EXPECT_EQ(byId(MainWindowLayout::SLayout, ReadCountersLabel).rect,
              byId(MainWindowLayout::RgbLayout, ReadAllLabel).rect);
    EXPECT_EQ(byId(MainWindowLayout::SLayout, FirmwareUpdateLabel).rect,
              byId(MainWindowLayout::RgbLayout, ReadCountersLabel).rect);
    EXPECT_EQ(byId(MainWindowLayout::SLayout, RapidTriggerLabel).rect, (SkinRect{720, 101, 811, 130}));
    EXPECT_EQ(byId(MainWindowLayout::SLayout, LanguageLabel).rect, (SkinRect{818, 101, 908, 130}));
}

TEST(MainWindowControls, CommandButtonsMatchTheWindow) {
    const MainWindowLayout layout = MainWindowLayout::RgbLayout;
    const auto table = mainWindowControls(layout);
    EXPECT_EQ(table[0].id, idOf(Language));
    EXPECT_STREQ(table[0].captionZh, "English");
    EXPECT_STREQ(table[0].captionEn, "简体中文");
    EXPECT_EQ(table[0].rect, (SkinRect{919, 92, 1010, 128}));

    EXPECT_EQ(byId(layout, Help).role, ControlRole::Help);
    EXPECT_STREQ(byId(layout, Help).tooltipZh, "帮助");
    EXPECT_EQ(byId(layout, Minimise).role, ControlRole::Minimise);
    EXPECT_STREQ(byId(layout, Minimise).tooltipZh, "最小化");
    EXPECT_EQ(byId(layout, Exit).role, ControlRole::Close);
    EXPECT_STREQ(byId(layout, Exit).tooltipZh, "退出");
    EXPECT_EQ(byId(layout, Exit).rect, (SkinRect{967, 20, 992, 50}));
    for (const MainWindowControlId id : {Help, Minimise, Exit}) {
        EXPECT_STREQ(byId(layout, id).captionZh, "") << "id " << idOf(id);
        EXPECT_STREQ(byId(layout, id).captionEn, "") << "id " << idOf(id);
    }
    for (int id = idOf(RapidTrigger); id <= idOf(FnLayer); ++id) {
        ASSERT_NE(findById(table, id), nullptr) << "id " << id;
        EXPECT_FALSE(byId(layout, id).isLabel) << "id " << id;
        EXPECT_EQ(byId(layout, id).fontIndex, 13) << "id " << id;
        EXPECT_EQ(byId(layout, id).tooltipEn, nullptr) << "id " << id;
        if (id < idOf(Help) || id > idOf(Exit)) {
            EXPECT_STREQ(byId(layout, id).tooltipZh, "tip") << "id " << id;
        }
    }
    EXPECT_STREQ(byId(layout, WriteKeys).captionEn, "Write key settings");
    EXPECT_EQ(byId(layout, Backlight).rect, (SkinRect{428, 92, 518, 128}));
    EXPECT_STREQ(byId(layout, RapidTrigger).captionZh, "动态点设置");
    EXPECT_EQ(byId(layout, RapidTrigger).rect, (SkinRect{818, 92, 908, 128}));
    EXPECT_EQ(byId(layout, Fn2Layer).rect, (SkinRect{58, 310, 110, 362}));
    EXPECT_EQ(byId(layout, Program).rect, (SkinRect{58, 423, 110, 475}));
}

TEST(MainWindowControls, LabelsMatchTheWindow) {
    const MainWindowLayout layout = MainWindowLayout::RgbLayout;
    int labels = 0;
    for (const ControlSpec& row : mainWindowControls(layout)) {
        if (!row.isLabel)
            continue;
        ++labels;
        EXPECT_LT(row.id, idOf(RapidTrigger)) << "id " << row.id;
        EXPECT_EQ(row.fontIndex, 13) << "id " << row.id;
        EXPECT_EQ(row.textFormat, row.id >= idOf(CombinationLegend) && row.id <= idOf(PowerLegend) ? 0 : 1)
            << "id " << row.id;
        EXPECT_EQ(row.textColour, rgb(200, 200, 200)) << "id " << row.id;
        EXPECT_EQ(row.selectedTextColour, row.id >= idOf(TopLayerLabel) ? rgb(0, 255, 0) : kDefaultTextColour)
            << "id " << row.id;
    }
    EXPECT_EQ(labels, 23);
    EXPECT_STREQ(byId(layout, WriteKeysLabel).captionEn, "WriteKeys");
    EXPECT_STREQ(byId(layout, RapidTriggerLabel).captionZh, "动态快触");
    EXPECT_EQ(byId(layout, RapidTriggerLabel).rect, (SkinRect{817, 101, 908, 130}));
    EXPECT_STREQ(byId(layout, Fn2LayerLabel).captionZh, "Fn2组合层");
    EXPECT_EQ(byId(layout, Fn2LayerLabel).rect, (SkinRect{55, 295, 115, 315}));
    EXPECT_EQ(byId(layout, Program3Label).rect, (SkinRect{49, 405, 120, 424}));
    EXPECT_STREQ(byId(layout, MacroLegend).captionZh, "宏定义键");
    EXPECT_EQ(byId(layout, PowerLegend).rect, (SkinRect{843, 483, 913, 503}));
}

TEST(MainWindowControls, KeysNameTheKeysOfEveryKeyboardPicture) {
    const auto table = mainWindowControls(MainWindowLayout::RgbLayout);
    for (int key = 1; key <= 85; ++key) {
        const ControlSpec& row = table[static_cast<std::size_t>(kMainWindowKeyEntryOffset + key)];
        EXPECT_STREQ(row.captionEn, keyboardKeyLegend(key).caption) << "key " << key;
        EXPECT_STREQ(row.tooltipZh, row.captionEn) << "key " << key;
    }
    EXPECT_EQ(table[40].rect, (SkinRect{239, 194, 281, 236}));
    EXPECT_STREQ(byId(MainWindowLayout::RgbLayout, keyboardKeyId(30)).captionEn, "BackSpace");
    EXPECT_EQ(byId(MainWindowLayout::RgbLayout, keyboardKeyId(30)).rect, (SkinRect{789, 236, 876, 279}));
    EXPECT_EQ(byId(MainWindowLayout::RgbLayout, keyboardKeyId(76)).rect, (SkinRect{292, 407, 345, 449}));
    EXPECT_STREQ(byId(MainWindowLayout::RgbLayout, keyboardKeyId(76)).tooltipZh, "Win");
    EXPECT_EQ(byId(MainWindowLayout::RgbLayout, keyboardKeyId(78)).rect, (SkinRect{398, 407, 514, 449}));
    EXPECT_EQ(table[124].id, keyboardKeyId(85));
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
