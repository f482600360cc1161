// SPDX-License-Identifier: GPL-3.0-or-later
// 168 background, 169 hover and 167 selected (with the travel bar) of the key travel tracking dialog.
#include "trigger/TrackPictures.h"

#include "res/KeyboardDeck.h"
#include "res/PictureStyle.h"
#include "trigger/rules/TrackControls.h"

#include <QPainter>

#include <algorithm>

namespace {

using PictureStyle::ButtonLook;

// As wide as the rapid-trigger dialog, whose keyboard this window repeats lower down.
constexpr QSize kDesignSize{862, 462};
constexpr int kTitleBandBottom = 50;
constexpr Rgb kColourKey = kTrackWindow.colourKey;
// The gap between the group frame over the keyboard and the things around it.
constexpr int kGap = 8;

QImage drawTrackWindow(ButtonLook look) {
    const std::span<const ControlSpec> controls = trackControls();
    QImage picture = KeyboardDeck::dialogCanvas(kDesignSize, kColourKey, kTitleBandBottom);
    QPainter painter(&picture);

    const QRect keys = KeyboardDeck::keysBounds(controls);
    const QRect deck = KeyboardDeck::deckOf(keys);
    const QRect strip = PictureStyle::areaOf(kTrackTravelGauge);
    if (!strip.isEmpty() && !keys.isEmpty()) {
        // The gauge and the prompt sit on a frame between the title band and the keyboard.
        const QRect group(deck.left(), kTitleBandBottom + kGap, deck.width(),
                          deck.top() - kGap - (kTitleBandBottom + kGap));
        KeyboardDeck::drawGroupFrame(painter, group);
        KeyboardDeck::drawTravelGauge(painter, strip);
        const int right = strip.left() - 36;
        const int width = std::min(64, right - group.left() - kGap);
        if (width >= 24)
            KeyboardDeck::drawSwitchSideView(painter,
                                             QRect(right - width, strip.top(), width, strip.height()));
    }
    KeyboardDeck::drawDeck(painter, keys);
    PictureStyle::drawControls(painter, controls, [look](const ControlSpec&) { return look; });
    return picture;
}

QImage drawTrackBackground() {
    return drawTrackWindow(ButtonLook::Normal);
}

QImage drawTrackHover() {
    return drawTrackWindow(ButtonLook::Hovered);
}

// The tracked key's look, and the travel bar over the gauge's whole height: the dialog copies it from
// the top down to the key's travel.
QImage drawTrackSelected() {
    QImage picture = drawTrackWindow(ButtonLook::Pressed);
    const QRect strip = PictureStyle::areaOf(kTrackTravelGauge);
    if (!strip.isEmpty()) {
        QPainter painter(&picture);
        KeyboardDeck::drawTravelBar(painter, strip);
    }
    return picture;
}

} // namespace

void addTrackPictures(PictureDrawers& drawers) {
    drawers[168] = drawTrackBackground;
    drawers[169] = drawTrackHover;
    drawers[167] = drawTrackSelected;
}
