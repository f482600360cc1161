// SPDX-License-Identifier: GPL-3.0-or-later
// The virtual key input dialog driven with the mouse, in both modes.
#include "keymap/PelmDialogVirtual.h"

#include "KeymapTestSupport.h"
#include "keymap/rules/VirtualKeyControls.h"
#include "keymap/rules/VirtualKeyPicks.h"

#include <QLineEdit>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace KeymapTest;

// Key buttons and their device key codes.
const int kKeyA = virtualKeyId(44);
constexpr int kCodeA = 43;
const int kKeyB = virtualKeyId(62);
constexpr int kCodeB = 60;
const int kKeyLeftShift = virtualKeyId(56);
constexpr int kCodeLeftShift = 55;
const int kKeyLeftCtrl = virtualKeyId(69);
constexpr int kCodeLeftCtrl = 67;
const int kKeyKeypadEnter = virtualKeyId(113);

class VirtualKeyDialogTest : public ::testing::Test {
protected:
    PelmDialogVirtual& open(int mode) {
        dialog = std::make_unique<PelmDialogVirtual>(environment.context());
        dialog->setVirtualMode(mode);
        dialog->show();
        QApplication::processEvents();
        mouse = std::make_unique<Mouse>(*dialog);
        return *dialog;
    }
    bool picked(int id) const { return dialog->controls()[dialog->findById(id)].selected; }
    int pickedCount() const {
        int count = 0;
        for (const SkinControl& control : dialog->controls())
            count += control.id >= idOf(VirtualKeyControlId::FirstKey) && control.selected ? 1 : 0;
        return count;
    }
    std::array<int, 8>& state() { return environment.store.virtualKeyState; }
    QString line() const { return dialog->displayLine().text(); }

    Environment environment;
    std::unique_ptr<PelmDialogVirtual> dialog;
    std::unique_ptr<Mouse> mouse;
};

TEST_F(VirtualKeyDialogTest, ModeOnePicksOneKeyAtATime) {
    state()[0] = kCodeA;
    open(kPickOneKey);
    const std::string a = environment.store.codeToName(kCodeA);
    const std::string b = environment.store.codeToName(kCodeB);
    EXPECT_TRUE(picked(kKeyA));
    EXPECT_EQ(line().toStdString(), "单键：" + a);
    mouse->click(kKeyB);
    EXPECT_FALSE(picked(kKeyA));
    EXPECT_TRUE(picked(kKeyB));
    EXPECT_EQ(pickedCount(), 1);
    EXPECT_EQ(state()[0], kCodeB);
    EXPECT_EQ(line().toStdString(), "单键：" + b);
    mouse->click(kKeyB);
    EXPECT_EQ(pickedCount(), 0);
    EXPECT_EQ(state()[0], 0);
    EXPECT_EQ(line(), "单键：-- --");
    mouse->click(VirtualKeyControlId::Ok);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), SkinnedWindow::kResultOk);
}

TEST_F(VirtualKeyDialogTest, ModeOneStartsWithNothingPickedForNoKey) {
    for (const int none : {0, -1}) {
        state()[0] = none;
        open(kPickOneKey);
        EXPECT_EQ(pickedCount(), 0) << none;
        EXPECT_EQ(line(), "单键：-- --");
    }
}

TEST_F(VirtualKeyDialogTest, ModeOneTakesADoubleClickedKeyAtOnce) {
    state()[0] = kCodeA;
    open(kPickOneKey);
    const QPoint keypadEnter = mouse->centreOf(kKeyKeypadEnter);
    mouse->pressAndRelease(keypadEnter);
    mouse->secondPress(keypadEnter);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), SkinnedWindow::kResultOk);
    EXPECT_EQ(state()[0], 107);
}

TEST_F(VirtualKeyDialogTest, ModeTwoPicksUpToSixKeysInOrder) {
    state() = {kCodeA, 9, 9, 9, 9, 9, 9, 6};
    environment.store.language = "en-US";
    open(kPickCombination);
    EXPECT_EQ(state(), (std::array<int, 8>{kCodeA, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(line(), "Combo:-- --");
    EXPECT_EQ(pickedCount(), 0);
    for (const int key : {kKeyLeftCtrl, kKeyLeftShift, kKeyA})
        mouse->click(key);
    EXPECT_EQ(state(), (std::array<int, 8>{kCodeA, kCodeLeftCtrl, kCodeLeftShift, kCodeA, 0, 0, 0, 3}));
    const CConfigStore& store = environment.store;
    EXPECT_EQ(line().toStdString(), "Combo:" + store.codeToName(kCodeLeftCtrl) + "+" +
                                        store.codeToName(kCodeLeftShift) + "+" + store.codeToName(kCodeA));
    mouse->click(kKeyLeftShift);
    EXPECT_FALSE(picked(kKeyLeftShift));
    EXPECT_EQ(state(), (std::array<int, 8>{kCodeA, kCodeLeftCtrl, kCodeA, 0, 0, 0, 0, 2}));
    // Four more make six; a seventh does not stay picked.
    for (const int key : {kKeyB, virtualKeyId(0), virtualKeyId(1), virtualKeyId(2)})
        mouse->click(key);
    EXPECT_EQ(state()[7], 6);
    mouse->click(kKeyLeftShift);
    EXPECT_FALSE(picked(kKeyLeftShift));
    EXPECT_EQ(state()[7], 6);
    EXPECT_EQ(pickedCount(), 6);
    // A double-click does nothing of its own here.
    const QPoint shift = mouse->centreOf(kKeyLeftShift);
    mouse->pressAndRelease(shift);
    mouse->secondPress(shift);
    EXPECT_TRUE(dialog->isVisible());
    mouse->click(VirtualKeyControlId::Ok);
    EXPECT_EQ(dialog->result(), SkinnedWindow::kResultOk);
    EXPECT_EQ(state(), (std::array<int, 8>{kCodeA, kCodeLeftCtrl, kCodeA, kCodeB, 1, 2, 3, 6}));
}

TEST_F(VirtualKeyDialogTest, CloseTitleAndCancelEndWithCancel) {
    struct Case {
        const char* what;
        QPoint (*where)(const Mouse&);
    };
    const Case cases[] = {
        {"close button", [](const Mouse& m) { return m.centreOf(VirtualKeyControlId::Close); }},
        // The title, 400..540 x 17..37 in design units.
        {"title", [](const Mouse&) { return QPoint(705, 40); }},
        {"cancel", [](const Mouse& m) { return m.centreOf(VirtualKeyControlId::Cancel); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        open(kPickOneKey);
        mouse->clickAt(c.where(*mouse));
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), SkinnedWindow::kResultCancel);
    }
}

TEST_F(VirtualKeyDialogTest, PicksAndHoverShowInTheirPictures) {
    state()[0] = kCodeA;
    open(kPickOneKey);
    mouse->moveTo(mouse->centreOf(kKeyB));
    const QImage image = dialog->grab().toImage();
    EXPECT_EQ(image.pixelColor(mouse->centreOf(kKeyA)), kSelected);
    EXPECT_EQ(image.pixelColor(mouse->centreOf(kKeyB)), kHover);
    EXPECT_EQ(image.pixelColor(mouse->centreOf(kKeyLeftShift)), pageColour(0));
}

TEST_F(VirtualKeyDialogTest, TheDisplayLineIsPlacedAndColouredForItsScale) {
    open(kPickOneKey);
    EXPECT_EQ(dialog->size(), QSize(1410, 531));
    const QLineEdit& display = dialog->displayLine();
    EXPECT_EQ(display.geometry(), QRect(30, 458, 750, 49));
    EXPECT_EQ(display.font().pixelSize(), 22);
    EXPECT_TRUE(display.isReadOnly());
    EXPECT_EQ(display.focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(display.palette().color(QPalette::Text), QColor(255, 111, 0));
    EXPECT_EQ(display.palette().color(QPalette::Base), QColor(20, 20, 20));
    EXPECT_EQ(dialog->windowTitle(), "虚拟键盘");
}

} // namespace
