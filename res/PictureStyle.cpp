#include "res/PictureStyle.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace PictureStyle {

namespace {
QPolygon chamferedOutline(QSize size, int chamfer) {
    const int right = size.width() - 1;
    const int bottom = size.height() - 1;
    return QPolygon({{chamfer, 0},
                     {right - chamfer, 0},
                     {right, chamfer},
                     {right, bottom - chamfer},
                     {right - chamfer, bottom},
                     {chamfer, bottom},
                     {0, bottom - chamfer},
                     {0, chamfer}});
}

void drawFrame(QPainter& painter, const QRect& area, const QColor& edge, const QColor& fill) {
    painter.fillRect(area, fill);
    painter.setPen(edge);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}
} // namespace

QImage keyedCanvas(QSize size, Rgb colourKey) {
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(QColor(redOf(colourKey), greenOf(colourKey), blueOf(colourKey)));
    return canvas;
}

void drawWindowPanel(QPainter& painter, QSize size, int chamfer) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(kWindowEdge);
    painter.setBrush(kWindowFill);
    painter.drawPolygon(chamferedOutline(size, chamfer));
    painter.setPen(kWindowInnerEdge);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(chamferedOutline(size - QSize(2, 2), chamfer).translated(1, 1));
}

void drawTitleBand(QPainter& painter, QSize size, int bottom) {
    painter.fillRect(QRect(2, 2, size.width() - 4, bottom - 2), kTitleFill);
    painter.fillRect(QRect(2, bottom, size.width() - 4, 1), kSeparator);
    // A short accent under the middle of the title.
    const int accentWidth = size.width() / 5;
    painter.fillRect(QRect((size.width() - accentWidth) / 2, bottom, accentWidth, 1), kAccent);
}

void drawButton(QPainter& painter, const QRect& area, ButtonLook look) {
    switch (look) {
    case ButtonLook::Normal:
        drawFrame(painter, area, kButtonEdge, kButtonFill);
        painter.fillRect(QRect(area.left() + 1, area.top() + 1, area.width() - 2, 1), kSeparator);
        break;
    case ButtonLook::Hovered:
        drawFrame(painter, area, kAccent, kHoverFill);
        painter.fillRect(QRect(area.left() + 1, area.bottom() - 1, area.width() - 2, 1), kAccentDark);
        break;
    case ButtonLook::Pressed:
        drawFrame(painter, area, kAccentLight, kAccentDark);
        break;
    }
}

void drawCloseButton(QPainter& painter, const QRect& area, ButtonLook look) {
    const QColor glyph = look == ButtonLook::Normal ? kGlyph : kAccent;
    if (look != ButtonLook::Normal)
        drawFrame(painter, area, kAccentDark, kHoverFill);
    const int side = std::min(area.width(), area.height()) / 3;
    const QPoint centre = area.center();
    painter.setPen(QPen(glyph, 2, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(centre + QPoint(-side / 2, -side / 2), centre + QPoint(side / 2, side / 2));
    painter.drawLine(centre + QPoint(-side / 2, side / 2), centre + QPoint(side / 2, -side / 2));
}

void drawWell(QPainter& painter, const QRect& area) {
    drawFrame(painter, area, kWellEdge, kWellFill);
}

void drawProgressFill(QPainter& painter, const QRect& area) {
    QLinearGradient shade(area.topLeft(), area.bottomLeft());
    shade.setColorAt(0.0, kAccentLight);
    shade.setColorAt(0.45, kAccent);
    shade.setColorAt(1.0, kAccentDark);
    painter.fillRect(area, shade);
    painter.setPen(kAccentDark);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}

QRect areaOf(const SkinRect& rect) {
    return {rect.left, rect.top, rect.width(), rect.height()};
}

} // namespace PictureStyle
