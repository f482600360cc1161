// SPDX-License-Identifier: GPL-3.0-or-later
// 128 background, 129 hover and 130 selected (with the bar strip) of the firmware update dialog. The
// dialog copies its progress bar out of the selected picture's bar strip, as wide as the download
// has come, so the selected picture holds the strip full.
#include "firmware/FirmwarePictures.h"

#include "firmware/rules/FirmwareControls.h"
#include "res/PictureStyle.h"

#include <QPainter>

namespace {

using PictureStyle::ButtonLook;

constexpr QSize kDesignSize{370, 250};
constexpr int kTitleBandBottom = 52;
constexpr int kChamfer = 8;
constexpr Rgb kColourKey = kFirmwareWindow.colourKey;

// The panel behind the version and file rows, and the rule above the Update and Cancel buttons.
constexpr QRect kFilePanel{34, 62, 308, 84};
constexpr int kButtonRuleY = 188;

// Where the dialog places its two edit boxes (version and file), as left, top, right, bottom in
// design units; the boxes stand one unit lower than their design top.
constexpr SkinRect kVersionBox{44, 78, 206, 96};
constexpr SkinRect kFileBox{112, 116, 255, 135};

const QColor kPanelFill{33, 33, 37};
const QColor kPanelEdge{50, 50, 56};
// The dark brush the edit boxes paint on.
const QColor kEditFill{20, 20, 20};

QRect barStrip() {
    return PictureStyle::areaOf(kFirmwareBarStrip);
}

void drawEditWell(QPainter& painter, const SkinRect& box) {
    PictureStyle::drawFrame(painter, QRect(box.left - 1, box.top, box.width() + 2, box.height() + 2),
                            PictureStyle::kWellEdge, kEditFill);
}

QImage drawFirmwareWindow(ButtonLook look, const QRect& strip) {
    QImage picture = PictureStyle::keyedCanvas(kDesignSize, kColourKey);
    QPainter painter(&picture);
    PictureStyle::drawWindowPanel(painter, kDesignSize, kChamfer);
    PictureStyle::drawTitleBand(painter, kDesignSize, kTitleBandBottom);
    PictureStyle::drawFrame(painter, kFilePanel, kPanelEdge, kPanelFill);
    drawEditWell(painter, kVersionBox);
    drawEditWell(painter, kFileBox);
    if (!strip.isEmpty())
        PictureStyle::drawWell(painter, strip);
    painter.fillRect(QRect(kFilePanel.left(), kButtonRuleY, kFilePanel.width(), 1), PictureStyle::kSeparator);
    PictureStyle::drawControls(painter, firmwareControls(), look);
    return picture;
}

QImage drawFirmwareBackground() {
    return drawFirmwareWindow(ButtonLook::Normal, barStrip());
}

QImage drawFirmwareHover() {
    return drawFirmwareWindow(ButtonLook::Hovered, barStrip());
}

QImage drawFirmwareSelected() {
    const QRect strip = barStrip();
    QImage picture = drawFirmwareWindow(ButtonLook::Pressed, strip);
    if (!strip.isEmpty()) {
        QPainter painter(&picture);
        PictureStyle::drawProgressFill(painter, strip);
    }
    return picture;
}

} // namespace

void addFirmwarePictures(PictureDrawers& drawers) {
    drawers[128] = drawFirmwareBackground;
    drawers[129] = drawFirmwareHover;
    drawers[130] = drawFirmwareSelected;
}
