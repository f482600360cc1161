// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/ProgramIcon.h"

#include "res/PictureStyle.h"

#include <QPainter>
#include <QPixmap>

namespace {

QPixmap drawIcon(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const qreal unit = side / 16.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(PictureStyle::kWindowFill);
    painter.drawRoundedRect(QRectF(0.5 * unit, 0.5 * unit, 15 * unit, 15 * unit), 3 * unit, 3 * unit);
    painter.setBrush(PictureStyle::kAccentDark);
    painter.drawRoundedRect(QRectF(2.5 * unit, 2.5 * unit, 11 * unit, 11 * unit), 2 * unit, 2 * unit);
    painter.setBrush(PictureStyle::kAccent);
    painter.drawRoundedRect(QRectF(3.5 * unit, 3 * unit, 9 * unit, 8.5 * unit), 1.5 * unit, 1.5 * unit);
    QFont font = painter.font();
    font.setPixelSize(static_cast<int>(7 * unit));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(PictureStyle::kWindowFill);
    painter.drawText(QRectF(3.5 * unit, 3 * unit, 9 * unit, 8.5 * unit), Qt::AlignCenter,
                     QStringLiteral("Q"));
    return pixmap;
}

} // namespace

QIcon programIcon() {
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(drawIcon(side));
    return icon;
}
