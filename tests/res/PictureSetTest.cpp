// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/PictureSet.h"
#include "app/ProgramPictures.h"

#include <gtest/gtest.h>

#include <map>

namespace {

struct VariantSlots {
    int variant;
    int slot0;
    int slot1;
    int slot2;
    int slot18;
};

class PictureSetVariantTest : public ::testing::TestWithParam<VariantSlots> {};

TEST_P(PictureSetVariantTest, MainWindowPicturesAndSlot18FollowTheVariant) {
    const VariantSlots expected = GetParam();
    EXPECT_EQ(PictureSet::pictureNumber(0, expected.variant), expected.slot0);
    EXPECT_EQ(PictureSet::pictureNumber(1, expected.variant), expected.slot1);
    EXPECT_EQ(PictureSet::pictureNumber(2, expected.variant), expected.slot2);
    EXPECT_EQ(PictureSet::pictureNumber(18, expected.variant), expected.slot18);
}

// 1 and 0 (and anything else) take the QelEC(RGB)Ble pictures.
INSTANTIATE_TEST_SUITE_P(
    Variants, PictureSetVariantTest,
    ::testing::Values(VariantSlots{2, 146, 147, 145, 151}, VariantSlots{3, 149, 150, 148, 152},
                      VariantSlots{4, 155, 156, 154, 153}, VariantSlots{1, 101, 102, 103, 122},
                      VariantSlots{0, 101, 102, 103, 122}, VariantSlots{99, 101, 102, 103, 122}));

TEST(PictureSetTest, EveryOtherSlotIsOnePictureForAllVariants) {
    const std::map<int, int> expected = {{3, 107},  {17, 121}, {19, 123}, {29, 133}, {30, 138}, {31, 139},
                                         {33, 141}, {36, 144}, {37, 158}, {38, 159}, {39, 157}, {40, 162},
                                         {42, 161}, {43, 165}, {45, 164}, {46, 168}, {47, 169}, {48, 167}};
    for (const auto& [slot, number] : expected) {
        for (int variant : {1, 2, 3, 4})
            EXPECT_EQ(PictureSet::pictureNumber(slot, variant), number)
                << "slot " << slot << " variant " << variant;
    }
}

TEST(PictureSetTest, SlotsOutsideTheTableHaveNoPicture) {
    const PictureLibrary library = programPictureLibrary();
    const PictureSet pictures(library, 4);
    EXPECT_EQ(PictureSet::pictureNumber(-1, 4), -1);
    EXPECT_EQ(PictureSet::pictureNumber(49, 4), -1);
    EXPECT_TRUE(pictures.picture(-1).isNull());
    EXPECT_TRUE(pictures.picture(49).isNull());
}

TEST(PictureSetTest, HandsOutTheLibraryPictureOfItsSlotOnlyWhenAskedFor) {
    const PictureLibrary library = programPictureLibrary();
    const PictureSet pictures(library, 4);
    EXPECT_EQ(library.drawnCount(), 0);
    const QImage background = pictures.picture(31);
    EXPECT_EQ(background, library.picture(139));
    EXPECT_EQ(library.drawnCount(), 1);
}

} // namespace
