// SPDX-License-Identifier: GPL-3.0-or-later
// Key events of the keyboard hook as the key assignment dialog reads them.
#include "keymap/rules/HookKeyEvent.h"

#include "device/KeyboardHook.h"

#include <gtest/gtest.h>

namespace {

TEST(HookKeyEventTest, CodesTellPressesReleasesAndTheKeypadEnter) {
    struct Case {
        int virtualKey;
        bool released;
        bool extended;
        int code;
    };
    const Case cases[] = {
        {0x41, false, false, 0x41},  {0x41, true, false, 0x241}, {13, false, false, 13},
        {13, false, true, 0x10D},    {13, true, true, 0x30D},    {163, false, true, 163}, // right Ctrl
        {0x141, false, false, 0x41}, // only the low byte is the key
    };
    for (const Case& c : cases) {
        const HookKeyEvent event =
            decodeHookKey(hookKeyWParam(c.virtualKey, c.released), hookKeyLParam(c.extended));
        EXPECT_EQ(event.code, c.code) << c.virtualKey;
        EXPECT_EQ(event.virtualKey, c.virtualKey & 0xFF);
        EXPECT_EQ(event.released, c.released);
    }
}

} // namespace
