// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SkinGeometry.h"
#include "ui/ColourKeyMask.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

using namespace SkinGeometry;

TEST(SkinGeometryTest, ScalesRectanglesAndTakesTheDesignRegionBack) {
    const SkinRect scaledButton = scaledRect({818, 92, 908, 128}, 1.5F);
    EXPECT_EQ(scaledButton, (SkinRect{1227, 138, 1362, 192}));
    EXPECT_EQ(designRegion(scaledButton, 1.5F), QRect(818, 92, 90, 36));
    // Odd coordinates are cut toward zero both ways.
    EXPECT_EQ(scaledRect({1, 3, 5, 7}, 2.5F), (SkinRect{2, 7, 12, 17}));
    EXPECT_EQ(designRegion({2, 7, 12, 17}, 2.5F), QRect(0, 2, 4, 4));
    EXPECT_EQ(grownByOne({1, 2, 3, 4}), (SkinRect{1, 2, 4, 5}));
}

TEST(SkinGeometryTest, ScalesLabelFontsAsTheSchemeSays) {
    EXPECT_EQ(scaledFont(13, 1.5F, FontScaling::None), 13);
    EXPECT_EQ(scaledFont(13, 1.5F, FontScaling::Scaled), 19);
    EXPECT_EQ(scaledFont(13, 1.5F, FontScaling::ScaledPlusOne), 20);
    EXPECT_EQ(scaledFont(17, 2.0F, FontScaling::ScaledPlusOne), 35);
}

TEST(SkinGeometryTest, SizesAndCentresWindows) {
    EXPECT_EQ(windowSize({370, 250}, 1.5F), QSize(555, 375));
    EXPECT_EQ(windowSize({1021, 681}, 1.5F), QSize(1531, 1021));
    EXPECT_EQ(centredOn({1920, 1080}, {555, 375}), QPoint(682, 352));
    EXPECT_EQ(centredOn({800, 600}, {1001, 700}), QPoint(-100, -50));
    EXPECT_EQ(centredOver(QRect(100, 100, 400, 300), {200, 100}, {1920, 1080}), QPoint(200, 200));
    // Kept on the screen where it fits.
    EXPECT_EQ(centredOver(QRect(1800, -50, 100, 100), {400, 300}, {1920, 1080}), QPoint(1520, 0));
    EXPECT_EQ(effectiveScale(0.0F), 1.0F);
    EXPECT_EQ(effectiveScale(2.5F), 2.5F);
}

TEST(ColourKeyMaskTest, CutsAwayExactlyTheKeyPixels) {
    QImage picture(10, 6, QImage::Format_RGB32);
    picture.fill(qRgb(28, 28, 31));
    picture.setPixel(0, 0, qRgb(1, 3, 255));
    picture.setPixel(9, 5, qRgb(1, 3, 255));
    picture.setPixel(4, 2, qRgb(0, 0, 255)); // another blue is not this window's key
    const QRegion region = colourKeyMask(picture, rgb(1, 3, 255));
    EXPECT_FALSE(region.contains(QPoint(0, 0)));
    EXPECT_FALSE(region.contains(QPoint(9, 5)));
    EXPECT_TRUE(region.contains(QPoint(1, 0)));
    EXPECT_TRUE(region.contains(QPoint(4, 2)));
    EXPECT_TRUE(region.contains(QPoint(9, 4)));
    EXPECT_EQ(region.boundingRect(), QRect(0, 0, 10, 6));
    EXPECT_TRUE(colourKeyMask(QImage(), rgb(0, 0, 255)).isEmpty());
}

// Window outlines: blocks of key colour (corners, notches, single pixels) on a random field.
QImage outlinePicture(int width, int height, unsigned seed) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(qRgb(28, 28, 31));
    std::mt19937 random(seed);
    for (int block = 0; block < 40; ++block) {
        const int x = static_cast<int>(random() % static_cast<unsigned>(width));
        const int y = static_cast<int>(random() % static_cast<unsigned>(height));
        const int w = 1 + static_cast<int>(random() % 9U);
        const int h = 1 + static_cast<int>(random() % 7U);
        for (int row = y; row < std::min(height, y + h); ++row)
            for (int column = x; column < std::min(width, x + w); ++column)
                picture.setPixel(column, row, qRgb(1, 3, 255));
    }
    return picture;
}

TEST(ColourKeyMaskTest, StretchedOutlineIsTheOutlineOfTheStretchedPicture) {
    const struct {
        QSize picture;
        QSize window;
    } cases[] = {
        {{64, 40}, {64, 40}},    {{64, 40}, {96, 60}},   {{64, 40}, {97, 61}}, {{61, 37}, {80, 49}},
        {{64, 40}, {160, 100}},  {{64, 40}, {288, 180}}, {{64, 40}, {40, 25}}, {{33, 17}, {149, 77}},
        {{1021, 7}, {1532, 11}}, {{5, 300}, {8, 450}},   {{64, 40}, {64, 1}},  {{1, 1}, {3, 3}},
    };
    for (const auto& stretch : cases) {
        for (unsigned seed = 1; seed <= 3; ++seed) {
            const QImage picture = outlinePicture(stretch.picture.width(), stretch.picture.height(), seed);
            const QRegion expected =
                colourKeyMask(picture.scaled(stretch.window, Qt::IgnoreAspectRatio, Qt::FastTransformation),
                              rgb(1, 3, 255));
            EXPECT_EQ(stretchedColourKeyMask(picture, stretch.window, rgb(1, 3, 255)), expected)
                << stretch.picture.width() << "x" << stretch.picture.height() << " to "
                << stretch.window.width() << "x" << stretch.window.height() << ", seed " << seed;
        }
    }
    EXPECT_TRUE(stretchedColourKeyMask(QImage(), QSize(10, 10), rgb(1, 3, 255)).isEmpty());
}

TEST(ColourKeyMaskTest, AKeptOutlineBelongsToItsOwnPictureSizeAndKey) {
    QImage picture = outlinePicture(64, 40, 7);
    const QRegion first = keptStretchedColourKeyMask(picture, {96, 60}, rgb(1, 3, 255));
    EXPECT_EQ(first, stretchedColourKeyMask(picture, {96, 60}, rgb(1, 3, 255)));
    EXPECT_EQ(keptStretchedColourKeyMask(picture, {96, 60}, rgb(1, 3, 255)), first);
    EXPECT_EQ(keptStretchedColourKeyMask(picture, {128, 80}, rgb(1, 3, 255)),
              stretchedColourKeyMask(picture, {128, 80}, rgb(1, 3, 255)));
    EXPECT_EQ(keptStretchedColourKeyMask(picture, {96, 60}, rgb(28, 28, 31)),
              stretchedColourKeyMask(picture, {96, 60}, rgb(28, 28, 31)));
    // Changed pixels are a new picture to the kept outlines.
    picture.setPixel(0, 0, qRgb(1, 3, 255));
    picture.setPixel(63, 0, qRgb(28, 28, 31));
    EXPECT_EQ(keptStretchedColourKeyMask(picture, {96, 60}, rgb(1, 3, 255)),
              stretchedColourKeyMask(picture, {96, 60}, rgb(1, 3, 255)));
}

} // namespace
