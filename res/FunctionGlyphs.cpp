#include "res/FunctionGlyphs.h"

#include <QPainter>

void drawFunctionGlyph(QPainter& painter, const QRect& area, int code, const QColor& colour) {
    (void)code;
    const int side = std::min(area.width(), area.height()) / 3;
    painter.fillRect(QRect(area.center().x() - side / 2, area.center().y() - side / 2, side, side), colour);
}
