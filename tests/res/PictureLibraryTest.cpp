// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/PictureLibrary.h"
#include "app/ProgramPictures.h"
#include "app/rules/ProgressControls.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb kBlueKey = 0xFF0000FF;

TEST(PictureLibraryTest, UnknownNumbersGiveNullPictures) {
    const PictureLibrary library = programPictureLibrary();
    for (int number : {-1, 0, 100, 137, 170, 100000})
        EXPECT_TRUE(library.picture(number).isNull()) << number;
    EXPECT_FALSE(library.has(0));
}

TEST(PictureLibraryTest, DrawsEachPictureOnceOnFirstUse) {
    int draws = 0;
    const PictureLibrary library(PictureDrawers{{7, [&draws] {
                                                     ++draws;
                                                     QImage image(4, 3, QImage::Format_ARGB32);
                                                     image.fill(Qt::red);
                                                     return image;
                                                 }}});
    EXPECT_EQ(draws, 0);
    const QImage first = library.picture(7);
    const QImage second = library.picture(7);
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(first, second);
    // Every picture comes out opaque, in the one format the windows copy from.
    EXPECT_EQ(first.format(), QImage::Format_RGB32);
}

TEST(PictureLibraryTest, PartsOfPicturesWithoutAPartDrawerShareTheWholePicture) {
    int draws = 0;
    const PictureLibrary library(PictureDrawers{{7, [&draws] {
                                                     ++draws;
                                                     QImage image(6, 4, QImage::Format_RGB32);
                                                     image.fill(Qt::red);
                                                     image.setPixel(5, 3, qRgb(0, 255, 0));
                                                     return image;
                                                 }}});
    const QImage corner = library.area(7, QRect(4, 2, 10, 10));
    EXPECT_EQ(corner, library.picture(7).copy(4, 2, 2, 2));
    EXPECT_EQ(corner.pixel(1, 1), qRgb(0, 255, 0));
    EXPECT_EQ(library.area(7, QRect(0, 0, 6, 4)), library.picture(7));
    EXPECT_EQ(draws, 1);
    EXPECT_TRUE(library.area(7, QRect(8, 8, 3, 3)).isNull());
    EXPECT_TRUE(library.area(9, QRect(0, 0, 3, 3)).isNull());
}

TEST(PictureLibraryTest, ScrollBarSkinIsNineByThreeSquareCells) {
    const QImage skin = programPictureLibrary().picture(138);
    ASSERT_FALSE(skin.isNull());
    EXPECT_EQ(skin.width() % 9, 0);
    EXPECT_EQ(skin.height(), skin.width() / 9 * 3);
    // Rows differ: hovered and pressed arrows do not look like normal ones.
    const int unit = skin.width() / 9;
    const QImage normal = skin.copy(0, 0, unit, unit);
    EXPECT_NE(normal, skin.copy(0, unit, unit, unit));
    EXPECT_NE(normal, skin.copy(0, 2 * unit, unit, unit));
}

TEST(PictureLibraryTest, ProgressPicturesShareOneOutlineInTheColourKey) {
    const PictureLibrary library = programPictureLibrary();
    const QImage background = library.picture(139);
    ASSERT_EQ(background.size(), QSize(370, 250));
    for (int number : {140, 141}) {
        const QImage picture = library.picture(number);
        ASSERT_EQ(picture.size(), background.size()) << number;
        for (QPoint corner : {QPoint(0, 0), QPoint(369, 0), QPoint(0, 249), QPoint(369, 249)})
            EXPECT_EQ(picture.pixel(corner), kBlueKey) << number;
    }
    EXPECT_NE(background.pixel(185, 125), kBlueKey);
}

TEST(PictureLibraryTest, HoverAndFillPicturesDifferWhereTheyAreCopiedFrom) {
    const PictureLibrary library = programPictureLibrary();
    const QImage background = library.picture(139);
    const QImage hover = library.picture(140);
    const QImage fill = library.picture(141);
    const QRect cancel(237, 201, 90, 34);
    EXPECT_NE(hover.copy(cancel), background.copy(cancel));
    const QRect strip(kProgressBarStrip.left, kProgressBarStrip.top, kProgressBarFullWidth,
                      kProgressBarStrip.height());
    EXPECT_NE(fill.copy(strip), background.copy(strip));
}

} // namespace
