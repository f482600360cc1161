// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinControl.h"
#include "ui/SkinScheme.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// How design units become window pixels. Every product is taken in single precision and cut toward
// zero, as the scale factor itself is single precision.
namespace SkinGeometry {

// The scale factor as windows use it: 1 while the store has none yet.
float effectiveScale(float scaleFactor);
// trunc(value x scale).
int scaled(int value, float scale);
// Every coordinate scaled.
SkinRect scaledRect(const SkinRect& rect, float scale);
// Right and bottom moved out by one pixel.
SkinRect grownByOne(const SkinRect& rect);
// A label's font index after scaling.
int scaledFont(int fontIndex, float scale, FontScaling scaling);
// The design-unit region a window-pixel rectangle was scaled from: left, top, width and height each
// divided by scale and cut toward zero. Hover and pressed looks are copied from there.
QRect designRegion(const SkinRect& windowRect, float scale);
// trunc(scale x width) by trunc(scale x height).
QSize windowSize(QSize designSize, float scale);
// The top-left corner that centres window on screen, halves cut toward zero.
QPoint centredOn(QSize screen, QSize window);
// The top-left corner that centres window over owner, kept on screen where it fits.
QPoint centredOver(const QRect& owner, QSize window, QSize screen);
// The same rectangle as a QRect (right and bottom outside it).
QRect toQRect(const SkinRect& rect);

} // namespace SkinGeometry
