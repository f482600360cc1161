// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DeviceWatcher.h"

#include <QFileInfo>

#include <sys/stat.h>

DeviceWatcher::DeviceWatcher(const QString& statePath, QObject* parent)
    : QObject(parent), statePath_(QFileInfo(statePath).absoluteFilePath()),
      folderPath_(QFileInfo(statePath).absolutePath()) {
    debounce_.setSingleShot(true);
    debounce_.setInterval(kDefaultDebounce);
    poll_.setInterval(kDefaultPoll);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &DeviceWatcher::somethingMoved);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &DeviceWatcher::somethingMoved);
    connect(&debounce_, &QTimer::timeout, this, &DeviceWatcher::reportIfChanged);
    connect(&poll_, &QTimer::timeout, this, &DeviceWatcher::reportIfChanged);
    lastSeen_ = currentIdentity();
    watchWhatExists();
    poll_.start();
}

void DeviceWatcher::setDebounceInterval(std::chrono::milliseconds interval) {
    debounce_.setInterval(interval);
}

void DeviceWatcher::setPollInterval(std::chrono::milliseconds interval) {
    poll_.setInterval(interval);
}

DeviceWatcher::FileIdentity DeviceWatcher::currentIdentity() const {
    struct stat info {};
    if (::stat(QFile::encodeName(statePath_).constData(), &info) != 0)
        return {};
    return {true, static_cast<std::uint64_t>(info.st_ino), static_cast<std::int64_t>(info.st_size),
            static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

// A watched file that was replaced or removed drops out of the watcher; it is added again once a
// file of that name exists.
void DeviceWatcher::watchWhatExists() {
    const QStringList watched = watcher_.files() + watcher_.directories();
    for (const QString& path : {folderPath_, statePath_}) {
        if (!watched.contains(path) && QFileInfo::exists(path))
            watcher_.addPath(path);
    }
}

void DeviceWatcher::somethingMoved() {
    watchWhatExists();
    debounce_.start();
}

void DeviceWatcher::reportIfChanged() {
    watchWhatExists();
    const FileIdentity now = currentIdentity();
    if (now == lastSeen_)
        return;
    // A change the poll finds in the middle of a burst waits for the burst to end.
    if (debounce_.isActive())
        return;
    lastSeen_ = now;
    emit deviceChanged();
}
