#pragma once

#include "ui/SkinControl.h"

#include <QColor>
#include <QImage>
#include <QRect>

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

// How a button is drawn.
enum class ButtonLook { Normal, Hovered, Pressed };

// A picture of size filled with the colour key, to paint a window's outline into.
QImage keyedCanvas(QSize size, Rgb colourKey);
// The window's body: a panel over the whole canvas with its corners cut by chamfer pixels (they stay
// in the colour key), a one-pixel edge and an inner edge.
void drawWindowPanel(QPainter& painter, QSize size, int chamfer);
// A title band from the top of the panel down to bottom, closed by a separator line.
void drawTitleBand(QPainter& painter, QSize size, int bottom);
// A push button filling area.
void drawButton(QPainter& painter, const QRect& area, ButtonLook look);
// The small close button of a title band: a cross in the middle of area.
void drawCloseButton(QPainter& painter, const QRect& area, ButtonLook look);
// A sunken well, such as the track of a progress bar.
void drawWell(QPainter& painter, const QRect& area);
// The filled part of a progress bar over area.
void drawProgressFill(QPainter& painter, const QRect& area);
// The area of a control as drawn: its rectangle, right and bottom outside.
QRect areaOf(const SkinRect& rect);
} // namespace PictureStyle
