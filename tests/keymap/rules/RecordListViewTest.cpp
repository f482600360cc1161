// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymap/rules/RecordListView.h"

#include "model/ActionList.h"

#include <gtest/gtest.h>

namespace {

ActionList listOf(int items, int rows = 9) {
    ActionList list(rows);
    for (int i = 0; i < items; ++i)
        list.setOrAppend(ActionList::kAppend, "macro " + std::to_string(i + 1));
    return list;
}

TEST(RecordListViewTest, TenthMacroScrollsTheBlockAndBecomesCurrent) {
    const ActionList list = listOf(10);
    const RecordScrollRange range = scrollRangeFor(list, 9);
    EXPECT_EQ(range, (RecordScrollRange{.minimum = 0, .maximum = 18, .page = 9, .position = 0}));
    const std::vector<RecordRow> rows = recordRows(list, 9);
    ASSERT_EQ(rows.size(), 9U);
    EXPECT_EQ(rows.front().text, "macro 2");
    EXPECT_EQ(rows.back(), (RecordRow{"macro 10", true}));
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const RecordRow& row) { return row.current; }), 1);
}

TEST(RecordListViewTest, ShortListsLeaveTheRestOfTheBlockEmpty) {
    ActionList list = listOf(2, 6);
    list.select(0);
    const std::vector<RecordRow> rows = recordRows(list, 6);
    EXPECT_EQ(rows[0], (RecordRow{"macro 1", true}));
    EXPECT_EQ(rows[1], (RecordRow{"macro 2", false}));
    for (std::size_t k = 2; k < rows.size(); ++k)
        EXPECT_EQ(rows[k], RecordRow{}) << k;
    EXPECT_EQ(recordRows(ActionList(6), 6), std::vector<RecordRow>(6));
    EXPECT_TRUE(recordRows(list, 0).empty());
}

TEST(RecordListViewTest, ScrollRequestsMoveWithinTheRange) {
    RecordScrollRange range = scrollRangeFor(listOf(20), 9); // positions 0..20
    EXPECT_EQ(scrolledPosition(range, kLineUp, 0), 0);
    EXPECT_EQ(scrolledPosition(range, kLineDown, 0), 1);
    EXPECT_EQ(scrolledPosition(range, kPageDown, 0), 9);
    range.position = 18;
    EXPECT_EQ(scrolledPosition(range, kPageDown, 0), 20);
    EXPECT_EQ(scrolledPosition(range, kPageUp, 0), 9);
    EXPECT_EQ(scrolledPosition(range, kThumbTrack, 7), 7);
    EXPECT_EQ(scrolledPosition(range, kThumbTrack, 500), 20);
    EXPECT_EQ(scrolledPosition(range, kThumbPosition, 3), 18);
    EXPECT_EQ(scrolledPosition(range, 8, 3), 18);
    // An empty list: the bar cannot move.
    const RecordScrollRange empty = scrollRangeFor(ActionList(9), 9);
    EXPECT_EQ(scrolledPosition(empty, kPageDown, 0), 0);
    EXPECT_EQ(limitedPosition(empty, -5), 0);
}

TEST(RecordListViewTest, TheListFollowsTheScrollBar) {
    ActionList list = listOf(20);
    list.select(0);
    followScroll(list, 4); // in view: only the cursor moves
    EXPECT_EQ(list.ViewStartAt, 0);
    EXPECT_EQ(list.CursorPos, 4);
    followScroll(list, 15); // out of view: the view starts there
    EXPECT_EQ(list.ViewStartAt, 15);
    EXPECT_EQ(list.CursorPos, 0);
    ActionList empty(9);
    followScroll(empty, 3);
    EXPECT_EQ(empty.ViewStartAt, 0);
    EXPECT_EQ(empty.CursorPos, 0);
}

} // namespace
