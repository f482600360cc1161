// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/KeyboardHook.h"

#include "device/CPelmHWI.h"
#include "device/DeviceMessages.h"

KeyboardHook& KeyboardHook::processHook() {
    static KeyboardHook hook;
    return hook;
}

void KeyboardHook::install(WindowHandle window) {
    const std::lock_guard<std::mutex> lock(mutex_);
    window_ = std::move(window);
}

void KeyboardHook::uninstall() {
    WindowHandle released;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        released = std::move(window_);
        window_.reset();
    }
    // The window goes outside the lock, in case its end runs code of its own.
}

bool KeyboardHook::installed() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return window_ != nullptr;
}

void KeyboardHook::feed(int virtualKey, bool released, bool extended, std::optional<std::uint32_t> eventMs) {
    const std::lock_guard<std::mutex> lock(mutex_);
    postMessage(window_, DeviceMessages::WM_HOOK_KEY, hookKeyWParam(virtualKey, released),
                hookKeyLParam(extended, eventMs));
}

std::uintptr_t hookKeyWParam(int virtualKey, bool released) {
    return (static_cast<std::uintptr_t>(virtualKey) & 0xFFU) |
           (released ? DeviceMessages::kHookReleasedBit : 0UL);
}

std::intptr_t hookKeyLParam(bool extended, std::optional<std::uint32_t> eventMs) {
    static_assert(sizeof(std::intptr_t) >= 8, "the event time needs the upper half of lParam");
    std::intptr_t lParam = extended ? DeviceMessages::kHookExtendedBit : 0L;
    if (eventMs)
        lParam |= DeviceMessages::kHookTimedBit |
                  static_cast<std::intptr_t>(std::uint64_t{*eventMs} << DeviceMessages::kHookTimeShift);
    return lParam;
}

void InstallHook(const WindowHandle& window) {
    KeyboardHook::processHook().install(window);
}

void UninstallHook() {
    KeyboardHook::processHook().uninstall();
}

void feedHookKeyEvent(int virtualKey, bool released, bool extended) {
    KeyboardHook::processHook().feed(virtualKey, released, extended);
}

void feedTimedHookKeyEvent(int virtualKey, bool released, bool extended, std::uint32_t eventMs) {
    KeyboardHook::processHook().feed(virtualKey, released, extended, eventMs);
}
