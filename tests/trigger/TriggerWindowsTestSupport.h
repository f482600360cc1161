// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/CPelmDialogProgress.h"
#include "device/VirtualKeyboardFile.h"
#include "model/ConfigStore.h"
#include "platform/ScriptedPlatformServices.h"
#include "res/SharedResources.h"
#include "support/TempDir.h"
#include "ui/WindowContext.h"
#include "ui/WindowOpener.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

// The trigger windows drawn from plain one-colour pictures (so every look can be read back from the
// painted window), on a virtual keyboard of their own whose transfers take no time.
namespace TriggerTest {

inline const QColor kBackground{40, 40, 40};
inline const QColor kHover{0, 200, 0};
inline const QColor kPressed{200, 0, 200};

inline PictureDrawer flat(QSize size, const QColor& colour) {
    return [size, colour] {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    };
}

// Background, hover and pressed pictures of the rapid-trigger (162, 163, 161), fine-adjust (165, 166,
// 164) and travel (168, 169, 167) windows.
inline PictureLibrary flatPictures() {
    PictureDrawers drawers;
    const struct {
        int background, hover, pressed;
        QSize size;
    } windows[] = {{162, 163, 161, {862, 470}}, {165, 166, 164, {370, 250}}, {168, 169, 167, {862, 462}}};
    for (const auto& window : windows) {
        drawers[window.background] = flat(window.size, kBackground);
        drawers[window.hover] = flat(window.size, kHover);
        drawers[window.pressed] = flat(window.size, kPressed);
    }
    return PictureLibrary(std::move(drawers));
}

class TriggerWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        VirtualKeyboardState state = factoryState(4);
        state.transferMs = 0;
        state.travel = TravelMode::Idle;
        ASSERT_TRUE(keyboard.create(state, true).ok());
        store.device.setSleeper([](std::chrono::milliseconds) {});
        store.deviceVariant = store.device.DetectDeviceType();
        ASSERT_TRUE(store.device.__createDev());
        store.buildCatalogue();
        store.resetToDefaults();
        store.scaleFactor = 1.5F;
        opener.install(WindowId::Transfer, CPelmDialogProgress::runner([](std::chrono::milliseconds) {}));
    }

    WindowContext context() { return {store, resources, QSize(1920, 1080), platform, opener}; }

    void changeKeyboard(const std::function<void(VirtualKeyboardState&)>& change) {
        ASSERT_TRUE(keyboard
                        .update([&change](VirtualKeyboardState& state) {
                            change(state);
                            return true;
                        })
                        .ok());
    }
    void failOnKeyboard(Failure failure) {
        changeKeyboard([failure](VirtualKeyboardState& state) { state.setFailure(failure, true); });
    }
    VirtualKeyboardState keyboardState() { return *keyboard.load().state; }

    static QRect rectOf(const SkinControl& control) {
        return {control.rect.left, control.rect.top, control.rect.width(), control.rect.height()};
    }
    static void moveTo(QWidget& window, QPoint point) {
        QMouseEvent move(QEvent::MouseMove, point, window.mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&window, &move);
        QApplication::processEvents();
    }
    static void click(QWidget& window, QPoint point) {
        QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, point);
        QApplication::processEvents();
    }

    TempDir folder;
    VirtualKeyboardFile keyboard{folder.file("keyboard.txt")};
    CConfigStore store{folder.file("keyboard.txt")};
    SharedResources resources{flatPictures(), 4};
    ScriptedPlatformServices platform;
    WindowOpener opener;
};

} // namespace TriggerTest
