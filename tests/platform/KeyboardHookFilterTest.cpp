// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyboardHookFilter.h"

#include "device/CPelmHWI.h"
#include "device/DeviceMessages.h"
#include "platform/QtWindowHandle.h"
#include "platform/VirtualKeyCodes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWindow>

#include <gtest/gtest.h>

using namespace VirtualKey;

namespace {

struct Fed {
    int virtualKey;
    bool released;
    bool extended;
    bool leftShiftDown;
    friend bool operator==(const Fed&, const Fed&) = default;
};

constexpr auto kPress = QEvent::KeyPress;
constexpr auto kRelease = QEvent::KeyRelease;

void sendKey(QObject* receiver, QEvent::Type type, int qtKey, unsigned scanCode, quint64 timestamp = 0,
             bool autoRepeat = false, const QString& text = {}) {
    QKeyEvent event(type, qtKey, Qt::NoModifier, scanCode, 0, 0, text, autoRepeat);
    event.setTimestamp(timestamp);
    QCoreApplication::sendEvent(receiver, &event);
}

class HookMessages : public QObject {
public:
    std::vector<std::pair<std::uintptr_t, std::intptr_t>> received;
    bool event(QEvent* event) override {
        const auto* posted = dynamic_cast<WindowMessageEvent*>(event);
        if (posted == nullptr || posted->message() != DeviceMessages::WM_HOOK_KEY)
            return QObject::event(event);
        received.emplace_back(posted->wParam(), posted->lParam());
        return true;
    }
};

class KeyboardHookFilterTest : public testing::Test {
protected:
    std::vector<Fed> fed;
    KeyboardHookFilter* watching = nullptr;
    std::unique_ptr<KeyboardHookFilter> filter = std::make_unique<KeyboardHookFilter>(
        QCoreApplication::instance(), [this](int vk, bool released, bool extended) {
            fed.push_back({vk, released, extended, watching->isLeftShiftDown()});
        });
    QWindow window;

    KeyboardHookFilterTest() { watching = filter.get(); }
};

} // namespace

TEST_F(KeyboardHookFilterTest, AutoRepeatArrivesAsRepeatedPressesFlaggedByQtOrNot) {
    sendKey(&window, kPress, Qt::Key_A, 38);
    sendKey(&window, kRelease, Qt::Key_A, 38, 0, true);
    sendKey(&window, kPress, Qt::Key_A, 38, 0, true);
    sendKey(&window, kRelease, Qt::Key_A, 38);
    sendKey(&window, kPress, Qt::Key_unknown, 0);
    // An X11 repeat that Qt did not flag: release and press at the same time stamp.
    sendKey(&window, kPress, Qt::Key_B, 56, 100);
    sendKey(&window, kRelease, Qt::Key_B, 56, 600);
    sendKey(&window, kPress, Qt::Key_B, 56, 600);
    sendKey(&window, kRelease, Qt::Key_B, 56, 640);
    while (fed.size() < 6)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(fed, (std::vector<Fed>{{'A', false, false, false},
                                     {'A', false, false, false},
                                     {'A', true, false, false},
                                     {'B', false, false, false},
                                     {'B', false, false, false},
                                     {'B', true, false, false}}));
}

TEST_F(KeyboardHookFilterTest, HeldBackReleaseKeepsItsPlaceAndIsHandedOnWhenTheFilterGoes) {
    sendKey(&window, kPress, Qt::Key_A, 38, 100);
    sendKey(&window, kRelease, Qt::Key_A, 38, 150);
    EXPECT_TRUE(filter->keyState().isDown('A'));
    sendKey(&window, kPress, Qt::Key_A, 38, 151);
    sendKey(&window, kRelease, Qt::Key_A, 38, 200);
    sendKey(&window, kPress, Qt::Key_S, 39, 200);
    sendKey(&window, kRelease, Qt::Key_S, 39, 300);
    filter.reset();
    sendKey(&window, kPress, Qt::Key_D, 40);
    EXPECT_EQ(fed, (std::vector<Fed>{{'A', false, false, false},
                                     {'A', true, false, false},
                                     {'A', false, false, false},
                                     {'A', true, false, false},
                                     {'S', false, false, false},
                                     {'S', true, false, false}}));
}

TEST_F(KeyboardHookFilterTest, KeyReachingAWidgetCountsOnceAndIsNotTakenAway) {
    QWidget top;
    auto* layout = new QVBoxLayout(&top);
    auto* plain = new QWidget;
    auto* edit = new QLineEdit;
    edit->setObjectName("edit");
    layout->addWidget(plain);
    layout->addWidget(edit);
    top.show();
    ASSERT_NE(top.windowHandle(), nullptr);

    edit->setFocus();
    sendKey(top.windowHandle(), kPress, Qt::Key_Q, 24, 0, false, "q");
    EXPECT_EQ(edit->text(), "q");
    // An ignored key travels up from the focus widget to the window's widget.
    plain->setFocusPolicy(Qt::StrongFocus);
    plain->setFocus();
    sendKey(top.windowHandle(), kPress, Qt::Key_W, 25, 0, false, "w");
    EXPECT_EQ(fed, (std::vector<Fed>{{'Q', false, false, false}, {'W', false, false, false}}));
}

TEST_F(KeyboardHookFilterTest, ShiftStatesFollowEachSideAndAreSetBeforeTheKeyIsHandedOn) {
    auto states = [&] { return std::pair(filter->isLeftShiftDown(), filter->isRightShiftDown()); };
    sendKey(&window, kPress, Qt::Key_Shift, 50);
    EXPECT_EQ(states(), std::pair(true, false));
    sendKey(&window, kPress, Qt::Key_Shift, 62);
    EXPECT_EQ(states(), std::pair(true, true));
    sendKey(&window, kRelease, Qt::Key_Shift, 50);
    EXPECT_EQ(states(), std::pair(false, true));
    EXPECT_TRUE(filter->keyState().isDown(kShift));
    sendKey(&window, kRelease, Qt::Key_Shift, 62);
    EXPECT_FALSE(filter->keyState().isDown(kShift));
    EXPECT_TRUE(fed[0].leftShiftDown);
    EXPECT_FALSE(fed[2].leftShiftDown);
}

TEST(KeyboardHook, PostsHookKeyToTheInstalledWindowUntilUninstalled) {
    KeyboardHookFilter filter(QCoreApplication::instance());
    QWindow window;
    HookMessages target;
    InstallHook(makeWindowHandle(&target));
    sendKey(&window, kPress, Qt::Key_Shift, 62);
    sendKey(&window, kRelease, Qt::Key_Enter, 104);
    UninstallHook();
    sendKey(&window, kPress, Qt::Key_A, 38);
    QCoreApplication::sendPostedEvents(&target);
    using Posted = std::pair<std::uintptr_t, std::intptr_t>;
    EXPECT_EQ(target.received, (std::vector<Posted>{{kRShift, 0}, {0x80000000U | kReturn, 0x01000000}}));
}
