// SPDX-License-Identifier: GPL-3.0-or-later
// Picture 138: the skin of the skin scroll bar. Nine columns by three rows of square cells: columns 0
// to 3 serve a vertical bar (up arrow, down arrow, thumb, track), columns 4 to 7 the same parts of a
// horizontal bar, column 8 is unused; the rows are the normal, hovered and pressed looks.
#include "res/ScrollBarPictures.h"

#include "res/PictureStyle.h"

#include <QPainter>
#include <QPolygon>
#include <QTransform>

#include <array>

namespace {

using PictureStyle::ButtonLook;

constexpr int kUnit = 16;
constexpr int kColumns = 9;
constexpr int kRows = 3;
// Thumb and track pieces leave this margin on both sides across the bar.
constexpr int kSideMargin = 3;

enum class VerticalPart { UpArrow, DownArrow, Thumb, Track };

QImage cell() {
    QImage image(kUnit, kUnit, QImage::Format_RGB32);
    image.fill(PictureStyle::kWellFill);
    return image;
}

QImage drawArrow(bool pointsUp, ButtonLook look) {
    QImage image = cell();
    QPainter painter(&image);
    const QColor fill = look == ButtonLook::Pressed ? PictureStyle::kAccentDark : PictureStyle::kButtonFill;
    const QColor edge = look == ButtonLook::Normal ? PictureStyle::kButtonEdge : PictureStyle::kAccent;
    const QColor glyph = look == ButtonLook::Hovered ? PictureStyle::kAccent : PictureStyle::kGlyph;
    painter.fillRect(QRect(1, 1, kUnit - 2, kUnit - 2), fill);
    painter.setPen(edge);
    painter.drawRect(QRect(1, 1, kUnit - 3, kUnit - 3));
    const int mid = kUnit / 2;
    const int tip = pointsUp ? 5 : kUnit - 6;
    const int base = pointsUp ? kUnit - 7 : 6;
    painter.setPen(glyph);
    painter.setBrush(glyph);
    painter.drawPolygon(QPolygon({{mid, tip}, {mid - 4, base}, {mid + 3, base}}));
    return image;
}

QImage drawThumb(ButtonLook look) {
    QImage image = cell();
    QPainter painter(&image);
    const QColor fill = look == ButtonLook::Normal    ? QColor(92, 92, 100)
                        : look == ButtonLook::Hovered ? PictureStyle::kAccentDark
                                                      : PictureStyle::kAccent;
    const int width = kUnit - 2 * kSideMargin;
    // Cut corners in the three-pixel caps at both ends; the middle rows repeat along the thumb.
    painter.fillRect(QRect(kSideMargin + 1, 0, width - 2, kUnit), fill);
    painter.fillRect(QRect(kSideMargin, 1, width, kUnit - 2), fill);
    painter.fillRect(QRect(kSideMargin + 2, 3, 1, kUnit - 6),
                     PictureStyle::kAccentLight.darker(look == ButtonLook::Normal ? 260 : 110));
    return image;
}

QImage drawTrack() {
    QImage image = cell();
    QPainter painter(&image);
    painter.fillRect(QRect(kUnit / 2 - 1, 0, 2, kUnit), PictureStyle::kButtonFill);
    painter.fillRect(QRect(0, 0, 1, kUnit), PictureStyle::kWindowInnerEdge);
    painter.fillRect(QRect(kUnit - 1, 0, 1, kUnit), PictureStyle::kWindowInnerEdge);
    return image;
}

QImage drawVerticalCell(VerticalPart part, ButtonLook look) {
    switch (part) {
    case VerticalPart::UpArrow:
        return drawArrow(true, look);
    case VerticalPart::DownArrow:
        return drawArrow(false, look);
    case VerticalPart::Thumb:
        return drawThumb(look);
    case VerticalPart::Track:
        break;
    }
    return drawTrack();
}

// The horizontal parts are the vertical ones mirrored along the diagonal: up becomes left.
QImage transposed(const QImage& image) {
    return image.transformed(QTransform(0, 1, 1, 0, 0, 0));
}

QImage drawScrollBarSkin() {
    QImage skin(kUnit * kColumns, kUnit * kRows, QImage::Format_RGB32);
    skin.fill(PictureStyle::kWellFill);
    QPainter painter(&skin);
    constexpr std::array kParts = {VerticalPart::UpArrow, VerticalPart::DownArrow, VerticalPart::Thumb,
                                   VerticalPart::Track};
    constexpr std::array kLooks = {ButtonLook::Normal, ButtonLook::Hovered, ButtonLook::Pressed};
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < 4; ++column) {
            const QImage vertical = drawVerticalCell(kParts[column], kLooks[row]);
            painter.drawImage(column * kUnit, row * kUnit, vertical);
            painter.drawImage((column + 4) * kUnit, row * kUnit, transposed(vertical));
        }
    }
    return skin;
}

} // namespace

void addScrollBarPictures(PictureDrawers& drawers) {
    drawers[138] = drawScrollBarSkin;
}
