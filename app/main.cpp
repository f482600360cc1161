// qelec: the keyboard configuration program.
#include "app/CPelmApp.h"
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

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// --first-paint-probe: reports when the main window has painted completely, how much memory the
// program holds then, how long one full repaint takes at the window's scale and which help document
// it would open, and ends the program.
void probeFirstPaint(CPelmDlg& window, const QElapsedTimer& sinceStart) {
    QObject::connect(&window, &CPelmDlg::painted, &window, [&window, &sinceStart] {
        if (window.property("probed").toBool())
            return;
        window.setProperty("probed", true);
        const qint64 firstPaint = sinceStart.elapsed();
        const long peakKilobytes = residentKilobytes();
        QTimer::singleShot(0, &window, [&window, firstPaint, peakKilobytes] {
            // Full repaints into an image of the window's size, as the window paints them on screen.
            QImage target(window.size(), QImage::Format_ARGB32_Premultiplied);
            constexpr int kRepaints = 51;
            std::vector<qint64> nanoseconds;
            for (int k = 0; k < kRepaints; ++k) {
                QElapsedTimer repaint;
                repaint.start();
                window.render(&target);
                nanoseconds.push_back(repaint.nsecsElapsed());
            }
            std::sort(nanoseconds.begin(), nanoseconds.end());
            std::fprintf(stderr,
                         "first-paint-ms: %lld\npeak-rss-kb: %ld\nfull-repaint-ms: %.2f (median of %d at "
                         "scale %.1f)\n",
                         static_cast<long long>(firstPaint), peakKilobytes,
                         static_cast<double>(nanoseconds[kRepaints / 2]) / 1e6, kRepaints,
                         static_cast<double>(window.scale()));
            // The help document the help button would open, and whether it is there.
            const QString help = window.helpPath();
            std::fprintf(stderr, "help-document: %s (%s)\n", qPrintable(help),
                         QFileInfo::exists(help) ? "found" : "missing");
            window.done(0);
        });
    });
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
    if (argc > 1 && !probe) {
        std::fprintf(stderr, "usage: qelec [--first-paint-probe]\n");
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
        program.setMainWindowHook([&sinceStart](CPelmDlg& window) { probeFirstPaint(window, sinceStart); });
    program.run();
    return 0;
}
