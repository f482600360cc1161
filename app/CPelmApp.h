// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/CPelmDlg.h"
#include "ui/WindowOpener.h"

#include <functional>
#include <string>

class CConfigStore;
class PlatformServices;

// The program's run: makes the virtual keyboard on the account's first start, finds the keyboard variant,
// prepares the pictures and fonts every window shares, builds the key function catalogue (which starts the
// interface in Chinese) and runs the main window until it ends. The pictures are drawn only when a window
// first shows them.
class CPelmApp {
public:
    CPelmApp(CConfigStore& store, PlatformServices& platform);

    // Replaces the one-second waits between detection attempts; for tests.
    void setDetectionWait(std::function<void(int milliseconds)> wait) { detectionWait_ = std::move(wait); }
    // The windows the main window and its dialogs open; the program's own unless a test replaces one.
    WindowOpener& opener() { return opener_; }
    // Runs with the main window before its modal run starts; for tests and probes.
    void setMainWindowHook(std::function<void(CPelmDlg&)> hook) { mainWindowHook_ = std::move(hook); }

    // Where the main window keeps its recovery file; none when empty (the default).
    void setRecoveryFolder(std::string folder) { recoveryFolder_ = std::move(folder); }

    // The whole run; returns the main window's result once it has ended.
    int run();

private:
    void makeKeyboardOnFirstStart();

    CConfigStore& store_;
    PlatformServices& platform_;
    std::function<void(int)> detectionWait_;
    WindowOpener opener_;
    std::function<void(CPelmDlg&)> mainWindowHook_;
    std::string recoveryFolder_;
};
