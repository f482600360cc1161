// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ScrollBarGeometry.h"

#include <gtest/gtest.h>

namespace {

ScrollInfo list(int maximum, int page, int position) {
    return {0, maximum, page, position, -1};
}

TEST(ScrollBarGeometryTest, BarShorterThanTwoUnitsIsTwoArrows) {
    const ScrollBarGeometry geometry = ScrollBarGeometry::forPainting(20, 16, list(99, 10, 0));
    EXPECT_EQ(geometry.track, 0);
    EXPECT_EQ(geometry.thumb, 0);
    EXPECT_EQ(geometry.arrow, 10);
    EXPECT_EQ(geometry.partAt(9), ScrollPart::LineUp);
    EXPECT_EQ(geometry.partAt(10), ScrollPart::LineDown);
    EXPECT_EQ(geometry.partAt(-1), ScrollPart::None);
}

TEST(ScrollBarGeometryTest, NoThumbOnAShortTrackOrWhenNothingScrolls) {
    EXPECT_EQ(ScrollBarGeometry::forPainting(37, 16, list(99, 10, 0)).thumb, 0); // track 5
    EXPECT_EQ(ScrollBarGeometry::forPainting(38, 16, list(99, 10, 0)).thumb, 6); // track 6
    const ScrollBarGeometry whole = ScrollBarGeometry::forPainting(200, 16, list(9, 10, 0));
    EXPECT_EQ(whole.thumb, 0);
    EXPECT_EQ(whole.thumbStart, 16 + 84);
    // Presses still find a thumb over the whole track then.
    EXPECT_EQ(ScrollBarGeometry::forHitTest(200, 16, list(9, 10, 0)).thumb, 168);
}

TEST(ScrollBarGeometryTest, ThumbIsProportionalButNeverBelowSixPixels) {
    EXPECT_EQ(ScrollBarGeometry::forPainting(200, 16, list(99, 10, 0)).thumb, 16);
    EXPECT_EQ(ScrollBarGeometry::forPainting(200, 16, list(9999, 1, 0)).thumb, 6);
}

TEST(ScrollBarGeometryTest, ThumbRunsFromTheFirstToTheLastPositionAndFollowsTheTrackPosition) {
    EXPECT_EQ(ScrollBarGeometry::forPainting(200, 16, list(99, 10, 0)).thumbStart, 16);
    EXPECT_EQ(ScrollBarGeometry::forPainting(200, 16, list(99, 10, 90)).thumbStart, 16 + 152);
    EXPECT_EQ(ScrollBarGeometry::forPainting(200, 16, list(99, 10, 45)).thumbStart, 16 + 76);
    ScrollInfo dragged = list(99, 10, 0);
    dragged.trackPosition = 90;
    EXPECT_EQ(ScrollBarGeometry::forPainting(200, 16, dragged).thumbStart, 16 + 152);
}

TEST(ScrollBarGeometryTest, PartsTileTheBar) {
    const ScrollBarGeometry geometry = ScrollBarGeometry::forHitTest(200, 16, list(99, 10, 45));
    EXPECT_EQ(geometry.partAt(15), ScrollPart::LineUp);
    EXPECT_EQ(geometry.partAt(16), ScrollPart::PageUp);
    EXPECT_EQ(geometry.partAt(91), ScrollPart::PageUp);
    EXPECT_EQ(geometry.partAt(92), ScrollPart::Thumb);
    EXPECT_EQ(geometry.partAt(107), ScrollPart::Thumb);
    EXPECT_EQ(geometry.partAt(108), ScrollPart::PageDown);
    EXPECT_EQ(geometry.partAt(183), ScrollPart::PageDown);
    EXPECT_EQ(geometry.partAt(184), ScrollPart::LineDown);
    EXPECT_EQ(geometry.partAt(500), ScrollPart::LineDown);
    EXPECT_EQ(geometry.partBegin(ScrollPart::PageDown), 108);
    EXPECT_EQ(geometry.partEnd(ScrollPart::PageDown), 184);
}

} // namespace
