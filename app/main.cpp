// SPDX-License-Identifier: GPL-3.0-or-later
// qelec: the keyboard configuration program.
#include "app/CPelmApp.h"
#include "app/FirstPaintProbe.h"
#include "model/ConfigStore.h"
#include "model/history/RecoveryFile.h"
#include "platform/KeyboardHookFilter.h"
#include "platform/QtPlatformServices.h"

#include "QelecVersion.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPalette>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

// What --help prints: the program and its options, none of which needs a display.
void printHelp() {
    std::printf(
        "usage: qelec [--first-paint-probe [WINDOW]]\n"
        "       qelec --help | --version\n\n"
        "Configures QelEC analogue gaming keyboards: the keys over three programs of three layers,\n"
        "macros, backlight colours, press and release travel and the rapid-trigger threshold, press\n"
        "counters, firmware and profiles, in Simplified Chinese and English. It talks to the virtual\n"
        "keyboard that qelec-vkbd creates and drives; qelec-ctl scripts the same keyboard.\n\n"
        "options:\n"
        "  --first-paint-probe [WINDOW]  report how long the main window takes to paint (then WINDOW,\n"
        "                                opened over it), and end\n"
        "  -h, --help                    show this text\n"
        "  --version                     print the version\n"
        "WINDOW: %s\n"
        "environment:\n"
        "  QELEC_VKBD_STATE              the virtual keyboard's state file (default:\n"
        "                                $XDG_DATA_HOME/qelec/virtual-keyboard.txt)\n"
        "  XDG_STATE_HOME                where unwritten and unsaved changes are kept for recovery\n"
        "                                (default: ~/.local/state; the files are in qelec/)\n",
        probedWindowNames());
}

// Prints what --help or --version asks for; the exit code, 2 when it could not be written.
std::optional<int> answerInformationRequest(int argc, char** argv) {
    if (argc != 2)
        return std::nullopt;
    if (std::strcmp(argv[1], "--version") == 0)
        std::printf("qelec %s\n", kQelecVersion);
    else if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)
        printHelp();
    else
        return std::nullopt;
    return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? 0 : 2;
}

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

bool hasDisplay() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

// Message boxes and file dialogs in the colours of the program's own windows.
void useDarkTheme() {
    QApplication::setStyle(QStringLiteral("Fusion"));
    QPalette dark;
    const QColor window(34, 34, 38);
    const QColor base(20, 20, 20);
    const QColor text(214, 214, 222);
    const QColor accent(255, 111, 0);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::ToolTipBase, window);
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, QColor(46, 46, 52));
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::BrightText, Qt::white);
    dark.setColor(QPalette::Highlight, accent);
    dark.setColor(QPalette::HighlightedText, Qt::black);
    dark.setColor(QPalette::Link, accent);
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(110, 110, 118));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(110, 110, 118));
    QApplication::setPalette(dark);
}

} // namespace

int main(int argc, char** argv) {
    if (const auto answered = answerInformationRequest(argc, argv))
        return *answered;
    QElapsedTimer sinceStart;
    sinceStart.start();
    const bool probe = argc > 1 && std::strcmp(argv[1], "--first-paint-probe") == 0;
    const std::optional<WindowId> probedDialog = argc > 2 ? probedWindowNamed(argv[2]) : std::nullopt;
    if ((argc > 1 && !probe) || argc > 3 || (argc == 3 && !probedDialog)) {
        std::fprintf(
            stderr,
            "usage: qelec [--first-paint-probe [WINDOW]]\n       qelec --help | --version\n  WINDOW: %s\n",
            probedWindowNames());
        return 2;
    }
    if (!hasDisplay()) {
        std::fprintf(stderr,
                     "qelec needs a graphical display, and none is set (DISPLAY and WAYLAND_DISPLAY are "
                     "empty).\nRun it on a desktop, or under a virtual X server:\n"
                     "  xvfb-run -a -s '-screen 0 1920x1080x24' qelec\n");
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QelEC"));
    // Ties the windows to the installed desktop entry, for the desktop's icon and window grouping.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.qelec.Qelec"));
    useDarkTheme();
    QApplication::setQuitOnLastWindowClosed(false);
    QtPlatformServices platform;
    // The keyboard hook: every key event of the program's windows, for the windows that capture keys.
    const KeyboardHookFilter keyboardHook(&application);
    CConfigStore store;
    CPelmApp program(store, platform);
    if (!probe)
        program.setRecoveryFolder(
            recoveryFolder(environmentValue("XDG_STATE_HOME"), environmentValue("HOME")));
    if (probe)
        program.setMainWindowHook([&sinceStart, probedDialog](CPelmDlg& window) {
            probeFirstPaint(window, sinceStart, probedDialog);
        });
    program.run();
    return 0;
}
