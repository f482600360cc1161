// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyboardLease.h"

#include "model/ConfigStore.h"
#include "platform/QtWindowHandle.h"

const WindowHandle& KeyboardLease::take(QObject* receiver) {
    release();
    window_ = makeWindowHandle(receiver);
    store_.progressWindow = window_;
    return window_;
}

void KeyboardLease::stopMessages() {
    if (window_)
        closeWindowHandle(window_);
}

void KeyboardLease::release() {
    if (!window_)
        return;
    closeWindowHandle(window_);
    if (store_.progressWindow == window_)
        store_.progressWindow.reset();
    window_.reset();
}

bool KeyboardLease::keyboardHeld(const CConfigStore& store) {
    return static_cast<bool>(store.progressWindow);
}
