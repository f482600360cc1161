// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CPelmApp.h"

#include "app/ProgramPictures.h"
#include "app/ProgramWindows.h"
#include "model/ConfigStore.h"
#include "model/FirstStartKeyboard.h"
#include "model/StartupChecks.h"
#include "platform/PlatformServices.h"
#include "res/SharedResources.h"

#include <chrono>
#include <thread>

CPelmApp::CPelmApp(CConfigStore& store, PlatformServices& platform)
    : store_(store), platform_(platform), detectionWait_([](int milliseconds) {
          std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
      }) {
    installProgramWindows(opener_);
}

int CPelmApp::run() {
    makeKeyboardOnFirstStart();
    store_.deviceVariant = detectVariant(store_.device, detectionWait_);
    const SharedResources resources(programPictureLibrary(), store_.deviceVariant);
    store_.buildCatalogue();
    // The window sizes itself and its table from the scale as it is built, so the scale is known
    // first.
    const QSize screen = platform_.primaryScreenSize();
    store_.scaleFactor = scaleFactorForScreenHeight(screen.height());
    CPelmDlg mainWindow(WindowContext{store_, resources, screen, platform_, opener_});
    mainWindow.setRecoveryFolder(recoveryFolder_);
    if (mainWindowHook_)
        mainWindowHook_(mainWindow);
    return mainWindow.exec();
}

// Said once, before the search for the keyboard; a keyboard that could not be made is then not
// found, as on any start without one.
void CPelmApp::makeKeyboardOnFirstStart() {
    const std::string& path = store_.device.statePath();
    const FirstStartKeyboard keyboard = createKeyboardOnFirstStart(path);
    if (keyboard.outcome == FirstStartKeyboard::Outcome::Existing)
        return;
    const bool created = keyboard.outcome == FirstStartKeyboard::Outcome::Created;
    platform_.showMessage(nullptr, QString::fromStdString(firstStartKeyboardMessage(keyboard, path)),
                          QStringLiteral("QelEC"), MessageButtons::Ok,
                          created ? MessageIcon::Information : MessageIcon::Warning);
}
