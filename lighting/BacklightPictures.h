// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "res/PictureLibrary.h"

// 131 background, 132 hover and 133 selected of the backlight settings dialog.
void addBacklightPictures(PictureDrawers& drawers);
