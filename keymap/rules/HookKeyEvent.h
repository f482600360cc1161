// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <utility>

// One key event of the keyboard hook as the key assignment dialog reads it. Qt-free.
struct HookKeyEvent {
    // The virtual-key code, 0..255.
    int virtualKey = 0;
    bool released = false;
    // The key event code: the virtual-key code, +0x100 for the keypad Enter (an extended Enter),
    // +0x200 for a release. Codes below 0x200 are presses.
    int code = 0;
    // The time the platform gave the event (milliseconds, wrapping at 2^32), when it gave one.
    std::optional<std::uint32_t> eventMs;
};

// The event a WM_HOOK_KEY message carries: wParam's low byte is the virtual key, its bit 31 marks a
// release; lParam's bit 24 marks an extended key.
HookKeyEvent decodeHookKey(std::uintptr_t wParam, std::intptr_t lParam);

// What the dialog remembers of the hook's key events between them: the keys held during a recording,
// when the last event came and which it was. Restarted whenever a capture or a recording starts.
struct HookBookkeeping {
    std::array<std::uint8_t, 256> keyDown{};
    // When the previous event came; none right after a start.
    std::optional<std::chrono::steady_clock::time_point> lastHookTime;
    // The key event code of the previous event; -1 right after a start.
    int lastHookCode = -1;
    // The first timed event since the start: its own time and where it was placed.
    std::optional<std::pair<std::uint32_t, std::chrono::steady_clock::time_point>> timeAnchor;

    void restart() {
        keyDown.fill(0);
        lastHookTime.reset();
        lastHookCode = -1;
        timeAnchor.reset();
    }
    // When event came on the dialog's clock: by its own time when it has one, measured from the
    // first such event since the start (placed at now), so that a busy window neither stretches nor
    // shrinks the gaps between events; else now.
    std::chrono::steady_clock::time_point timeOf(const HookKeyEvent& event,
                                                 std::chrono::steady_clock::time_point now);
    // Notes event as the previous one, whatever was done with it.
    void remember(const HookKeyEvent& event, std::chrono::steady_clock::time_point now) {
        lastHookTime = now;
        lastHookCode = event.code;
    }
};
