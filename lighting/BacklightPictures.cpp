// SPDX-License-Identifier: GPL-3.0-or-later
// 131 background, 132 hover and 133 selected of the backlight settings dialog, and the drawing the
// keyboard and travel dialogs share (res/KeyboardDeck.h).
#include "lighting/BacklightPictures.h"

#include "lighting/rules/BacklightControls.h"
#include "res/KeyboardDeck.h"
#include "res/PictureStyle.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <array>
#include <cmath>

namespace KeyboardDeck {

namespace {
constexpr int kChamfer = 8;
constexpr int kDeckMargin = 10;
constexpr int kDeckChamfer = 3;
constexpr int kGrooveInset = 20;

const QColor kDeckFill{22, 22, 25};
const QColor kDeckShadow{16, 16, 18};
const QColor kDeckLight{40, 40, 45};
const QColor kScrewFace{52, 52, 58};
const QColor kGroupFill{32, 32, 36};
const QColor kGrooveDark{18, 18, 20};
const QColor kGrooveLight{44, 44, 50};
const QColor kTickMajor{128, 128, 136};
const QColor kTickMinor{80, 80, 88};
const QColor kScaleText{150, 150, 158};
const QColor kGraduation{30, 30, 34};

// Travel is given in tenths of a millimetre; the gauge spans 0 to 2.8 mm.
constexpr int kFullTravel = 28;

QPolygon chamfered(const QRect& area, int chamfer) {
    return QPolygon({{area.left() + chamfer, area.top()},
                     {area.right() - chamfer, area.top()},
                     {area.right(), area.top() + chamfer},
                     {area.right(), area.bottom() - chamfer},
                     {area.right() - chamfer, area.bottom()},
                     {area.left() + chamfer, area.bottom()},
                     {area.left(), area.bottom() - chamfer},
                     {area.left(), area.top() + chamfer}});
}

void drawScrew(QPainter& painter, QPoint centre) {
    painter.fillRect(QRect(centre.x() - 1, centre.y() - 2, 3, 5), kScrewFace);
    painter.fillRect(QRect(centre.x() - 2, centre.y() - 1, 5, 3), kScrewFace);
    painter.fillRect(QRect(centre.x() - 1, centre.y(), 3, 1), kDeckShadow);
}

QColor mix(const QColor& from, const QColor& to, double share) {
    const auto channel = [share](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * share)); };
    return {channel(from.red(), to.red()), channel(from.green(), to.green()),
            channel(from.blue(), to.blue())};
}

// The y of travel tenths on a gauge over strip, as the windows map travel to bar heights.
int travelY(const QRect& strip, int tenths) {
    return strip.top() + tenths * strip.height() / kFullTravel;
}
} // namespace

QImage dialogCanvas(QSize size, Rgb colourKey, int titleBandBottom) {
    QImage canvas = PictureStyle::keyedCanvas(size, colourKey);
    QPainter painter(&canvas);
    PictureStyle::drawWindowPanel(painter, size, kChamfer);
    PictureStyle::drawTitleBand(painter, size, titleBandBottom);
    return canvas;
}

QRect keysBounds(std::span<const ControlSpec> controls) {
    QRect bounds;
    for (const ControlSpec& control : controls) {
        if (control.id >= 1 && control.role == ControlRole::Key)
            bounds |= PictureStyle::areaOf(control.rect);
    }
    return bounds;
}

QRect deckOf(const QRect& keys) {
    return keys.adjusted(-kDeckMargin, -kDeckMargin, kDeckMargin, kDeckMargin);
}

void drawDeck(QPainter& painter, const QRect& keys) {
    if (keys.isEmpty())
        return;
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect deck = deckOf(keys);
    painter.setPen(PictureStyle::kSeparator);
    painter.setBrush(kDeckFill);
    painter.drawPolygon(chamfered(deck, kDeckChamfer));
    // The plate sits lower than the panel: shaded inside along the top and left, lit along the foot.
    const QRect inner = deck.adjusted(1, 1, -1, -1);
    painter.fillRect(QRect(inner.left() + kDeckChamfer, inner.top(), inner.width() - 2 * kDeckChamfer, 1),
                     kDeckShadow);
    painter.fillRect(QRect(inner.left(), inner.top() + kDeckChamfer, 1, inner.height() - 2 * kDeckChamfer),
                     kDeckShadow);
    painter.fillRect(QRect(inner.left() + kDeckChamfer, inner.bottom(), inner.width() - 2 * kDeckChamfer, 1),
                     kDeckLight);
    const int inset = kDeckMargin / 2;
    for (const QPoint corner : {deck.topLeft(), deck.topRight(), deck.bottomLeft(), deck.bottomRight()}) {
        const int x = corner.x() == deck.left() ? corner.x() + inset : corner.x() - inset;
        const int y = corner.y() == deck.top() ? corner.y() + inset : corner.y() - inset;
        drawScrew(painter, {x, y});
    }
}

void drawButtonRowGroove(QPainter& painter, QSize size, std::span<const ControlSpec> controls,
                         const QRect& keys) {
    const QRect deck = deckOf(keys);
    int buttonsTop = size.height();
    for (const ControlSpec& control : controls) {
        if (control.id >= 1 && control.role == ControlRole::Button && control.rect.top > deck.bottom())
            buttonsTop = std::min(buttonsTop, control.rect.top);
    }
    if (buttonsTop == size.height())
        return;
    const int y = (deck.bottom() + buttonsTop) / 2;
    const QRect groove(kGrooveInset, y, size.width() - 2 * kGrooveInset, 1);
    painter.fillRect(groove, kGrooveDark);
    painter.fillRect(groove.translated(0, 1), kGrooveLight);
}

void drawGroupFrame(QPainter& painter, const QRect& area) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(PictureStyle::kSeparator);
    painter.setBrush(kGroupFill);
    painter.drawPolygon(chamfered(area, kDeckChamfer));
    painter.fillRect(QRect(area.left() + kDeckChamfer, area.top() + 1, area.width() - 2 * kDeckChamfer, 1),
                     kDeckLight);
}

void drawBoxWell(QPainter& painter, const QRect& box) {
    PictureStyle::drawWell(painter, box.adjusted(-1, -1, 1, 1));
}

void drawTravelGauge(QPainter& painter, const QRect& strip) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    PictureStyle::drawWell(painter, strip.adjusted(-1, -1, 1, 1));
    // Faint graduation inside the well every half millimetre.
    for (int tenths = 5; tenths < kFullTravel; tenths += 5)
        painter.fillRect(QRect(strip.left(), travelY(strip, tenths), strip.width(), 1), kGraduation);

    const int tickRight = strip.left() - 3;
    for (int tenths = 0; tenths <= kFullTravel; ++tenths) {
        const bool major = tenths % 10 == 0 || tenths == kFullTravel;
        const bool half = tenths % 5 == 0;
        if (!major && !half && tenths % 2 != 0)
            continue;
        const int length = major ? 6 : half ? 4 : 2;
        painter.fillRect(QRect(tickRight - length + 1, travelY(strip, tenths), length, 1),
                         major ? kTickMajor : kTickMinor);
    }

    QFont font = painter.font();
    font.setPixelSize(9);
    font.setStyleStrategy(QFont::PreferAntialias);
    painter.setFont(font);
    painter.setPen(kScaleText);
    constexpr std::array<int, 4> kLabelled{0, 10, 20, kFullTravel};
    for (const int tenths : kLabelled) {
        const QString text = tenths == 0 ? QStringLiteral("0") : QString::number(tenths / 10.0, 'f', 1);
        const QRect area(tickRight - 8 - 24, travelY(strip, tenths) - 6, 24, 12);
        painter.drawText(area, Qt::AlignRight | Qt::AlignVCenter | Qt::TextDontClip, text);
    }
    const QRect unit(strip.left() - 10, strip.bottom() + 4, strip.width() + 20, 12);
    painter.drawText(unit, Qt::AlignCenter | Qt::TextDontClip, QStringLiteral("mm"));
}

void drawTravelBar(QPainter& painter, const QRect& strip) {
    const int width = strip.width();
    for (int column = 0; column < width; ++column) {
        QColor colour = PictureStyle::kAccentDark;
        if (column > 0 && column < width - 1) {
            // Lit a little left of the middle, like a round rod.
            const double across = (column + 0.5) / width;
            const double fromLight = std::min(1.0, std::abs(across - 0.35) / 0.65);
            colour = fromLight < 0.5
                         ? mix(PictureStyle::kAccentLight, PictureStyle::kAccent, fromLight * 2)
                         : mix(PictureStyle::kAccent, PictureStyle::kAccentDark, (fromLight - 0.5) * 2);
        }
        painter.fillRect(QRect(strip.left() + column, strip.top(), 1, strip.height()), colour);
    }
}

void drawSwitchSideView(QPainter& painter, const QRect& area) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int width = area.width();
    const int height = area.height();
    const int centre = area.left() + width / 2;

    // Housing: a top plate across the whole width and a body below it.
    const int plateTop = area.top() + height * 9 / 20;
    const QRect plate(area.left(), plateTop, width, 4);
    const QRect body(area.left() + width / 10, plate.bottom() + 1, width - 2 * (width / 10),
                     area.bottom() - plate.bottom());
    painter.setPen(PictureStyle::kKeyEdge);
    painter.setBrush(PictureStyle::kButtonFill);
    painter.drawRect(body.adjusted(0, 0, -1, -1));

    // The spring inside the body, around the stem's foot: coils seen edge-on, joined at alternate ends.
    const int springHalf = std::max(3, width / 6);
    const int springTop = body.top() + 3;
    const int springBottom = body.bottom() - 6;
    const QColor spring(150, 150, 158);
    int coil = 0;
    for (int y = springTop; y + 3 <= springBottom; y += 3, ++coil) {
        painter.fillRect(QRect(centre - springHalf, y, 2 * springHalf + 1, 1), spring);
        const int end = coil % 2 == 0 ? centre + springHalf : centre - springHalf;
        painter.fillRect(QRect(end, y, 1, 4), spring);
    }
    // The sensor on the floor of the housing that reads the stem's travel.
    painter.fillRect(QRect(centre - width / 8, body.bottom() - 3, 2 * (width / 8) + 1, 3),
                     QColor(96, 96, 104));

    // The stem from under the keycap down through the plate.
    const int capBottom = area.top() + height / 4;
    const int stemHalf = std::max(2, width / 12);
    const QRect stem(centre - stemHalf, capBottom, 2 * stemHalf + 1, plate.bottom() + 6 - capBottom);
    painter.setPen(PictureStyle::kKeyEdge);
    painter.setBrush(QColor(64, 64, 72));
    painter.drawRect(stem.adjusted(0, 0, -1, -1));

    painter.setPen(PictureStyle::kKeyEdge);
    painter.setBrush(QColor(58, 58, 66));
    painter.drawRect(plate.adjusted(0, 0, -1, -1));

    // The keycap, wider at its foot.
    const int topInset = width * 3 / 20;
    const int footInset = width / 20;
    const QPolygon cap({{area.left() + topInset, area.top()},
                        {area.right() - topInset, area.top()},
                        {area.right() - footInset, capBottom},
                        {area.left() + footInset, capBottom}});
    painter.setPen(PictureStyle::kKeyEdge);
    painter.setBrush(PictureStyle::kKeyTop);
    painter.drawPolygon(cap);
    painter.fillRect(QRect(area.left() + topInset + 1, area.top() + 1, width - 2 * topInset - 1, 1),
                     PictureStyle::kKeyTop.lighter(130));
}

} // namespace KeyboardDeck

namespace {

using PictureStyle::ButtonLook;

constexpr QSize kDesignSize{862, 470};
constexpr int kTitleBandBottom = 50;
constexpr Rgb kColourKey = kBacklightWindow.colourKey;

bool isKey(const ControlSpec& control) {
    return control.role == ControlRole::Key;
}

QImage drawBacklightWindow(const PictureStyle::LookOf& lookOf) {
    const std::span<const ControlSpec> controls = backlightControls();
    QImage picture = KeyboardDeck::dialogCanvas(kDesignSize, kColourKey, kTitleBandBottom);
    QPainter painter(&picture);
    const QRect keys = KeyboardDeck::keysBounds(controls);
    KeyboardDeck::drawDeck(painter, keys);
    KeyboardDeck::drawButtonRowGroove(painter, kDesignSize, controls, keys);
    PictureStyle::drawControls(painter, controls, lookOf);
    return picture;
}

QImage drawBacklightBackground() {
    return drawBacklightWindow([](const ControlSpec&) { return ButtonLook::Normal; });
}

// Keys do not light up under the mouse here; only the buttons do.
QImage drawBacklightHover() {
    return drawBacklightWindow(
        [](const ControlSpec& control) { return isKey(control) ? ButtonLook::Normal : ButtonLook::Hovered; });
}

QImage drawBacklightSelected() {
    return drawBacklightWindow([](const ControlSpec&) { return ButtonLook::Pressed; });
}

} // namespace

void addBacklightPictures(PictureDrawers& drawers) {
    drawers[131] = drawBacklightBackground;
    drawers[132] = drawBacklightHover;
    drawers[133] = drawBacklightSelected;
}
