#include "app/CPelmApp.h"

#include "app/ProgramWindows.h"
#include "model/ConfigStore.h"
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
    store_.deviceVariant = detectVariant(store_.device, detectionWait_);
    const SharedResources resources(store_.deviceVariant);
    store_.buildCatalogue();
    // The window sizes itself and its table from the scale as it is built, so the scale is known
    // first.
    const QSize screen = platform_.primaryScreenSize();
    store_.scaleFactor = scaleFactorForScreenHeight(screen.height());
    CPelmDlg mainWindow(WindowContext{store_, resources, screen, platform_, opener_});
    if (mainWindowHook_)
        mainWindowHook_(mainWindow);
    return mainWindow.exec();
}
