// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowTimers.h"

#include <QTimer>

WindowTimers::WindowTimers(Handler handler) : handler_(std::move(handler)) {}

WindowTimers::~WindowTimers() = default;

void WindowTimers::start(int id, int milliseconds) {
    auto& timer = timers_[id];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        QObject::connect(timer.get(), &QTimer::timeout, [this, id] { handler_(id); });
    }
    timer->start(milliseconds);
}

void WindowTimers::stop(int id) {
    // The timer object stays: the handler may stop the very timer whose signal is running.
    if (const auto found = timers_.find(id); found != timers_.end())
        found->second->stop();
}

bool WindowTimers::isActive(int id) const {
    const auto found = timers_.find(id);
    return found != timers_.end() && found->second->isActive();
}

int WindowTimers::interval(int id) const {
    return isActive(id) ? timers_.at(id)->interval() : -1;
}

bool WindowTimers::fire(int id) {
    if (!isActive(id))
        return false;
    handler_(id);
    return true;
}
