// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>

// Receives messages posted to one window. Implementations deliver them on the window's own thread,
// in the order they were posted, and drop them once the window has closed. post() may be called
// from any thread.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void post(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
};

// A window as the core sees it: something to post messages to. An empty handle stands for "no
// window"; posting to it does nothing.
using WindowHandle = std::shared_ptr<MessageSink>;

inline void postMessage(const WindowHandle& window, unsigned message, std::uintptr_t wParam = 0,
                        std::intptr_t lParam = 0) {
    if (window)
        window->post(message, wParam, lParam);
}
