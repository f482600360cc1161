#include "keymap/HookKeyEvent.h"

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
    return event;
}
