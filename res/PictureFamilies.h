#pragma once

#include "res/PictureLibrary.h"

// Each family of pictures lives in its own file and adds its drawers here; PictureLibrary.cpp lists
// the families.

// 139 background, 140 hover and 141 progress fill of the transfer progress dialog.
void addProgressPictures(PictureDrawers& drawers);
// 138: the skin of the skin scroll bar, 9 x 3 cells.
void addScrollBarPictures(PictureDrawers& drawers);
