// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "res/PictureLibrary.h"

// 138: the skin of the skin scroll bar, 9 x 3 cells.
void addScrollBarPictures(PictureDrawers& drawers);
