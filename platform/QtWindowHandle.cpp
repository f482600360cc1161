// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtWindowHandle.h"

#include <QCoreApplication>
#include <QObject>

#include <mutex>

namespace {

// Shared by the sink and the target's destroyed() connection, so that either may go first.
struct PostTarget {
    std::mutex mutex;
    QObject* object = nullptr;
};

class QtMessageSink final : public MessageSink {
public:
    explicit QtMessageSink(QObject* target) : target_(std::make_shared<PostTarget>()) {
        target_->object = target;
        // Runs on the target's thread while it is being destroyed; a post in progress finishes first.
        QObject::connect(
            target, &QObject::destroyed, target,
            [shared = target_] {
                const std::lock_guard lock(shared->mutex);
                shared->object = nullptr;
            },
            Qt::DirectConnection);
    }

    void post(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override {
        const std::lock_guard lock(target_->mutex);
        if (target_->object != nullptr)
            QCoreApplication::postEvent(target_->object, new WindowMessageEvent(message, wParam, lParam));
    }

    void close() {
        const std::lock_guard lock(target_->mutex);
        target_->object = nullptr;
    }

private:
    std::shared_ptr<PostTarget> target_;
};

} // namespace

WindowMessageEvent::WindowMessageEvent(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
    : QEvent(eventType()), message_(message), wParam_(wParam), lParam_(lParam) {}

QEvent::Type WindowMessageEvent::eventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

WindowHandle makeWindowHandle(QObject* target) {
    if (target == nullptr)
        return nullptr;
    return std::make_shared<QtMessageSink>(target);
}

void closeWindowHandle(const WindowHandle& handle) {
    if (auto* sink = dynamic_cast<QtMessageSink*>(handle.get()))
        sink->close();
}
