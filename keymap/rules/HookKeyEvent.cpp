// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymap/rules/HookKeyEvent.h"

#include "device/DeviceMessages.h"

namespace {

constexpr int kEnter = 13;
constexpr int kKeypadEnterOffset = 0x100;
constexpr int kReleaseOffset = 0x200;

} // namespace

HookKeyEvent decodeHookKey(std::uintptr_t wParam, std::intptr_t lParam) {
    HookKeyEvent event;
    event.virtualKey = static_cast<int>(wParam & 0xFFU);
    event.released = (wParam & DeviceMessages::kHookReleasedBit) != 0;
    const bool extended = (lParam & DeviceMessages::kHookExtendedBit) != 0;
    event.code = event.virtualKey;
    if (event.virtualKey == kEnter && extended)
        event.code += kKeypadEnterOffset;
    if (event.released)
        event.code += kReleaseOffset;
    if ((lParam & DeviceMessages::kHookTimedBit) != 0)
        event.eventMs =
            static_cast<std::uint32_t>(static_cast<std::uint64_t>(lParam) >> DeviceMessages::kHookTimeShift);
    return event;
}

std::chrono::steady_clock::time_point HookBookkeeping::timeOf(const HookKeyEvent& event,
                                                              std::chrono::steady_clock::time_point now) {
    if (!event.eventMs)
        return now;
    if (!timeAnchor) {
        timeAnchor.emplace(*event.eventMs, now);
        return now;
    }
    // Differences of the wrapping clock, either way.
    const auto sinceAnchor = static_cast<std::int32_t>(*event.eventMs - timeAnchor->first);
    return timeAnchor->second + std::chrono::milliseconds(sinceAnchor);
}
