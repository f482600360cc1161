// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymap/rules/KeyAssignmentControls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

using enum KeyAssignmentControlId;

constexpr Rgb kGreen = rgb(0, 255, 0);

bool used(const ControlSpec& c) {
    return c.id > 0;
}

// All entries with this id, in table order.
std::vector<const ControlSpec*> entriesWithId(int id) {
    std::vector<const ControlSpec*> found;
    for (const ControlSpec& c : keyAssignmentControls())
        if (c.id == id)
            found.push_back(&c);
    return found;
}

const ControlSpec& entry(int id) {
    const auto found = entriesWithId(id);
    EXPECT_EQ(found.size(), 1u) << "id " << id;
    static const ControlSpec kNone{};
    return found.empty() ? kNone : *found.front();
}
const ControlSpec& entry(KeyAssignmentControlId id) {
    return entry(idOf(id));
}

std::optional<std::size_t> indexOf(const ControlSpec& c) {
    const auto table = keyAssignmentControls();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (&table[i] == &c)
            return i;
    return std::nullopt;
}

// The dialog's click hit test on page: the first entry in table order it considers whose rectangle
// contains the point.
const ControlSpec* hit(int page, int x, int y) {
    for (const ControlSpec& c : keyAssignmentControls())
        if (keyAssignmentHitOnPage(c.id, page) && c.rect.contains(x, y))
            return &c;
    return nullptr;
}

bool overlap(const SkinRect& a, const SkinRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::string_view text(const char* s) {
    return s == nullptr ? std::string_view() : std::string_view(s);
}

// The page the dialog's Default command shows for a factory device key code; 0 when it changes
// nothing.
int pageDefaultShows(int code) {
    if (code == 76)
        return 7;
    if (code == 204 || (code >= 210 && code <= 221))
        return 1;
    if (code >= 108 && code <= 125)
        return 4;
    if ((code >= 126 && code <= 134) || code == 157 || code == 158 || code == 173 || code == 198)
        return 5;
    if (code >= 199 && code <= 202)
        return 0;
    if (code >= 135)
        return 6;
    return 1;
}

TEST(KeyAssignmentControls, HasItsCountWithTheUnusedRowsLeftAtTheirDefaults) {
    const auto table = keyAssignmentControls();
    ASSERT_EQ(table.size(), kKeyAssignmentControlCount);
    EXPECT_EQ(kKeyAssignmentControlCount, 224u);
    EXPECT_EQ(std::ranges::count_if(table, used), 221);
    for (const ControlSpec& c : table) {
        if (used(c))
            continue;
        EXPECT_EQ(c.id, -1);
        EXPECT_EQ(c.role, ControlRole::None);
        EXPECT_EQ(c.rect, SkinRect{});
        EXPECT_EQ(c.captionZh, nullptr);
        EXPECT_EQ(c.captionEn, nullptr);
    }
}

TEST(KeyAssignmentControls, EveryUsedRectangleIsNonEmpty) {
    for (const ControlSpec& c : keyAssignmentControls()) {
        if (!used(c))
            continue;
        EXPECT_LT(c.rect.left, c.rect.right) << "id " << c.id;
        EXPECT_LT(c.rect.top, c.rect.bottom) << "id " << c.id;
        EXPECT_GE(c.rect.left, 0) << "id " << c.id;
        EXPECT_GE(c.rect.top, 0) << "id " << c.id;
    }
}

TEST(KeyAssignmentControls, IdsAreUniqueExceptTheTwoSecondLabelRecords) {
    std::map<int, int> counts;
    for (const ControlSpec& c : keyAssignmentControls())
        if (used(c))
            ++counts[c.id];
    std::map<int, int> duplicates;
    for (const auto& [id, n] : counts)
        if (n > 1)
            duplicates[id] = n;
    EXPECT_EQ(duplicates,
              (std::map<int, int>{{idOf(AutomaticDelayLabel), 2}, {idOf(EmulationDelayLabel), 2}}));

    const auto delayLabels = entriesWithId(idOf(AutomaticDelayLabel));
    ASSERT_EQ(delayLabels.size(), 2u);
    EXPECT_EQ(text(delayLabels[0]->captionEn), "Auto delay");
    EXPECT_EQ(text(delayLabels[1]->captionZh), "毫秒");
    EXPECT_EQ(text(delayLabels[1]->captionEn), "ms");
    EXPECT_EQ(delayLabels[1]->rect, (SkinRect{522, 174, 580, 192}));
    EXPECT_EQ(delayLabels[1]->textFormat, 0);

    const auto emulationDelay = entriesWithId(idOf(EmulationDelayLabel));
    ASSERT_EQ(emulationDelay.size(), 2u);
    EXPECT_EQ(text(emulationDelay[0]->captionEn), "Delay");
    EXPECT_EQ(emulationDelay[0]->rect, (SkinRect{387, 112, 447, 130}));
    EXPECT_EQ(text(emulationDelay[1]->captionEn), "ms");
    EXPECT_EQ(emulationDelay[1]->rect, (SkinRect{510, 112, 550, 130}));
}

TEST(KeyAssignmentControls, KindsAgreeWithIdsAndFlags) {
    for (const ControlSpec& c : keyAssignmentControls()) {
        if (!used(c))
            continue;
        SCOPED_TRACE("id " + std::to_string(c.id));
        EXPECT_NE(c.role, ControlRole::None);
        EXPECT_EQ(c.isLabel, c.role == ControlRole::Label);
        EXPECT_EQ(c.showsText, c.role == ControlRole::Area);
        EXPECT_EQ(c.keyIndex, -1);
        if (c.id <= 80)
            EXPECT_TRUE(c.isLabel);
        else if (c.id < 100)
            EXPECT_FALSE(c.isLabel);
        else
            EXPECT_GE(keyAssignmentPageOf(c.id), 1);
        EXPECT_LE(keyAssignmentPageOf(c.id), kKeyAssignmentPageCount);
        // Labels carry their words in both languages; buttons, icons and rows have none of their own.
        if (c.isLabel) {
            EXPECT_FALSE(text(c.captionZh).empty());
            EXPECT_FALSE(text(c.captionEn).empty());
        } else {
            EXPECT_EQ(c.captionZh, nullptr);
            EXPECT_EQ(c.captionEn, nullptr);
        }
        if (c.showsText) {
            EXPECT_EQ(c.fontIndex, 11);
        }
        // Only icons carry a device key code and a tooltip of their own.
        if (c.role == ControlRole::Icon) {
            EXPECT_GT(c.controlCode, 0);
            EXPECT_NE(text(c.tooltipZh), "tip");
            EXPECT_FALSE(text(c.tooltipZh).empty());
            EXPECT_FALSE(text(c.tooltipEn).empty());
        } else {
            EXPECT_EQ(c.controlCode, -1);
            EXPECT_EQ(text(c.tooltipZh), "tip");
            EXPECT_EQ(c.tooltipEn, nullptr);
        }
    }
}

TEST(KeyAssignmentControls, EveryClickableEntryIsReachedByTheDialogsHitTest) {
    for (int page = 1; page <= kKeyAssignmentPageCount; ++page) {
        for (const ControlSpec& c : keyAssignmentControls()) {
            if (!used(c) || c.isLabel || !keyAssignmentHitOnPage(c.id, page))
                continue;
            SCOPED_TRACE("page " + std::to_string(page) + ", id " + std::to_string(c.id));
            const int cx = (c.rect.left + c.rect.right) / 2;
            const int cy = (c.rect.top + c.rect.bottom) / 2;
            EXPECT_EQ(hit(page, cx, cy), &c);
            EXPECT_EQ(hit(page, c.rect.left, c.rect.top), &c);
            EXPECT_EQ(hit(page, c.rect.right - 1, c.rect.bottom - 1), &c);
        }
    }
}

TEST(KeyAssignmentControls, IconsOfEachPageCarryDistinctDeviceCodesOfThatPagesFamily) {
    const std::map<int, std::size_t> iconCounts{{4, 18}, {5, 14}, {6, 38}, {7, 3}};
    const std::map<int, std::pair<int, int>> idRanges{{4, {idOf(MediaSelect), idOf(Calculator)}},
                                                      {5, {idOf(CursorLeft), idOf(CursorAccelerateKey)}},
                                                      {6, {idOf(WinMacSwitch), 660}},
                                                      {7, {idOf(WakeUp), idOf(Power)}}};
    std::set<int> codes;
    std::size_t iconsInSpans = 0;
    for (int page = 0; page <= 8; ++page) {
        const auto icons = keyAssignmentIcons(page);
        if (!iconCounts.contains(page)) {
            EXPECT_TRUE(icons.empty()) << "page " << page;
            continue;
        }
        ASSERT_EQ(icons.size(), iconCounts.at(page)) << "page " << page;
        iconsInSpans += icons.size();
        for (std::size_t i = 0; i < icons.size(); ++i) {
            const ControlSpec& icon = icons[i];
            SCOPED_TRACE("icon " + std::to_string(icon.id));
            EXPECT_EQ(icon.role, ControlRole::Icon);
            EXPECT_EQ(keyAssignmentPageOf(icon.id), page);
            EXPECT_GE(icon.id, idRanges.at(page).first);
            EXPECT_LE(icon.id, idRanges.at(page).second);
            EXPECT_TRUE(codes.insert(icon.controlCode).second) << "code " << icon.controlCode;
            for (std::size_t j = i + 1; j < icons.size(); ++j)
                EXPECT_FALSE(overlap(icon.rect, icons[j].rect)) << "with icon " << icons[j].id;
            // The Default command shows the page of a factory code; an icon's code belongs to its page,
            // except the double click (which Default leaves alone) and wake-up and power (page 1).
            const int code = icon.controlCode;
            if (code == 199)
                EXPECT_EQ(pageDefaultShows(code), 0);
            else if (code == 75 || code == 77)
                EXPECT_EQ(pageDefaultShows(code), 1);
            else
                EXPECT_EQ(pageDefaultShows(code), page);
        }
    }
    EXPECT_EQ(iconsInSpans, static_cast<std::size_t>(
                                std::ranges::count_if(keyAssignmentControls(), [](const ControlSpec& c) {
                                    return c.role == ControlRole::Icon;
                                })));
    // Fn and Fn2 are the two codes OK writes to all three layers.
    EXPECT_EQ(entry(FnKey).controlCode, 156);
    EXPECT_EQ(entry(Fn2Key).controlCode, 166);
}

TEST(KeyAssignmentControls, IconsSitOnTheirPagesGrid) {
    // Pages 4, 6 and 7 lay their icons out in rows, page 5 in two columns: every icon shares its
    // band (top and bottom, or left and right on page 5) with another icon of its page.
    for (int page = 4; page <= 7; ++page) {
        const auto icons = keyAssignmentIcons(page);
        for (const ControlSpec& icon : icons) {
            SCOPED_TRACE("icon " + std::to_string(icon.id));
            const auto sameBand = std::ranges::count_if(icons, [&](const ControlSpec& other) {
                return page == 5 ? other.rect.left == icon.rect.left && other.rect.right == icon.rect.right
                                 : other.rect.top == icon.rect.top && other.rect.bottom == icon.rect.bottom;
            });
            EXPECT_GE(sameBand, 2);
            if (page == 4 || page == 6) {
                EXPECT_GE(icon.rect.width(), 35);
                EXPECT_LE(icon.rect.width(), 38);
            } else if (page == 5) {
                EXPECT_EQ(icon.rect.height(), 16);
            } else {
                EXPECT_EQ(icon.rect.width(), 80);
            }
        }
    }
}

TEST(KeyAssignmentControls, MouseLabelsLieOnTheirIconsAndFollowThem) {
    const std::vector<std::string_view> english{"Move Left",       "Move Right",
                                                "Move Up",         "Move Down",
                                                "Left Key",        "Right Key",
                                                "Middle Key",      "Wheel Up",
                                                "Wheel Down",      "Double Left Key",
                                                "Point Move",      "Continue Move",
                                                "Accelerate Move", "Cursor Accelerate Key"};
    for (int k = 0; k < 14; ++k) {
        const ControlSpec& icon = entry(idOf(CursorLeft) + k);
        const ControlSpec& label = entry(keyAssignmentMouseLabelId(idOf(CursorLeft) + k));
        SCOPED_TRACE("label " + std::to_string(label.id));
        EXPECT_EQ(icon.role, ControlRole::Icon);
        EXPECT_TRUE(label.isLabel);
        EXPECT_EQ(label.rect, icon.rect);
        EXPECT_EQ(text(label.captionEn), english[static_cast<std::size_t>(k)]);
        EXPECT_LT(indexOf(icon), indexOf(label));
    }
    EXPECT_EQ(text(entry(keyAssignmentMouseLabelId(idOf(CursorLeft))).captionZh), "左移");
    EXPECT_EQ(text(entry(keyAssignmentMouseLabelId(idOf(CursorAccelerateKey))).captionZh), "光标加速键");
}

TEST(KeyAssignmentControls, PagesNameTheirTabsTabLabelsAndPictures) {
    const auto pages = keyAssignmentPages();
    ASSERT_EQ(pages.size(), 7u);
    for (int p = 1; p <= 7; ++p) {
        const KeyAssignmentPage& page = pages[static_cast<std::size_t>(p - 1)];
        SCOPED_TRACE("page " + std::to_string(p));
        EXPECT_EQ(page.page, p);
        EXPECT_EQ(page.tabId, keyAssignmentTabId(p));
        EXPECT_EQ(page.tabLabelId, keyAssignmentTabLabelId(p));
        EXPECT_EQ(page.normalPicture, 3 * p);
        EXPECT_EQ(page.hoverPicture, 3 * p + 1);
        EXPECT_EQ(page.selectedPicture, 3 * p + 2);
        const ControlSpec& tab = entry(page.tabId);
        const ControlSpec& label = entry(page.tabLabelId);
        EXPECT_EQ(tab.role, ControlRole::Tab);
        EXPECT_EQ(tab.rect, (SkinRect{18 + 78 * (p - 1), 48, 95 + 78 * (p - 1), 82}));
        EXPECT_EQ(label.rect, (SkinRect{tab.rect.left, 56, tab.rect.right, 80}));
    }
    EXPECT_EQ(text(entry(keyAssignmentTabLabelId(1)).captionEn), "Single/Com");
    EXPECT_EQ(text(entry(keyAssignmentTabLabelId(7)).captionZh), "电源键");
}

TEST(KeyAssignmentControls, RowBlocksMatchTheirRows) {
    const auto blocks = keyAssignmentRowBlocks();
    ASSERT_EQ(blocks.size(), 5u);
    const auto table = keyAssignmentControls();
    for (const KeyAssignmentRowBlock& block : blocks) {
        SCOPED_TRACE("block " + std::to_string(block.firstId));
        const auto first = indexOf(entry(block.firstId));
        ASSERT_TRUE(first.has_value());
        const ControlSpec& row0 = table[*first];
        EXPECT_EQ(keyAssignmentPageOf(block.firstId), block.page);
        for (int k = 0; k < block.rowCount; ++k) {
            const ControlSpec& row = table[*first + static_cast<std::size_t>(k)];
            EXPECT_EQ(row.id, block.firstId + k);
            EXPECT_TRUE(row.showsText);
            EXPECT_EQ(row.textFormat, 0);
            EXPECT_EQ(row.rect.left, row0.rect.left);
            EXPECT_EQ(row.rect.right, row0.rect.right);
            EXPECT_EQ(row.rect.height(), row0.rect.height());
            EXPECT_EQ(row.rect.top, row0.rect.top + k * (row0.rect.height() + 1));
        }
        EXPECT_FALSE(table[*first + static_cast<std::size_t>(block.rowCount)].showsText &&
                     table[*first + static_cast<std::size_t>(block.rowCount)].id ==
                         block.firstId + block.rowCount);
    }
    EXPECT_EQ(blocks[0].rowCount, 6);
    EXPECT_EQ(blocks[2].scrollBar, KeyAssignmentScrollBar::Action);
    EXPECT_EQ(blocks[3].scrollBar, KeyAssignmentScrollBar::List);
    // The three rows under the combination edit box are centred, not left-aligned.
    for (int id = idOf(FirstComboRecordRow); id <= idOf(FirstComboRecordRow) + 2; ++id) {
        EXPECT_TRUE(entry(id).showsText);
        EXPECT_EQ(entry(id).textFormat, 1);
    }
}

TEST(KeyAssignmentControls, FrameRowsAsTheDialogDrawsThem) {
    const auto table = keyAssignmentControls();
    EXPECT_EQ(table.front().id, idOf(Default));
    EXPECT_EQ(table.front().rect, (SkinRect{33, 320, 117, 353}));
    EXPECT_EQ(entry(Clear).rect, (SkinRect{130, 320, 214, 353}));
    EXPECT_EQ(entry(Cancel).rect, (SkinRect{462, 320, 544, 353}));
    EXPECT_EQ(entry(Close).role, ControlRole::Close);
    EXPECT_EQ(entry(Close).rect, (SkinRect{547, 14, 565, 30}));
    const ControlSpec& title = entry(Title);
    EXPECT_EQ(title.fontIndex, 17);
    EXPECT_EQ(title.rect, (SkinRect{1, 14, 573, 35}));
    EXPECT_EQ(text(title.captionZh), "按键设置面板");
    EXPECT_EQ(text(title.captionEn), "Key Settings");
    EXPECT_EQ(entry(ClearLabel).rect, (SkinRect{135, 330, 215, 353}));
    EXPECT_EQ(text(entry(DefaultLabel).captionZh), "恢复默认");
}

TEST(KeyAssignmentControls, PageRowsAsThePagesGiveThem) {
    // Page 1: the single radio starts selected; the radio labels turn green when selected.
    EXPECT_TRUE(entry(SingleRadio).selected);
    EXPECT_FALSE(entry(ComboRadio).selected);
    EXPECT_EQ(entry(SingleRadio).role, ControlRole::Radio);
    EXPECT_EQ(entry(SingleLabel).selectedTextColour, kGreen);
    EXPECT_EQ(entry(ComboLabel).selectedTextColour, kGreen);
    EXPECT_EQ(entry(SingleLabel).textColour, kDefaultTextColour);
    EXPECT_EQ(text(entry(KeyName).captionZh), " ");
    EXPECT_EQ(text(entry(KeyName).captionEn), " ");
    EXPECT_EQ(entry(idOf(FirstComboRow) + 5).rect, (SkinRect{214, 216, 355, 231}));
    EXPECT_EQ(entry(idOf(FirstComboRecordRow) + 2).rect, (SkinRect{378, 168, 522, 183}));

    // Each "Record" label has a hidden green "Stop Rec" twin on the same rectangle.
    for (const auto& [record, stop] : std::vector<std::pair<KeyAssignmentControlId, KeyAssignmentControlId>>{
             {CaptureLabel, StopCaptureLabel},
             {RecordComboLabel, StopComboLabel},
             {RecordMacroLabel, StopMacroLabel},
             {RecordEmulationLabel, StopEmulationLabel}}) {
        SCOPED_TRACE("labels " + std::to_string(idOf(record)) + "/" + std::to_string(idOf(stop)));
        EXPECT_TRUE(entry(record).visible);
        EXPECT_EQ(text(entry(record).captionEn), "Record");
        EXPECT_FALSE(entry(stop).visible);
        EXPECT_EQ(entry(stop).textColour, kGreen);
        EXPECT_EQ(text(entry(stop).captionEn), "Stop Rec");
        EXPECT_EQ(entry(stop).rect, entry(record).rect);
    }

    // Page 2: the play and delay radios, the macro rows and the two-line hint.
    for (KeyAssignmentControlId id :
         {TimesPlayRadio, WhileHeldRadio, TogglePlayRadio, AutomaticDelayRadio, RecordedDelayRadio})
        EXPECT_EQ(entry(id).role, ControlRole::Radio) << "id " << idOf(id);
    EXPECT_EQ(entry(RecordedDelayRadio).rect, (SkinRect{390, 195, 405, 210}));
    EXPECT_EQ(entry(idOf(FirstMacroActionRow) + 8).rect, (SkinRect{213, 226, 355, 239}));
    const ControlSpec& hint = entry(MacroHint);
    EXPECT_EQ(hint.textFormat, 4);
    EXPECT_EQ(hint.rect, (SkinRect{230, 254, 539, 308}));
    EXPECT_EQ(std::ranges::count(text(hint.captionZh), '\n'), 1);
    EXPECT_EQ(std::ranges::count(text(hint.captionEn), '\n'), 2);
    EXPECT_TRUE(text(hint.captionEn).starts_with("Tip:Right of mouse click"));
    EXPECT_EQ(text(entry(WhileHeldLabel).captionEn), "Press play, release stop");

    // Page 3.
    EXPECT_EQ(entry(RecordEmulation).rect, (SkinRect{383, 148, 538, 178}));
    EXPECT_EQ(entry(idOf(FirstEmulationRow) + 8).rect, (SkinRect{37, 226, 178, 239}));
    EXPECT_EQ(text(entry(EmulationListLabel).captionEn), "Emu List");
}

TEST(KeyAssignmentControls, IconRowsAsThePagesGiveThem) {
    const ControlSpec& mediaSelect = entry(MediaSelect);
    EXPECT_EQ(mediaSelect.controlCode, 115);
    EXPECT_EQ(text(mediaSelect.tooltipZh), "播放器");
    EXPECT_EQ(text(mediaSelect.tooltipEn), "Media Select");
    EXPECT_EQ(mediaSelect.rect, (SkinRect{46, 152, 81, 188}));
    EXPECT_EQ(entry(Calculator).rect, (SkinRect{496, 235, 531, 274}));
    EXPECT_EQ(entry(Calculator).controlCode, 117);

    EXPECT_EQ(entry(MouseMiddleButton).controlCode, 132);
    EXPECT_EQ(text(entry(MouseMiddleButton).tooltipZh), "鼠标中键（滚轮键）");
    EXPECT_EQ(entry(DoubleClick).controlCode, 199);
    EXPECT_EQ(entry(CursorAccelerateKey).rect, (SkinRect{154, 165, 258, 181}));

    EXPECT_EQ(text(entry(BackspaceBackslashSwap).tooltipZh), "Backspace与|对调");
    EXPECT_EQ(text(entry(BackspaceBackslashSwap).tooltipEn), "Backspace and | Exchange");
    EXPECT_EQ(entry(BackspaceBackslashSwap).rect, (SkinRect{229, 152, 266, 188}));
    EXPECT_EQ(entry(WinMacSwitch).controlCode, 155);
    EXPECT_EQ(entry(LightDirectionRight).controlCode, 147);
    EXPECT_EQ(entry(LightDirectionRight).rect, (SkinRect{504, 265, 540, 301}));
    EXPECT_EQ(text(entry(Fn2Key).tooltipEn), "Fn2 key for keyboard,Key's 3 level must be set to Fn2");
    EXPECT_EQ(entry(KeyFunctionLabel).textFormat, 0);

    EXPECT_EQ(entry(Sleep).controlCode, 76);
    EXPECT_EQ(text(entry(Sleep).tooltipEn), "Sleep");
    // The last row in use: the power label.
    const ControlSpec& last = keyAssignmentControls()[kKeyAssignmentControlsInUse - 1];
    EXPECT_EQ(last.id, idOf(PowerLabel));
    EXPECT_EQ(last.rect, (SkinRect{340, 168, 420, 190}));
    EXPECT_EQ(text(last.captionEn), "Power");
    EXPECT_EQ(last.textFormat, 1);
}

TEST(KeyAssignmentControls, PageMembershipHelpers) {
    EXPECT_EQ(keyAssignmentPageOf(idOf(Default)), 0);
    EXPECT_EQ(keyAssignmentPageOf(idOf(WinMacSwitch)), 6);
    EXPECT_EQ(keyAssignmentPageOf(idOf(PowerLabel)), 7);
    EXPECT_TRUE(keyAssignmentDrawnOnPage(idOf(DefaultLabel), 5));
    EXPECT_TRUE(keyAssignmentDrawnOnPage(idOf(MediaFunctionLabel), 4));
    EXPECT_FALSE(keyAssignmentDrawnOnPage(idOf(MediaFunctionLabel), 5));
    EXPECT_FALSE(keyAssignmentDrawnOnPage(-1, 1));
    EXPECT_FALSE(keyAssignmentHitOnPage(idOf(DefaultLabel), 1));
    EXPECT_TRUE(keyAssignmentHitOnPage(idOf(Ok), 3));
    EXPECT_TRUE(keyAssignmentHitOnPage(idOf(SingleLabel), 1));
    EXPECT_FALSE(keyAssignmentHitOnPage(idOf(SingleLabel), 2));
}

} // namespace
