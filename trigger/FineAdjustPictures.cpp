// SPDX-License-Identifier: GPL-3.0-or-later
// 165 background, 166 hover (with the travel bar) and 164 selected of the trigger fine-adjust dialog.
#include "trigger/FineAdjustPictures.h"

#include "res/KeyboardDeck.h"
#include "res/PictureStyle.h"
#include "trigger/rules/FineAdjustControls.h"

#include <QPainter>

#include <array>

namespace {

using PictureStyle::ButtonLook;

constexpr QSize kDesignSize{370, 250};
constexpr int kTitleBandBottom = 50;
constexpr Rgb kColourKey = kFineAdjustWindow.colourKey;

// Where the dialog lays its three number boxes over the picture (at a scale of 1): left 270, top
// 1 + y, 32 wide and 1 + 16 high, each between its decrease and increase steppers.
constexpr std::array<QRect, 3> kNumberBoxes{{{270, 86, 32, 17}, {270, 129, 32, 17}, {270, 161, 32, 17}}};

// The steppers and the texts over them, which the group frame holds.
QRect valuesArea(std::span<const ControlSpec> controls) {
    QRect area;
    for (const ControlSpec& control : controls) {
        const bool stepper = control.role == ControlRole::Increase || control.role == ControlRole::Decrease;
        const bool valueLabel = control.role == ControlRole::Label && control.textFormat == 0;
        if (control.id >= 1 && (stepper || valueLabel))
            area |= PictureStyle::areaOf(control.rect);
    }
    return area;
}

QImage drawFineAdjustWindow(ButtonLook look) {
    const std::span<const ControlSpec> controls = fineAdjustControls();
    QImage picture = KeyboardDeck::dialogCanvas(kDesignSize, kColourKey, kTitleBandBottom);
    QPainter painter(&picture);

    const QRect values = valuesArea(controls);
    if (!values.isEmpty())
        KeyboardDeck::drawGroupFrame(painter, values.adjusted(-8, -6, 6, 8));
    for (const QRect& box : kNumberBoxes)
        KeyboardDeck::drawBoxWell(painter, box);

    const QRect strip = PictureStyle::areaOf(kFineAdjustTravelGauge);
    if (!strip.isEmpty()) {
        KeyboardDeck::drawTravelGauge(painter, strip);
        const int right = strip.left() - 40;
        KeyboardDeck::drawSwitchSideView(painter, QRect(right - 80, strip.top(), 80, strip.height()));
    }
    PictureStyle::drawControls(painter, controls, look);
    return picture;
}

QImage drawFineAdjustBackground() {
    return drawFineAdjustWindow(ButtonLook::Normal);
}

// The hovered buttons, and the travel bar over the gauge's whole height: the dialog copies the part
// between the two limits.
QImage drawFineAdjustHover() {
    QImage picture = drawFineAdjustWindow(ButtonLook::Hovered);
    const QRect strip = PictureStyle::areaOf(kFineAdjustTravelGauge);
    if (!strip.isEmpty()) {
        QPainter painter(&picture);
        KeyboardDeck::drawTravelBar(painter, strip);
    }
    return picture;
}

QImage drawFineAdjustSelected() {
    return drawFineAdjustWindow(ButtonLook::Pressed);
}

} // namespace

void addFineAdjustPictures(PictureDrawers& drawers) {
    drawers[165] = drawFineAdjustBackground;
    drawers[166] = drawFineAdjustHover;
    drawers[164] = drawFineAdjustSelected;
}
