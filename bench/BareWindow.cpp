// SPDX-License-Identifier: GPL-3.0-or-later
// The anchor the program's start is judged against: a bare Qt Widgets window of the main window's
// size at scale 1.5 with one line of Chinese text, timed from main() to its first complete paint,
// with its peak memory then. Measured beside `qelec --first-paint-probe` in the same run.
#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

long peakResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

class BareWindow : public QWidget {
public:
    explicit BareWindow(const QElapsedTimer& sinceStart) : sinceStart_(sinceStart) { resize(1560, 1020); }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(34, 34, 38));
        painter.setPen(QColor(214, 214, 222));
        painter.drawText(QPoint(40, 60), QStringLiteral("键盘编程软件 QelEC"));
        painter.end();
        if (reported_)
            return;
        reported_ = true;
        const qint64 firstPaint = sinceStart_.elapsed();
        const long peak = peakResidentKilobytes();
        QTimer::singleShot(0, this, [firstPaint, peak] {
            std::fprintf(stderr, "bare-first-paint-ms: %lld\nbare-peak-rss-kb: %ld\n",
                         static_cast<long long>(firstPaint), peak);
            QApplication::quit();
        });
    }

private:
    const QElapsedTimer& sinceStart_;
    bool reported_ = false;
};

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication application(argc, argv);
    BareWindow window(sinceStart);
    window.show();
    return QApplication::exec();
}
