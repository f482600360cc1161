// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// A Qt key and the virtual key it stands for, for key events that carry no X11 keycode.
struct QtKeyEntry {
    int qtKey = 0;
    int virtualKey = 0;
    bool extended = false;
};

// The entry for qtKey as a keypad key (keypad true) or as a key of the main block; nothing when there
// is none. Modifier keys are not in it: their side comes from the native key (see KeyTranslation).
std::optional<QtKeyEntry> findQtKey(int qtKey, bool keypad);
