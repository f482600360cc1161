// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <memory>

class QTimer;

// A window's timers by id, each repeating at its interval until stopped, all reporting to one
// handler on the window's thread. fire() runs a running timer's handler at once, so tests drive the
// timers without waiting for them.
class WindowTimers {
public:
    using Handler = std::function<void(int id)>;

    explicit WindowTimers(Handler handler);
    ~WindowTimers();
    WindowTimers(const WindowTimers&) = delete;
    WindowTimers& operator=(const WindowTimers&) = delete;

    // Starts timer id, or restarts it with the new interval.
    void start(int id, int milliseconds);
    void stop(int id);
    bool isActive(int id) const;
    // The interval of a running timer; -1 when it is not running.
    int interval(int id) const;
    // Runs the handler as if timer id had elapsed; false (and nothing runs) when it is not running.
    bool fire(int id);

private:
    Handler handler_;
    std::map<int, std::unique_ptr<QTimer>> timers_;
};
