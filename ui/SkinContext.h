#pragma once

#include <QSize>

class CConfigStore;
class SharedResources;

// What every window is given by whoever opens it: the store (language, scaleFactor and the window's
// data), the application's pictures and fonts, and the primary screen's size in device pixels.
struct SkinContext {
    CConfigStore& store;
    const SharedResources& resources;
    QSize screenSize;
};
