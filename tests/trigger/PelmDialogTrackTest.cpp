// SPDX-License-Identifier: GPL-3.0-or-later
// The key travel view: the tracked key marked and polled on the window's timer, the travel mapped
// onto the bar, repaints only when the bar moves by more than two units, another key picked, typed
// keys never closing it, and the view closing itself when the keyboard stops answering.
#include "trigger/PelmDialogTrack.h"

#include "CountingAllocator.h"
#include "TriggerWindowsTestSupport.h"
#include "app/ProgramPictures.h"
#include "device/KeyTravel.h"
#include "trigger/rules/TrackControls.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>

namespace {

using namespace TriggerTest;
using Dialog = PelmDialogTrack;

class TrackTest : public TriggerWindowTest {
protected:
    // The view reading its travels from travel (key, tenths) unless onKeyboard is set.
    Dialog& open(bool onKeyboard = false) {
        dialog = std::make_unique<Dialog>(context());
        if (!onKeyboard)
            dialog->setTravelReader([this](std::uint16_t* sample, int key) {
                ++reads;
                readKeys.push_back(key);
                if (!answering)
                    return false;
                sample[0] = static_cast<std::uint16_t>(sampleKey == 0 ? key : sampleKey);
                sample[1] = travel;
                return true;
            });
        QObject::connect(dialog.get(), &SkinnedWindow::painted, [this] { ++paints; });
        dialog->show();
        QApplication::processEvents();
        return *dialog;
    }
    // One timer tick, then whatever repaint it asked for.
    void tick() {
        ASSERT_TRUE(dialog->timers().fire(Dialog::kPollTimer));
        QApplication::processEvents();
    }
    QRect keyRect(int key) const { return rectOf(*dialog->keyControl(key)); }
    void clickKey(int key) { click(*dialog, keyRect(key).center()); }

    std::unique_ptr<Dialog> dialog;
    std::uint16_t travel = 0;
    int sampleKey = 0; // 0: the sample names the key asked for
    bool answering = true;
    int reads = 0;
    std::vector<int> readKeys;
    int paints = 0;
};

TEST_F(TrackTest, OpensOnKeyWMarkedAndPollsItAtOnceThenEveryHundredMilliseconds) {
    ASSERT_EQ(store.trackKey, 34);
    travel = 15;
    open();
    EXPECT_EQ(dialog->size(), QSize(1293, 693));
    EXPECT_TRUE(dialog->isKeySelected(34));
    EXPECT_EQ(dialog->selectedKeyCount(), 1);
    EXPECT_EQ(readKeys, (std::vector<int>{34}));
    EXPECT_EQ(dialog->barHeight(), 32);
    EXPECT_EQ(dialog->timers().interval(Dialog::kPollTimer), 100);
}

struct TravelCase {
    std::uint16_t travel;
    int height;
};

class TrackTravelTest : public TrackTest, public ::testing::WithParamInterface<TravelCase> {};

// The bar is copied from the pressed picture at x 177..188 from y 68 down, as high as the mapping says.
TEST_P(TrackTravelTest, TravelIsMappedOntoTheBar) {
    open();
    travel = GetParam().travel;
    tick();
    EXPECT_EQ(dialog->barHeight(), GetParam().height);
    const QImage painted = dialog->grab().toImage();
    const auto at = [&painted](int x, int y) {
        return painted.pixel(static_cast<int>(x * 1.5F) + 1, static_cast<int>(y * 1.5F) + 1);
    };
    const int height = GetParam().height;
    if (height > 0) {
        EXPECT_EQ(at(180, 68), kPressed.rgb());
        EXPECT_EQ(at(180, 68 + height - 1), kPressed.rgb());
    }
    EXPECT_EQ(at(180, 68 + height), kBackground.rgb());
    EXPECT_EQ(at(176, 68), kBackground.rgb());
}

// The mapping itself is checked with the gauge's rules; here an empty, a middle and a full bar.
INSTANTIATE_TEST_SUITE_P(Travels, TrackTravelTest,
                         ::testing::Values(TravelCase{8, 0}, TravelCase{15, 32}, TravelCase{40, 60}));

TEST_F(TrackTest, RepaintsOnlyWhenTheBarMovesByMoreThanTwoUnits) {
    travel = 10; // 21 units
    open();
    ASSERT_EQ(dialog->barHeight(), 21);
    const int before = paints;
    travel = 11; // 23 units: no repaint
    tick();
    EXPECT_EQ(dialog->barHeight(), 21);
    EXPECT_EQ(paints, before);
    travel = 9; // 19 units: no repaint
    tick();
    EXPECT_EQ(paints, before);
    travel = 12; // 25 units: repaint
    tick();
    EXPECT_EQ(dialog->barHeight(), 25);
    EXPECT_GT(paints, before);
}

TEST_F(TrackTest, SamplesOfAnotherKeyAreIgnored) {
    travel = 20;
    sampleKey = 35;
    open();
    EXPECT_EQ(dialog->barHeight(), 0);
    sampleKey = 0;
    tick();
    EXPECT_EQ(dialog->barHeight(), 42);
}

TEST_F(TrackTest, ClickingAnotherKeyMovesTheMarkAndTheTrackingThere) {
    travel = 20;
    open();
    const int bar = dialog->barHeight();
    clickKey(34);
    EXPECT_EQ(store.trackKey, 34);
    EXPECT_TRUE(dialog->isKeySelected(34));
    clickKey(78);
    EXPECT_EQ(store.trackKey, 78);
    EXPECT_TRUE(dialog->isKeySelected(78));
    EXPECT_FALSE(dialog->isKeySelected(34));
    EXPECT_EQ(dialog->selectedKeyCount(), 1);
    EXPECT_EQ(dialog->barHeight(), bar); // until the first sample of the new key
    travel = 0;
    tick();
    EXPECT_EQ(readKeys.back(), 78);
    EXPECT_EQ(dialog->barHeight(), 0);
    // The next opening tracks the key picked last.
    dialog.reset();
    open();
    EXPECT_TRUE(dialog->isKeySelected(78));
    EXPECT_EQ(readKeys.back(), 78);
}

TEST_F(TrackTest, KeysTypedOnTheKeyboardNeverCloseItOrPressAButton) {
    open();
    for (Qt::Key key :
         {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_W, Qt::Key_Space, Qt::Key_F1}) {
        QTest::keyClick(dialog.get(), key);
        QApplication::processEvents();
        EXPECT_TRUE(dialog->isVisible()) << key;
    }
    EXPECT_TRUE(dialog->timers().isActive(Dialog::kPollTimer));
    click(*dialog, rectOf(dialog->controls()[dialog->findById(TrackControlId::Close)]).center());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), SkinnedWindow::kResultCancel);
    EXPECT_FALSE(dialog->timers().isActive(Dialog::kPollTimer));
}

TEST_F(TrackTest, ClosesByItselfWhenTheKeyboardStopsAnswering) {
    open();
    tick();
    answering = false;
    tick();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), SkinnedWindow::kResultCancel);
    EXPECT_FALSE(dialog->timers().isActive(Dialog::kPollTimer));
}

// On the virtual keyboard with its clock held: a press cycle moves the bar, and unplugging the
// keyboard while the view polls ends the view.
TEST_F(TrackTest, FollowsAPressOnTheKeyboardAndClosesWhenItIsUnplugged) {
    std::int64_t now = 1'000'000;
    store.device.setClock([&now] { return now; });
    open(true);
    EXPECT_EQ(dialog->barHeight(), 0);
    changeKeyboard([&now](VirtualKeyboardState& state) { state.presses[33] = {now, 1}; });
    now += KeyTravel::kPressDownMs + 10; // held down: the whole travel
    tick();
    EXPECT_EQ(dialog->barHeight(), 60);
    now += KeyTravel::kPressCycleMs; // released again
    tick();
    EXPECT_EQ(dialog->barHeight(), 0);
    changeKeyboard([](VirtualKeyboardState& state) { state.plugged = false; });
    tick();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), SkinnedWindow::kResultCancel);
}

TEST_F(TrackTest, ATrackReadThatFailsAtOpeningNeverShowsTheView) {
    failOnKeyboard(Failure::Track);
    dialog = std::make_unique<Dialog>(context());
    EXPECT_EQ(dialog->exec(), SkinnedWindow::kResultCancel);
    EXPECT_FALSE(dialog->isVisible());
}

// A tick that leaves the bar where it is costs the read alone: nothing is allocated.
TEST_F(TrackTest, TicksThatDoNotMoveTheBarAllocateNothing) {
    dialog = std::make_unique<Dialog>(context());
    dialog->setTravelReader([this](std::uint16_t* sample, int key) {
        sample[0] = static_cast<std::uint16_t>(key);
        sample[1] = travel;
        return true;
    });
    dialog->show();
    QApplication::processEvents();
    travel = 15;
    dialog->poll();
    QApplication::processEvents();
    AllocationCounter counter;
    for (int tick = 0; tick < 100; ++tick) {
        travel = static_cast<std::uint16_t>(15 + tick % 2);
        dialog->poll();
    }
    EXPECT_EQ(counter.count(), 0U);
}

} // namespace

namespace {

double medianMs(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

template <typename Step>
double medianOf(int runs, const Step& step) {
    std::vector<double> samples;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        step(run);
        samples.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    return medianMs(samples);
}

// Not a check: the figures of one timer tick at scale 1.5, printed for the benchmark script
// (scripts/bench.sh runs it with --gtest_also_run_disabled_tests).
TEST_F(TrackTest, DISABLED_TickFigures) {
    SharedResources program(programPictureLibrary(), 4); // the program's own pictures
    const auto openWithProgramPictures = [&](bool onKeyboard) {
        dialog = std::make_unique<Dialog>(WindowContext{store, program, QSize(1920, 1080), platform, opener});
        if (!onKeyboard)
            dialog->setTravelReader([this](std::uint16_t* sample, int key) {
                sample[0] = static_cast<std::uint16_t>(key);
                sample[1] = travel;
                return true;
            });
        dialog->show();
        QApplication::processEvents();
    };
    openWithProgramPictures(true);
    const double deviceTick = medianOf(201, [this](int) { dialog->poll(); });
    ASSERT_TRUE(dialog->isVisible()); // every read was answered
    openWithProgramPictures(false);
    const double windowTick = medianOf(201, [this](int run) {
        travel = static_cast<std::uint16_t>(15 + run % 2);
        dialog->poll();
    });
    const double repaintTick = medianOf(201, [this](int run) {
        travel = run % 2 == 0 ? 24 : 0;
        dialog->poll();
        dialog->repaint();
    });
    std::printf("track-tick-ms: %.4f without a repaint, reading the virtual keyboard\n", deviceTick);
    std::printf("track-tick-ms: %.4f without a repaint, the window's own work\n", windowTick);
    std::printf("track-tick-ms: %.3f with a repaint of the whole window\n", repaintTick);
}

} // namespace
