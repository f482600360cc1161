// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "res/PictureLibrary.h"

// 142 background, 143 hover and marked keys, 144 selected of the multi-key colour selection.
void addMultiKeyColourPictures(PictureDrawers& drawers);
