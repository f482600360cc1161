// SPDX-License-Identifier: GPL-3.0-or-later
// 142 background, 143 hover and marked keys, 144 selected of the multi-key colour selection.
#include "lighting/MultiKeyColourPictures.h"

#include "lighting/rules/MultiKeyColourControls.h"
#include "res/KeyboardDeck.h"
#include "res/PictureStyle.h"

#include <QPainter>

namespace {

using PictureStyle::ButtonLook;

// As wide as the backlight dialog, whose keyboard this window repeats; no button row below the keys.
constexpr QSize kDesignSize{862, 414};
// The title band closes at the foot of the close button, a little above the set-colour button.
constexpr int kTitleBandBottom = 44;
constexpr Rgb kColourKey = kMultiKeyColourWindow.colourKey;

QImage drawMultiKeyWindow(const PictureStyle::LookOf& lookOf) {
    const std::span<const ControlSpec> controls = multiKeyColourControls();
    QImage picture = KeyboardDeck::dialogCanvas(kDesignSize, kColourKey, kTitleBandBottom);
    QPainter painter(&picture);
    KeyboardDeck::drawDeck(painter, KeyboardDeck::keysBounds(controls));
    PictureStyle::drawControls(painter, controls, lookOf);
    return picture;
}

QImage drawMultiKeyBackground() {
    return drawMultiKeyWindow([](const ControlSpec&) { return ButtonLook::Normal; });
}

// Hovered buttons and marked keys come from the same picture: keys in it are marked, not hovered.
QImage drawMultiKeyHover() {
    return drawMultiKeyWindow([](const ControlSpec& control) {
        return control.role == ControlRole::Key ? ButtonLook::Pressed : ButtonLook::Hovered;
    });
}

QImage drawMultiKeySelected() {
    return drawMultiKeyWindow([](const ControlSpec&) { return ButtonLook::Pressed; });
}

} // namespace

void addMultiKeyColourPictures(PictureDrawers& drawers) {
    drawers[142] = drawMultiKeyBackground;
    drawers[143] = drawMultiKeyHover;
    drawers[144] = drawMultiKeySelected;
}
