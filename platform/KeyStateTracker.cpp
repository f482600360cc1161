// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyStateTracker.h"

#include "platform/VirtualKeyCodes.h"

namespace {
bool inRange(int virtualKey) {
    return virtualKey >= 0 && virtualKey < 256;
}
} // namespace

void KeyStateTracker::record(int virtualKey, bool released) {
    if (inRange(virtualKey))
        down_.set(static_cast<std::size_t>(virtualKey), !released);
}

bool KeyStateTracker::isDown(int virtualKey) const {
    using namespace VirtualKey;
    switch (virtualKey) {
    case kShift:
        return isDown(kLShift) || isDown(kRShift) || down_.test(kShift);
    case kControl:
        return isDown(kLControl) || isDown(kRControl) || down_.test(kControl);
    case kMenu:
        return isDown(kLMenu) || isDown(kRMenu) || down_.test(kMenu);
    default:
        return inRange(virtualKey) && down_.test(static_cast<std::size_t>(virtualKey));
    }
}

bool KeyStateTracker::isLeftShiftDown() const {
    return isDown(VirtualKey::kLShift);
}

bool KeyStateTracker::isRightShiftDown() const {
    return isDown(VirtualKey::kRShift);
}
