// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinControl.h"

#include <QImage>
#include <QRegion>

// The part of picture whose pixels are not colourKey: the outline a skinned window is cut to.
QRegion colourKeyMask(const QImage& picture, Rgb colourKey);

// The outline of picture stretched to size without a smoothing filter: the same region as
// colourKeyMask(picture.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation)), found from the
// picture's own rows, so the stretched picture is never drawn.
QRegion stretchedColourKeyMask(const QImage& picture, QSize size, Rgb colourKey);

// The same outline, found once for each picture, size and key and kept: windows that open again and
// again on one picture (every dialog does) are cut without looking at a pixel.
QRegion keptStretchedColourKeyMask(const QImage& picture, QSize size, Rgb colourKey);
