// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "res/PictureLibrary.h"

// 101..103, 145..150 and 154..156: the main window's background, hover and pressed pictures of each keyboard
// variant; each of them can also be drawn in parts.
void addMainWindowPictures(PictureDrawers& drawers, PictureAreaDrawers& areaDrawers);
