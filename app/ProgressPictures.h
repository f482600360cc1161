// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "res/PictureLibrary.h"

// 139 background, 140 hover and 141 progress fill of the transfer progress dialog.
void addProgressPictures(PictureDrawers& drawers);
