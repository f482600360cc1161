// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/PictureStyle.h"

#include "res/FunctionGlyphs.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QPolygonF>

#include <sys/mman.h>

#include <algorithm>
#include <array>

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

} // namespace

void drawFrame(QPainter& painter, const QRect& area, const QColor& edge, const QColor& fill) {
    painter.fillRect(area, fill);
    painter.setPen(edge);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}

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

QPainterPath roundedPath(const QRectF& area, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(area, radius, radius);
    return path;
}

QLinearGradient verticalShade(const QRectF& area, const QColor& top, const QColor& bottom) {
    QLinearGradient shade(area.topLeft(), area.bottomLeft());
    shade.setColorAt(0.0, top);
    shade.setColorAt(1.0, bottom);
    return shade;
}

void drawEmblem(QPainter& painter, const QRectF& area) {
    const qreal side = std::min(area.width(), area.height());
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(90, 90, 100), 1));
    painter.setBrush(verticalShade(area, QColor(70, 70, 78), QColor(44, 44, 50)));
    painter.drawPath(roundedPath(area, side * 0.19));
    painter.setPen(Qt::NoPen);
    painter.setBrush(verticalShade(area, QColor(88, 88, 98), QColor(62, 62, 70)));
    painter.drawPath(roundedPath(area.adjusted(4, 3, -4, -side * 0.3), side * 0.11));
    painter.setRenderHint(QPainter::Antialiasing, false);
}

QRectF keycapOf(const QRect& area) {
    return QRectF(area).adjusted(1.5, 1.5, -1.5, -1.5);
}

QRectF keycapFaceOf(const QRect& area) {
    return keycapOf(area).adjusted(2.5, 1.5, -2.5, -6.5);
}

namespace {
// The arrow keys carry arrows instead of words.
bool drawArrowLegend(QPainter& painter, const QRectF& face, const QString& text, const QColor& colour) {
    static const std::array<QString, 4> kArrows{QStringLiteral("Up"), QStringLiteral("Down"),
                                                QStringLiteral("Left"), QStringLiteral("Right")};
    const auto found = std::find(kArrows.begin(), kArrows.end(), text);
    if (found == kArrows.end())
        return false;
    const QPointF c = face.center();
    const qreal s = std::min(4.5, std::min(face.width(), face.height()) / 3.0);
    QPolygonF arrow;
    switch (found - kArrows.begin()) {
    case 0:
        arrow << QPointF(c.x(), c.y() - s) << QPointF(c.x() - s, c.y() + s * 0.6)
              << QPointF(c.x() + s, c.y() + s * 0.6);
        break;
    case 1:
        arrow << QPointF(c.x(), c.y() + s) << QPointF(c.x() - s, c.y() - s * 0.6)
              << QPointF(c.x() + s, c.y() - s * 0.6);
        break;
    case 2:
        arrow << QPointF(c.x() - s, c.y()) << QPointF(c.x() + s * 0.6, c.y() - s)
              << QPointF(c.x() + s * 0.6, c.y() + s);
        break;
    default:
        arrow << QPointF(c.x() + s, c.y()) << QPointF(c.x() - s * 0.6, c.y() - s)
              << QPointF(c.x() - s * 0.6, c.y() + s);
        break;
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(arrow);
    painter.setRenderHint(QPainter::Antialiasing, false);
    return true;
}
} // namespace

void drawKeyLegend(QPainter& painter, const QRectF& face, const char* legend, const QColor& colour) {
    if (legend == nullptr || *legend == '\0')
        return;
    const QString text = QString::fromUtf8(legend);
    if (drawArrowLegend(painter, face, text, colour))
        return;
    // One or two characters, and the function keys, read best large and bold; long legends ("PgDown"
    // on a narrow key) shrink until they fit their cap.
    const bool isShort = text.size() <= 2 || (text.size() == 3 && text.startsWith(u'F') && text[1].isDigit());
    QFont font = painter.font();
    font.setWeight(isShort ? QFont::DemiBold : QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    int height = std::min(isShort ? 13 : 11, std::max(7, static_cast<int>(face.height() * 0.6)));
    font.setPixelSize(height);
    while (height > 6 && QFontMetrics(font).horizontalAdvance(text) > face.width() - 2)
        font.setPixelSize(--height);
    painter.setFont(font);
    painter.setPen(colour);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.drawText(face, Qt::AlignCenter, text);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void drawKeycap(QPainter& painter, const QRect& area, const char* legend, ButtonLook look) {
    const QRectF cap = keycapOf(area);
    const QRectF face = keycapFaceOf(area);
    if (face.width() < 2 || face.height() < 2)
        return;
    painter.setRenderHint(QPainter::Antialiasing, true);
    QColor legendColour;
    switch (look) {
    case ButtonLook::Normal:
        painter.setPen(QPen(QColor(10, 10, 12), 1));
        painter.setBrush(verticalShade(cap, QColor(40, 40, 46), QColor(30, 30, 34)));
        painter.drawPath(roundedPath(cap, 3.5));
        painter.setPen(QPen(QColor(84, 84, 94), 1));
        painter.setBrush(verticalShade(face, QColor(66, 66, 75), QColor(52, 52, 60)));
        legendColour = QColor(214, 214, 222);
        break;
    case ButtonLook::Hovered:
        painter.setPen(QPen(kAccent, 1));
        painter.setBrush(verticalShade(cap, QColor(92, 48, 16), QColor(60, 32, 14)));
        painter.drawPath(roundedPath(cap, 3.5));
        painter.setPen(QPen(kAccentLight, 1));
        painter.setBrush(verticalShade(face, QColor(100, 66, 40), QColor(76, 50, 32)));
        legendColour = kAccentLight;
        break;
    case ButtonLook::Pressed:
        painter.setPen(QPen(kAccentLight, 1));
        painter.setBrush(verticalShade(cap, kAccentDark, QColor(130, 52, 0)));
        painter.drawPath(roundedPath(cap, 3.5));
        painter.setPen(QPen(QColor(255, 190, 130), 1));
        painter.setBrush(verticalShade(face, QColor(255, 134, 40), QColor(226, 100, 10)));
        legendColour = QColor(255, 255, 255);
        break;
    }
    painter.drawPath(roundedPath(face, 3));
    painter.setRenderHint(QPainter::Antialiasing, false);
    drawKeyLegend(painter, face, legend, legendColour);
}

void drawTab(QPainter& painter, const QRect& area, ButtonLook look) {
    switch (look) {
    case ButtonLook::Normal:
        drawFrame(painter, area, kButtonEdge, kButtonFill);
        break;
    case ButtonLook::Hovered:
        drawFrame(painter, area, kAccentDark, kHoverFill);
        break;
    case ButtonLook::Pressed:
        drawFrame(painter, area, kAccent, kTitleFill);
        painter.fillRect(QRect(area.left() + 1, area.bottom() - 2, area.width() - 2, 2), kAccent);
        break;
    }
}

namespace {
// The square mark at the left of a radio or check entry, as high as the entry allows.
QRect markOf(const QRect& area) {
    const int side = std::min(area.height() - 2, 14);
    return {area.left() + 1, area.top() + (area.height() - side) / 2, side, side};
}

QColor markEdge(ButtonLook look) {
    return look == ButtonLook::Normal ? kButtonEdge : kAccent;
}
} // namespace

void drawRadio(QPainter& painter, const QRect& area, ButtonLook look) {
    const QRect mark = markOf(area);
    if (mark.width() < 4)
        return;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(markEdge(look), 1.2));
    painter.setBrush(kWellFill);
    painter.drawEllipse(QRectF(mark).adjusted(0.5, 0.5, -0.5, -0.5));
    if (look == ButtonLook::Pressed) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kAccent);
        painter.drawEllipse(QRectF(mark).adjusted(3.5, 3.5, -3.5, -3.5));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void drawCheck(QPainter& painter, const QRect& area, ButtonLook look) {
    const QRect mark = markOf(area);
    if (mark.width() < 4)
        return;
    drawFrame(painter, mark, markEdge(look), kWellFill);
    if (look == ButtonLook::Pressed) {
        painter.setPen(QPen(kAccent, 2, Qt::SolidLine, Qt::SquareCap));
        const QRect inner = mark.adjusted(3, 3, -4, -4);
        painter.drawLine(inner.left(), inner.center().y(), inner.center().x() - 1, inner.bottom());
        painter.drawLine(inner.center().x() - 1, inner.bottom(), inner.right(), inner.top());
    }
}

void drawStepper(QPainter& painter, const QRect& area, bool increase, ButtonLook look) {
    drawButton(painter, area, look);
    const QColor glyph = look == ButtonLook::Hovered ? kAccent : kGlyph;
    const int half = std::max(2, std::min(area.width(), area.height()) / 4);
    const QPoint centre = area.center();
    const int tipY = increase ? centre.y() - half / 2 : centre.y() + half / 2;
    const int baseY = increase ? centre.y() + half / 2 : centre.y() - half / 2;
    painter.setPen(glyph);
    painter.setBrush(glyph);
    painter.drawPolygon(
        QPolygon({{centre.x(), tipY}, {centre.x() - half, baseY}, {centre.x() + half, baseY}}));
}

namespace {
void drawTitleButtonBack(QPainter& painter, const QRect& area, ButtonLook look) {
    if (look != ButtonLook::Normal)
        drawFrame(painter, area, kAccentDark, look == ButtonLook::Pressed ? kAccentDark : kHoverFill);
}

QColor titleGlyph(ButtonLook look) {
    return look == ButtonLook::Normal    ? kGlyph
           : look == ButtonLook::Hovered ? kAccent
                                         : QColor(255, 255, 255);
}
} // namespace

void drawMinimiseButton(QPainter& painter, const QRect& area, ButtonLook look) {
    drawTitleButtonBack(painter, area, look);
    const int half = std::min(area.width(), area.height()) / 5;
    const QPoint centre = area.center();
    painter.fillRect(QRect(centre.x() - half, centre.y() + half / 2, 2 * half + 1, 2), titleGlyph(look));
}

void drawHelpButton(QPainter& painter, const QRect& area, ButtonLook look) {
    drawTitleButtonBack(painter, area, look);
    drawLegend(painter, area, "?", titleGlyph(look), std::clamp(area.height() / 2, 8, 18));
}

void drawIcon(QPainter& painter, const QRect& area, int code, ButtonLook look) {
    const QColor edge = look == ButtonLook::Normal    ? kButtonEdge
                        : look == ButtonLook::Hovered ? kAccent
                                                      : kAccentLight;
    const QColor fill = look == ButtonLook::Normal    ? kButtonFill
                        : look == ButtonLook::Hovered ? kHoverFill
                                                      : kAccentDark;
    drawFrame(painter, area, edge, fill);
    const QColor glyph = look == ButtonLook::Normal    ? kGlyph
                         : look == ButtonLook::Hovered ? kAccentLight
                                                       : QColor(255, 255, 255);
    drawFunctionGlyph(painter, area.adjusted(2, 2, -2, -2), code, glyph);
}

void drawSwatch(QPainter& painter, const QRect& area, ButtonLook look) {
    drawFrame(painter, area, look == ButtonLook::Normal ? kWellEdge : kAccent, kWellFill);
}

void drawLegend(QPainter& painter, const QRect& area, const char* text, const QColor& colour,
                int pixelHeight) {
    QFont font = painter.font();
    font.setPixelSize(std::max(1, pixelHeight));
    font.setStyleStrategy(QFont::PreferAntialias);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(area, Qt::AlignCenter | Qt::TextDontClip, QString::fromUtf8(text));
}

namespace {
const char* legendOf(const ControlSpec& control) {
    return control.captionEn != nullptr ? control.captionEn : control.captionZh;
}

void drawControl(QPainter& painter, const ControlSpec& control, ButtonLook look) {
    const QRect area = areaOf(control.rect);
    switch (control.role) {
    case ControlRole::None:
    case ControlRole::Label:
        return;
    case ControlRole::Button:
        return drawButton(painter, area, look);
    case ControlRole::Close:
        return drawCloseButton(painter, area, look);
    case ControlRole::Minimise:
        return drawMinimiseButton(painter, area, look);
    case ControlRole::Help:
        return drawHelpButton(painter, area, look);
    case ControlRole::Key:
        return drawKeycap(painter, area, legendOf(control), look);
    case ControlRole::Tab:
        return drawTab(painter, area, look);
    case ControlRole::Radio:
        return drawRadio(painter, area, look);
    case ControlRole::Check:
        return drawCheck(painter, area, look);
    case ControlRole::Icon:
        return drawIcon(painter, area, control.controlCode, look);
    case ControlRole::Increase:
    case ControlRole::Decrease:
        return drawStepper(painter, area, control.role == ControlRole::Increase, look);
    case ControlRole::Swatch:
        return drawSwatch(painter, area, look);
    case ControlRole::Area:
        return drawWell(painter, area);
    }
}
} // namespace

void drawControls(QPainter& painter, std::span<const ControlSpec> controls, const LookOf& lookOf) {
    for (const ControlSpec& control : controls) {
        if (control.id >= 1)
            drawControl(painter, control, lookOf(control));
    }
}

void drawControls(QPainter& painter, std::span<const ControlSpec> controls, ButtonLook look) {
    drawControls(painter, controls, [look](const ControlSpec&) { return look; });
}

QRect areaOf(const SkinRect& rect) {
    return {rect.left, rect.top, rect.width(), rect.height()};
}

} // namespace PictureStyle

namespace {

// A canvas whose pages of pixels take memory only when written: anonymous pages read as zero.
QImage untouchedCanvas(QSize size) {
    const qsizetype bytesPerLine = static_cast<qsizetype>(size.width()) * 4;
    const std::size_t bytes =
        static_cast<std::size_t>(bytesPerLine) * static_cast<std::size_t>(size.height());
    void* pixels = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pixels == MAP_FAILED)
        return QImage(size, QImage::Format_RGB32);
    struct Mapping {
        void* pixels;
        std::size_t bytes;
    };
    const auto release = [](void* mapping) {
        const auto* owned = static_cast<Mapping*>(mapping);
        munmap(owned->pixels, owned->bytes);
        delete owned;
    };
    return {
        static_cast<uchar*>(pixels), size.width(), size.height(), bytesPerLine, QImage::Format_RGB32, release,
        new Mapping{pixels, bytes}};
}

} // namespace

namespace PictureStyle {

QImage drawPictureArea(QSize size, Rgb colourKey, const QRect& wanted, const AreaStrokes& strokes) {
    const QRect whole(QPoint(0, 0), size);
    const QRect area = wanted.intersected(whole);
    if (area.isEmpty())
        return {};
    if (area == whole) {
        QImage picture = keyedCanvas(size, colourKey);
        QPainter painter(&picture);
        strokes(painter, area);
        return picture;
    }
    QImage canvas = untouchedCanvas(size);
    {
        QPainter painter(&canvas);
        painter.setClipRect(area);
        painter.fillRect(area, QColor(redOf(colourKey), greenOf(colourKey), blueOf(colourKey)));
        strokes(painter, area);
    }
    return canvas.copy(area);
}

} // namespace PictureStyle
