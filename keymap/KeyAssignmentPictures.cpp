// SPDX-License-Identifier: GPL-3.0-or-later
// 107..127 and 151..153: the normal, hover and selected pictures of the key assignment dialog's seven
// pages (page 6's normal picture by variant). Every picture shows the whole window: the title band,
// the seven tabs with the shown page's tab current, the page's own controls and the Default, Clear,
// OK and Cancel buttons.
#include "keymap/KeyAssignmentPictures.h"

#include "keymap/rules/KeyAssignmentChildren.h"
#include "keymap/rules/KeyAssignmentControls.h"
#include "model/KeyboardVariant.h"
#include "res/FunctionGlyphs.h"
#include "res/PictureSet.h"
#include "res/PictureStyle.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <set>
#include <span>

namespace {

using PictureStyle::ButtonLook;

constexpr QSize kDesignSize{581, 368};
constexpr QRect kWhole(QPoint(0, 0), kDesignSize);
constexpr int kChamfer = 8;
constexpr int kTitleBandBottom = 40;
constexpr Rgb kColourKey = kKeyAssignmentWindow.colourKey;

// The page body below the tabs, holding the page's own controls.
constexpr QRect kPageBody{18, 82, 545, 232};

const QColor kBodyFill{24, 24, 27};
const QColor kGroupFill{31, 31, 35};
const QColor kGroupEdge{47, 47, 53};
// The dark brush the edit boxes paint their background with; their wells use it too, so a box and
// its well read as one field whichever language placed the box.
const QColor kEditFill{20, 20, 20};
const QColor kDimFill{30, 30, 33};
const QColor kDimEdge{52, 52, 58};
const QColor kDimGlyph{84, 84, 92};
const QColor kRowHoverFill{52, 38, 28};
const QColor kRowSelectedFill{112, 50, 6};

// Which of a page's three pictures is drawn.
enum class Picture { Normal, Hover, Selected };

// The dialog's edit boxes stand in wells; the play-count and delay boxes stand further right in
// English than in Chinese, and their wells hold both places.

// The skin scroll bar is one skin cell thick whatever the scale: its widest, at scale 1.0, it takes
// this many design units to the right of its list.
constexpr int kScrollBarReach = 19;

// The label that shows the single key's name on page 1 (KeyName) gets a well of its own.

// Decorative panels of the pages, in design units.
struct Panel {
    int page;
    QRect area;
    bool tip = false; // a hint panel, with an accent line at its left
};
constexpr std::array kPanels = std::to_array<Panel>({
    {.page = 1, .area = {32, 92, 142, 196}},  // the single key
    {.page = 1, .area = {200, 92, 343, 196}}, // the combination
    {.page = 2, .area = {222, 252, 335, 58}, .tip = true},
    {.page = 3, .area = {376, 102, 181, 84}},
    {.page = 4, .area = {36, 122, 508, 74}},  // media keys
    {.page = 4, .area = {36, 202, 508, 80}},  // browser keys
    {.page = 5, .area = {31, 107, 115, 183}}, // cursor and buttons
    {.page = 5, .area = {148, 107, 116, 81}}, // cursor settings
    {.page = 6, .area = {22, 86, 537, 103}},  // key functions
    {.page = 6, .area = {22, 190, 537, 56}},  // Bluetooth
    {.page = 6, .area = {22, 247, 537, 63}},  // backlight
    {.page = 7, .area = {146, 132, 290, 80}},
});

// Group headings: a short accent mark at the left of each heading's words.
struct Heading {
    int page;
    int x;
    int y;
};
constexpr std::array kHeadings = std::to_array<Heading>({
    {.page = 4, .x = 41, .y = 129},
    {.page = 4, .x = 41, .y = 209},
    {.page = 6, .x = 28, .y = 94},
    {.page = 6, .x = 28, .y = 192},
    {.page = 6, .x = 28, .y = 250},
});

const ControlSpec* findControl(int id) {
    for (const ControlSpec& control : keyAssignmentControls()) {
        if (control.id == id)
            return &control;
    }
    return nullptr;
}

// The rows of every block of list rows; other rows (under the combination box) show no list.
const std::set<int>& listRowIds() {
    static const std::set<int> ids = [] {
        std::set<int> all;
        for (const KeyAssignmentRowBlock& block : keyAssignmentRowBlocks()) {
            for (int k = 0; k < block.rowCount; ++k)
                all.insert(block.firstId + k);
        }
        return all;
    }();
    return ids;
}

// A list well around a block of rows, with room at its right for the scroll bar's track.
void drawListWell(QPainter& painter, const KeyAssignmentRowBlock& block) {
    QRect rows;
    for (int k = 0; k < block.rowCount; ++k) {
        if (const ControlSpec* row = findControl(block.firstId + k))
            rows = rows.united(PictureStyle::areaOf(row->rect));
    }
    if (rows.isEmpty())
        return;
    const QRect well(rows.left() - 2, rows.top() - 2, rows.width() + 2 + kScrollBarReach, rows.height() + 5);
    PictureStyle::drawFrame(painter, well, PictureStyle::kWellEdge, PictureStyle::kWellFill);
    // The scroll bar's track beside the rows.
    const QRect track(rows.right() + 2, well.top() + 1, well.right() - rows.right() - 2, well.height() - 2);
    painter.fillRect(track, kEditFill);
    painter.fillRect(QRect(rows.right() + 1, well.top() + 1, 1, well.height() - 2),
                     PictureStyle::kWindowInnerEdge);
}

void drawEditWell(QPainter& painter, const KeyAssignmentEditPlace& place) {
    const int left = std::min(place.leftZh, place.leftEn);
    const int right = std::max(place.leftZh, place.leftEn) + place.width;
    PictureStyle::drawFrame(painter, QRect(left - 1, place.top, right - left + 2, place.height + 3),
                            PictureStyle::kWellEdge, kEditFill);
}

// Everything of a page that is the same in all its pictures.
void drawPageFurniture(QPainter& painter, int page) {
    PictureStyle::drawFrame(painter, kPageBody, PictureStyle::kSeparator, kBodyFill);
    for (const Panel& panel : kPanels) {
        if (panel.page != page)
            continue;
        PictureStyle::drawFrame(painter, panel.area, kGroupEdge, kGroupFill);
        if (panel.tip)
            painter.fillRect(QRect(panel.area.left() + 1, panel.area.top() + 1, 2, panel.area.height() - 2),
                             PictureStyle::kAccentDark);
    }
    for (const Heading& heading : kHeadings) {
        if (heading.page == page)
            painter.fillRect(QRect(heading.x, heading.y, 2, 10), PictureStyle::kAccent);
    }
    for (const KeyAssignmentRowBlock& block : keyAssignmentRowBlocks()) {
        if (block.page == page)
            drawListWell(painter, block);
    }
    for (const KeyAssignmentEditPlace& place : keyAssignmentEditPlaces()) {
        if (place.page == page)
            drawEditWell(painter, place);
    }
    if (const ControlSpec* name = findControl(idOf(KeyAssignmentControlId::KeyName));
        name != nullptr && page == 1) {
        const QRect area = PictureStyle::areaOf(name->rect);
        PictureStyle::drawFrame(painter,
                                QRect(area.left() - 3, area.top() - 3, area.width() + 6, area.height() - 2),
                                PictureStyle::kWellEdge, PictureStyle::kWellFill);
    }
}

// A list row under the mouse or chosen; at rest a row is the well behind it.
void drawRow(QPainter& painter, const QRect& area, Picture picture) {
    if (picture == Picture::Hover) {
        painter.fillRect(area, kRowHoverFill);
        painter.fillRect(QRect(area.left(), area.top(), 1, area.height()), PictureStyle::kAccentDark);
    } else if (picture == Picture::Selected) {
        painter.fillRect(area, kRowSelectedFill);
        painter.fillRect(QRect(area.left(), area.top(), 2, area.height()), PictureStyle::kAccent);
    }
}

// An icon whose function this keyboard variant does not have: a quiet tile with a faint glyph.
void drawAbsentIcon(QPainter& painter, const ControlSpec& icon) {
    const QRect area = PictureStyle::areaOf(icon.rect);
    PictureStyle::drawFrame(painter, area, kDimEdge, kDimFill);
    drawFunctionGlyph(painter, area.adjusted(2, 2, -2, -2), icon.controlCode, kDimGlyph);
}

ButtonLook lookOf(Picture picture) {
    switch (picture) {
    case Picture::Normal:
        break;
    case Picture::Hover:
        return ButtonLook::Hovered;
    case Picture::Selected:
        return ButtonLook::Pressed;
    }
    return ButtonLook::Normal;
}

int pageOfTab(int tabId) {
    for (const KeyAssignmentPage& page : keyAssignmentPages()) {
        if (page.tabId == tabId)
            return page.page;
    }
    return 0;
}

void drawControl(QPainter& painter, const ControlSpec& control, int page, Picture picture, int variant) {
    if (control.role == ControlRole::Area) {
        if (control.showsText && listRowIds().contains(control.id))
            drawRow(painter, PictureStyle::areaOf(control.rect), picture);
        return;
    }
    if (control.role == ControlRole::Icon && picture == Picture::Normal &&
        !KeyboardVariant::hasFunction(variant, control.controlCode)) {
        drawAbsentIcon(painter, control);
        return;
    }
    ButtonLook look = lookOf(picture);
    // The shown page's tab is the current one in the page's own pictures.
    if (control.role == ControlRole::Tab && picture == Picture::Normal && pageOfTab(control.id) == page)
        look = ButtonLook::Pressed;
    PictureStyle::drawControls(painter, std::span<const ControlSpec>(&control, 1), look);
}

// The page's picture, or only its part inside wanted.
QImage drawPage(int page, Picture picture, int variant, const QRect& wanted) {
    return PictureStyle::drawPictureArea(
        kDesignSize, kColourKey, wanted, [&](QPainter& painter, const QRect& area) {
            PictureStyle::drawWindowPanel(painter, kDesignSize, kChamfer);
            PictureStyle::drawTitleBand(painter, kDesignSize, kTitleBandBottom);
            drawPageFurniture(painter, page);
            for (const ControlSpec& control : keyAssignmentControls()) {
                if (keyAssignmentDrawnOnPage(control.id, page) &&
                    PictureStyle::areaOf(control.rect).intersects(area))
                    drawControl(painter, control, page, picture, variant);
            }
        });
}

// A picture of the page drawn whole, and in parts.
void addPagePicture(PictureDrawers& drawers, PictureAreaDrawers& areaDrawers, int number, int page,
                    Picture picture, int variant) {
    drawers[number] = [=] { return drawPage(page, picture, variant, kWhole); };
    areaDrawers[number] = [=](const QRect& area) { return drawPage(page, picture, variant, area); };
}

} // namespace

void addKeyAssignmentPictures(PictureDrawers& drawers, PictureAreaDrawers& areaDrawers) {
    for (const KeyAssignmentPage& page : keyAssignmentPages()) {
        const int number = page.page;
        // The normal picture may differ by variant (page 6's does: it shows the variant's functions).
        // Where the variants share a number, the full variant comes last and draws it.
        for (int variant :
             {KeyboardVariant::kSBle, KeyboardVariant::kS, KeyboardVariant::kRgb, KeyboardVariant::kRgbBle}) {
            addPagePicture(drawers, areaDrawers, PictureSet::pictureNumber(page.normalPicture, variant),
                           number, Picture::Normal, variant);
        }
        addPagePicture(drawers, areaDrawers,
                       PictureSet::pictureNumber(page.hoverPicture, KeyboardVariant::kRgbBle), number,
                       Picture::Hover, KeyboardVariant::kRgbBle);
        addPagePicture(drawers, areaDrawers,
                       PictureSet::pictureNumber(page.selectedPicture, KeyboardVariant::kRgbBle), number,
                       Picture::Selected, KeyboardVariant::kRgbBle);
    }
}
