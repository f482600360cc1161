// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/PictureSet.h"

#include <array>

namespace {

// Picture numbers of one slot for the variants 2, 3, 4 and any other, in the order of the slots named
// in PictureSlot.
struct SlotPictures {
    int sBle;
    int s;
    int rgb;
    int rgbBle;
};

constexpr SlotPictures same(int number) {
    return {number, number, number, number};
}

constexpr std::array<SlotPictures, PictureSet::kSlots> kSlotTable{{
    {146, 149, 155, 101}, // 0 main window background
    {147, 150, 156, 102}, // 1 main window hover
    {145, 148, 154, 103}, // 2 main window pressed
    same(107),
    same(108),
    same(109),
    same(110),
    same(111),
    same(112),
    same(113),
    same(114),
    same(115),
    same(116),
    same(117),
    same(118),
    same(119),
    same(120),
    same(121),
    {151, 152, 153, 122}, // 18
    same(123),
    same(124),
    same(125),
    same(126),
    same(127),
    same(128),
    same(129),
    same(130),
    same(131),
    same(132),
    same(133),
    same(138), // 30 skin scroll bar
    same(139), // 31 progress dialog background
    same(140), // 32 progress dialog hover
    same(141), // 33 progress fill
    same(142),
    same(143),
    same(144),
    same(158),
    same(159),
    same(157),
    same(162),
    same(163),
    same(161),
    same(165),
    same(166),
    same(164),
    same(168),
    same(169),
    same(167),
}};

} // namespace

PictureSet::PictureSet(const PictureLibrary& library, int deviceVariant)
    : library_(library), variant_(deviceVariant) {}

int PictureSet::pictureNumber(int slot, int deviceVariant) {
    if (slot < 0 || slot >= kSlots)
        return -1;
    const SlotPictures& pictures = kSlotTable[static_cast<std::size_t>(slot)];
    switch (deviceVariant) {
    case 2:
        return pictures.sBle;
    case 3:
        return pictures.s;
    case 4:
        return pictures.rgb;
    default:
        return pictures.rgbBle;
    }
}

QImage PictureSet::picture(int slot) const {
    const int number = pictureNumber(slot, variant_);
    return number < 0 ? QImage() : library_.picture(number);
}

QImage PictureSet::area(int slot, const QRect& area) const {
    const int number = pictureNumber(slot, variant_);
    return number < 0 ? QImage() : library_.area(number, area);
}
