// SPDX-License-Identifier: GPL-3.0-or-later
// The fine-adjust window: its arrows step triggerAdjust by the rules, a click acts once the
// double-click wait is over and a double-click steps once, the boxes and the travel bar show the
// values, OK and Cancel end it.
#include "trigger/PelmDialogTriggerSet.h"

#include "TriggerWindowsTestSupport.h"
#include "trigger/rules/FineAdjustControls.h"

#include <QLineEdit>

#include <memory>

namespace {

using namespace TriggerTest;
using Dialog = PelmDialogTriggerSet;
using enum FineAdjustControlId;

class FineAdjustTest : public TriggerWindowTest {
protected:
    Dialog& open(TriggerTriple values) {
        store.triggerAdjust = values;
        dialog = std::make_unique<Dialog>(context());
        dialog->show();
        QApplication::processEvents();
        return *dialog;
    }
    QPoint centreOf(FineAdjustControlId id) const {
        return rectOf(dialog->controls()[dialog->findById(id)]).center();
    }
    // A single click: acts once the wait for a double-click is over.
    void press(FineAdjustControlId id) {
        click(*dialog, centreOf(id));
        EXPECT_TRUE(dialog->hasPendingClick());
        dialog->timers().fire(SkinnedWindow::kDeferredClickTimer);
        QApplication::processEvents();
    }
    std::array<QString, 3> boxTexts() const {
        return {dialog->valueBox(0).text(), dialog->valueBox(1).text(), dialog->valueBox(2).text()};
    }

    std::unique_ptr<Dialog> dialog;
};

TEST_F(FineAdjustTest, OpensShowingTheValuesInBoxesBetweenTheArrows) {
    open({8, 20, 0});
    EXPECT_EQ(dialog->size(), QSize(555, 375));
    EXPECT_EQ(boxTexts(), (std::array<QString, 3>{"0.8", "2.0", "0.1"}));
    // 270, 85 / 128 / 160 design units, 32 x 16, at 1.5.
    EXPECT_EQ(dialog->valueBox(0).geometry(), QRect(405, 128, 48, 25));
    EXPECT_EQ(dialog->valueBox(1).geometry(), QRect(405, 193, 48, 25));
    EXPECT_EQ(dialog->valueBox(2).geometry(), QRect(405, 241, 48, 25));
    EXPECT_EQ(dialog->valueBox(0).font().pixelSize(), 19);
    EXPECT_TRUE(dialog->valueBox(0).isReadOnly());
    EXPECT_EQ(dialog->valueBox(0).focusPolicy(), Qt::NoFocus);
}

struct ArrowCase {
    const char* name;
    FineAdjustControlId id;
    TriggerTriple before;
    TriggerTriple after;
    std::array<const char*, 3> texts;
};

class FineAdjustArrowTest : public FineAdjustTest, public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(FineAdjustArrowTest, StepsTheStoreAndTheBoxesOnlyWhenAllowed) {
    const ArrowCase& arrow = GetParam();
    open(arrow.before);
    moveTo(*dialog, centreOf(arrow.id));
    int paints = 0;
    QObject::connect(dialog.get(), &SkinnedWindow::painted, [&paints] { ++paints; });
    press(arrow.id);
    EXPECT_EQ(store.triggerAdjust, arrow.after);
    EXPECT_EQ(boxTexts(), (std::array<QString, 3>{arrow.texts[0], arrow.texts[1], arrow.texts[2]}));
    EXPECT_TRUE(dialog->isVisible());
    if (arrow.before == arrow.after) {
        EXPECT_EQ(paints, 0); // a refused step does not repaint
    }
}

INSTANTIATE_TEST_SUITE_P(
    Arrows, FineAdjustArrowTest,
    ::testing::Values(
        ArrowCase{"UpperDown", UpperDecrease, {8, 20, 0}, {7, 20, 0}, {"0.7", "2.0", "0.1"}},
        ArrowCase{"UpperUp", UpperIncrease, {8, 20, 0}, {9, 20, 0}, {"0.9", "2.0", "0.1"}},
        ArrowCase{"UpperUpBlocked", UpperIncrease, {10, 11, 0}, {10, 11, 0}, {"1.0", "1.1", "0.1"}},
        ArrowCase{"LowerDownBlocked", LowerDecrease, {10, 11, 0}, {10, 11, 0}, {"1.0", "1.1", "0.1"}},
        ArrowCase{"LowerUp", LowerIncrease, {6, 25, 0}, {6, 26, 0}, {"0.6", "2.6", "0.1"}},
        ArrowCase{"ThresholdUp", ThresholdIncrease, {8, 20, 3}, {8, 20, 4}, {"0.8", "2.0", "0.5"}},
        ArrowCase{"ThresholdDownAtFloor", ThresholdDecrease, {8, 20, 0}, {8, 20, 0}, {"0.8", "2.0", "0.1"}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(FineAdjustTest, ADoubleClickStepsOnceAndTwoClicksTwice) {
    open({8, 20, 0});
    // What the platform sends for a double-click: press, release, double-click, release.
    QTest::mouseDClick(dialog.get(), Qt::LeftButton, Qt::NoModifier, centreOf(UpperIncrease));
    QTest::mouseRelease(dialog.get(), Qt::LeftButton, Qt::NoModifier, centreOf(UpperIncrease));
    QApplication::processEvents();
    EXPECT_EQ(store.triggerAdjust[0], 8); // nothing until the wait is over
    dialog->timers().fire(SkinnedWindow::kDeferredClickTimer);
    EXPECT_FALSE(dialog->hasPendingClick());
    EXPECT_EQ(store.triggerAdjust[0], 9);
    press(UpperIncrease);
    press(UpperIncrease);
    EXPECT_EQ(store.triggerAdjust[0], 11);
}

TEST_F(FineAdjustTest, TheClickWaitsAHundredMillisecondsOnTheWindowsTimer) {
    open({8, 20, 0});
    click(*dialog, centreOf(LowerIncrease));
    EXPECT_EQ(dialog->timers().interval(SkinnedWindow::kDeferredClickTimer), 100);
    EXPECT_TRUE(QTest::qWaitFor([this] { return store.triggerAdjust[1] == 21; }, 5000));
}

// The bar on the gauge spans from the press to the release travel: 6 and 26 cover design rows 106
// to 148 of the gauge at x 179..188.
TEST_F(FineAdjustTest, TheTravelBarSpansFromPressToReleaseTravel) {
    open({6, 26, 0});
    const QImage painted = dialog->grab().toImage();
    const auto at = [&painted](int x, int y) {
        return painted.pixel(static_cast<int>(x * 1.5F) + 1, static_cast<int>(y * 1.5F) + 1);
    };
    EXPECT_EQ(at(183, 106), kHover.rgb());
    EXPECT_EQ(at(183, 148), kHover.rgb());
    EXPECT_EQ(at(183, 105), kBackground.rgb());
    EXPECT_EQ(at(183, 149), kBackground.rgb());
    EXPECT_EQ(at(178, 120), kBackground.rgb());
    EXPECT_EQ(at(189, 120), kBackground.rgb());
    dialog.reset();
    open({15, 15, 0});
    const QImage empty = dialog->grab().toImage();
    for (int y = 94; y < 154; ++y)
        EXPECT_EQ(empty.pixel(static_cast<int>(183 * 1.5F), static_cast<int>(y * 1.5F)), kBackground.rgb())
            << y;
}

TEST_F(FineAdjustTest, OkAndCancelEndItAndCancelLeavesTheStepsInTheStore) {
    for (FineAdjustControlId id : {Ok, Cancel, Close}) {
        open({8, 20, 0});
        press(ThresholdIncrease);
        press(id);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), id == Ok ? SkinnedWindow::kResultOk : SkinnedWindow::kResultCancel);
        EXPECT_EQ(store.triggerAdjust, (TriggerTriple{8, 20, 1}));
    }
}

} // namespace
