// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "res/PictureLibrary.h"

// 168 background, 169 hover and 167 selected (with the travel bar) of the key travel tracking dialog.
void addTrackPictures(PictureDrawers& drawers);
