// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ProgramWindows.h"
#include "device/VirtualKeyboardFile.h"
#include "model/ConfigStore.h"
#include "platform/ScriptedPlatformServices.h"
#include "res/SharedResources.h"
#include "support/TempDir.h"
#include "ui/SkinnedWindow.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

// The lighting windows on a virtual RGB keyboard whose transfers take no time, drawn from one-colour
// pictures so that every look and frame can be read back from the painted window.
namespace LightingTest {

inline const QColor kBackground{50, 50, 50};
inline const QColor kHover{0, 200, 0};
inline const QColor kPressed{200, 0, 0};

inline PictureDrawer flat(QSize size, const QColor& colour) {
    return [size, colour] {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    };
}

// The backlight pictures (131 to 133) and the multi-key pictures (142 to 144) in their design sizes.
inline PictureLibrary flatPictures() {
    PictureDrawers drawers;
    const QSize backlight{862, 470};
    const QSize multiKey{862, 414};
    drawers[131] = flat(backlight, kBackground);
    drawers[132] = flat(backlight, kHover);
    drawers[133] = flat(backlight, kPressed);
    drawers[142] = flat(multiKey, kBackground);
    drawers[143] = flat(multiKey, kHover);
    drawers[144] = flat(multiKey, kPressed);
    return PictureLibrary(std::move(drawers));
}

class Fixture : public ::testing::Test {
protected:
    void SetUp() override {
        VirtualKeyboardState state = factoryState(4);
        state.transferMs = 0;
        ASSERT_TRUE(keyboard.create(state, true).ok());
        store.device.setSleeper([](std::chrono::milliseconds) {});
        store.deviceVariant = store.device.DetectDeviceType();
        ASSERT_TRUE(store.device.__createDev());
        store.buildCatalogue();
        store.resetToDefaults();
        store.scaleFactor = 1.5F;
        installProgramWindows(opener, [](std::chrono::milliseconds) {});
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
    // The colour of key 1..85 as the keyboard holds it.
    std::array<int, 3> keyboardLight(int key) {
        const VirtualKeyboardState state = *keyboard.load().state;
        const auto first = static_cast<std::size_t>((key - 1) * 3);
        return {state.lights[first], state.lights[first + 1], state.lights[first + 2]};
    }
    std::vector<QString> messages() const {
        std::vector<QString> texts;
        for (const auto& box : platform.messageBoxes())
            texts.push_back(box.text);
        return texts;
    }

    TempDir folder;
    VirtualKeyboardFile keyboard{folder.file("keyboard.txt")};
    CConfigStore store{folder.file("keyboard.txt")};
    SharedResources resources{flatPictures(), 4};
    ScriptedPlatformServices platform;
    WindowOpener opener;
};

inline QRect rectOf(const SkinControl& control) {
    return {control.rect.left, control.rect.top, control.rect.width(), control.rect.height()};
}

inline QRgb pixelOf(Rgb colour) {
    return qRgb(redOf(colour), greenOf(colour), blueOf(colour));
}

// Moves the mouse over window to point; sent directly, so that it arrives even when the cursor is there
// already.
inline void moveMouse(QWidget& window, QPoint point) {
    QMouseEvent move(QEvent::MouseMove, point, window.mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&window, &move);
    QApplication::processEvents();
}

// The colour of the frame around key rect, as painted: the pixel just left of its middle.
inline QRgb frameColourAt(const QImage& painted, const QRect& key) {
    return painted.pixel(key.left() - 1, key.center().y());
}

} // namespace LightingTest
