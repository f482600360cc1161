// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ConfigStore.h"
#include "platform/ScriptedPlatformServices.h"
#include "res/PictureSet.h"
#include "res/SharedResources.h"
#include "support/TempDir.h"
#include "ui/SkinnedWindow.h"
#include "ui/WindowContext.h"
#include "ui/WindowOpener.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

// Plain one-colour pictures for the key assignment and virtual key windows, so that every look can be
// read back from a painted window, and a store with the catalogue of a QelEC(RGB) at its factory keys.
namespace KeymapTest {

inline constexpr QSize kKeyAssignmentDesign{581, 368};
inline constexpr QSize kVirtualKeyDesign{940, 354};
inline const QColor kHover{0, 200, 0};
inline const QColor kSelected{200, 0, 0};

// Each page's normal picture has a grey of its own.
inline QColor pageColour(int page) {
    return {40 + page, 40, 40};
}

inline PictureDrawer flat(QSize size, const QColor& colour) {
    return [size, colour] {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    };
}

inline PictureLibrary flatPictures() {
    constexpr int kVariant = 4;
    PictureDrawers drawers;
    for (int page = 1; page <= 7; ++page) {
        const int firstSlot = 3 * page;
        drawers[PictureSet::pictureNumber(firstSlot, kVariant)] =
            flat(kKeyAssignmentDesign, pageColour(page));
        drawers[PictureSet::pictureNumber(firstSlot + 1, kVariant)] = flat(kKeyAssignmentDesign, kHover);
        drawers[PictureSet::pictureNumber(firstSlot + 2, kVariant)] = flat(kKeyAssignmentDesign, kSelected);
    }
    drawers[PictureSet::pictureNumber(30, kVariant)] = flat(QSize(144, 48), QColor(60, 60, 60));
    drawers[PictureSet::pictureNumber(37, kVariant)] = flat(kVirtualKeyDesign, pageColour(0));
    drawers[PictureSet::pictureNumber(38, kVariant)] = flat(kVirtualKeyDesign, kHover);
    drawers[PictureSet::pictureNumber(39, kVariant)] = flat(kVirtualKeyDesign, kSelected);
    return PictureLibrary(std::move(drawers));
}

// A store without a keyboard, with the catalogue and factory keys of a QelEC(RGB), at scale 1.5 in
// Chinese.
struct Environment {
    TempDir folder;
    CConfigStore store{folder.file("absent-keyboard.txt")};
    SharedResources resources{flatPictures(), 4};
    ScriptedPlatformServices platform;
    WindowOpener opener;

    Environment() {
        store.deviceVariant = 4;
        store.buildCatalogue();
        store.resetToDefaults();
        store.scaleFactor = 1.5F;
    }
    WindowContext context() { return {store, resources, QSize(1920, 1080), platform, opener}; }
};

// Mouse input for a skinned window, by entry id or point.
class Mouse {
public:
    explicit Mouse(SkinnedWindow& window) : window_(window) {}

    QRect rectOf(int id) const {
        const SkinRect& rect = window_.controls()[window_.findById(id)].rect;
        return {rect.left, rect.top, rect.width(), rect.height()};
    }
    QRect rectOf(ControlIdName auto id) const { return rectOf(idOf(id)); }
    QPoint centreOf(int id) const { return rectOf(id).center(); }
    QPoint centreOf(ControlIdName auto id) const { return centreOf(idOf(id)); }

    void moveTo(QPoint point) {
        QMouseEvent move(QEvent::MouseMove, point, window_.mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&window_, &move);
        QApplication::processEvents();
    }
    void send(QEvent::Type type, QPoint point) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, point, window_.mapToGlobal(point), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(&window_, &event);
    }
    // Press and release; the click waits for a double-click that does not come.
    void click(int id) { clickAt(centreOf(id)); }
    void click(ControlIdName auto id) { click(idOf(id)); }
    void clickAt(QPoint point) {
        pressAndRelease(point);
        window_.timers().fire(SkinnedWindow::kDeferredClickTimer);
        QApplication::processEvents();
    }
    void pressAndRelease(QPoint point) {
        send(QEvent::MouseButtonPress, point);
        send(QEvent::MouseButtonRelease, point);
    }
    // The second press of a double-click, as the platform sends it.
    void secondPress(QPoint point) {
        send(QEvent::MouseButtonPress, point);
        send(QEvent::MouseButtonDblClick, point);
    }

private:
    SkinnedWindow& window_;
};

} // namespace KeymapTest
