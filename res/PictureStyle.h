// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinControl.h"

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRect>

#include <functional>
#include <span>

class QPainter;

// The look every picture of the program shares: a dark charcoal window with light legends and one
// warm orange accent for hover and selection, drawn without antialiasing so that one-pixel detail
// stays crisp and the colour key stays exact.
namespace PictureStyle {
inline const QColor kWindowFill{28, 28, 31};
inline const QColor kWindowEdge{74, 74, 80};
inline const QColor kWindowInnerEdge{40, 40, 44};
inline const QColor kTitleFill{34, 34, 38};
inline const QColor kSeparator{54, 54, 60};
inline const QColor kButtonFill{40, 40, 45};
inline const QColor kButtonEdge{82, 82, 90};
inline const QColor kHoverFill{58, 42, 30};
inline const QColor kAccent{255, 111, 0};
inline const QColor kAccentLight{255, 152, 72};
inline const QColor kAccentDark{196, 84, 0};
inline const QColor kGlyph{200, 200, 200};
inline const QColor kWellFill{18, 18, 20};
inline const QColor kWellEdge{62, 62, 68};

inline const QColor kKeyEdge{70, 70, 78};
inline const QColor kKeyFace{46, 46, 52};
inline const QColor kKeyTop{54, 54, 61};
inline const QColor kKeySelectedFace{150, 64, 0};

// How a control is drawn: at rest, under the mouse, or pressed / selected.
enum class ButtonLook { Normal, Hovered, Pressed };

// The look each control of a picture gets; pictures that serve several purposes (one picture for
// hovered buttons and selected keys) answer per control.
using LookOf = std::function<ButtonLook(const ControlSpec&)>;

// A picture of size filled with the colour key, to paint a window's outline into.
QImage keyedCanvas(QSize size, Rgb colourKey);
// The window's body: a panel over the whole canvas with its corners cut by chamfer pixels (they stay
// in the colour key), a one-pixel edge and an inner edge.
void drawWindowPanel(QPainter& painter, QSize size, int chamfer);
// A title band from the top of the panel down to bottom, closed by a separator line.
void drawTitleBand(QPainter& painter, QSize size, int bottom);
// area filled with fill inside a one-pixel edge.
void drawFrame(QPainter& painter, const QRect& area, const QColor& edge, const QColor& fill);
// A push button filling area.
void drawButton(QPainter& painter, const QRect& area, ButtonLook look);
// The small close button of a title band: a cross in the middle of area.
void drawCloseButton(QPainter& painter, const QRect& area, ButtonLook look);
// A sunken well, such as the track of a progress bar.
void drawWell(QPainter& painter, const QRect& area);
// The filled part of a progress bar over area.
void drawProgressFill(QPainter& painter, const QRect& area);
// A keycap over area: a rounded cap with a lighter top face carrying its legend (UTF-8). Hovered is
// the warm outline, Pressed a key lit in the accent.
void drawKeycap(QPainter& painter, const QRect& area, const char* legend, ButtonLook look);
// The cap and its top face as drawKeycap lays them out in area.
QRectF keycapOf(const QRect& area);
QRectF keycapFaceOf(const QRect& area);
// A key's legend centred on face, fitted to it; the arrow keys' names are drawn as arrows.
void drawKeyLegend(QPainter& painter, const QRectF& face, const char* legend, const QColor& colour);
// The program's emblem in a title band: a keycap seen from above in area (the window adds the accent
// on its front edge).
void drawEmblem(QPainter& painter, const QRectF& area);
// Shapes the pictures share: a rounded rectangle, and a shade from top to bottom.
QPainterPath roundedPath(const QRectF& area, qreal radius);
QLinearGradient verticalShade(const QRectF& area, const QColor& top, const QColor& bottom);
// A page tab; Pressed is the tab of the page shown.
void drawTab(QPainter& painter, const QRect& area, ButtonLook look);
// A radio mark or check box at the left of area (the window draws the text beside it); Pressed is the
// chosen look.
void drawRadio(QPainter& painter, const QRect& area, ButtonLook look);
void drawCheck(QPainter& painter, const QRect& area, ButtonLook look);
// A value stepper with an arrow pointing up (increase) or down.
void drawStepper(QPainter& painter, const QRect& area, bool increase, ButtonLook look);
// The title-bar buttons: a bar (minimise) or a question mark (help).
void drawMinimiseButton(QPainter& painter, const QRect& area, ButtonLook look);
void drawHelpButton(QPainter& painter, const QRect& area, ButtonLook look);
// A function icon tile with the glyph of device key code.
void drawIcon(QPainter& painter, const QRect& area, int code, ButtonLook look);
// A colour field frame; the window fills its inside.
void drawSwatch(QPainter& painter, const QRect& area, ButtonLook look);
// Text in the picture itself, centred in area, pixelHeight pixels high.
void drawLegend(QPainter& painter, const QRect& area, const char* text, const QColor& colour,
                int pixelHeight);
// Every entry of controls with an id of at least 1 drawn by its role in the look lookOf gives it.
// Labels and unused entries draw nothing.
void drawControls(QPainter& painter, std::span<const ControlSpec> controls, const LookOf& lookOf);
// The same with one look for every entry.
void drawControls(QPainter& painter, std::span<const ControlSpec> controls, ButtonLook look);

// The area of a control as drawn: its rectangle, right and bottom outside.
QRect areaOf(const SkinRect& rect);

// Draws what lies inside area with a painter on the whole picture's coordinates.
using AreaStrokes = std::function<void(QPainter& painter, const QRect& area)>;
// A picture of size on the colour key, or only its part inside wanted (a null picture when that is
// empty). A part is drawn at its own place on a canvas whose memory is taken only where it is drawn
// on, cut to the part, and then cut out: every stroke falls on the same pixels with the same shading
// as in the whole picture, so the part matches the whole pixel for pixel.
QImage drawPictureArea(QSize size, Rgb colourKey, const QRect& wanted, const AreaStrokes& strokes);
} // namespace PictureStyle
