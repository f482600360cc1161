// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RecoverySaver.h"

#include "app/rules/HistoryTexts.h"
#include "device/AtomicFileWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

// A path or reason printed to the log, on one line.
std::string logged(const std::string& text) {
    return HistoryTexts::visible(text);
}

// The folder is made with the toolkit's own code, already in memory at start, where the standard
// library's file system code would add its pages to every run's memory.
FileLock lockFor(const std::string& path) {
    QDir().mkpath(QFileInfo(QFile::decodeName(path.c_str())).absolutePath());
    FileLock lock = FileLock::tryAcquire(path + ".lock");
    if (!lock.held())
        qWarning("qelec: recovery file %s not used: %s", logged(path).c_str(),
                 lock.status() == FileLock::Status::Busy ? "another program holds it"
                                                         : logged(lock.error()).c_str());
    return lock;
}

} // namespace

RecoverySaver::RecoverySaver(std::string path, std::function<std::string()> text, std::function<bool()> busy)
    : path_(std::move(path)), text_(std::move(text)), busy_(std::move(busy)), lock_(lockFor(path_)) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &RecoverySaver::saveWhenFree);
    writer_.setMaxThreadCount(1);
}

RecoverySaver::~RecoverySaver() {
    writer_.waitForDone();
}

void RecoverySaver::stepTaken() {
    if (usable())
        timer_.start(kCoalesceMs);
}

bool RecoverySaver::pending() const {
    return timer_.isActive() || writer_.activeThreadCount() > 0;
}

void RecoverySaver::saveWhenFree() {
    if (busy_()) {
        timer_.start(kBusyRetryMs);
        return;
    }
    writer_.start([path = path_, text = text_()] {
        std::string error;
        if (!writeFileAtomically(path, text, &error))
            qWarning("qelec: the recovery file could not be written: %s", logged(error).c_str());
    });
}

void RecoverySaver::flush() {
    if (timer_.isActive() && !busy_()) {
        timer_.stop();
        saveWhenFree();
    }
    writer_.waitForDone();
}

void RecoverySaver::remove() {
    timer_.stop();
    writer_.waitForDone();
    if (usable() && std::remove(path_.c_str()) != 0 && errno != ENOENT)
        qWarning("qelec: the recovery file %s could not be removed: %s", logged(path_).c_str(),
                 std::strerror(errno));
}

void RecoverySaver::setAside(const std::string& reason) {
    const std::string aside = path_ + ".unusable-" + std::to_string(std::time(nullptr));
    qWarning("qelec: the recovery file %s was set aside as %s: %s", logged(path_).c_str(),
             logged(aside).c_str(), logged(reason).c_str());
    if (std::rename(path_.c_str(), aside.c_str()) != 0)
        remove();
}
