// qelec: the keyboard configuration program.
#include "app/CPelmApp.h"
#include "app/FirstPaintProbe.h"
#include "model/ConfigStore.h"
#include "platform/KeyboardHookFilter.h"
#include "platform/QtPlatformServices.h"

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
    QElapsedTimer sinceStart;
    sinceStart.start();
    const bool probe = argc > 1 && std::strcmp(argv[1], "--first-paint-probe") == 0;
    const std::optional<WindowId> probedDialog = argc > 2 ? probedWindowNamed(argv[2]) : std::nullopt;
    if ((argc > 1 && !probe) || argc > 3 || (argc == 3 && !probedDialog)) {
        std::fprintf(stderr, "usage: qelec [--first-paint-probe [WINDOW]]\n  WINDOW: %s\n",
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
    if (probe)
        program.setMainWindowHook([&sinceStart, probedDialog](CPelmDlg& window) {
            probeFirstPaint(window, sinceStart, probedDialog);
        });
    program.run();
    return 0;
}
