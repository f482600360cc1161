// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/KeyStateTracker.h"
#include "platform/KeyTranslation.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

class QCoreApplication;
class QKeyEvent;

// The source of the keyboard hook: sees every key press and release that reaches the application,
// hands each on as a virtual key (see translateKeyEvent) and keeps the key states the hook's users
// query. While a window has the hook installed (a recording or a key capture runs), the keys belong to
// it alone: they are taken away from the focused widget, from the window's own keys (Escape, Enter)
// and from shortcuts; otherwise every event goes on to its receiver.
//
// Key events are counted where the window system delivers them, at the focused window, so an event
// that then travels through several widgets counts once; events sent straight to a widget, without
// passing a window, are not seen.
//
// Auto-repeat arrives as repeated presses, as the platform's hook reports it. X11 sends each repeat
// as a release and a press with the same time stamp, and Qt does not always flag the pair, so a
// release of a key with an X11 keycode is held back for a moment (kRepeatPairWait): a press of that
// key with the same time stamp turns it into a repeat; anything else, or the wait running out,
// hands it on in order.
class KeyboardHookFilter : public QObject {
    Q_OBJECT
public:
    // Receives each key event: virtual key, released, extended. The default sink also hands on the
    // time the window system gave the event (feedTimedHookKeyEvent).
    using Sink = std::function<void(int virtualKey, bool released, bool extended)>;

    // How long a release waits, by default, for the press that would make it a repeat.
    static constexpr std::chrono::milliseconds kRepeatPairWait{10};

    // Watches application's key events until destroyed; sink defaults to feedHookKeyEvent.
    explicit KeyboardHookFilter(QCoreApplication* application, Sink sink = {});
    ~KeyboardHookFilter() override;
    KeyboardHookFilter(const KeyboardHookFilter&) = delete;
    KeyboardHookFilter& operator=(const KeyboardHookFilter&) = delete;

    // The filter watching the application, the latest made of those alive; null when none is.
    static const KeyboardHookFilter* current();

    // Held keys as of the last key event seen.
    const KeyStateTracker& keyState() const { return keyState_; }
    // The two key-state queries of the hook's users.
    bool isLeftShiftDown() const { return keyState_.isLeftShiftDown(); }
    bool isRightShiftDown() const { return keyState_.isRightShiftDown(); }
    // Changes kRepeatPairWait for this filter.
    void setRepeatPairWait(std::chrono::milliseconds wait) { releaseTimer_.setInterval(wait); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct HeldRelease {
        TranslatedKey key;
        quint32 scanCode = 0;
        quint64 timestamp = 0;
    };

    void handleKey(const QKeyEvent& event);
    bool completesRepeat(const QKeyEvent& press) const;
    void handOnHeldRelease();
    // timestamp: the event's own time in milliseconds, 0 when it has none.
    void handOn(TranslatedKey key, bool released, quint64 timestamp);
    void forgetHeldKeysWhenInactive(Qt::ApplicationState state);

    QPointer<QCoreApplication> application_;
    // Receives each key event with its own time (0: none).
    std::function<void(int virtualKey, bool released, bool extended, quint64 timestamp)> sink_;
    KeyStateTracker keyState_;
    std::optional<HeldRelease> heldRelease_;
    QTimer releaseTimer_;
};
