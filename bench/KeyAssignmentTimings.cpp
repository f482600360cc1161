// SPDX-License-Identifier: GPL-3.0-or-later
// How quickly the key assignment dialog answers, at scale 1.5 with the program's own pictures:
// from a tab's command to the complete paint of a page not shown before (its pictures drawn for the
// first time), and from a mouse move between two icons to the completed repaint of the two. Each
// round starts from pictures not drawn yet; medians over the rounds are printed. Run it on a display
// (xvfb-run is enough).
#include "app/ProgramPictures.h"
#include "bench/WindowTimings.h"
#include "keymap/CPelmDialogKeyMapSettings.h"
#include "keymap/rules/KeyAssignmentChoice.h"
#include "keymap/rules/KeyAssignmentControls.h"
#include "model/ConfigStore.h"
#include "platform/ScriptedPlatformServices.h"
#include "res/SharedResources.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using WindowTimings::median;
using WindowTimings::milliseconds;
using WindowTimings::waitForPaint;

constexpr int kRounds = 7;
constexpr int kHoverMoves = 51;

QPoint centreOf(const SkinnedWindow& window, int id) {
    const SkinRect& rect = window.controls()[window.findById(id)].rect;
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void moveMouse(SkinnedWindow& window, QPoint point) {
    QMouseEvent move(QEvent::MouseMove, point, window.mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&window, &move);
}

// Presses and releases on the tab of page; the timer is the command's start, after the double-click
// wait the dialog keeps on purpose.
void clickTab(SkinnedWindow& window, int page, QElapsedTimer& fromCommand) {
    const QPoint point = centreOf(window, keyAssignmentTabId(page));
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, point, window.mapToGlobal(point), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &event);
    }
    fromCommand.start();
    window.timers().fire(SkinnedWindow::kDeferredClickTimer);
}

struct Round {
    double slowestPage = 0;
    double hover = 0;
};

Round measureRound(CConfigStore& store, ScriptedPlatformServices& platform, const WindowOpener& opener) {
    const SharedResources resources(programPictureLibrary(), store.deviceVariant);
    CPelmDialogKeyMapSettings dialog(WindowContext{store, resources, QSize(1920, 1080), platform, opener});
    dialog.show();
    waitForPaint(dialog);
    Round round;
    QElapsedTimer timer;
    for (int page = kPageMacro; page <= kPagePower; ++page) {
        clickTab(dialog, page, timer);
        waitForPaint(dialog);
        round.slowestPage = std::max(round.slowestPage, milliseconds(timer));
    }
    clickTab(dialog, kPageMultimedia, timer);
    waitForPaint(dialog);
    std::vector<double> hovers;
    for (int move = 0; move < kHoverMoves; ++move) {
        timer.start();
        moveMouse(dialog, centreOf(dialog, idOf(move % 2 == 0 ? KeyAssignmentControlId::MediaSelect
                                                              : KeyAssignmentControlId::PlayPause)));
        waitForPaint(dialog);
        hovers.push_back(milliseconds(timer));
    }
    round.hover = median(hovers);
    dialog.done(SkinnedWindow::kResultCancel);
    return round;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    CConfigStore store;
    store.deviceVariant = 4;
    store.buildCatalogue();
    store.resetToDefaults();
    store.scaleFactor = 1.5F;
    store.currentKey = 35;
    ScriptedPlatformServices platform;
    const WindowOpener opener;
    std::vector<double> pages;
    std::vector<double> hovers;
    for (int round = 0; round < kRounds; ++round) {
        const Round measured = measureRound(store, platform, opener);
        pages.push_back(measured.slowestPage);
        hovers.push_back(measured.hover);
    }
    std::printf("key-assignment-new-page-ms: %.2f (slowest of pages 2 to 7, median of %d rounds)\n"
                "key-assignment-hover-repaint-ms: %.3f (median of %d moves, median of %d rounds)\n",
                median(pages), kRounds, median(hovers), kHoverMoves, kRounds);
    return 0;
}
