// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

class QWidget;

// Moves a window with the mouse while the left button is held on its background. The platform's own
// move is asked for first; where it cannot, the window follows the pointer by hand.
class WindowDrag {
public:
    explicit WindowDrag(QWidget& window) : window_(window) {}

    // Starts a drag at globalPoint; false when the platform took it over (then nothing else is needed).
    bool begin(QPoint globalPoint);
    // Follows the pointer during a drag by hand.
    void follow(QPoint globalPoint);
    void end() { active_ = false; }
    // A drag by hand is in progress.
    bool active() const { return active_; }

private:
    QWidget& window_;
    bool active_ = false;
    QPoint pressPoint_;
    QPoint windowStart_;
};
