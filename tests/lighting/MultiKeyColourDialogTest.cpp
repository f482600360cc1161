// SPDX-License-Identifier: GPL-3.0-or-later
// The multi-key colour selection driven as a user drives it, on its own and run by the backlight
// settings through the program's opener.
#include "lighting/CPelmDialogBkLightMultiSelect.h"

#include "LightingTestSupport.h"
#include "lighting/CPelmDialogBkLightSettings.h"
#include "lighting/rules/BacklightControls.h"
#include "lighting/rules/LightColour.h"
#include "lighting/rules/MultiKeyColourControls.h"

#include <QTimer>

namespace {

using namespace LightingTest;
using Dialog = CPelmDialogBkLightMultiSelect;
using Id = MultiKeyColourControlId;
using Flags = std::array<std::uint8_t, kKeySlots>;

class MultiKeyColourDialogTest : public Fixture {
protected:
    Dialog& open() {
        window = std::make_unique<Dialog>(context());
        window->show();
        QApplication::processEvents();
        return *window;
    }

    const SkinControl& control(Id id) const { return window->controls()[window->findById(id)]; }
    QRect keyRect(int key) const { return rectOf(*window->keyControl(key)); }
    void clickAt(QPoint point) {
        QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, point);
        QApplication::processEvents();
    }
    void clickKey(int key) { clickAt(keyRect(key).center()); }
    void click(Id id) { clickAt(rectOf(control(id)).center()); }
    void moveTo(QPoint point) { moveMouse(*window, point); }
    QImage painted() { return window->grab().toImage(); }
    static Flags marked(std::initializer_list<int> keys) {
        Flags flags{};
        for (int key : keys)
            flags[static_cast<std::size_t>(key)] = 1;
        return flags;
    }

    std::unique_ptr<Dialog> window;
};

TEST_F(MultiKeyColourDialogTest, EachClickFlipsOneKeyAndItsFlag) {
    open();
    EXPECT_EQ(window->windowTitle(), "Set Multi Key");
    EXPECT_EQ(window->size(), QSize(1293, 621));
    clickKey(1);
    clickKey(78);
    clickKey(79);
    clickKey(78);
    EXPECT_EQ(store.multiSelectFlags, marked({1, 79}));
    EXPECT_EQ(window->selectedKeyCount(), 2);
    EXPECT_TRUE(window->isKeySelected(79));
    EXPECT_FALSE(window->isKeySelected(78));
}

TEST_F(MultiKeyColourDialogTest, MarkedKeysShowTheMarkedPictureAndOnlyButtonsHover) {
    open();
    clickKey(34);
    moveTo(keyRect(35).center());
    QImage image = painted();
    EXPECT_EQ(image.pixelColor(keyRect(34).center()), kHover) << "marked";
    EXPECT_EQ(image.pixelColor(keyRect(35).center()), kBackground) << "hovered keys do not light up";
    moveTo(rectOf(control(Id::SetColour)).center());
    image = painted();
    EXPECT_EQ(image.pixelColor(rectOf(control(Id::SetColour)).topLeft() + QPoint(3, 3)), kHover);
    EXPECT_EQ(image.pixelColor(keyRect(34).center()), kHover);
    clickKey(34);
    EXPECT_EQ(painted().pixelColor(keyRect(34).center()), kBackground);
}

TEST_F(MultiKeyColourDialogTest, KeysAreFramedInTheColoursHandedOverAndNoneStartsMarked) {
    PerKeyTriples colours{};
    colours[1] = {255, 0, 0};
    colours[78] = {0, 0, 255};
    colours[79] = {0, 255, 0};
    store.multiSelectColours = LightColour::flatten(colours);
    store.multiSelectFlags[40] = 1;
    open();
    EXPECT_EQ(window->shownLights(), colours);
    EXPECT_EQ(window->selectedKeyCount(), 0);
    EXPECT_EQ(store.multiSelectFlags, Flags{}) << "the flags say what the window shows";
    const QImage image = painted();
    EXPECT_EQ(frameColourAt(image, keyRect(1)), qRgb(255, 0, 0));
    EXPECT_EQ(frameColourAt(image, keyRect(78)), qRgb(0, 0, 255));
    EXPECT_EQ(frameColourAt(image, keyRect(79)), qRgb(0, 255, 0));
    EXPECT_EQ(frameColourAt(image, keyRect(2)), qRgb(0, 0, 0));
}

TEST_F(MultiKeyColourDialogTest, CancellingTheChooserKeepsTheWindowAndItsMarks) {
    open();
    clickKey(20);
    platform.queueColourCancel();
    click(Id::SetColour);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isKeySelected(20));
    EXPECT_EQ(store.multiSelectFlags, marked({20}));
    EXPECT_EQ(store.multiSelectColour, (std::array<int, 3>{0, 0, 0}));

    platform.queueColour(0x804020);
    click(Id::SetColour);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), SkinnedWindow::kResultOk);
    EXPECT_EQ(store.multiSelectColour, (std::array<int, 3>{0x80, 0x40, 0x20}));
    ASSERT_EQ(platform.colourDialogs().size(), 2U);
    EXPECT_EQ(platform.colourDialogs()[0].initial, 0U);
    EXPECT_EQ(platform.colourDialogs()[1].initial, 0U);
}

TEST_F(MultiKeyColourDialogTest, SetColorWithNothingMarkedStillEndsWithOk) {
    open();
    platform.queueColour(0xFFFFFF);
    click(Id::SetColour);
    EXPECT_EQ(window->result(), SkinnedWindow::kResultOk);
    EXPECT_EQ(store.multiSelectFlags, Flags{});
}

TEST_F(MultiKeyColourDialogTest, TheCloseButtonEndsWithCancel) {
    open();
    clickKey(3);
    click(Id::Close);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), SkinnedWindow::kResultCancel);
}

// The real selection run modally by the real backlight settings: the user's clicks inside the
// selection reach the backlight's working copy on OK, and nothing does on close.
class MultiKeyFromBacklightTest : public Fixture {
protected:
    // Runs inside the selection's modal loop once it shows.
    void whenSelectionOpens(std::function<void(Dialog&)> steps) {
        QTimer::singleShot(0, [steps = std::move(steps)] {
            auto* selection = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            ASSERT_NE(selection, nullptr);
            steps(*selection);
        });
    }
    static void clickKeyIn(Dialog& selection, int key) {
        QTest::mouseClick(&selection, Qt::LeftButton, Qt::NoModifier,
                          rectOf(*selection.keyControl(key)).center());
    }
    static void clickIn(Dialog& selection, Id id) {
        QTest::mouseClick(&selection, Qt::LeftButton, Qt::NoModifier,
                          rectOf(selection.controls()[selection.findById(id)]).center());
    }
    void clickMultiKey(CPelmDialogBkLightSettings& backlight) {
        const SkinControl& button = backlight.controls()[backlight.findById(BacklightControlId::MultiKey)];
        QTest::mouseClick(&backlight, Qt::LeftButton, Qt::NoModifier, rectOf(button).center());
        QApplication::processEvents();
    }
};

TEST_F(MultiKeyFromBacklightTest, MarkedKeysTakeTheChosenColourOnOkAndNothingOnClose) {
    store.lightArea[10] = {1, 1, 1};
    CPelmDialogBkLightSettings backlight(context());
    backlight.show();
    QApplication::processEvents();

    whenSelectionOpens([this](Dialog& selection) {
        EXPECT_EQ(selection.shownLights()[10], (std::array<int, 3>{1, 1, 1}));
        clickKeyIn(selection, 10);
        clickKeyIn(selection, 11);
        platform.queueColourCancel();
        clickIn(selection, Id::SetColour);
        platform.queueColour(0x00FFFF);
        clickIn(selection, Id::SetColour);
    });
    clickMultiKey(backlight);
    EXPECT_EQ(backlight.workingLights()[10], (std::array<int, 3>{0, 255, 255}));
    EXPECT_EQ(backlight.workingLights()[11], (std::array<int, 3>{0, 255, 255}));
    EXPECT_EQ(backlight.workingLights()[12], (std::array<int, 3>{0, 0, 0}));

    whenSelectionOpens([](Dialog& selection) {
        EXPECT_EQ(selection.selectedKeyCount(), 0) << "no marks from the earlier run";
        clickKeyIn(selection, 12);
        clickIn(selection, Id::Close);
    });
    const PerKeyTriples before = backlight.workingLights();
    clickMultiKey(backlight);
    EXPECT_EQ(backlight.workingLights(), before);
    EXPECT_TRUE(backlight.isVisible());
    EXPECT_EQ(store.lightArea[10], (std::array<int, 3>{1, 1, 1}));
}

} // namespace
