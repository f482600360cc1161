// SPDX-License-Identifier: GPL-3.0-or-later
// A skinned window driven from the keyboard alone: Tab order, arrows between keys, Space and Enter,
// and the focus frame that only a keyboard user ever sees.
#include "SkinTestSupport.h"

#include "ui/SkinnedWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace SkinTest;

// A title-bar button, two command buttons, a label and a 3 x 3 block of keys (ids 100 to 108, key
// index 1 to 9), listed out of reading order.
constexpr ControlSpec key(int k) {
    const int left = 300 + 50 * (k % 3);
    const int top = 300 + 50 * (k / 3);
    return {.id = 100 + k,
            .captionZh = "K",
            .captionEn = "K",
            .rect = {left, top, left + 40, top + 40},
            .keyIndex = k + 1,
            .role = ControlRole::Key};
}
constexpr std::array<ControlSpec, 13> kRows{{
    {.id = 86,
     .captionZh = "读取",
     .captionEn = "Read",
     .rect = {200, 92, 290, 128},
     .role = ControlRole::Button},
    {.id = 85,
     .captionZh = "写入",
     .captionEn = "Write",
     .rect = {100, 92, 190, 128},
     .role = ControlRole::Button},
    {.id = 89, .rect = {967, 20, 992, 50}, .role = ControlRole::Close},
    {.id = 40,
     .captionZh = "标签",
     .captionEn = "Label",
     .rect = {100, 200, 200, 230},
     .isLabel = true,
     .role = ControlRole::Label},
    key(0),
    key(1),
    key(2),
    key(3),
    key(4),
    key(5),
    key(6),
    key(7),
    key(8),
}};

class KeysWindow : public SkinnedWindow {
public:
    explicit KeysWindow(const WindowContext& context)
        : SkinnedWindow(context, scheme(), kRows, kRows.size()) {}
    static SkinScheme scheme() {
        SkinScheme scheme;
        scheme.pictures = {kBackgroundSlot, kHoverSlot, kPressedSlot};
        return scheme;
    }
    std::vector<int> clicks;
    bool recording = false;

protected:
    void onClick(int id) override { clicks.push_back(id); }
    bool keysBelongToWindow() const override { return recording; }
};

class SkinKeyboardFocusTest : public ::testing::Test {
protected:
    void SetUp() override {
        SkinnedWindow::setKeyboardInUse(false);
        window = std::make_unique<KeysWindow>(environment.context());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        window->setFocus();
        QCoreApplication::processEvents();
    }
    void TearDown() override { SkinnedWindow::setKeyboardInUse(false); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window.get(), key, modifiers);
        QCoreApplication::processEvents();
    }
    int focusedId() const {
        const int entry = window->focusedEntry();
        return entry < 0 ? 0 : window->controls()[static_cast<std::size_t>(entry)].id;
    }
    QImage painted() { return window->grab().toImage(); }

    Environment environment;
    std::unique_ptr<KeysWindow> window;
};

TEST_F(SkinKeyboardFocusTest, TabWalksThePressableEntriesInReadingOrderBothWays) {
    const std::vector<int> order{89, 85, 86, 100, 101, 102, 103, 104, 105, 106, 107, 108};
    for (const int id : order) {
        press(Qt::Key_Tab);
        EXPECT_EQ(focusedId(), id);
    }
    press(Qt::Key_Tab);
    EXPECT_EQ(focusedId(), order.front()) << "Tab wraps around";
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focusedId(), order.back()) << "and Shift+Tab too";
    EXPECT_TRUE(window->clicks.empty());
}

TEST_F(SkinKeyboardFocusTest, ArrowsMoveBetweenNeighbouringKeysOnly) {
    struct Case {
        int from;
        Qt::Key arrow;
        int to;
    };
    const std::vector<Case> cases{
        {104, Qt::Key_Left, 103}, {104, Qt::Key_Right, 105}, {104, Qt::Key_Up, 101},
        {104, Qt::Key_Down, 107}, {100, Qt::Key_Left, 100},  {100, Qt::Key_Up, 100},
        {108, Qt::Key_Down, 108}, {102, Qt::Key_Down, 105},
    };
    SkinnedWindow::setKeyboardInUse(true);
    for (const Case& c : cases) {
        window->focusEntry(window->findById(c.from));
        press(c.arrow);
        EXPECT_EQ(focusedId(), c.to) << c.from << " " << c.arrow;
    }
}

TEST_F(SkinKeyboardFocusTest, SpaceAndEnterPressTheFramedEntryAsAClickDoes) {
    press(Qt::Key_Return);
    EXPECT_TRUE(window->clicks.empty()) << "before any Tab, Enter is not a press";
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    press(Qt::Key_Space);
    press(Qt::Key_Tab);
    press(Qt::Key_Return);
    press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(window->clicks, (std::vector<int>{85, 86, 86}));
}

// While a recording or a capture owns the keys, Tab, arrows, Space and Enter are neither moves nor
// presses.
TEST_F(SkinKeyboardFocusTest, KeysOwnedByTheWindowNeitherMoveNorPress) {
    press(Qt::Key_Tab);
    const int framed = focusedId();
    window->recording = true;
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Right, Qt::Key_Space, Qt::Key_Return})
        press(key);
    EXPECT_EQ(focusedId(), framed);
    EXPECT_TRUE(window->clicks.empty());
}

TEST_F(SkinKeyboardFocusTest, TheFrameIsDrawnOnlyForAKeyboardUserAndOnlyAroundTheEntry) {
    const QImage before = painted();
    window->focusEntry(window->findById(85));
    EXPECT_EQ(painted(), before) << "a mouse user sees no frame";
    press(Qt::Key_Tab);
    ASSERT_EQ(focusedId(), 86);
    const QImage framed = painted();
    const SkinControl& entry = window->controls()[window->findById(86)];
    const QRect area = QRect(entry.rect.left, entry.rect.top, entry.rect.width(), entry.rect.height())
                           .adjusted(-3, -3, 3, 3);
    bool changedInside = false;
    for (int y = 0; y < framed.height(); ++y) {
        for (int x = 0; x < framed.width(); ++x) {
            if (framed.pixel(x, y) == before.pixel(x, y))
                continue;
            ASSERT_TRUE(area.contains(x, y)) << x << "," << y;
            changedInside = true;
        }
    }
    EXPECT_TRUE(changedInside);
}

// An edit box between the buttons and the keys: Tab goes into it at its place in reading order and out
// of it back to the table, both ways; while the keys belong to the window, Tab leaves it where it is.
TEST_F(SkinKeyboardFocusTest, TabStopsAtAnEditBoxInReadingOrderButNotWhileKeysBelongToTheWindow) {
    auto* box = new QLineEdit(window.get());
    box->setGeometry(100, 150, 100, 24);
    box->show();
    constexpr int kBox = -1;
    struct Step {
        Qt::Key key;
        int focus;
    };
    const std::vector<Step> steps{{Qt::Key_Tab, 89},     {Qt::Key_Tab, 85},  {Qt::Key_Tab, 86},
                                  {Qt::Key_Tab, kBox},   {Qt::Key_Tab, 100}, {Qt::Key_Backtab, kBox},
                                  {Qt::Key_Backtab, 86}, {Qt::Key_Tab, kBox}};
    for (const Step& step : steps) {
        QTest::keyClick(QApplication::focusWidget(), step.key,
                        step.key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        QCoreApplication::processEvents();
        if (step.focus == kBox) {
            EXPECT_EQ(QApplication::focusWidget(), box);
            EXPECT_EQ(window->focusedEntry(), -1) << "no frame on the table meanwhile";
        } else {
            EXPECT_EQ(QApplication::focusWidget(), window.get());
            EXPECT_EQ(focusedId(), step.focus);
        }
    }
    window->recording = true;
    QTest::keyClick(box, Qt::Key_Tab);
    QTest::keyClick(box, Qt::Key_Backtab, Qt::ShiftModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), box) << "Tab escaped from the box into a recording";
    EXPECT_EQ(window->focusedEntry(), -1);
}

} // namespace
