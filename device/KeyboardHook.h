// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/WindowHandle.h"

#include <cstdint>
#include <mutex>
#include <optional>

// Posts each key event fed to it to the window that installed it, as WM_HOOK_KEY. Any thread may
// feed, install or uninstall; once uninstall returns, nothing more is posted. The window's post()
// must not install or uninstall the hook.
class KeyboardHook {
public:
    // The hook behind InstallHook, UninstallHook and feedHookKeyEvent.
    static KeyboardHook& processHook();

    void install(WindowHandle window);
    void uninstall();
    bool installed() const;
    // eventMs: the time the platform gave the event, when it gave one.
    void feed(int virtualKey, bool released, bool extended,
              std::optional<std::uint32_t> eventMs = std::nullopt);

private:
    mutable std::mutex mutex_;
    WindowHandle window_;
};

// The wParam of a key event: the virtual-key code's low byte, bit 31 for a release.
std::uintptr_t hookKeyWParam(int virtualKey, bool released);
// The lParam of a key event: bit 24 for an extended key; with its own time, bit 25 and the time in
// bits 32..63.
std::intptr_t hookKeyLParam(bool extended, std::optional<std::uint32_t> eventMs = std::nullopt);
