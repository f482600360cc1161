// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "res/PictureLibrary.h"

// 107..127 and 151..153: the normal, hover and selected pictures of the key assignment dialog's seven pages
// (page 6's normal picture by variant); each of them can also be drawn in parts.
void addKeyAssignmentPictures(PictureDrawers& drawers, PictureAreaDrawers& areaDrawers);
