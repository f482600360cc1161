// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

// One key of an X11 keyboard (keycode = evdev code + 8): the virtual key it stands for and whether
// the platform reports it as extended. Keypad keys that move the cursor while Num Lock is off also
// name that key.
struct X11Key {
    unsigned keycode = 0;
    int virtualKey = 0;
    bool extended = false;
    // The virtual key with Num Lock off; 0 when the key does not change with Num Lock.
    int withoutNumLock = 0;
};

// Every X11 key with a virtual key, ascending by keycode.
std::span<const X11Key> x11KeyTable();
// The entry for keycode, or nullptr when the key has no virtual key.
const X11Key* findX11Key(unsigned keycode);
