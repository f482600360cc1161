// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyboardHookFilter.h"

#include "device/CPelmHWI.h"
#include "device/KeyboardHook.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>

namespace {
const KeyboardHookFilter* currentFilter = nullptr;

std::function<void(int, bool, bool, quint64)> timedSink(KeyboardHookFilter::Sink sink) {
    if (sink)
        return [sink = std::move(sink)](int virtualKey, bool released, bool extended, quint64) {
            sink(virtualKey, released, extended);
        };
    return [](int virtualKey, bool released, bool extended, quint64 timestamp) {
        if (timestamp == 0)
            feedHookKeyEvent(virtualKey, released, extended);
        else
            feedTimedHookKeyEvent(virtualKey, released, extended, static_cast<std::uint32_t>(timestamp));
    };
}
} // namespace

const KeyboardHookFilter* KeyboardHookFilter::current() {
    return currentFilter;
}

KeyboardHookFilter::KeyboardHookFilter(QCoreApplication* application, Sink sink)
    : application_(application), sink_(timedSink(std::move(sink))) {
    releaseTimer_.setSingleShot(true);
    releaseTimer_.setInterval(kRepeatPairWait);
    connect(&releaseTimer_, &QTimer::timeout, this, &KeyboardHookFilter::handOnHeldRelease);
    if (application_ == nullptr)
        return;
    application_->installEventFilter(this);
    currentFilter = this;
    // Releases that happen while another program has the keyboard never arrive here.
    if (auto* gui = qobject_cast<QGuiApplication*>(application_))
        connect(gui, &QGuiApplication::applicationStateChanged, this,
                &KeyboardHookFilter::forgetHeldKeysWhenInactive);
}

KeyboardHookFilter::~KeyboardHookFilter() {
    if (currentFilter == this)
        currentFilter = nullptr;
    handOnHeldRelease();
    if (application_ != nullptr)
        application_->removeEventFilter(this);
}

bool KeyboardHookFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool isKey = type == QEvent::KeyPress || type == QEvent::KeyRelease;
    if (!isKey && type != QEvent::ShortcutOverride)
        return false;
    const bool hooked = KeyboardHook::processHook().installed();
    // An accepted override keeps a shortcut from eating the key before it reaches a window.
    if (type == QEvent::ShortcutOverride) {
        if (hooked)
            event->accept();
        return hooked;
    }
    if (watched->isWindowType()) {
        handleKey(*static_cast<QKeyEvent*>(event));
        return hooked;
    }
    return false;
}

void KeyboardHookFilter::handleKey(const QKeyEvent& event) {
    const bool released = event.type() == QEvent::KeyRelease;
    if (released && event.isAutoRepeat())
        return;
    const auto key = translateKeyEvent(event);
    if (!key)
        return;
    if (!released && completesRepeat(event)) {
        releaseTimer_.stop();
        heldRelease_.reset();
        handOn(*key, false, event.timestamp());
        return;
    }
    handOnHeldRelease();
    // Without a keycode and a time stamp the pair cannot be recognised; Qt's flag has to do.
    if (released && event.nativeScanCode() != 0 && event.timestamp() != 0) {
        heldRelease_ = HeldRelease{*key, event.nativeScanCode(), event.timestamp()};
        releaseTimer_.start();
        return;
    }
    handOn(*key, released, event.timestamp());
}

bool KeyboardHookFilter::completesRepeat(const QKeyEvent& press) const {
    return heldRelease_ && heldRelease_->scanCode == press.nativeScanCode() &&
           heldRelease_->timestamp == press.timestamp();
}

void KeyboardHookFilter::handOnHeldRelease() {
    releaseTimer_.stop();
    if (!heldRelease_)
        return;
    const HeldRelease held = *heldRelease_;
    heldRelease_.reset();
    handOn(held.key, true, held.timestamp);
}

// The state is updated first, so that whoever handles the hook's message already sees it.
void KeyboardHookFilter::handOn(TranslatedKey key, bool released, quint64 timestamp) {
    keyState_.record(key.virtualKey, released);
    sink_(key.virtualKey, released, key.extended, timestamp);
}

void KeyboardHookFilter::forgetHeldKeysWhenInactive(Qt::ApplicationState state) {
    if (state != Qt::ApplicationActive)
        keyState_.clear();
}
