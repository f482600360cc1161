// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/WindowDescription.h"
#include "res/PictureLibrary.h"

#include <QImage>

// The 49 pictures the windows use, by slot. Slots 0, 1 and 2 (the main window's background, hover and
// pressed pictures) and slot 18 depend on the keyboard variant; every other slot is one picture
// number. Pictures are drawn by the library when first asked for.
class PictureSet {
public:
    static constexpr int kSlots = PictureSlot::kCount;

    PictureSet(const PictureLibrary& library, int deviceVariant);

    // The picture number of slot for deviceVariant (2 QelEC(S)Ble, 3 QelEC(S), 4 QelEC(RGB), any
    // other QelEC(RGB)Ble); -1 for a slot outside 0..48.
    static int pictureNumber(int slot, int deviceVariant);

    // The picture in slot, or a null picture for a slot outside 0..48 or a missing picture.
    QImage picture(int slot) const;
    // The part of the picture in slot inside area, or a null picture.
    QImage area(int slot, const QRect& area) const;
    int variant() const { return variant_; }

private:
    const PictureLibrary& library_;
    int variant_;
};
