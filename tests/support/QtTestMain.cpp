// SPDX-License-Identifier: GPL-3.0-or-later
// The main() of every test binary that needs a QApplication: GUI tests run on the offscreen platform.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
