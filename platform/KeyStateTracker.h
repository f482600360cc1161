// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bitset>

// Which virtual keys are held, from the key events seen: answers the key-state queries. The
// side-neutral Shift, Ctrl and Alt codes (16, 17, 18) are down while either side is.
class KeyStateTracker {
public:
    // Notes a press or a release of virtualKey (0..255; others are ignored).
    void record(int virtualKey, bool released);
    // Whether virtualKey is held.
    bool isDown(int virtualKey) const;
    // The key-state queries for left (160) and right (161) Shift.
    bool isLeftShiftDown() const;
    bool isRightShiftDown() const;
    // Forgets every held key, for when releases can no longer be seen.
    void clear() { down_.reset(); }

private:
    std::bitset<256> down_;
};
