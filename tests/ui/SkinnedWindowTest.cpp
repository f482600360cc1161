// SPDX-License-Identifier: GPL-3.0-or-later
#include "SkinTestSupport.h"

#include "ui/SkinnedWindow.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using namespace SkinTest;

constexpr std::array<ControlSpec, 5> kRows{{
    {.id = 85, .captionZh = "English", .captionEn = "简体中文", .rect = {818, 92, 908, 128}},
    {.id = 86, .captionZh = "读取计数", .captionEn = "ReadCounter", .rect = {908, 92, 998, 128}},
    {.id = 65, .captionZh = "中文标签", .captionEn = "Label", .rect = {100, 300, 300, 330}, .isLabel = true},
    {.id = 66, .captionZh = "仅中文", .rect = {100, 400, 300, 430}, .isLabel = true},
    {.id = 120, .captionZh = "W", .captionEn = "W", .rect = {200, 200, 240, 240}},
}};

SkinScheme mainLikeScheme() {
    SkinScheme scheme;
    scheme.pictures = {kBackgroundSlot, kHoverSlot, kPressedSlot};
    scheme.precedence = LookPrecedence::HoverOverSelected;
    scheme.labelFonts = FontScaling::ScaledPlusOne;
    return scheme;
}

class TestWindow : public SkinnedWindow {
public:
    TestWindow(const WindowContext& context, const SkinScheme& scheme)
        : SkinnedWindow(context, scheme, kRows, 8) {
        setObjectName("testWindow");
    }

    std::vector<int> clicks;
    std::vector<int> doubleClicks;
    QRegion painted;
    int inits = 0;
    bool endAtInit = false;

protected:
    void onInit() override {
        ++inits;
        if (endAtInit)
            endDialog(kResultOk);
    }
    void onClick(int id) override { clicks.push_back(id); }
    void onDoubleClick(int id) override { doubleClicks.push_back(id); }
    void paintEvent(QPaintEvent* event) override {
        painted += event->region();
        SkinnedWindow::paintEvent(event);
    }
};

class SkinnedWindowTest : public ::testing::Test {
protected:
    void open(const SkinScheme& scheme = mainLikeScheme()) {
        window = std::make_unique<TestWindow>(environment.context(), scheme);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        parkMouse();
        settle();
    }
    // The platform drops a move to where the pointer already is, so every window starts with the
    // pointer on a spot of the background no earlier window left it on.
    void parkMouse() {
        static int parked = 0;
        QTest::mouseMove(window.get(), QPoint(700 + parked++ % 100, 650));
    }
    // Lets pending repaints run, then forgets what was painted so far.
    void settle() {
        QCoreApplication::processEvents();
        window->painted = QRegion();
    }
    QRegion moveTo(QPoint point) {
        settle();
        QTest::mouseMove(window.get(), point);
        QCoreApplication::processEvents();
        return window->painted;
    }
    void doubleClickAt(QPoint point) {
        QMouseEvent event(QEvent::MouseButtonDblClick, point, window->mapToGlobal(point), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &event);
    }
    QImage picture() { return window->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    Environment environment;
    std::unique_ptr<TestWindow> window;
};

const QRect kLanguageButton(1227, 138, 135, 54);
const QRect kCounterButton(1362, 138, 135, 54);

TEST_F(SkinnedWindowTest, ScalesTheTableAndSizesTheWindowFromItsBackground) {
    open();
    EXPECT_EQ(window->controls().size(), 8U);
    EXPECT_EQ(window->controls()[0].rect, (SkinRect{1227, 138, 1362, 192}));
    EXPECT_EQ(window->controls()[2].fontIndex, 20); // trunc(13 x 1.5 + 1)
    EXPECT_EQ(window->controls()[0].fontIndex, 13);
    EXPECT_EQ(window->controls()[7].id, -1);
    EXPECT_EQ(window->size(), QSize(1531, 1020));
    EXPECT_EQ(window->pos(), QPoint(194, 30));
    EXPECT_FALSE(window->mask().contains(QPoint(0, 0)));
    EXPECT_FALSE(window->mask().contains(QPoint(5, 5)));
    EXPECT_TRUE(window->mask().contains(QPoint(6, 0)));
    EXPECT_TRUE(window->mask().contains(QPoint(700, 500)));
}

TEST_F(SkinnedWindowTest, HoverRepaintsOnlyTheRectanglesWhoseHoverChanged) {
    open();
    EXPECT_EQ(moveTo({1230, 150}), QRegion(kLanguageButton));
    EXPECT_TRUE(moveTo({1240, 160}).isEmpty());
    // Straight from one button onto its neighbour: both repaint.
    EXPECT_EQ(moveTo({1400, 150}), QRegion(kLanguageButton).united(kCounterButton));
    EXPECT_EQ(moveTo({10, 10}), QRegion(kCounterButton));
    // Labels never hover.
    EXPECT_TRUE(moveTo({200, 460}).isEmpty());
}

TEST_F(SkinnedWindowTest, RightAndBottomEdgesAreOutside) {
    open();
    moveTo({1361, 191});
    EXPECT_TRUE(window->controls()[0].hovered);
    moveTo({1226, 150});
    EXPECT_FALSE(window->controls()[0].hovered);
    moveTo({1300, 192});
    EXPECT_FALSE(window->controls()[0].hovered);
    moveTo({1362, 150});
    EXPECT_FALSE(window->controls()[0].hovered);
    EXPECT_TRUE(window->controls()[1].hovered);
}

TEST_F(SkinnedWindowTest, HoverCopiesTheDesignRegionOutOfTheHoverPicture) {
    open();
    moveTo({1230, 141});
    const QImage shown = picture();
    EXPECT_EQ(shown.pixel(1230, 141), hoverAt(820, 94));
    EXPECT_EQ(shown.pixel(1230, 138), hoverAt(820, 92));
    EXPECT_EQ(shown.pixel(1359, 189), hoverAt(906, 126));
    EXPECT_EQ(shown.pixel(1226, 141), kBackground);
    EXPECT_EQ(shown.pixel(1230, 192), kBackground);
    EXPECT_EQ(shown.pixel(1363, 141), kBackground);
}

TEST_F(SkinnedWindowTest, SchemeDecidesWhetherHoverOrSelectionWins) {
    open();
    window->setSelectedById(85, true);
    moveTo({1230, 141});
    EXPECT_EQ(picture().pixel(1230, 141), hoverAt(820, 94));
    moveTo({10, 10});
    EXPECT_EQ(picture().pixel(1230, 141), kPressed);

    SkinScheme selectedWins = mainLikeScheme();
    selectedWins.precedence = LookPrecedence::SelectedOverHover;
    selectedWins.hoverLook = HoverLook::IdsBelow100;
    open(selectedWins);
    window->setSelectedById(85, true);
    moveTo({1230, 141});
    EXPECT_EQ(picture().pixel(1230, 141), kPressed);
    // Keys do not light up on hover here; buttons do.
    moveTo({310, 310});
    EXPECT_EQ(picture().pixel(310, 310), kBackground);
    moveTo({1400, 150});
    EXPECT_EQ(picture().pixel(1400, 150), hoverAt(933, 100));
}

TEST_F(SkinnedWindowTest, ClicksRunOnReleaseOverAButtonOnly) {
    open();
    QTest::mousePress(window.get(), Qt::LeftButton, {}, {1230, 150});
    EXPECT_TRUE(window->clicks.empty());
    EXPECT_FALSE(window->isDraggingWindow());
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, {1230, 150});
    EXPECT_EQ(window->clicks, std::vector<int>{85});
    // A label and the background take no clicks.
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, {200, 460});
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, {700, 600});
    QTest::mouseClick(window.get(), Qt::RightButton, {}, {1400, 150});
    EXPECT_EQ(window->clicks, std::vector<int>{85});
}

TEST_F(SkinnedWindowTest, PressOnBackgroundOrLabelDragsTheWindow) {
    open();
    for (const QPoint press : {QPoint(700, 600), QPoint(200, 460)}) {
        const QPoint start = window->pos();
        QTest::mousePress(window.get(), Qt::LeftButton, {}, press);
        EXPECT_TRUE(window->isDraggingWindow());
        QTest::mouseMove(window.get(), press + QPoint(10, 5));
        EXPECT_EQ(window->pos(), start + QPoint(10, 5));
        QTest::mouseRelease(window.get(), Qt::LeftButton, {}, press + QPoint(10, 5));
        EXPECT_FALSE(window->isDraggingWindow());
    }
    EXPECT_TRUE(window->clicks.empty());
}

TEST_F(SkinnedWindowTest, DoubleClickCancelsTheDeferredClick) {
    SkinScheme scheme = mainLikeScheme();
    scheme.deferredClickMs = 200;
    open(scheme);
    const QPoint button(1230, 150);
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, button);
    EXPECT_TRUE(window->clicks.empty());
    EXPECT_TRUE(window->hasPendingClick());
    EXPECT_EQ(window->timers().interval(SkinnedWindow::kDeferredClickTimer), 200);

    doubleClickAt(button);
    EXPECT_FALSE(window->hasPendingClick());
    EXPECT_EQ(window->doubleClicks, std::vector<int>{85});
    // The release that ends the double-click waits again; unanswered, it runs once.
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, button);
    EXPECT_TRUE(window->timers().fire(SkinnedWindow::kDeferredClickTimer));
    EXPECT_EQ(window->clicks, std::vector<int>{85});
    EXPECT_FALSE(window->timers().fire(SkinnedWindow::kDeferredClickTimer));
}

bool hasPixelOtherThan(const QImage& image, const QRect& area, QRgb colour) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != colour)
                return true;
    return false;
}

class CaptionPassTest : public SkinnedWindowTest, public ::testing::WithParamInterface<CaptionPass> {};

TEST_P(CaptionPassTest, LanguageSwitchChangesCaptionsAndDropsChineseOnlyOnes) {
    SkinScheme scheme = mainLikeScheme();
    scheme.captionPass = GetParam();
    scheme.labelsStayInDesignUnits = GetParam() == CaptionPass::BeforeStretch;
    open(scheme);
    const QRect bothLanguages(150, 450, 300, 45);
    const QRect chineseOnly(150, 600, 300, 45);
    const QImage chinese = picture();
    EXPECT_TRUE(hasPixelOtherThan(chinese, bothLanguages, kBackground));
    EXPECT_TRUE(hasPixelOtherThan(chinese, chineseOnly, kBackground));

    environment.store.language = "en-US";
    window->update();
    const QImage english = picture();
    EXPECT_NE(english.copy(bothLanguages), chinese.copy(bothLanguages));
    EXPECT_TRUE(hasPixelOtherThan(english, bothLanguages, kBackground));
    EXPECT_FALSE(hasPixelOtherThan(english, chineseOnly, kBackground));
}

INSTANTIATE_TEST_SUITE_P(Passes, CaptionPassTest,
                         ::testing::Values(CaptionPass::BeforeStretch, CaptionPass::AfterStretch));

TEST_F(SkinnedWindowTest, ButtonCaptionsCanShowOnlyWhileHovered) {
    SkinScheme scheme = mainLikeScheme();
    scheme.precedence = LookPrecedence::SelectedOverHover;
    scheme.buttonCaptions = ButtonCaptions::WhileHoveredBelow100;
    open(scheme);
    window->setSelectedById(85, true);
    EXPECT_FALSE(hasPixelOtherThan(picture(), kLanguageButton, kPressed));
    moveTo({1230, 141});
    EXPECT_TRUE(hasPixelOtherThan(picture(), kLanguageButton, kPressed));
}

TEST_F(SkinnedWindowTest, ProgressStyleScalingLeavesLabelsInDesignUnits) {
    SkinScheme scheme = mainLikeScheme();
    scheme.labelsStayInDesignUnits = true;
    scheme.buttonsGrowByOne = true;
    scheme.labelFonts = FontScaling::None;
    open(scheme);
    EXPECT_EQ(window->controls()[0].rect, (SkinRect{1227, 138, 1363, 193}));
    EXPECT_EQ(window->controls()[2].rect, (SkinRect{100, 300, 300, 330}));
    EXPECT_EQ(window->controls()[2].fontIndex, 13);
    // The grown edge belongs to the button now.
    moveTo({1362, 192});
    EXPECT_TRUE(window->controls()[0].hovered);
}

TEST_F(SkinnedWindowTest, FindsEntriesById) {
    open();
    EXPECT_EQ(window->findById(86), 1U);
    EXPECT_EQ(window->findById(120), 4U);
    EXPECT_EQ(window->findById(4242), 0U);
    window->setSelectedById(4242, true);
    EXPECT_TRUE(window->controls()[0].selected);
    window->setSelectedById(85, false);
    EXPECT_FALSE(window->controls()[0].selected);
}

TEST_F(SkinnedWindowTest, EscapeEndsWithCancelAndInitRunsOnce) {
    window = std::make_unique<TestWindow>(environment.context(), mainLikeScheme());
    QTimer::singleShot(0, window.get(), [this] { QTest::keyClick(window.get(), Qt::Key_Escape); });
    EXPECT_EQ(window->exec(), SkinnedWindow::kResultCancel);
    EXPECT_EQ(window->inits, 1);

    TestWindow ending(environment.context(), mainLikeScheme());
    ending.endAtInit = true;
    EXPECT_EQ(ending.exec(), SkinnedWindow::kResultOk);
    EXPECT_FALSE(ending.isVisible());
}

// A repaint of part of the window draws exactly the pixels a full repaint would, at every scale:
// the parts copied anew from the pictures meet what stayed from earlier paints without a seam.
class PartialRepaintTest : public ::testing::TestWithParam<float> {};

TEST_P(PartialRepaintTest, APartialRepaintMatchesAFullOneAtEveryScale) {
    Environment environment(GetParam());
    TestWindow window(environment.context(), mainLikeScheme());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto rectOf = [&window](int id) {
        const SkinRect& rect = window.controls()[window.findById(id)].rect;
        return QRect(rect.left, rect.top, rect.width(), rect.height());
    };
    QTest::mouseMove(&window, rectOf(85).center());
    // Pixels outside the window's outline are never painted: both pictures start out alike there.
    QImage partial(window.size(), QImage::Format_ARGB32_Premultiplied);
    partial.fill(Qt::transparent);
    window.render(&partial);
    // The mouse moves from one button to the other: only those two are painted again.
    QTest::mouseMove(&window, rectOf(86).center());
    const QRegion changed = QRegion(rectOf(85)) + QRegion(rectOf(86));
    window.render(&partial, changed.boundingRect().topLeft(), changed);
    QImage full(window.size(), QImage::Format_ARGB32_Premultiplied);
    full.fill(Qt::transparent);
    window.render(&full);
    int differing = 0;
    QRect where;
    for (int y = 0; y < full.height(); ++y)
        for (int x = 0; x < full.width(); ++x)
            if (partial.pixel(x, y) != full.pixel(x, y)) {
                ++differing;
                where |= QRect(x, y, 1, 1);
            }
    EXPECT_EQ(differing, 0) << where.x() << "," << where.y() << " " << where.width() << "x" << where.height();
    EXPECT_NE(full.pixel(rectOf(86).center()), full.pixel(rectOf(85).center()));
}

// The scale factor is always a whole or half step.
INSTANTIATE_TEST_SUITE_P(Scales, PartialRepaintTest, ::testing::Values(1.0F, 1.5F, 2.0F, 2.5F, 3.0F, 4.5F));

} // namespace
