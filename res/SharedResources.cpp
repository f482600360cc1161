// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/SharedResources.h"

SharedResources::SharedResources(PictureLibrary library, int deviceVariant)
    : library_(std::move(library)), pictures_(library_, deviceVariant),
      darkBrush_(QColor(kDarkGrey, kDarkGrey, kDarkGrey)) {}
