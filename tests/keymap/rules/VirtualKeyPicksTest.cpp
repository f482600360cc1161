// SPDX-License-Identifier: GPL-3.0-or-later
// The picks of the virtual key input dialog and the line that names them.
#include "keymap/rules/VirtualKeyPicks.h"

#include "model/ConfigStore.h"

#include <gtest/gtest.h>

namespace {

constexpr int kLeftCtrl = 67;
constexpr int kLeftShift = 55;
constexpr int kA = 43;
constexpr int kB = 60;

TEST(VirtualKeyPicksTest, PicksKeepTheirOrderAndStopAtSix) {
    VirtualKeyState state{9, 1, 2, 3, 4, 5, 6, 6};
    clearPicks(state);
    EXPECT_EQ(state, (VirtualKeyState{9, 0, 0, 0, 0, 0, 0, 0}));
    for (const int code : {kLeftCtrl, kLeftShift, kA})
        EXPECT_TRUE(addPick(state, code));
    EXPECT_EQ(state, (VirtualKeyState{9, kLeftCtrl, kLeftShift, kA, 0, 0, 0, 3}));
    removePick(state, kLeftShift);
    EXPECT_EQ(state, (VirtualKeyState{9, kLeftCtrl, kA, 0, 0, 0, 0, 2}));
    // A key not picked changes nothing.
    removePick(state, kB);
    EXPECT_EQ(pickCount(state), 2);
    for (const int code : {1, 2, 3, 4})
        EXPECT_TRUE(addPick(state, code));
    EXPECT_FALSE(addPick(state, kB));
    EXPECT_EQ(state, (VirtualKeyState{9, kLeftCtrl, kA, 1, 2, 3, 4, 6}));
    removePick(state, 4);
    EXPECT_EQ(state, (VirtualKeyState{9, kLeftCtrl, kA, 1, 2, 3, 0, 5}));
    removePick(state, kLeftCtrl);
    EXPECT_EQ(state, (VirtualKeyState{9, kA, 1, 2, 3, 0, 0, 4}));
}

TEST(VirtualKeyPicksTest, ACountOutsideItsRangeNeverReachesPastThePicks) {
    VirtualKeyState state{0, 1, 2, 3, 4, 5, 6, 99};
    EXPECT_EQ(pickCount(state), 6);
    EXPECT_FALSE(addPick(state, kA));
    state[7] = -3;
    EXPECT_EQ(pickCount(state), 0);
    EXPECT_TRUE(addPick(state, kA));
    EXPECT_EQ(state[1], kA);
    EXPECT_EQ(state[7], 1);
}

class PickDisplayLineTest : public ::testing::Test {
protected:
    void SetUp() override {
        store.deviceVariant = 4;
        store.buildCatalogue();
    }
    CConfigStore store{"/nonexistent/keyboard.txt"};
};

TEST_F(PickDisplayLineTest, NamesThePicksInTheLanguageShown) {
    const std::string a = store.codeToName(kA);
    const std::string ctrl = store.codeToName(kLeftCtrl);
    const std::string shift = store.codeToName(kLeftShift);
    struct Case {
        const char* language;
        int mode;
        VirtualKeyState state;
        std::string line;
    };
    const Case cases[] = {
        {"zh-CN", kPickOneKey, {kA}, "单键：" + a},
        {"en-US", kPickOneKey, {kA}, "Single:" + a},
        {"en-US", kPickOneKey, {0}, "Single:-- --"},
        {"zh-CN", kPickCombination, {}, "组合键：-- --"},
        {"en-US", kPickCombination, {}, "Combo:-- --"},
        {"en-US",
         kPickCombination,
         {0, kLeftCtrl, kLeftShift, kA, 0, 0, 0, 3},
         "Combo:" + ctrl + "+" + shift + "+" + a},
        {"zh-CN", kPickCombination, {0, kLeftCtrl, 0, 0, 0, 0, 0, 1}, "组合键：" + ctrl},
        {"fr-FR", kPickOneKey, {kA}, ""},
        {"fr-FR", kPickCombination, {0, kA, 0, 0, 0, 0, 0, 1}, ""},
    };
    for (const Case& c : cases) {
        store.language = c.language;
        store.virtualKeyState = c.state;
        EXPECT_EQ(pickDisplayLine(store, c.mode), c.line) << c.language << " mode " << c.mode;
    }
}

} // namespace
