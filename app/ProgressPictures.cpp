// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the transfer progress dialog: 139 background, 140 hover, 141 progress fill.
#include "app/ProgressPictures.h"

#include "app/rules/ProgressControls.h"
#include "res/PictureStyle.h"

#include <QPainter>

namespace {

using PictureStyle::ButtonLook;

constexpr QSize kDesignSize{370, 250};
constexpr int kTitleBandBottom = 52;
constexpr int kChamfer = 8;
constexpr Rgb kColourKey = kProgressWindow.colourKey;

void drawControls(QPainter& painter, ButtonLook look) {
    for (const ControlSpec& control : progressControls()) {
        const QRect area = PictureStyle::areaOf(control.rect);
        if (control.role == ControlRole::Close)
            PictureStyle::drawCloseButton(painter, area, look);
        else if (control.role == ControlRole::Button)
            PictureStyle::drawButton(painter, area, look);
    }
}

QImage drawProgressWindow(ButtonLook look) {
    QImage picture = PictureStyle::keyedCanvas(kDesignSize, kColourKey);
    QPainter painter(&picture);
    PictureStyle::drawWindowPanel(painter, kDesignSize, kChamfer);
    PictureStyle::drawTitleBand(painter, kDesignSize, kTitleBandBottom);
    PictureStyle::drawWell(painter, PictureStyle::areaOf(kProgressBarStrip));
    drawControls(painter, look);
    return picture;
}

QImage drawProgressBackground() {
    return drawProgressWindow(ButtonLook::Normal);
}

QImage drawProgressHover() {
    return drawProgressWindow(ButtonLook::Hovered);
}

QImage drawProgressFill() {
    QImage picture = drawProgressWindow(ButtonLook::Normal);
    QPainter painter(&picture);
    PictureStyle::drawProgressFill(painter, PictureStyle::areaOf(kProgressBarStrip));
    return picture;
}

} // namespace

void addProgressPictures(PictureDrawers& drawers) {
    drawers[139] = drawProgressBackground;
    drawers[140] = drawProgressHover;
    drawers[141] = drawProgressFill;
}
