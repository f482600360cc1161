// SPDX-License-Identifier: GPL-3.0-or-later
// 162 background, 163 highlight (hovered buttons and selected keys) and 161 selected of the
// rapid-trigger settings dialog.
#include "trigger/RapidTriggerPictures.h"

#include "res/KeyboardDeck.h"
#include "res/PictureStyle.h"
#include "trigger/rules/RapidTriggerControls.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace {

using PictureStyle::ButtonLook;

// The size of the backlight dialog: the same keyboard with a row of buttons below it.
constexpr QSize kDesignSize{862, 470};
// The information box starts right under the title band.
constexpr int kTitleBandBottom = 42;
constexpr Rgb kColourKey = kRapidTriggerWindow.colourKey;
// Where the dialog lays its information box over the picture (at a scale of 1): left 20, top 1 + 43,
// 140 wide and 1 + 48 high.
constexpr QRect kInformationBox{20, 44, 140, 49};

QColor glyphColour(ButtonLook look) {
    return look == ButtonLook::Normal    ? PictureStyle::kGlyph
           : look == ButtonLook::Hovered ? PictureStyle::kAccentLight
                                         : QColor(255, 255, 255);
}

// A key going down: a small cap over an arrow, for a button whose caption leaves room at its left.
void drawTravelGlyph(QPainter& painter, const QRect& area, ButtonLook look) {
    const QColor colour = glyphColour(look);
    const int centre = area.center().x();
    const int half = std::max(3, std::min(area.width(), area.height()) / 3);
    const int top = area.center().y() - half;
    painter.fillRect(QRect(centre - half, top, 2 * half + 1, 2), colour);
    painter.fillRect(QRect(centre, top + 3, 1, 2 * half - 3), colour);
    painter.setPen(colour);
    painter.setBrush(colour);
    const int tip = area.center().y() + half;
    painter.drawPolygon(QPolygon({{centre, tip}, {centre - 3, tip - 3}, {centre + 3, tip - 3}}));
}

// Buttons whose label is left-aligned leave room at their left: a glyph goes there.
void drawButtonGlyphs(QPainter& painter, std::span<const ControlSpec> controls,
                      const PictureStyle::LookOf& lookOf) {
    for (const ControlSpec& label : controls) {
        if (label.id < 1 || label.role != ControlRole::Label || label.textFormat != 0)
            continue;
        for (const ControlSpec& button : controls) {
            const bool holds = button.rect.left <= label.rect.left && button.rect.right >= label.rect.right &&
                               button.rect.top <= label.rect.top && button.rect.bottom >= label.rect.bottom;
            if (button.id < 1 || button.role != ControlRole::Button || !holds)
                continue;
            const QRect room(button.rect.left + 2, button.rect.top + 4,
                             label.rect.left - button.rect.left - 4, button.rect.height() - 8);
            if (room.width() >= 12)
                drawTravelGlyph(painter, room, lookOf(button));
        }
    }
}

QImage drawRapidTriggerWindow(const PictureStyle::LookOf& lookOf) {
    const std::span<const ControlSpec> controls = rapidTriggerControls();
    QImage picture = KeyboardDeck::dialogCanvas(kDesignSize, kColourKey, kTitleBandBottom);
    QPainter painter(&picture);
    KeyboardDeck::drawBoxWell(painter, kInformationBox);
    const QRect keys = KeyboardDeck::keysBounds(controls);
    KeyboardDeck::drawDeck(painter, keys);
    KeyboardDeck::drawButtonRowGroove(painter, kDesignSize, controls, keys);
    PictureStyle::drawControls(painter, controls, lookOf);
    drawButtonGlyphs(painter, controls, lookOf);
    return picture;
}

QImage drawRapidTriggerBackground() {
    return drawRapidTriggerWindow([](const ControlSpec&) { return ButtonLook::Normal; });
}

// Hovered buttons and selected keys come from the same picture: keys in it are selected, not hovered.
QImage drawRapidTriggerHighlight() {
    return drawRapidTriggerWindow([](const ControlSpec& control) {
        return control.role == ControlRole::Key ? ButtonLook::Pressed : ButtonLook::Hovered;
    });
}

QImage drawRapidTriggerSelected() {
    return drawRapidTriggerWindow([](const ControlSpec&) { return ButtonLook::Pressed; });
}

} // namespace

void addRapidTriggerPictures(PictureDrawers& drawers) {
    drawers[162] = drawRapidTriggerBackground;
    drawers[163] = drawRapidTriggerHighlight;
    drawers[161] = drawRapidTriggerSelected;
}
