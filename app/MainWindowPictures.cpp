// SPDX-License-Identifier: GPL-3.0-or-later
// 101..103, 145..150 and 154..156: the main window's background, hover and pressed pictures of each
// keyboard variant. One drawing makes all three: the chrome (title band, command row, side panel,
// keyboard deck, legend chips, information well) is the same in each look, and only the entries of
// the variant's table change look, each drawn inside its own rectangle.
#include "app/MainWindowPictures.h"

#include "app/rules/MainWindowControls.h"
#include "res/PictureSet.h"
#include "res/PictureStyle.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

using PictureStyle::ButtonLook;

constexpr QSize kDesignSize{1040, 680};
constexpr QRect kWhole(QPoint(0, 0), kDesignSize);
constexpr int kChamfer = 14;
constexpr Rgb kColourKey = mainWindowDescription(MainWindowLayout::RgbLayout).colourKey;

// The bands of the window, in design units (the control rectangles are the table's).
constexpr int kTitleBandBottom = 68;
constexpr QRect kCommandRow{24, 82, 992, 56}; // the command buttons sit at 92..128
constexpr QRect kSidePanel{40, 144, 88, 335}; // layer buttons, program labels and button
constexpr QRect kStage{138, 144, 872, 331};   // the stage the keyboard stands on
constexpr QRect kCase{223, 176, 712, 289};    // the keyboard's case around the keys
constexpr QRect kKeyWell{237, 192, 684, 259}; // the plate the keycaps stand in
constexpr int kLegendChipTop = 478;           // the legend's bars, just above the legend labels
// The information box's frame lies just around it.
const QRect kInfoFrame = PictureStyle::areaOf(kMainWindowInformationBox).adjusted(-4, -4, 5, 5);

// Colours of the main window beyond the shared style.
const QColor kStageFill{24, 24, 27};
const QColor kStageEdge{44, 44, 50};
const QColor kCaseLight{60, 60, 67};
const QColor kCaseDark{38, 38, 43};
const QColor kCaseEdge{14, 14, 16};
const QColor kPlate{17, 17, 19};
const QColor kEngraving{86, 86, 96};
const QColor kTextBoxFill{20, 20, 20}; // the text box's own background

// What sets one variant's pictures apart.
struct Variant {
    int variant;         // deviceVariant: 1 RGBBle, 2 SBle, 3 S, 4 RGB
    const char* model;   // the model tag beside the product name
    bool colourLighting; // the RGB models: spectrum accents; the S models: the warm accent
    bool wireless;       // the Ble models carry the wireless mark
};
constexpr std::array<Variant, 4> kVariants{{
    {1, "RGB", true, true},
    {2, "S", false, true},
    {3, "S", false, false},
    {4, "RGB", true, false},
}};

QRect areaOf(const ControlSpec& control) {
    return PictureStyle::areaOf(control.rect);
}

QLinearGradient spectrum(const QRectF& area) {
    QLinearGradient shade(area.topLeft(), area.topRight());
    shade.setColorAt(0.00, QColor(255, 60, 60));
    shade.setColorAt(0.20, QColor(255, 170, 30));
    shade.setColorAt(0.40, QColor(90, 230, 90));
    shade.setColorAt(0.60, QColor(40, 200, 230));
    shade.setColorAt(0.80, QColor(110, 110, 255));
    shade.setColorAt(1.00, QColor(230, 70, 220));
    return shade;
}

// An accent line: the spectrum on the RGB models, the warm orange fading out at both ends otherwise.
void drawAccentLine(QPainter& painter, const QRect& area, const Variant& variant) {
    if (variant.colourLighting) {
        painter.fillRect(area, spectrum(area));
        return;
    }
    QLinearGradient shade(area.topLeft(), area.topRight());
    shade.setColorAt(0.0, PictureStyle::kWindowFill);
    shade.setColorAt(0.3, PictureStyle::kAccent);
    shade.setColorAt(0.7, PictureStyle::kAccent);
    shade.setColorAt(1.0, PictureStyle::kWindowFill);
    painter.fillRect(area, shade);
}

QFont fontOf(const QPainter& painter, int pixelHeight, QFont::Weight weight) {
    QFont font = painter.font();
    font.setPixelSize(std::max(1, pixelHeight));
    font.setWeight(weight);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// ---- Title band --------------------------------------------------------------------------------

// The wireless mark of the Ble models: the short-range radio rune, in a small round badge.
void drawWirelessMark(QPainter& painter, const QPoint& centre) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(70, 130, 220), 1.2));
    painter.setBrush(QColor(26, 40, 64));
    painter.drawEllipse(QPointF(centre), 10.5, 10.5);
    const QPointF top(centre.x() - 0.5, centre.y() - 6.5);
    const QPointF bottom(centre.x() - 0.5, centre.y() + 6.5);
    const qreal wing = 3.6;
    QPainterPath rune;
    rune.moveTo(centre.x() - wing - 0.5, centre.y() - 3.2);
    rune.lineTo(centre.x() + wing - 0.5, centre.y() + 3.2);
    rune.lineTo(bottom);
    rune.lineTo(top);
    rune.lineTo(centre.x() + wing - 0.5, centre.y() - 3.2);
    rune.lineTo(centre.x() - wing - 0.5, centre.y() + 3.2);
    painter.setPen(QPen(QColor(150, 200, 255), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(rune);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// The product name, its model tag and, on the Ble models, the wireless mark. Nothing of the table
// lies here: the window draws no caption in the title band.
void drawProductName(QPainter& painter, const Variant& variant) {
    PictureStyle::drawEmblem(painter, QRectF(40.5, 21.5, 27, 27));
    drawAccentLine(painter, QRect(47, 43, 14, 3), variant);

    const QFont name = fontOf(painter, 26, QFont::Bold);
    painter.setFont(name);
    painter.setPen(QColor(236, 236, 240));
    const QRect nameArea(78, 16, 200, 38);
    painter.drawText(nameArea, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("QelEC"));
    const int nameRight = nameArea.left() + QFontMetrics(name).horizontalAdvance(QStringLiteral("QelEC"));

    // The model tag: "RGB" in the three lighting colours, "S" in the warm accent.
    const QFont tagFont = fontOf(painter, 13, QFont::Bold);
    const QFontMetrics tagMetrics(tagFont);
    const QString model = QString::fromUtf8(variant.model);
    const int textWidth = tagMetrics.horizontalAdvance(model);
    const QRectF tag(nameRight + 8.5, 24.5, textWidth + 14, 21);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(variant.colourLighting ? QColor(96, 96, 108) : PictureStyle::kAccentDark, 1));
    painter.setBrush(QColor(24, 24, 28));
    painter.drawPath(PictureStyle::roundedPath(tag, 4));
    painter.setFont(tagFont);
    if (variant.colourLighting) {
        const std::array<QColor, 3> letters{QColor(255, 86, 86), QColor(96, 224, 110), QColor(96, 156, 255)};
        qreal x = tag.left() + 7;
        for (int k = 0; k < model.size(); ++k) {
            const QString letter = model.mid(k, 1);
            painter.setPen(letters[static_cast<std::size_t>(k) % letters.size()]);
            painter.drawText(QRectF(x, tag.top(), 20, tag.height()), Qt::AlignLeft | Qt::AlignVCenter,
                             letter);
            x += tagMetrics.horizontalAdvance(letter);
        }
    } else {
        painter.setPen(PictureStyle::kAccentLight);
        painter.drawText(tag, Qt::AlignCenter, model);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (variant.wireless)
        drawWirelessMark(painter, QPoint(static_cast<int>(tag.right()) + 18, 35));
}

void drawTitleBand(QPainter& painter, const Variant& variant) {
    const QRect band(2, 2, kDesignSize.width() - 4, kTitleBandBottom - 2);
    painter.fillRect(band, PictureStyle::verticalShade(band, QColor(40, 40, 45), PictureStyle::kTitleFill));
    painter.fillRect(QRect(2, kTitleBandBottom, kDesignSize.width() - 4, 1), PictureStyle::kSeparator);
    drawAccentLine(painter, QRect(40, kTitleBandBottom, 300, 1), variant);
    drawProductName(painter, variant);
    // A hairline between the title and its three small buttons.
    painter.fillRect(QRect(902, 22, 1, 26), PictureStyle::kSeparator);
}

// ---- Command row, side panel, stage ------------------------------------------------------------

void drawCommandRow(QPainter& painter) {
    painter.fillRect(kCommandRow,
                     PictureStyle::verticalShade(kCommandRow, QColor(26, 26, 29), QColor(22, 22, 25)));
    painter.fillRect(QRect(kCommandRow.left(), kCommandRow.top(), kCommandRow.width(), 1),
                     QColor(16, 16, 18));
    painter.fillRect(QRect(kCommandRow.left(), kCommandRow.bottom(), kCommandRow.width(), 1),
                     QColor(46, 46, 52));
}

void drawPanel(QPainter& painter, const QRect& area, const QColor& fill) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(kStageEdge, 1));
    painter.setBrush(fill);
    painter.drawPath(PictureStyle::roundedPath(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5), 6));
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void drawStage(QPainter& painter) {
    drawPanel(painter, kSidePanel, kStageFill);
    drawPanel(painter, kStage, kStageFill);
    // A soft light from above on the stage, brightest behind the keyboard.
    painter.setRenderHint(QPainter::Antialiasing, true);
    QRadialGradient light(QPointF(kCase.center().x(), kCase.top() + 40), 470);
    light.setColorAt(0.0, QColor(44, 44, 50));
    light.setColorAt(1.0, kStageFill);
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawPath(PictureStyle::roundedPath(QRectF(kStage).adjusted(1.5, 1.5, -1.5, -1.5), 5));
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// ---- Keyboard deck ----------------------------------------------------------------------------

void drawStatusLights(QPainter& painter) {
    // Three indicator lights on the case's top edge, at rest.
    for (int k = 0; k < 3; ++k) {
        const QRect light(878 + k * 14, 183, 8, 3);
        painter.fillRect(light, QColor(28, 28, 31));
        painter.fillRect(light.adjusted(1, 1, -1, 0), QColor(70, 70, 78));
    }
}

void drawDeck(QPainter& painter, const Variant& variant) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    // The case's shadow on the stage, then the case, a slightly raised plate.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(12, 12, 14, 150));
    painter.drawPath(PictureStyle::roundedPath(QRectF(kCase).adjusted(2, 5, -2, 3), 10));
    painter.setPen(QPen(kCaseEdge, 1));
    painter.setBrush(PictureStyle::verticalShade(kCase, kCaseLight, kCaseDark));
    painter.drawPath(PictureStyle::roundedPath(QRectF(kCase).adjusted(0.5, 0.5, -0.5, -0.5), 10));
    // The top edge catches the light.
    painter.setPen(QPen(QColor(92, 92, 102), 1));
    painter.drawLine(QPointF(kCase.left() + 10, kCase.top() + 1.5),
                     QPointF(kCase.right() - 10, kCase.top() + 1.5));
    // The plate the keycaps stand in.
    painter.setPen(QPen(QColor(30, 30, 34), 1));
    painter.setBrush(kPlate);
    painter.drawPath(PictureStyle::roundedPath(QRectF(kKeyWell).adjusted(0.5, 0.5, -0.5, -0.5), 3));
    painter.setRenderHint(QPainter::Antialiasing, false);

    // The maker's mark engraved in the top edge, and the status lights.
    painter.setFont(fontOf(painter, 9, QFont::DemiBold));
    painter.setPen(kEngraving);
    painter.drawText(QRect(kKeyWell.left() + 4, kCase.top() + 3, 120, 13), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("QelEC"));
    drawStatusLights(painter);
    // The under-glow along the case's foot.
    const QRect glow(kCase.left() + 18, kCase.bottom() + 1, kCase.width() - 36, 2);
    drawAccentLine(painter, glow, variant);
    QImage fade(glow.size(), QImage::Format_ARGB32_Premultiplied);
    fade.fill(QColor(24, 24, 27, 120));
    painter.drawImage(glow.topLeft() + QPoint(0, 1), fade, QRect(0, 0, glow.width(), 1));
}

// The colour of each legend label's kind: the labels from CombinationLegend to PowerLegend stand for
// kinds 2..8.
void drawLegendChips(QPainter& painter, std::span<const ControlSpec> controls) {
    const std::span<const Rgb> palette = mainWindowKindPalette();
    for (const ControlSpec& control : controls) {
        if (control.id < idOf(MainWindowControlId::CombinationLegend) ||
            control.id > idOf(MainWindowControlId::PowerLegend))
            continue;
        const Rgb colour =
            palette[static_cast<std::size_t>(control.id - idOf(MainWindowControlId::CombinationLegend) + 2)];
        // Shaped as the marker bars under the keys: 14 by 4.
        const QRect chip(control.rect.left, kLegendChipTop, 14, 4);
        painter.fillRect(chip.adjusted(-1, -1, 1, 1), QColor(14, 14, 16));
        painter.fillRect(chip, QColor(redOf(colour), greenOf(colour), blueOf(colour)));
    }
}

void drawInfoFrame(QPainter& painter) {
    painter.fillRect(kInfoFrame, QColor(12, 12, 14));
    painter.setPen(PictureStyle::kWellEdge);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(kInfoFrame.adjusted(2, 2, -3, -3));
    painter.fillRect(kInfoFrame.adjusted(3, 3, -3, -3), kTextBoxFill);
    // An accent at the well's top left corner.
    painter.fillRect(QRect(kInfoFrame.left() + 2, kInfoFrame.top() + 2, 48, 1), PictureStyle::kAccent);
    painter.fillRect(QRect(kInfoFrame.left() + 2, kInfoFrame.top() + 2, 1, 18), PictureStyle::kAccent);
}

// ---- Controls ---------------------------------------------------------------------------------

// A keycap in area. The foot of the cap, where the window paints the kind's marker bar (the bottom
// four rows of the key, about 14 wide in the middle), carries no legend and no ornament, so that a
// bar reads as a light under the cap. Pressed is the look of a key with nothing assigned: an empty
// socket with a dashed rim and a dimmed legend.
void drawKey(QPainter& painter, const ControlSpec& control, ButtonLook look) {
    const QRect area = areaOf(control);
    if (look != ButtonLook::Pressed) {
        PictureStyle::drawKeycap(painter, area, control.captionEn, look);
        return;
    }
    // The socket: sunken, darker than the plate's caps, with a dashed rim.
    const QRectF cap = PictureStyle::keycapOf(area);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(22, 22, 25));
    painter.drawPath(PictureStyle::roundedPath(cap, 3.5));
    QPen rim(QColor(92, 92, 102), 1, Qt::CustomDashLine);
    rim.setDashPattern({3, 2});
    painter.setPen(rim);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(PictureStyle::roundedPath(cap.adjusted(1, 1, -1, -1), 3));
    // A shadow along the socket's top edge.
    painter.setPen(QPen(QColor(10, 10, 12), 1));
    painter.drawLine(QPointF(cap.left() + 3, cap.top() + 2.5), QPointF(cap.right() - 3, cap.top() + 2.5));
    painter.setRenderHint(QPainter::Antialiasing, false);
    PictureStyle::drawKeyLegend(painter, PictureStyle::keycapFaceOf(area), control.captionEn,
                                QColor(112, 112, 124));
}

// The fill and edge of the command buttons, layer buttons and program button.
void drawPad(QPainter& painter, const QRectF& area, qreal radius, ButtonLook look) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    switch (look) {
    case ButtonLook::Normal:
        painter.setPen(QPen(QColor(78, 78, 88), 1));
        painter.setBrush(PictureStyle::verticalShade(area, QColor(52, 52, 59), QColor(38, 38, 43)));
        break;
    case ButtonLook::Hovered:
        painter.setPen(QPen(PictureStyle::kAccent, 1));
        painter.setBrush(PictureStyle::verticalShade(area, QColor(82, 52, 30), QColor(54, 36, 24)));
        break;
    case ButtonLook::Pressed:
        painter.setPen(QPen(PictureStyle::kAccentLight, 1));
        painter.setBrush(
            PictureStyle::verticalShade(area, QColor(226, 100, 10), PictureStyle::kAccentDark.darker(125)));
        break;
    }
    painter.drawPath(PictureStyle::roundedPath(area, radius));
    // The upper rim catches the light.
    const QColor rim = look == ButtonLook::Normal    ? QColor(70, 70, 79)
                       : look == ButtonLook::Hovered ? QColor(130, 80, 40)
                                                     : QColor(255, 170, 100);
    painter.setPen(QPen(rim, 1));
    painter.drawLine(QPointF(area.left() + radius, area.top() + 1.5),
                     QPointF(area.right() - radius, area.top() + 1.5));
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void drawCommandButton(QPainter& painter, const ControlSpec& control, ButtonLook look) {
    const QRectF area = QRectF(areaOf(control)).adjusted(0.5, 0.5, -0.5, -0.5);
    drawPad(painter, area, 5, look);
    // The label's text stands in the upper part; a short line under it marks hover and pressed.
    if (look != ButtonLook::Normal) {
        const QColor line = look == ButtonLook::Hovered ? PictureStyle::kAccent : QColor(255, 220, 180);
        const int width = static_cast<int>(area.width()) / 3;
        painter.fillRect(QRect(static_cast<int>(area.center().x()) - width / 2,
                               static_cast<int>(area.bottom()) - 5, width, 2),
                         line);
    }
}

// The layer glyph: three stacked sheets, the layer's own lit. Layer 0 is the top sheet.
void drawLayerGlyph(QPainter& painter, const QRectF& area, int layer, ButtonLook look) {
    const QPointF centre(area.center().x(), area.top() + 34);
    const qreal half = 13;
    const qreal depth = 5.5;
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (int sheet = 2; sheet >= 0; --sheet) {
        const qreal y = centre.y() + (sheet - 1) * 6.0;
        QPolygonF diamond;
        diamond << QPointF(centre.x(), y - depth) << QPointF(centre.x() + half, y)
                << QPointF(centre.x(), y + depth) << QPointF(centre.x() - half, y);
        const bool lit = sheet == layer;
        QColor fill = lit ? (look == ButtonLook::Pressed ? QColor(255, 236, 210) : PictureStyle::kAccent)
                          : QColor(64, 64, 72);
        QColor edge = lit ? (look == ButtonLook::Pressed ? QColor(255, 255, 255) : PictureStyle::kAccentLight)
                          : QColor(110, 110, 122);
        if (!lit && look == ButtonLook::Pressed) {
            fill = QColor(150, 62, 0);
            edge = QColor(255, 160, 90);
        }
        painter.setPen(QPen(edge, 1));
        painter.setBrush(fill);
        painter.drawPolygon(diamond);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// The program glyph: a turning arrow (the button steps to the next program).
void drawProgramGlyph(QPainter& painter, const QRectF& area, ButtonLook look) {
    const QPointF centre(area.center().x(), area.top() + 33);
    const qreal radius = 9;
    const QColor colour = look == ButtonLook::Normal    ? PictureStyle::kGlyph
                          : look == ButtonLook::Hovered ? PictureStyle::kAccentLight
                                                        : QColor(255, 255, 255);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    painter.drawArc(circle, 100 * 16, 290 * 16);
    // The arrowhead at the arc's start (the top), pointing along the turn.
    const QPointF tip(centre.x() - 1.5, centre.y() - radius);
    QPolygonF head;
    head << QPointF(tip.x() + 6, tip.y()) << QPointF(tip.x() - 1, tip.y() - 4.5)
         << QPointF(tip.x() - 1, tip.y() + 4.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(head);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// The layer and program buttons are square pads; their captions ("top", "Fn", "Fn2", "Program")
// appear at the top while hovered, so the glyphs sit in the lower part.
void drawSidePad(QPainter& painter, const ControlSpec& control, ButtonLook look) {
    const QRectF area = QRectF(areaOf(control)).adjusted(0.5, 0.5, -0.5, -0.5);
    drawPad(painter, area, 7, look);
    switch (static_cast<MainWindowControlId>(control.id)) {
    case MainWindowControlId::TopLayer:
        return drawLayerGlyph(painter, area, 0, look);
    case MainWindowControlId::FnLayer:
        return drawLayerGlyph(painter, area, 1, look);
    case MainWindowControlId::Fn2Layer:
        return drawLayerGlyph(painter, area, 2, look);
    default:
        return drawProgramGlyph(painter, area, look);
    }
}

void drawControl(QPainter& painter, const ControlSpec& control, ButtonLook look) {
    const QRect area = areaOf(control);
    switch (control.role) {
    case ControlRole::Key:
        return drawKey(painter, control, look);
    case ControlRole::Radio:
        return drawSidePad(painter, control, look);
    case ControlRole::Button:
        return control.id == idOf(MainWindowControlId::Program) ? drawSidePad(painter, control, look)
                                                                : drawCommandButton(painter, control, look);
    case ControlRole::Close:
        return PictureStyle::drawCloseButton(painter, area, look);
    case ControlRole::Minimise:
        return PictureStyle::drawMinimiseButton(painter, area, look);
    case ControlRole::Help:
        return PictureStyle::drawHelpButton(painter, area, look);
    default:
        return;
    }
}

// The picture, or only its part inside wanted.
QImage drawMainWindow(const Variant& variant, ButtonLook look, const QRect& wanted) {
    return PictureStyle::drawPictureArea(kDesignSize, kColourKey, wanted,
                                         [&](QPainter& painter, const QRect& area) {
                                             const std::span<const ControlSpec> controls =
                                                 mainWindowControls(mainWindowLayoutFor(variant.variant));
                                             PictureStyle::drawWindowPanel(painter, kDesignSize, kChamfer);
                                             drawTitleBand(painter, variant);
                                             drawCommandRow(painter);
                                             drawStage(painter);
                                             drawDeck(painter, variant);
                                             drawLegendChips(painter, controls);
                                             drawInfoFrame(painter);
                                             for (const ControlSpec& control : controls) {
                                                 if (control.id < 1 || !areaOf(control).intersects(area))
                                                     continue;
                                                 // Every look stays inside its entry's rectangle: that is all
                                                 // the window copies.
                                                 painter.save();
                                                 painter.setClipRect(areaOf(control).intersected(area));
                                                 drawControl(painter, control, look);
                                                 painter.restore();
                                             }
                                         });
}

} // namespace

void addMainWindowPictures(PictureDrawers& drawers, PictureAreaDrawers& areaDrawers) {
    for (const Variant& variant : kVariants) {
        for (const auto& [slot, look] : {std::pair{0, ButtonLook::Normal}, std::pair{1, ButtonLook::Hovered},
                                         std::pair{2, ButtonLook::Pressed}}) {
            const int number = PictureSet::pictureNumber(slot, variant.variant);
            drawers[number] = [variant, look] { return drawMainWindow(variant, look, kWhole); };
            areaDrawers[number] = [variant, look](const QRect& area) {
                return drawMainWindow(variant, look, area);
            };
        }
    }
}
