// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "res/PictureLibrary.h"

// 128 background, 129 hover and 130 selected (with the bar strip) of the firmware update dialog.
void addFirmwarePictures(PictureDrawers& drawers);
