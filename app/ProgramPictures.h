// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "res/PictureLibrary.h"

// The picture library of the program: every window family's pictures and the scroll bar's skin.
PictureLibrary programPictureLibrary();
