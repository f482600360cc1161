// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowDrag.h"

#include <QWidget>
#include <QWindow>

bool WindowDrag::begin(QPoint globalPoint) {
    if (QWindow* window = window_.windowHandle(); window != nullptr && window->startSystemMove())
        return false;
    active_ = true;
    pressPoint_ = globalPoint;
    windowStart_ = window_.pos();
    return true;
}

void WindowDrag::follow(QPoint globalPoint) {
    if (active_)
        window_.move(windowStart_ + (globalPoint - pressPoint_));
}
