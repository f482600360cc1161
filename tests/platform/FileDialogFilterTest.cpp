// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileDialogFilter.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

TEST(FileDialogFilter, ProfileFilterBecomesTwoQtFiltersAndStarDotStarMatchesEverything) {
    const auto filters = parseFileDialogFilter("pro(*.pro)|*.pro|All Files(*.*)|*.*||");
    ASSERT_EQ(filters.size(), 2U);
    EXPECT_EQ(filters[0], (FileDialogFilter{"pro", {"*.pro"}}));
    EXPECT_EQ(filters[1], (FileDialogFilter{"All Files", {"*.*"}}));
    EXPECT_EQ(qtNameFilters(filters), QStringList({"pro (*.pro)", "All Files (*)"}));
}

TEST(FileDialogFilter, PairsWithoutEndMarkerSeveralPatternsAndOddEntries) {
    EXPECT_EQ(qtNameFilters(parseFileDialogFilter("bin(*.bin)|*.bin")), QStringList({"bin (*.bin)"}));
    EXPECT_EQ(qtNameFilters(parseFileDialogFilter("Pictures|*.png; *.bmp||")),
              QStringList({"Pictures (*.png *.bmp)"}));
    // A pair without patterns is skipped; an empty pair ends the list.
    EXPECT_EQ(qtNameFilters(parseFileDialogFilter("none||a|*.a|||b|*.b")), QStringList({"a (*.a)"}));
    EXPECT_EQ(qtNameFilters(parseFileDialogFilter("|*.x")), QStringList({"*.x (*.x)"}));
    EXPECT_TRUE(parseFileDialogFilter("").empty());
    EXPECT_TRUE(parseFileDialogFilter("||").empty());
}

TEST(FileDialogFilter, DefaultExtensionOnlyForNamesWithoutDot) {
    EXPECT_EQ(withDefaultExtension("/tmp/profile", "pro"), "/tmp/profile.pro");
    EXPECT_EQ(withDefaultExtension("/tmp/profile", ".pro"), "/tmp/profile.pro");
    EXPECT_EQ(withDefaultExtension("/tmp/dir.d/profile", "pro"), "/tmp/dir.d/profile.pro");
    EXPECT_EQ(withDefaultExtension("/tmp/profile.xml", "pro"), "/tmp/profile.xml");
    EXPECT_EQ(withDefaultExtension("/tmp/profile", ""), "/tmp/profile");
    EXPECT_EQ(withDefaultExtension("/tmp/", "pro"), "/tmp/");
}
