#pragma once

#include "controls/SkinControl.h"

#include <QImage>
#include <QRegion>

// The part of picture whose pixels are not colourKey: the outline a skinned window is cut to.
QRegion colourKeyMask(const QImage& picture, Rgb colourKey);
