// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CSkinScrollBar.h"

#include "res/PictureLibrary.h"
#include "res/ScrollBarPictures.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// Picture 138, the skin of the skin scroll bar.
QImage scrollBarSkin() {
    PictureDrawers drawers;
    addScrollBarPictures(drawers);
    return PictureLibrary(std::move(drawers)).picture(138);
}

using Notification = std::pair<int, int>;

class RecordingBar : public CSkinScrollBar {
public:
    using CSkinScrollBar::CSkinScrollBar;
    QRegion painted;

protected:
    void paintEvent(QPaintEvent* event) override {
        painted += event->region();
        CSkinScrollBar::paintEvent(event);
    }
};

// A vertical bar 200 pixels long over a list of 100 rows with 10 visible, and a parent that answers
// as a list would: lines and pages move the position, within [0, limit].
class CSkinScrollBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent.resize(400, 400);
        bar.setGeometry(10, 20, 40, 200);
        bar.setPicture(scrollBarSkin());
        bar.setScrollInfo(ScrollInfo::kAll, {0, 99, 10, 0, -1}, false);
        QObject::connect(&bar, &CSkinScrollBar::scrolled, [this](int code, int position) {
            sent.emplace_back(code, position);
            answer(code, position);
        });
        parent.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    }

    void answer(int code, int position) {
        const int step = code == 0 ? -1 : code == 1 ? 1 : code == 2 ? -10 : code == 3 ? 10 : 0;
        int next = bar.scrollInfo(ScrollInfo::kPosition).position + step;
        if (code == CSkinScrollBar::kThumbPosition)
            next = position;
        if (code == CSkinScrollBar::kThumbTrack && !followTracking)
            return;
        if (code == CSkinScrollBar::kThumbTrack)
            next = position;
        setPosition(std::clamp(next, 0, limit));
    }
    void setPosition(int position) {
        ScrollInfo info;
        info.position = position;
        bar.setScrollInfo(ScrollInfo::kPosition, info, true);
    }
    int position() { return bar.scrollInfo(ScrollInfo::kPosition).position; }
    void doubleClickAt(QPoint point) {
        QMouseEvent event(QEvent::MouseButtonDblClick, point, bar.mapToGlobal(point), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&bar, &event);
    }

    QWidget parent;
    RecordingBar bar{Qt::Vertical, &parent};
    std::vector<Notification> sent;
    int limit = 90;
    bool followTracking = false;
};

const QPoint kUpArrow(8, 5);
const QPoint kDownArrow(8, 195);

TEST_F(CSkinScrollBarTest, PictureMakesTheBarOneCellThickInPlace) {
    EXPECT_EQ(bar.unit(), 16);
    EXPECT_EQ(bar.geometry(), QRect(10, 20, 16, 200));
    CSkinScrollBar horizontal(Qt::Horizontal, &parent);
    horizontal.setGeometry(5, 300, 150, 40);
    horizontal.setPicture(scrollBarSkin());
    EXPECT_EQ(horizontal.geometry(), QRect(5, 300, 150, 16));
}

TEST_F(CSkinScrollBarTest, HeldArrowStepsOnceThenWaitsThenRepeatsUntilTheEnd) {
    limit = 99;
    setPosition(95);
    QTest::mousePress(&bar, Qt::LeftButton, {}, kDownArrow);
    EXPECT_EQ(sent, (std::vector<Notification>{{1, 0}}));
    EXPECT_EQ(bar.timers().interval(CSkinScrollBar::kRepeatDelayTimer), 500);
    EXPECT_FALSE(bar.timers().isActive(CSkinScrollBar::kRepeatTimer));

    ASSERT_TRUE(bar.timers().fire(CSkinScrollBar::kRepeatDelayTimer));
    EXPECT_EQ(sent.size(), 2U);
    EXPECT_FALSE(bar.timers().isActive(CSkinScrollBar::kRepeatDelayTimer));
    EXPECT_EQ(bar.timers().interval(CSkinScrollBar::kRepeatTimer), 100);

    ASSERT_TRUE(bar.timers().fire(CSkinScrollBar::kRepeatTimer));
    ASSERT_TRUE(bar.timers().fire(CSkinScrollBar::kRepeatTimer));
    EXPECT_EQ(position(), 99);
    // At the maximum the repeat stops by itself.
    ASSERT_TRUE(bar.timers().fire(CSkinScrollBar::kRepeatTimer));
    EXPECT_EQ(sent.size(), 4U);
    EXPECT_FALSE(bar.timers().isActive(CSkinScrollBar::kRepeatTimer));
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, kDownArrow);
    EXPECT_EQ(sent.size(), 4U);
    EXPECT_EQ(bar.pressedPart(), ScrollPart::None);
}

TEST_F(CSkinScrollBarTest, ReleaseBeforeTheDelayEndsWithoutRepeating) {
    setPosition(3);
    QTest::mousePress(&bar, Qt::LeftButton, {}, kUpArrow);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, kUpArrow);
    EXPECT_EQ(sent, (std::vector<Notification>{{0, 0}}));
    EXPECT_FALSE(bar.timers().isActive(CSkinScrollBar::kRepeatDelayTimer));
    EXPECT_FALSE(bar.timers().fire(CSkinScrollBar::kRepeatTimer));
}

TEST_F(CSkinScrollBarTest, SlidingOffAHeldArrowPausesAndSlidingBackResumes) {
    setPosition(50);
    QTest::mousePress(&bar, Qt::LeftButton, {}, kUpArrow);
    bar.timers().fire(CSkinScrollBar::kRepeatDelayTimer);
    EXPECT_EQ(position(), 48);
    QTest::mouseMove(&bar, {8, 100});
    EXPECT_TRUE(bar.isRepeatPaused());
    bar.timers().fire(CSkinScrollBar::kRepeatTimer);
    EXPECT_EQ(position(), 48);
    QTest::mouseMove(&bar, {30, 5}); // beside the bar is outside too
    EXPECT_TRUE(bar.isRepeatPaused());
    QTest::mouseMove(&bar, kUpArrow);
    EXPECT_FALSE(bar.isRepeatPaused());
    bar.timers().fire(CSkinScrollBar::kRepeatTimer);
    EXPECT_EQ(position(), 47);
}

TEST_F(CSkinScrollBarTest, HeldTrackStopsOnceTheThumbIsUnderThePointer) {
    QTest::mousePress(&bar, Qt::LeftButton, {}, {8, 145});
    EXPECT_EQ(sent.front(), Notification(3, 0));
    bar.timers().fire(CSkinScrollBar::kRepeatDelayTimer);
    for (int tick = 0; tick < 20 && bar.timers().isActive(CSkinScrollBar::kRepeatTimer); ++tick)
        bar.timers().fire(CSkinScrollBar::kRepeatTimer);
    EXPECT_FALSE(bar.timers().isActive(CSkinScrollBar::kRepeatTimer));
    EXPECT_EQ(position(), 70); // the thumb now spans 134..149
}

TEST_F(CSkinScrollBarTest, DragTracksTheThumbAndReportsWhereItWasReleased) {
    QTest::mousePress(&bar, Qt::LeftButton, {}, {8, 20});
    EXPECT_TRUE(bar.isDragging());
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(bar.scrollInfo(ScrollInfo::kTrackPosition).trackPosition, 0);

    QTest::mouseMove(&bar, {8, 58}); // 38 pixels x 90 positions / 152 pixels
    QTest::mouseMove(&bar, {8, 59});
    QTest::mouseMove(&bar, {8, 60}); // still 23: nothing sent
    EXPECT_EQ(sent, (std::vector<Notification>{{5, 22}, {5, 23}}));
    EXPECT_EQ(bar.scrollInfo(ScrollInfo::kTrackPosition).trackPosition, 23);
    EXPECT_EQ(position(), 0);

    QTest::mouseMove(&bar, {8, 900});
    EXPECT_EQ(sent.back(), Notification(5, 90));
    QTest::mouseMove(&bar, {200, 59});
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, {200, 59});
    EXPECT_EQ(sent.back(), Notification(4, 23));
    EXPECT_FALSE(bar.isDragging());
    EXPECT_EQ(bar.scrollInfo(ScrollInfo::kAll).trackPosition, -1);
    EXPECT_EQ(position(), 23);
}

TEST_F(CSkinScrollBarTest, HoverFollowsThePartsAndEndsWhenThePointerLeaves) {
    QTest::mouseMove(&bar, kUpArrow);
    EXPECT_EQ(bar.hoveredPart(), ScrollPart::LineUp);
    QCoreApplication::processEvents();
    bar.painted = QRegion();
    QTest::mouseMove(&bar, {8, 20});
    QCoreApplication::processEvents();
    EXPECT_EQ(bar.hoveredPart(), ScrollPart::Thumb);
    EXPECT_EQ(bar.painted, QRegion(0, 0, 16, 32));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&bar, &leave);
    EXPECT_EQ(bar.hoveredPart(), ScrollPart::None);
}

TEST_F(CSkinScrollBarTest, SecondPressOfADoubleClickIsSwallowed) {
    doubleClickAt(kDownArrow);
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(bar.pressedPart(), ScrollPart::None);
}

TEST_F(CSkinScrollBarTest, HorizontalBarReadsAlongItsWidth) {
    CSkinScrollBar horizontal(Qt::Horizontal, &parent);
    horizontal.setGeometry(0, 300, 200, 16);
    horizontal.setPicture(scrollBarSkin());
    horizontal.setScrollInfo(ScrollInfo::kAll, {0, 99, 10, 0, -1}, false);
    std::vector<Notification> horizontalSent;
    QObject::connect(&horizontal, &CSkinScrollBar::scrolled,
                     [&](int code, int position) { horizontalSent.emplace_back(code, position); });
    QTest::mousePress(&horizontal, Qt::LeftButton, {}, {195, 8});
    QTest::mouseRelease(&horizontal, Qt::LeftButton, {}, {195, 8});
    QTest::mousePress(&horizontal, Qt::LeftButton, {}, {100, 8});
    QTest::mouseRelease(&horizontal, Qt::LeftButton, {}, {100, 8});
    EXPECT_EQ(horizontalSent, (std::vector<Notification>{{1, 0}, {3, 0}}));
}

TEST_F(CSkinScrollBarTest, ScrollInfoCopiesOnlyTheFieldsTheMaskNames) {
    bar.setScrollInfo(ScrollInfo::kPage, {5, 50, 7, 9, 33}, false);
    EXPECT_EQ(bar.scrollInfo(ScrollInfo::kAll), (ScrollInfo{0, 99, 7, 0, -1}));
    EXPECT_EQ(bar.setScrollInfo(ScrollInfo::kRange | ScrollInfo::kPosition, {5, 50, 1, 9, 33}, true), 1);
    EXPECT_EQ(bar.scrollInfo(ScrollInfo::kAll), (ScrollInfo{5, 50, 7, 9, -1}));
    EXPECT_EQ(bar.scrollInfo(ScrollInfo::kPosition), (ScrollInfo{0, 0, 0, 9, -1}));
}

TEST_F(CSkinScrollBarTest, AdjustRangeKeepsThePositionInRange) {
    bar.setScrollInfo(ScrollInfo::kAll, {0, 20, 5, 15, -1}, false);
    bar.adjustRange(10);
    EXPECT_EQ(bar.scrollInfo(ScrollInfo::kAll), (ScrollInfo{0, 30, 5, 15, -1}));
    bar.adjustRange(-20);
    EXPECT_EQ(bar.scrollInfo(ScrollInfo::kAll), (ScrollInfo{0, 10, 5, 6, -1}));
    bar.adjustRange(-30);
    EXPECT_EQ(bar.scrollInfo(ScrollInfo::kAll), (ScrollInfo{0, 4, 5, 0, -1}));
}

} // namespace
