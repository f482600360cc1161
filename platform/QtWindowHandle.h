// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/WindowHandle.h"

#include <QEvent>

#include <cstdint>

class QObject;

// A window message posted through a WindowHandle, as it arrives on the window's thread.
class WindowMessageEvent : public QEvent {
public:
    WindowMessageEvent(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

    // The event type every posted window message carries.
    static QEvent::Type eventType();

    unsigned message() const { return message_; }
    std::uintptr_t wParam() const { return wParam_; }
    std::intptr_t lParam() const { return lParam_; }

private:
    unsigned message_;
    std::uintptr_t wParam_;
    std::intptr_t lParam_;
};

// A handle that any thread may post to: each post reaches target's thread as a WindowMessageEvent,
// in posting order. Once target is destroyed, posts are dropped.
WindowHandle makeWindowHandle(QObject* target);

// Drops every later post to handle, as if its window had been destroyed: for windows that close
// before their object goes.
void closeWindowHandle(const WindowHandle& handle);
