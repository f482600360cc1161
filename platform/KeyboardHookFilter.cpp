#include "platform/KeyboardHookFilter.h"

#include "device/CPelmHWI.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>

namespace {
const KeyboardHookFilter* currentFilter = nullptr;
} // namespace

const KeyboardHookFilter* KeyboardHookFilter::current() {
    return currentFilter;
}

KeyboardHookFilter::KeyboardHookFilter(QCoreApplication* application, Sink sink)
    : application_(application), sink_(sink ? std::move(sink) : Sink(feedHookKeyEvent)) {
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
    const bool isKey = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (isKey && watched->isWindowType())
        handleKey(*static_cast<QKeyEvent*>(event));
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
        handOn(*key, false);
        return;
    }
    handOnHeldRelease();
    // Without a keycode and a time stamp the pair cannot be recognised; Qt's flag has to do.
    if (released && event.nativeScanCode() != 0 && event.timestamp() != 0) {
        heldRelease_ = HeldRelease{*key, event.nativeScanCode(), event.timestamp()};
        releaseTimer_.start();
        return;
    }
    handOn(*key, released);
}

bool KeyboardHookFilter::completesRepeat(const QKeyEvent& press) const {
    return heldRelease_ && heldRelease_->scanCode == press.nativeScanCode() &&
           heldRelease_->timestamp == press.timestamp();
}

void KeyboardHookFilter::handOnHeldRelease() {
    releaseTimer_.stop();
    if (!heldRelease_)
        return;
    const TranslatedKey key = heldRelease_->key;
    heldRelease_.reset();
    handOn(key, true);
}

// The state is updated first, so that whoever handles the hook's message already sees it.
void KeyboardHookFilter::handOn(TranslatedKey key, bool released) {
    keyState_.record(key.virtualKey, released);
    sink_(key.virtualKey, released, key.extended);
}

void KeyboardHookFilter::forgetHeldKeysWhenInactive(Qt::ApplicationState state) {
    if (state != Qt::ApplicationActive)
        keyState_.clear();
}
