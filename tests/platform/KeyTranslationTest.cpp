// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyTranslation.h"
#include "platform/VirtualKeyCodes.h"
#include "platform/X11KeyTable.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

#include <map>

using namespace VirtualKey;

namespace {

struct Case {
    unsigned scanCode;
    unsigned keySymbol;
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    TranslatedKey expected;
};

void expectAll(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "scan code " << c.scanCode << ", Qt key 0x" << std::hex << c.qtKey);
        const auto key =
            translateKeyEvent(QKeyEvent(QEvent::KeyPress, c.qtKey, c.modifiers, c.scanCode, c.keySymbol, 0));
        ASSERT_TRUE(key.has_value());
        EXPECT_EQ(key->virtualKey, c.expected.virtualKey);
        EXPECT_EQ(key->extended, c.expected.extended);
    }
}

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kKeypad = Qt::KeypadModifier;

} // namespace

TEST(KeyTranslation, X11KeycodesTellSidesAndExtendedKeysApart) {
    expectAll({
        {50, 0, Qt::Key_Shift, kNone, {kLShift, false}},
        {62, 0, Qt::Key_Shift, kNone, {kRShift, false}},
        {37, 0, Qt::Key_Control, kNone, {kLControl, false}},
        {105, 0, Qt::Key_Control, kNone, {kRControl, true}},
        {64, 0, Qt::Key_Alt, kNone, {kLMenu, false}},
        {108, 0, Qt::Key_AltGr, kNone, {kRMenu, true}},
        {133, 0, Qt::Key_Meta, kNone, {kLWin, true}},
        {134, 0, Qt::Key_Meta, kNone, {kRWin, true}},
        {36, 0, Qt::Key_Return, kNone, {kReturn, false}},
        {104, 0, Qt::Key_Enter, kKeypad, {kReturn, true}},
        {38, 0, Qt::Key_A, kNone, {'A', false}},
        // The keycode decides, not the layout's letter.
        {52, 0, Qt::Key_Y, kNone, {'Z', false}},
        {10, 0, Qt::Key_Exclam, kNone, {'1', false}},
        {19, 0, Qt::Key_0, kNone, {'0', false}},
        {191, 0, Qt::Key_F13, kNone, {kF1 + 12, false}},
        {202, 0, Qt::Key_F24, kNone, {kF1 + 23, false}},
        {110, 0, Qt::Key_Home, kNone, {kHome, true}},
        {79, 0, Qt::Key_7, kKeypad, {kNumpad0 + 7, false}},
        {79, 0, Qt::Key_Home, kKeypad, {kHome, false}},
        {91, 0, Qt::Key_Period, kKeypad, {kDecimal, false}},
        {106, 0, Qt::Key_Slash, kKeypad, {kDivide, true}},
        {94, 0, Qt::Key_Less, kNone, {kOem102, false}},
        {107, 0, Qt::Key_Print, kNone, {kSnapshot, true}},
        {77, 0, Qt::Key_NumLock, kNone, {kNumLock, true}},
    });
}

TEST(KeyTranslation, X11TableHasEveryLetterDigitAndFunctionKeyExactlyOnce) {
    std::map<int, int> count;
    for (const X11Key& key : x11KeyTable()) {
        EXPECT_GT(key.virtualKey, 0);
        EXPECT_LT(key.virtualKey, 256);
        ++count[key.virtualKey];
    }
    for (int vk = 'A'; vk <= 'Z'; ++vk)
        EXPECT_EQ(count[vk], 1) << static_cast<char>(vk);
    for (int vk = '0'; vk <= '9'; ++vk)
        EXPECT_EQ(count[vk], 1) << static_cast<char>(vk);
    for (int vk = kF1; vk < kF1 + 24; ++vk)
        EXPECT_EQ(count[vk], 1) << "F" << vk - kF1 + 1;
    EXPECT_EQ(count[kReturn], 2); // main and keypad Enter
}

TEST(KeyTranslation, WithoutKeycodeTheQtKeyAndKeySymbolDecide) {
    expectAll({
        {0, 0, Qt::Key_Shift, kNone, {kLShift, false}},
        {0, 0xffe2, Qt::Key_Shift, kNone, {kRShift, false}},
        {0, 0xffe4, Qt::Key_Control, kNone, {kRControl, true}},
        {0, 0xffea, Qt::Key_Alt, kNone, {kRMenu, true}},
        {0, 0, Qt::Key_AltGr, kNone, {kRMenu, true}},
        {0, 0, Qt::Key_Enter, kKeypad, {kReturn, true}},
        {0, 0, Qt::Key_A, Qt::ShiftModifier, {'A', false}},
        {0, 0, Qt::Key_5, kKeypad, {kNumpad0 + 5, false}},
        {0, 0, Qt::Key_Asterisk, kKeypad, {kMultiply, false}},
        {0, 0, Qt::Key_Asterisk, kNone, {'8', false}},
        {0, 0, Qt::Key_Home, kKeypad, {kHome, false}},
        {0, 0, Qt::Key_Home, kNone, {kHome, true}},
        {0, 0, Qt::Key_F13, kNone, {kF1 + 12, false}},
        {0, 0, Qt::Key_Colon, kNone, {kOem1, false}},
        // A keycode the table does not know falls back too.
        {250, 0, Qt::Key_B, kNone, {'B', false}},
    });
    EXPECT_FALSE(translateKey(0, 0, Qt::Key_unknown, kNone));
    EXPECT_FALSE(translateKey(0, 0, Qt::Key_Launch0, kNone));
}
