// SPDX-License-Identifier: GPL-3.0-or-later
#include "firmware/FirmwareDownload.h"

#include "device/DeviceMessages.h"
#include "firmware/rules/FirmwareTransfer.h"
#include "model/ConfigStore.h"
#include "platform/QtWindowHandle.h"

#include <algorithm>

namespace {
using DeviceMessages::WM_TRANSFER_DONE;
using DeviceMessages::WM_TRANSFER_PROGRESS;
} // namespace

FirmwareDownload::FirmwareDownload(CConfigStore& store, QObject* parent) : QObject(parent), store_(store) {}

// Nothing the worker posts from now on arrives; the keyboard stays held until the worker has ended.
FirmwareDownload::~FirmwareDownload() {
    lease_.stopMessages();
    worker_.stopAndJoin();
    lease_.release();
}

bool FirmwareDownload::start(const std::string& path) {
    if (running_)
        return false;
    running_ = true;
    // The worker touches only the device and what it was given here.
    worker_.start([&device = store_.device, path, window = lease_.take(this)] {
        const FirmwareTransfer::Outcome outcome = FirmwareTransfer::downloadFile(device, path, window);
        postMessage(window, WM_TRANSFER_DONE, static_cast<std::uintptr_t>(outcome.code));
    });
    return true;
}

void FirmwareDownload::customEvent(QEvent* event) {
    if (event->type() != WindowMessageEvent::eventType()) {
        QObject::customEvent(event);
        return;
    }
    const auto* message = static_cast<WindowMessageEvent*>(event);
    if (message->message() == WM_TRANSFER_PROGRESS && running_) {
        const auto full = static_cast<std::uintptr_t>(DeviceMessages::kFirmwareFullScale);
        emit progressed(static_cast<int>(std::min(message->wParam(), full)));
    } else if (message->message() == WM_TRANSFER_DONE && running_) {
        finish(static_cast<int>(std::min<std::uintptr_t>(message->wParam(), 255)));
    }
}

void FirmwareDownload::finish(int code) {
    // The worker posted its result as its last step: joining it now takes no time.
    worker_.stopAndJoin();
    running_ = false;
    emit finished(code);
    lease_.release();
}
