// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinControl.h"
#include "res/PictureStyle.h"

#include <QImage>
#include <QRect>

#include <span>

class QPainter;

// Drawing shared by the dialogs that show the keyboard or a key's travel: the backlight settings,
// the multi-key colour selection, the rapid-trigger settings, the trigger fine-adjust and the travel
// tracking dialogs. Everything is drawn in design units without antialiasing (texts excepted).
namespace KeyboardDeck {

// A dialog's canvas: the colour key outside a chamfered window panel with a title band from the top
// down to titleBandBottom.
QImage dialogCanvas(QSize size, Rgb colourKey, int titleBandBottom);

// The smallest rectangle holding every key entry (role Key, id of at least 1) of controls; an empty
// rectangle when there is none.
QRect keysBounds(std::span<const ControlSpec> controls);
// The plate the keycaps sit on, a little larger than keys (the bounds of the keycaps).
void drawDeck(QPainter& painter, const QRect& keys);
// The plate's rectangle for keys, for laying out what sits around it.
QRect deckOf(const QRect& keys);

// A groove across a panel of size, midway between the plate of keys and the buttons of controls
// below it, to set the row of buttons apart; nothing when no button lies below the plate.
void drawButtonRowGroove(QPainter& painter, QSize size, std::span<const ControlSpec> controls,
                         const QRect& keys);
// A flat group frame with a slightly raised face; windows draw their labels on it.
void drawGroupFrame(QPainter& painter, const QRect& area);
// A calm well around a box the window places over the picture at run time (a number or text box):
// a frame one unit outside box and a dark inside.
void drawBoxWell(QPainter& painter, const QRect& box);

// The travel gauge of 0 to 2.8 mm whose bar the window copies into strip: a sunken well one unit
// outside strip, with a millimetre scale left of it.
void drawTravelGauge(QPainter& painter, const QRect& strip);
// The gauge's bar over the whole strip. It is shaded across only, so that any horizontal slice of it
// the window copies looks the same.
void drawTravelBar(QPainter& painter, const QRect& strip);
// A key switch seen from the side (keycap, stem, spring and housing), filling area; decoration beside
// a travel gauge.
void drawSwitchSideView(QPainter& painter, const QRect& area);

} // namespace KeyboardDeck
