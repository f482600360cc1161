// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "res/PictureLibrary.h"

// 165 background, 166 hover (with the travel bar) and 164 selected of the trigger fine-adjust dialog.
void addFineAdjustPictures(PictureDrawers& drawers);
