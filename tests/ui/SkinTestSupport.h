// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ConfigStore.h"
#include "platform/ScriptedPlatformServices.h"
#include "res/SharedResources.h"
#include "support/TempDir.h"
#include "ui/WindowContext.h"
#include "ui/WindowOpener.h"

#include <QImage>

// Pictures for toolkit tests: a plain dark background (blue-keyed 4 x 4 corner at the top left), a
// hover picture whose pixel colour encodes its own position, and a plain green pressed picture.
namespace SkinTest {

inline constexpr QSize kDesignSize{1021, 680};
inline constexpr QRgb kBackground = 0xFF0A0A0A;
inline constexpr QRgb kPressed = 0xFF00C800;
// Slots 34, 35, 36 hold pictures 142, 143, 144.
inline constexpr int kBackgroundSlot = 34;
inline constexpr int kHoverSlot = 35;
inline constexpr int kPressedSlot = 36;

inline QRgb hoverAt(int x, int y) {
    return qRgb(x & 0xFF, y & 0xFF, 200);
}

inline PictureDrawers drawers() {
    PictureDrawers drawers;
    drawers[142] = [] {
        QImage image(kDesignSize, QImage::Format_RGB32);
        image.fill(kBackground);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                image.setPixel(x, y, qRgb(0, 0, 255));
        return image;
    };
    drawers[143] = [] {
        QImage image(kDesignSize, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, hoverAt(x, y));
        return image;
    };
    drawers[144] = [] {
        QImage image(kDesignSize, QImage::Format_RGB32);
        image.fill(kPressed);
        return image;
    };
    return drawers;
}

// A store without a keyboard, the test pictures and a 1920 x 1080 screen.
struct Environment {
    TempDir folder;
    CConfigStore store{folder.file("absent-keyboard.txt")};
    SharedResources resources{PictureLibrary(drawers()), 4};
    ScriptedPlatformServices platform;
    WindowOpener opener;

    explicit Environment(float scale = 1.5F) {
        store.scaleFactor = scale;
        store.language = "zh-CN";
    }
    WindowContext context() { return {store, resources, QSize(1920, 1080), platform, opener}; }
};

} // namespace SkinTest
