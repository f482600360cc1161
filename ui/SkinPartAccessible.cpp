// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SkinPartAccessible.h"

#include "ui/SkinnedWindow.h"

bool SkinPartAccessible::isValid() const {
    return !window_.isNull() && exists(*window_, index_);
}

QWindow* SkinPartAccessible::window() const {
    return isValid() ? window_->windowHandle() : nullptr;
}

QAccessibleInterface* SkinPartAccessible::parent() const {
    return isValid() ? QAccessible::queryAccessibleInterface(window_.data()) : nullptr;
}

QRect SkinPartAccessible::rect() const {
    if (!isValid())
        return {};
    const QRect inWindow = area(*window_, index_);
    return {window_->mapToGlobal(inWindow.topLeft()), inWindow.size()};
}
