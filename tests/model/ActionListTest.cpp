// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ActionList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

ActionList listOf(int sizeOfView, int items) {
    ActionList list(sizeOfView);
    for (int i = 0; i < items; ++i)
        list.setOrAppend(ActionList::kAppend, "item" + std::to_string(i));
    return list;
}

} // namespace

TEST(ActionList, AppendScrollsSoTheNewItemIsTheLastVisibleRow) {
    ActionList list = listOf(6, 10);
    EXPECT_EQ(list.ViewStartAt, 4);
    EXPECT_EQ(list.CursorPos, 5);

    list.setOrAppend(ActionList::kAppend, "item10");
    EXPECT_EQ(list.count(), 11);
    EXPECT_EQ(list.ViewStartAt, 5);
    EXPECT_EQ(list.CursorPos, 5);
    EXPECT_EQ(list.item(list.CursorPos), "item10");

    ActionList shortList = listOf(6, 3);
    EXPECT_EQ(shortList.ViewStartAt, 0);
    EXPECT_EQ(shortList.CursorPos, 2);
}

TEST(ActionList, RowsCountFromTheFirstVisibleRow) {
    ActionList list = listOf(6, 10);
    ASSERT_EQ(list.ViewStartAt, 4);
    EXPECT_EQ(list.item(0), "item4");
    EXPECT_EQ(list.item(-4), "item0");
    EXPECT_EQ(list.item(6), "");
    EXPECT_EQ(list.item(-5), "");

    list.setOrAppend(1, "replaced");
    EXPECT_EQ(list.items()[5], "replaced");
    EXPECT_EQ(list.count(), 10);

    list.insert(0, "inserted");
    EXPECT_EQ(list.items()[4], "inserted");
    EXPECT_EQ(list.items()[5], "item4");
    EXPECT_EQ(list.count(), 11);
    EXPECT_EQ(list.children().size(), 11U);
}

TEST(ActionList, InsertPastTheEndAppends) {
    ActionList list = listOf(6, 2);
    list.insert(ActionList::kAppend, "last");
    EXPECT_EQ(list.items().back(), "last");
    EXPECT_EQ(list.CursorPos, 2);
}

TEST(ActionList, RemoveKeepsTheViewInRange) {
    ActionList single = listOf(6, 1);
    single.remove(0);
    EXPECT_TRUE(single.empty());
    EXPECT_EQ(single.ViewStartAt, 0);
    EXPECT_EQ(single.CursorPos, 0);
    single.remove(0); // nothing left: no effect
    EXPECT_TRUE(single.empty());

    ActionList list = listOf(6, 10); // view 4..9, cursor on 9
    list.remove(20000);              // past the end removes the last item
    EXPECT_EQ(list.count(), 9);
    EXPECT_EQ(list.items().back(), "item8");
    EXPECT_EQ(list.ViewStartAt, 4);
    EXPECT_EQ(list.CursorPos, 4);

    ActionList scrolled = listOf(2, 3);
    scrolled.ViewStartAt = 2;
    scrolled.CursorPos = 0;
    scrolled.remove(0); // removes item2; the view start now lies past the end
    EXPECT_EQ(scrolled.ViewStartAt, 1);
    EXPECT_EQ(scrolled.CursorPos, 0);

    ActionList untouched = listOf(6, 3);
    untouched.remove(-1);
    EXPECT_EQ(untouched.count(), 3);
}

TEST(ActionList, SelectMovesTheCursorOrScrolls) {
    ActionList list = listOf(6, 10); // view 4..9
    list.select(7);
    EXPECT_EQ(list.ViewStartAt, 4);
    EXPECT_EQ(list.CursorPos, 3);

    list.select(1);
    EXPECT_EQ(list.ViewStartAt, 1);
    EXPECT_EQ(list.CursorPos, 0);

    list.select(500); // clamped to the last item, which lies below the view
    EXPECT_EQ(list.ViewStartAt, 9);
    EXPECT_EQ(list.CursorPos, 0);

    list.select(-3);
    EXPECT_EQ(list.ViewStartAt, 0);
    EXPECT_EQ(list.CursorPos, 0);

    ActionList empty(6);
    empty.select(3);
    EXPECT_EQ(empty.ViewStartAt, 0);
    EXPECT_EQ(empty.CursorPos, 0);
}

TEST(ActionList, CopiesAreDeepAndClearKeepsTheViewSize) {
    ActionList library(9);
    ActionList macro = listOf(9, 2);
    library.setOrAppend(ActionList::kAppend, "entry");
    library.setChild(library.CursorPos, macro);

    ActionList copy;
    copy.assign(library);
    copy.setChild(0, ActionList(9));
    EXPECT_EQ(library.child(0).count(), 2);
    EXPECT_EQ(copy.child(0).count(), 0);

    library.Cycles = 5;
    library.Delay = 100;
    library.IsAutoInterval = true;
    library.PlayMode = 2;
    library.clear();
    EXPECT_TRUE(library.empty());
    EXPECT_EQ(library.SizeOfView, 9);
    EXPECT_EQ(library.Cycles, 1);
    EXPECT_EQ(library.Delay, 30);
    EXPECT_FALSE(library.IsAutoInterval);
    EXPECT_EQ(library.PlayMode, 0);

    EXPECT_EQ(library.child(3).SizeOfView, 9) << "a missing child is a new list of the parent's view size";
}

TEST(ActionList, EqualsComparesItemsAndPlayFieldsOnly) {
    ActionList a = listOf(6, 3);
    ActionList b = listOf(9, 3);
    b.select(0);
    EXPECT_TRUE(a.equals(b));

    b.Delay = 31;
    EXPECT_FALSE(a.equals(b));
    b.Delay = 30;
    b.setOrAppend(-b.ViewStartAt + 2, "other");
    EXPECT_FALSE(a.equals(b));

    EXPECT_EQ(a.find("item1"), 1);
    EXPECT_EQ(a.find("absent"), -1);
}

TEST(ActionList, AddToLibrarySelectsAnEqualEntryOrAppendsOne) {
    ActionList library(6);
    ActionList first = listOf(6, 2);
    ActionList second = listOf(6, 3);

    ActionList::addToLibrary(library, first);
    ActionList::addToLibrary(library, second);
    ASSERT_EQ(library.count(), 2);
    EXPECT_EQ(library.items()[0], "default");
    EXPECT_TRUE(library.child(library.CursorPos).equals(second));

    ActionList::addToLibrary(library, first);
    EXPECT_EQ(library.count(), 2) << "an equal entry is selected, not added again";
    EXPECT_EQ(library.ViewStartAt + library.CursorPos, 0);
}

TEST(ActionList, SetAtGrowsWithEmptyEntries) {
    ActionList list(6);
    list.setAt(5, "sixth", ActionList(3));
    ASSERT_EQ(list.count(), 6);
    EXPECT_EQ(list.items()[0], "");
    EXPECT_EQ(list.items()[5], "sixth");
    EXPECT_EQ(list.children()[5].SizeOfView, 3);
    list.setAt(-1, "ignored", ActionList());
    EXPECT_EQ(list.count(), 6);
}

TEST(ActionList, SetAtInOrderOrNotGivesTheSameList) {
    ActionList inOrder(6);
    inOrder.reserve(3);
    inOrder.setAt(0, "a", ActionList(1));
    inOrder.setAt(1, "b", ActionList(2));
    inOrder.setAt(2, "c", ActionList(3));
    ActionList backwards(6);
    backwards.setAt(2, "c", ActionList(3));
    backwards.setAt(1, "b", ActionList(2));
    backwards.setAt(0, "a", ActionList(1));
    EXPECT_EQ(inOrder.items(), backwards.items());
    ASSERT_EQ(inOrder.children().size(), 3U);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(inOrder.children()[i].SizeOfView, backwards.children()[i].SizeOfView);
    inOrder.setAt(1, "B", listOf(4, 2));
    EXPECT_EQ(inOrder.items(), (std::vector<std::string>{"a", "B", "c"})) << "an index held is replaced";
    EXPECT_EQ(inOrder.children()[1].count(), 2);
    EXPECT_EQ(inOrder.ViewStartAt, 0) << "setAt leaves the view as it was";
    EXPECT_EQ(inOrder.CursorPos, 0);
}

TEST(ActionList, ReserveChangesNothingSeen) {
    ActionList list = listOf(3, 5);
    list.select(4);
    const ActionList before = list;
    list.reserve(100);
    EXPECT_TRUE(list.equals(before));
    EXPECT_EQ(list.ViewStartAt, before.ViewStartAt);
    EXPECT_EQ(list.CursorPos, before.CursorPos);
    EXPECT_EQ(list.count(), 5);
    ActionList empty(2);
    empty.reserve(10);
    EXPECT_TRUE(empty.empty());
    EXPECT_EQ(empty.SizeOfView, 2);
}
