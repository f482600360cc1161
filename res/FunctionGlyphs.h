#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// The glyph of the function with device key code inside area (a square icon tile): a recognisable
// mark for every multimedia, mouse, keyboard-function and power code the key assignment dialog
// offers, and a neutral mark for any other code.
void drawFunctionGlyph(QPainter& painter, const QRect& area, int code, const QColor& colour);
