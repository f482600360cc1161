// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class CConfigStore;
class PlatformServices;
class SharedResources;
class WindowOpener;

// What every window is given by whoever opens it: the store (language, scaleFactor and the window's
// data), the application's pictures and fonts, the primary screen's size in device pixels, the
// platform's services (message boxes, file dialogs, the colour chooser) and the opener through which
// it opens other windows and runs transfers.
struct WindowContext {
    CConfigStore& store;
    const SharedResources& resources;
    QSize screenSize;
    PlatformServices& platform;
    const WindowOpener& opener;
};
