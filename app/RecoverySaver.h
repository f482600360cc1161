// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/FileLock.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <functional>
#include <string>

// Keeps the recovery file of one keyboard up to date. Steps that come fast are coalesced: each restarts
// a short timer, and only when it runs out is the text taken (on the window thread, outside any paint)
// and handed to a writer thread of its own, which replaces the file atomically, one write after the
// other. While a transfer holds the keyboard the text is not taken; the timer waits until it ends.
// The file is locked for the whole run, so two programs never share one.
class RecoverySaver : public QObject {
public:
    static constexpr int kCoalesceMs = 300;
    static constexpr int kBusyRetryMs = 200;

    // text gives the file's content when it is due; busy says whether a transfer runs.
    RecoverySaver(std::string path, std::function<std::string()> text, std::function<bool()> busy);
    ~RecoverySaver() override;

    // Whether the file's lock is held, so that the file may be read, written and removed.
    bool usable() const { return lock_.held(); }
    const std::string& path() const { return path_; }

    // A step was taken: the file is written once steps pause.
    void stepTaken();
    // Whether a write is due or running.
    bool pending() const;
    // Writes what is due now and waits for every write; nothing when nothing is due.
    void flush();
    // Waits for every write, then removes the file.
    void remove();
    // Moves a file that could not be used aside, beside itself, with reason in the log.
    void setAside(const std::string& reason);

private:
    void saveWhenFree();

    std::string path_;
    std::function<std::string()> text_;
    std::function<bool()> busy_;
    FileLock lock_;
    QTimer timer_;
    QThreadPool writer_;
};
