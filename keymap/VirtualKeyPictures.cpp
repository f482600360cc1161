// SPDX-License-Identifier: GPL-3.0-or-later
// 158 background, 159 hover and 157 selected of the virtual key input dialog: a full computer
// keyboard (main block, F13..F21, navigation block, numeric keypad) on three plates, the display
// line's well, OK and Cancel, and the close button. The looks differ from the background only inside
// the table's rectangles.
#include "keymap/VirtualKeyPictures.h"

#include "keymap/rules/VirtualKeyControls.h"
#include "res/PictureStyle.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cstring>

namespace {

using PictureStyle::ButtonLook;

constexpr QSize kDesignSize{940, 354};
constexpr int kTitleBandBottom = 48;
constexpr int kChamfer = 10;
constexpr Rgb kColourKey = kVirtualKeysWindow.colourKey;

// The plates the three blocks of keys stand on: main block with F1..F14, navigation block with
// F15..F17, keypad with F18..F21.
constexpr std::array<QRect, 3> kPlates{{
    QRect(QPoint(23, 58), QPoint(606, 293)),
    QRect(QPoint(615, 58), QPoint(738, 293)),
    QRect(QPoint(749, 58), QPoint(910, 293)),
}};
// The display line covers 20..520 x 306..339 at scale 1; its frame lies around it.
constexpr QRect kDisplayFrame{QPoint(16, 302), QPoint(523, 342)};

// The table's captions name the keys for people ("Shift (left)", "backslash"); the caps carry what a
// keyboard prints on them. Captions not listed here are their own legend.
struct Legend {
    const char* caption;
    const char* legend;
};
constexpr std::array<Legend, 34> kLegends{{
    {"~ (grave)", "~"},
    {"backslash", "\\"},
    {"Shift (left)", "Shift"},
    {"Shift (right)", "Shift"},
    {"extra key left of Z (<>)", "<>"},
    {"Ctrl (left)", "Ctrl"},
    {"RCtrl", "Ctrl"},
    {"LWin", "Win"},
    {"RWin", "Win"},
    {"LAlt", "Alt"},
    {"RAlt", "Alt"},
    {"App", "Menu"},
    {"PrtScreen", "PrtSc"},
    {"ScrollLock", "ScrLk"},
    {"Insert", "Ins"},
    {"Delete", "Del"},
    {"PgDown", "PgDn"},
    {"NumLock", "Num"},
    {"KP/", "/"},
    {"KP*", "*"},
    {"KP-", "-"},
    {"KP+", "+"},
    {"KP.", "."},
    {"KPEnter", "Enter"},
    {"KP0", "0"},
    {"KP1", "1"},
    {"KP2", "2"},
    {"KP3", "3"},
    {"KP4", "4"},
    {"KP5", "5"},
    {"KP6", "6"},
    {"KP7", "7"},
    {"KP8", "8"},
    {"KP9", "9"},
}};

const char* legendOf(const ControlSpec& key) {
    const char* caption = key.captionEn != nullptr ? key.captionEn : key.captionZh;
    if (caption == nullptr)
        return "";
    for (const Legend& legend : kLegends) {
        if (std::strcmp(caption, legend.caption) == 0)
            return legend.legend;
    }
    return caption;
}

void drawPlate(QPainter& painter, const QRect& area) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    painter.setPen(QPen(PictureStyle::kWellEdge, 1));
    painter.setBrush(PictureStyle::kWellFill);
    painter.drawPath(outline);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void drawDisplayFrame(QPainter& painter) {
    painter.fillRect(kDisplayFrame, QColor(12, 12, 14));
    painter.setPen(PictureStyle::kWellEdge);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(kDisplayFrame.adjusted(2, 2, -3, -3));
    painter.fillRect(kDisplayFrame.adjusted(3, 3, -3, -3), QColor(20, 20, 20)); // the display's own fill
    painter.fillRect(QRect(kDisplayFrame.left() + 2, kDisplayFrame.top() + 2, 1, kDisplayFrame.height() - 5),
                     PictureStyle::kAccent);
}

// The title's emblem: a keycap seen from above with the accent on its front edge.
void drawEmblem(QPainter& painter) {
    PictureStyle::drawEmblem(painter, QRectF(18.5, 12.5, 24, 24));
    painter.fillRect(QRect(24, 31, 13, 2), PictureStyle::kAccent);
}

void drawControl(QPainter& painter, const ControlSpec& control, ButtonLook look) {
    const QRect area = PictureStyle::areaOf(control.rect);
    switch (control.role) {
    case ControlRole::Key:
        return PictureStyle::drawKeycap(painter, area, legendOf(control), look);
    case ControlRole::Button:
        return PictureStyle::drawButton(painter, area, look);
    case ControlRole::Close:
        return PictureStyle::drawCloseButton(painter, area, look);
    default:
        return;
    }
}

QImage drawVirtualKeys(ButtonLook look) {
    QImage picture = PictureStyle::keyedCanvas(kDesignSize, kColourKey);
    QPainter painter(&picture);
    PictureStyle::drawWindowPanel(painter, kDesignSize, kChamfer);
    PictureStyle::drawTitleBand(painter, kDesignSize, kTitleBandBottom);
    drawEmblem(painter);
    for (const QRect& plate : kPlates)
        drawPlate(painter, plate);
    drawDisplayFrame(painter);
    for (const ControlSpec& control : virtualKeyControls()) {
        if (control.id < 1)
            continue;
        painter.save();
        painter.setClipRect(PictureStyle::areaOf(control.rect));
        drawControl(painter, control, look);
        painter.restore();
    }
    return picture;
}

} // namespace

void addVirtualKeyPictures(PictureDrawers& drawers) {
    drawers[158] = [] { return drawVirtualKeys(ButtonLook::Normal); };
    drawers[159] = [] { return drawVirtualKeys(ButtonLook::Hovered); };
    drawers[157] = [] { return drawVirtualKeys(ButtonLook::Pressed); };
}
