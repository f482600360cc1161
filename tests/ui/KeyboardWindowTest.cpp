// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard windows' shared base, on the multi-key colour window's table: keys found by key index,
// clicks told apart from commands, marks counted, and the colour frame two pixels wide at any scale.
#include "SkinTestSupport.h"

#include "lighting/rules/MultiKeyColourControls.h"
#include "ui/KeyboardWindow.h"

#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace SkinTest;

// The multi-key colour window's table with a pressed picture of its own, told apart from the hover.
constexpr WindowDescription kTestWindow = [] {
    WindowDescription description = kMultiKeyColourWindow;
    description.pictures.pressed = kPressedSlot;
    return description;
}();

class TestKeyboardWindow : public KeyboardWindow {
public:
    explicit TestKeyboardWindow(const WindowContext& context)
        : KeyboardWindow(context, kTestWindow, keyboardScheme(HoverLook::IdsBelow100, true)) {}

    std::vector<int> keyClicks;
    std::vector<int> commands;
    std::map<int, Rgb> frames;

protected:
    void onKeyClick(int keyIndex) override { keyClicks.push_back(keyIndex); }
    void onCommand(int id) override { commands.push_back(id); }
    void paintKey(QPainter& painter, int keyIndex, const QRect& rect) override {
        const auto frame = frames.find(keyIndex);
        if (frame != frames.end())
            drawColourFrame(painter, rect, frame->second);
    }
};

class KeyboardWindowTest : public ::testing::TestWithParam<float> {
protected:
    void SetUp() override {
        environment = std::make_unique<Environment>(GetParam());
        window = std::make_unique<TestKeyboardWindow>(environment->context());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QRect rectOfKey(int keyIndex) const {
        const SkinRect& rect = window->keyControl(keyIndex)->rect;
        return {rect.left, rect.top, rect.width(), rect.height()};
    }
    QPoint centreOfId(int id) const {
        const SkinRect& rect = window->controls()[window->findById(id)].rect;
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }

    std::unique_ptr<Environment> environment;
    std::unique_ptr<TestKeyboardWindow> window;
};

TEST_P(KeyboardWindowTest, EveryKeyIsFoundByItsIndexAndNothingElseIs) {
    for (int keyIndex = 1; keyIndex <= kKeyboardKeyCount; ++keyIndex) {
        const SkinControl* key = window->keyControl(keyIndex);
        ASSERT_NE(key, nullptr) << keyIndex;
        EXPECT_EQ(key->keyIndex, keyIndex);
        EXPECT_EQ(key->id, keyboardKeyId(keyIndex));
    }
    EXPECT_EQ(window->keyControl(0), nullptr);
    EXPECT_EQ(window->keyControl(86), nullptr);
}

TEST_P(KeyboardWindowTest, ClicksOnKeysAndCommandsGoToTheirOwnHandlers) {
    QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, rectOfKey(78).center());
    QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, rectOfKey(79).center());
    QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier,
                      centreOfId(idOf(MultiKeyColourControlId::SetColour)));
    EXPECT_EQ(window->keyClicks, (std::vector<int>{78, 79}));
    EXPECT_EQ(window->commands, (std::vector<int>{idOf(MultiKeyColourControlId::SetColour)}));
    QTest::mouseMove(window.get(), rectOfKey(34).center());
    EXPECT_EQ(window->hoveredKey(), 34);
}

TEST_P(KeyboardWindowTest, MarksAreCountedAndShownFromThePressedPicture) {
    window->setKeySelected(1, true);
    window->setKeySelected(85, true);
    window->setKeySelected(85, true);
    EXPECT_EQ(window->selectedKeyCount(), 2);
    window->setKeySelected(1, false);
    EXPECT_EQ(window->selectedKeyCount(), 1);
    EXPECT_TRUE(window->isKeySelected(85));
    const QImage painted = window->grab().toImage();
    EXPECT_EQ(painted.pixel(rectOfKey(85).center()), kPressed);
    EXPECT_NE(painted.pixel(rectOfKey(1).center()), kPressed);
}

// The frame lies just outside the key, two pixels wide whatever the scale, and leaves the key alone.
TEST_P(KeyboardWindowTest, ColourFramesAreTwoPixelsWideAroundTheKey) {
    window->frames[34] = rgb(250, 10, 20);
    window->frames[1] = rgb(0, 0, 0);
    const QImage painted = window->grab().toImage();
    const QRect key = rectOfKey(34);
    const QRgb red = qRgb(250, 10, 20);
    for (const QPoint& point :
         {QPoint(key.left() - 1, key.center().y()), QPoint(key.left() - 2, key.center().y()),
          QPoint(key.right() + 1, key.top()), QPoint(key.right() + 2, key.bottom()),
          QPoint(key.center().x(), key.top() - 2), QPoint(key.center().x(), key.bottom() + 2),
          QPoint(key.left() - 2, key.top() - 2), QPoint(key.right() + 2, key.bottom() + 2)})
        EXPECT_EQ(painted.pixel(point), red) << point.x() << "," << point.y();
    EXPECT_NE(painted.pixel(key.left() - 3, key.center().y()), red);
    EXPECT_NE(painted.pixel(key.center().x(), key.top() - 3), red);
    EXPECT_NE(painted.pixel(key.center()), red);
    EXPECT_NE(painted.pixel(key.left(), key.center().y()), red);
    const QRect black = rectOfKey(1);
    EXPECT_EQ(painted.pixel(black.center().x(), black.top() - 1), qRgb(0, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(Scales, KeyboardWindowTest, ::testing::Values(1.0F, 1.5F, 2.0F));

} // namespace
