// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FirstPaintProbe.h"

#include "app/CPelmDlg.h"

#include <QAccessible>
#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct ProbedWindow {
    const char* name;
    WindowId window;
};
constexpr std::array<ProbedWindow, 8> kProbedWindows{{
    {"key-assignment", WindowId::KeyAssignment},
    {"virtual-keys", WindowId::VirtualKeys},
    {"rapid-trigger", WindowId::RapidTrigger},
    {"fine-adjust", WindowId::FineAdjust},
    {"track", WindowId::Track},
    {"backlight", WindowId::Backlight},
    {"multi-key-colour", WindowId::MultiKeyColour},
    {"firmware", WindowId::FirmwareUpdate},
}};

// A memory figure of this process in kB, by its field name in /proc/self/status ("VmHWM:").
long statusKilobytes(std::string_view field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with(field))
            return std::strtol(line.c_str() + field.size(), nullptr, 10);
    }
    return -1;
}

// The median time of full repaints into an image of the window's size, as the window paints them on
// screen.
double medianRepaintMs(QWidget& window) {
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
    return static_cast<double>(nanoseconds[kRepaints / 2]) / 1e6;
}

// Watches for the first skinned window other than the main window to be shown, then for its first
// complete paint.
class DialogPaintWatch : public QObject {
public:
    DialogPaintWatch(CPelmDlg& mainWindow, const QElapsedTimer& sinceClick)
        : mainWindow_(mainWindow), sinceClick_(sinceClick) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<SkinnedWindow*>(watched);
        if (event->type() != QEvent::Show || dialog == nullptr || dialog == &mainWindow_ || seen_)
            return false;
        seen_ = true;
        connect(
            dialog, &SkinnedWindow::painted, dialog, [this, dialog] { report(*dialog); },
            Qt::SingleShotConnection);
        return false;
    }

private:
    void report(SkinnedWindow& dialog) {
        const qint64 firstPaint = sinceClick_.elapsed();
        QTimer::singleShot(0, &dialog, [&dialog, firstPaint] {
            std::fprintf(stderr,
                         "dialog-first-paint-ms: %lld\ndialog-full-repaint-ms: %.2f (median at scale %.1f)\n",
                         static_cast<long long>(firstPaint), medianRepaintMs(dialog),
                         static_cast<double>(dialog.scale()));
            dialog.done(SkinnedWindow::kResultCancel);
        });
    }

    CPelmDlg& mainWindow_;
    const QElapsedTimer& sinceClick_;
    bool seen_ = false;
};

// The key the key assignment dialog is opened for: E, whose button the probe clicks.
constexpr int kProbedKeyButton = 134;

// Presses and releases the left button on the main window's entry with id.
void clickEntry(CPelmDlg& window, int id) {
    const SkinRect& rect = window.controls()[window.findById(id)].rect;
    const QPoint point((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, point, window.mapToGlobal(point), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &event);
    }
}

void probeDialog(CPelmDlg& window, WindowId dialog) {
    QElapsedTimer sinceClick;
    DialogPaintWatch watch(window, sinceClick);
    qApp->installEventFilter(&watch);
    sinceClick.start();
    // The key assignment dialog edits the key clicked: it opens from a click on a key.
    if (dialog == WindowId::KeyAssignment)
        clickEntry(window, kProbedKeyButton);
    else if (window.openWindow(dialog) == WindowOpener::kNotOffered)
        std::fprintf(stderr, "dialog-first-paint-ms: none (the program has no such window)\n");
    qApp->removeEventFilter(&watch);
}

} // namespace

std::optional<WindowId> probedWindowNamed(std::string_view name) {
    for (const ProbedWindow& probed : kProbedWindows) {
        if (name == probed.name)
            return probed.window;
    }
    return std::nullopt;
}

const char* probedWindowNames() {
    return "key-assignment, virtual-keys, rapid-trigger, fine-adjust, track, backlight, multi-key-colour, "
           "firmware";
}

// Everything a screen reader reads of a node and the nodes below it: names, descriptions, roles,
// states and rectangles. Answers how many nodes there are; the characters read go into characters.
int readTree(QAccessibleInterface* node, qint64& characters) {
    if (node == nullptr)
        return 0;
    characters += node->text(QAccessible::Name).size() + node->text(QAccessible::Description).size();
    characters +=
        static_cast<qint64>(node->role()) + (node->state().invisible ? 1 : 0) + node->rect().width();
    int nodes = 1;
    for (int child = 0; child < node->childCount(); ++child)
        nodes += readTree(node->child(child), characters);
    return nodes;
}

// How long a screen reader attaching now waits for the main window's whole tree, built on demand.
void probeReaderTree(CPelmDlg& window) {
    QElapsedTimer reading;
    reading.start();
    qint64 characters = 0;
    const int nodes = readTree(QAccessible::queryAccessibleInterface(&window), characters);
    std::fprintf(stderr, "reader-tree-ms: %.2f (%d nodes, %lld characters)\n",
                 static_cast<double>(reading.nsecsElapsed()) / 1e6, nodes,
                 static_cast<long long>(characters));
}

void probeFirstPaint(CPelmDlg& window, const QElapsedTimer& sinceStart, std::optional<WindowId> dialog) {
    QObject::connect(
        &window, &CPelmDlg::painted, &window,
        [&window, &sinceStart, dialog] {
            const qint64 firstPaint = sinceStart.elapsed();
            const long peakKilobytes = statusKilobytes("VmHWM:");
            // The program's own file and the libraries' pages, against what it allocated.
            const long fileKilobytes = statusKilobytes("RssFile:");
            const long heapKilobytes = statusKilobytes("RssAnon:");
            QTimer::singleShot(
                0, &window, [&window, firstPaint, peakKilobytes, fileKilobytes, heapKilobytes, dialog] {
                    std::fprintf(
                        stderr,
                        "first-paint-ms: %lld\npeak-rss-kb: %ld\nfile-rss-kb: %ld\nanon-rss-kb: %ld\n"
                        "full-repaint-ms: %.2f (median of 51 at scale %.1f)\n",
                        static_cast<long long>(firstPaint), peakKilobytes, fileKilobytes, heapKilobytes,
                        medianRepaintMs(window), static_cast<double>(window.scale()));
                    // The help document the help button would open, and whether it is there.
                    const QString help = window.helpPath();
                    std::fprintf(stderr, "help-document: %s (%s)\n", qPrintable(help),
                                 QFileInfo::exists(help) ? "found" : "missing");
                    probeReaderTree(window);
                    if (dialog)
                        probeDialog(window, *dialog);
                    window.done(0);
                });
        },
        Qt::SingleShotConnection);
}
