// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// The glyph of the function with device key code inside area (an icon tile less its frame): a
// recognisable mark for every multimedia, mouse, keyboard-function and power code the key assignment
// dialog offers, and a neutral mark for any other code. A square tile gets the glyph in its middle; a
// wide tile, which carries its word in the middle, gets it at its left end.
void drawFunctionGlyph(QPainter& painter, const QRect& area, int code, const QColor& colour);

// Whether code has a glyph of its own rather than the neutral mark.
bool hasFunctionGlyph(int code);
