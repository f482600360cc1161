// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtWindowHandle.h"

#include <QCoreApplication>
#include <QThread>
#include <QWidget>

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <thread>

namespace {

struct Arrival {
    unsigned message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    QThread* thread;
};

// Records the window messages it receives; usable as a plain object or as a window.
template <typename Base>
class Recorder : public Base {
public:
    bool event(QEvent* event) override {
        if (event->type() != WindowMessageEvent::eventType())
            return Base::event(event);
        const auto* message = static_cast<WindowMessageEvent*>(event);
        arrivals.push_back(
            {message->message(), message->wParam(), message->lParam(), QThread::currentThread()});
        return true;
    }
    std::vector<Arrival> arrivals;
};

using ObjectRecorder = Recorder<QObject>;

void processEventsUntil(const std::function<bool()>& done) {
    while (!done())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// Posts from a worker in a tight loop while the window goes away on the GUI thread.
template <typename Window>
void destroyWhilePosting() {
    auto window = std::make_unique<Window>();
    Window* target = window.get();
    const WindowHandle handle = makeWindowHandle(target);
    std::atomic<bool> stop{false};
    std::atomic<long> posted{0};
    std::thread worker([&] {
        while (!stop.load()) {
            postMessage(handle, 0x467, static_cast<std::uintptr_t>(posted.load()));
            ++posted;
        }
    });
    processEventsUntil([&] { return target->arrivals.size() >= 100; });
    window.reset();
    const long postedAtDestruction = posted.load();
    processEventsUntil([&] { return posted.load() > postedAtDestruction + 1000; });
    stop = true;
    worker.join();
    QCoreApplication::processEvents();
}

} // namespace

TEST(QtWindowHandle, PostsFromSeveralThreadsArriveInOrderOnTheWindowsThread) {
    constexpr int kThreads = 4;
    constexpr int kPosts = 500;
    ObjectRecorder window;
    const WindowHandle handle = makeWindowHandle(&window);
    std::vector<std::thread> posters;
    for (int t = 0; t < kThreads; ++t)
        posters.emplace_back([&handle, t] {
            for (int i = 0; i < kPosts; ++i)
                postMessage(handle, 0x466, static_cast<std::uintptr_t>(t), i);
        });
    for (auto& poster : posters)
        poster.join();
    processEventsUntil([&] { return window.arrivals.size() == std::size_t{kThreads * kPosts}; });

    std::map<std::uintptr_t, std::intptr_t> next;
    for (const Arrival& arrival : window.arrivals) {
        EXPECT_EQ(arrival.thread, QCoreApplication::instance()->thread());
        EXPECT_EQ(arrival.message, 0x466U);
        EXPECT_EQ(arrival.lParam, next[arrival.wParam]++);
    }
    EXPECT_EQ(next.size(), std::size_t{kThreads});
}

TEST(QtWindowHandle, PostsAfterCloseOrDestructionAreDropped) {
    auto window = std::make_unique<ObjectRecorder>();
    const WindowHandle handle = makeWindowHandle(window.get());
    postMessage(handle, 0x467, 1);
    closeWindowHandle(handle);
    postMessage(handle, 0x467, 2);
    QCoreApplication::sendPostedEvents(window.get());
    ASSERT_EQ(window->arrivals.size(), 1U);
    EXPECT_EQ(window->arrivals[0].wParam, 1U);

    const WindowHandle second = makeWindowHandle(window.get());
    window.reset();
    postMessage(second, 0x467, 3);
    QCoreApplication::processEvents();
    EXPECT_EQ(makeWindowHandle(nullptr), nullptr);
}

TEST(QtWindowHandle, WindowDestroyedWhileAWorkerPostsInALoop) {
    destroyWhilePosting<ObjectRecorder>();
    destroyWhilePosting<Recorder<QWidget>>();
}
