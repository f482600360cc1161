// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "res/PictureLibrary.h"

// 158 background, 159 hover and 157 selected of the virtual key input dialog.
void addVirtualKeyPictures(PictureDrawers& drawers);
