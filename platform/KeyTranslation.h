// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

#include <optional>

class QKeyEvent;

// A key as the keyboard hook reports it: the platform's virtual-key code and the extended flag.
struct TranslatedKey {
    int virtualKey = 0;
    bool extended = false;
    friend bool operator==(const TranslatedKey&, const TranslatedKey&) = default;
};

// The virtual key of a key event, or nothing for keys without one.
//
// With an X11 keycode (nativeScanCode on xcb and Wayland) the key's position decides, so left and
// right Shift, Ctrl, Alt and Win are told apart and the keypad Enter is extended. Without one (the
// offscreen platform, synthesised events) the Qt key decides: sides then come from the native key
// symbol when there is one and default to the left key, and symbols are placed as on a US layout.
std::optional<TranslatedKey> translateKeyEvent(const QKeyEvent& event);

// translateKeyEvent on the parts of an event.
std::optional<TranslatedKey> translateKey(unsigned nativeScanCode, unsigned nativeVirtualKey, int qtKey,
                                          Qt::KeyboardModifiers modifiers);
