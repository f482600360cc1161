// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/FontTable.h"
#include "res/SharedResources.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

TEST(FontTableTest, FontKIsKPixelsHigh) {
    const FontTable fonts;
    for (int index = 1; index < FontTable::kFonts; ++index)
        EXPECT_EQ(fonts.font(index).pixelSize(), index) << index;
}

TEST(FontTableTest, FontZeroKeepsTheDefaultSize) {
    const FontTable fonts;
    EXPECT_EQ(fonts.font(0).pixelSize(), QGuiApplication::font().pixelSize());
    EXPECT_EQ(fonts.font(0).pointSizeF(), QGuiApplication::font().pointSizeF());
}

TEST(FontTableTest, IndicesOutsideTheTableTakeTheNearestFont) {
    const FontTable fonts;
    EXPECT_EQ(fonts.font(85).pixelSize(), 49);
    EXPECT_EQ(&fonts.font(-3), &fonts.font(0));
}

TEST(FontTableTest, UsesTheChineseCapableFaceWhenInstalled) {
    if (!QFontDatabase::hasFamily(FontTable::kPreferredFamily))
        GTEST_SKIP() << "no " << FontTable::kPreferredFamily;
    const FontTable fonts;
    EXPECT_EQ(fonts.font(13).families().value(0), FontTable::kPreferredFamily);
}

TEST(SharedResourcesTest, DarkBrushIsRgb20) {
    const SharedResources resources(PictureLibrary({}), 4);
    EXPECT_EQ(resources.darkBrush().color(), QColor(20, 20, 20));
    EXPECT_EQ(resources.darkBrush().style(), Qt::SolidPattern);
    EXPECT_EQ(resources.pictures().variant(), 4);
}

} // namespace
