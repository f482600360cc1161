// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "res/PictureLibrary.h"

// 162 background, 163 highlight and 161 selected of the rapid-trigger settings dialog.
void addRapidTriggerPictures(PictureDrawers& drawers);
