// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/SkinnedWindow.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <vector>

// What the window benchmarks share: medians, elapsed milliseconds and waiting for a complete paint.
namespace WindowTimings {

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

inline double milliseconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// Runs the event loop until window has completed a paint (at most five seconds).
inline void waitForPaint(SkinnedWindow& window) {
    QEventLoop loop;
    const auto connection = QObject::connect(&window, &SkinnedWindow::painted, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(connection);
}

} // namespace WindowTimings
