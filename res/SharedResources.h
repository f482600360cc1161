// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "res/CaptionLayouts.h"
#include "res/FontTable.h"
#include "res/PictureLibrary.h"
#include "res/PictureSet.h"

#include <QBrush>

// What the application lends to every window for the whole run: the pictures of the keyboard's
// variant, the 50 fonts, the captions laid out in them and the dark brush.
class SharedResources {
public:
    // The colour of the dark brush, behind every text box.
    static constexpr int kDarkGrey = 20;

    // The program passes its own library (app/ProgramPictures.h), tests one of their own.
    SharedResources(PictureLibrary library, int deviceVariant);
    SharedResources(const SharedResources&) = delete;
    SharedResources& operator=(const SharedResources&) = delete;

    const PictureLibrary& library() const { return library_; }
    const PictureSet& pictures() const { return pictures_; }
    const FontTable& fonts() const { return fonts_; }
    const CaptionLayouts& captions() const { return captions_; }
    const QBrush& darkBrush() const { return darkBrush_; }

private:
    PictureLibrary library_;
    PictureSet pictures_;
    FontTable fonts_;
    CaptionLayouts captions_{fonts_};
    QBrush darkBrush_;
};
