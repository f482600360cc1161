// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <cstdint>

// Notices the virtual keyboard appearing, going or changing through its state file and says so with
// deviceChanged(), the way the platform's device-change notification does: without saying what
// changed. The file is replaced by rename on every write, so both the file and its folder are
// watched; a slow poll covers folders that do not exist yet and watchers that miss a change.
class DeviceWatcher : public QObject {
    Q_OBJECT
public:
    // Quiet time that ends a burst of changes.
    static constexpr std::chrono::milliseconds kDefaultDebounce{100};
    // Interval of the fallback poll.
    static constexpr std::chrono::milliseconds kDefaultPoll{2000};

    // Watches the state file at statePath (CPelmHWI::statePath()).
    explicit DeviceWatcher(const QString& statePath, QObject* parent = nullptr);

    // The watched file, made absolute.
    const QString& statePath() const { return statePath_; }
    // How long the file must stay quiet before a burst of changes is reported, once.
    void setDebounceInterval(std::chrono::milliseconds interval);
    // How often the file is looked at whatever the watchers say.
    void setPollInterval(std::chrono::milliseconds interval);

signals:
    // The state file was written, replaced, created or removed.
    void deviceChanged();

private:
    // What is compared to tell that the file changed: a rename gives a new inode.
    struct FileIdentity {
        bool exists = false;
        std::uint64_t inode = 0;
        std::int64_t size = 0;
        std::int64_t modifiedNanoseconds = 0;
        friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
    };

    FileIdentity currentIdentity() const;
    void watchWhatExists();
    void somethingMoved();
    void reportIfChanged();

    QString statePath_;
    QString folderPath_;
    QFileSystemWatcher watcher_;
    QTimer debounce_;
    QTimer poll_;
    FileIdentity lastSeen_;
};
