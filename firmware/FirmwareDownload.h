// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/KeyboardLease.h"
#include "platform/WorkerThread.h"

#include <QObject>

#include <string>

class CConfigStore;

// One firmware download on a worker thread of its own: the file is read and handed to the keyboard,
// whose progress counts come back as progressed() and whose result code (FirmwareTransfer) comes back
// as finished(), both on the thread the object lives on, after the worker has ended.
//
// While it runs it holds the keyboard: it holds a KeyboardLease, which tells every
// window that a transfer is using the keyboard. It lets go only after finished() has been handled, so
// that the result is said before anything else asks the keyboard. The object may outlive the window
// that started it; destroying it waits for the worker.
class FirmwareDownload : public QObject {
    Q_OBJECT

public:
    explicit FirmwareDownload(CConfigStore& store, QObject* parent = nullptr);
    ~FirmwareDownload() override;

    // Starts downloading the file at path; false, starting nothing, while a download runs.
    bool start(const std::string& path);
    // The worker is running and finished() has not yet been sent.
    bool running() const { return running_; }

signals:
    // A progress count of the keyboard, 0..150 (larger counts are passed on as 150).
    void progressed(int count);
    // The result code of the download.
    void finished(int code);

protected:
    void customEvent(QEvent* event) override;

private:
    void finish(int code);

    CConfigStore& store_;
    KeyboardLease lease_{store_};
    WorkerThread worker_;
    bool running_ = false;
};
