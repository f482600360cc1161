// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/WindowHandle.h"

class CConfigStore;
class QObject;

// The keyboard held by one transfer. While a lease is held, the store's progressWindow is its window
// handle: every window sees that a transfer uses the keyboard, and the transfer's worker posts its
// progress and result there. Releasing it (or destroying it) drops every later post and lets the
// keyboard go, unless another lease took it meanwhile.
class KeyboardLease {
public:
    explicit KeyboardLease(CConfigStore& store) : store_(store) {}
    ~KeyboardLease() { release(); }
    KeyboardLease(const KeyboardLease&) = delete;
    KeyboardLease& operator=(const KeyboardLease&) = delete;

    // Takes the keyboard for receiver, whose thread gets the posts; the window handle to post to.
    const WindowHandle& take(QObject* receiver);
    // Drops every later post while the keyboard stays held: for a worker that still has to end.
    void stopMessages();
    void release();
    bool held() const { return static_cast<bool>(window_); }
    const WindowHandle& window() const { return window_; }

    // Whether any transfer holds the keyboard of store.
    static bool keyboardHeld(const CConfigStore& store);

private:
    CConfigStore& store_;
    WindowHandle window_;
};
