// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CPelmDialogProgress.h"

#include "app/rules/ProgressControls.h"
#include "device/DeviceMessages.h"
#include "model/ConfigStore.h"
#include "platform/QtWindowHandle.h"

#include <QPainter>

#include <algorithm>

namespace {

using namespace std::chrono_literals;
using DeviceMessages::WM_TRANSFER_DONE;
using DeviceMessages::WM_TRANSFER_PROGRESS;

// The workers that report their own progress post this once, when the transfer has succeeded.
constexpr std::uintptr_t kWorkerFullCount = 150;
constexpr std::uintptr_t kDoneOk = 0;
constexpr std::uintptr_t kDoneFailed = 1;

SkinScheme progressScheme() {
    SkinScheme scheme;
    scheme.hoverLook = HoverLook::AllEntries;
    scheme.captionPass = CaptionPass::BeforeStretch;
    scheme.labelFonts = FontScaling::None;
    scheme.labelsStayInDesignUnits = true;
    scheme.buttonsGrowByOne = true;
    return scheme;
}

bool isKnownMode(int mode) {
    return mode >= CPelmDialogProgress::kWriteKeys && mode <= CPelmDialogProgress::kReadTriggers;
}

// The key transfers report 0..750 through the device; the others post 150 once.
bool deviceReportsProgress(int mode) {
    return mode == CPelmDialogProgress::kWriteKeys || mode == CPelmDialogProgress::kReadAll;
}

int barWidthFor(int mode, std::uintptr_t count) {
    const std::uint64_t full = deviceReportsProgress(mode) ? 60 : 300;
    const std::uint64_t width = std::min<std::uint64_t>(count, 1'000'000) * full / 150;
    return static_cast<int>(std::min<std::uint64_t>(width, kProgressBarFullWidth));
}

} // namespace

CPelmDialogProgress::CPelmDialogProgress(const WindowContext& context, QWidget* parent)
    : SkinnedWindow(context, kProgressWindow, progressScheme(), parent), store_(context.store) {
    setObjectName("progressDialog");
}

WindowOpener::Runner CPelmDialogProgress::runner(Waiter waiter) {
    return [waiter = std::move(waiter)](const WindowContext& context, QWidget* parent, int mode) {
        CPelmDialogProgress dialog(context, parent);
        dialog.setTransferMode(mode);
        if (waiter)
            dialog.setWaiter(waiter);
        return dialog.exec();
    };
}

CPelmDialogProgress::~CPelmDialogProgress() {
    lease_.release();
    worker_.stopAndJoin();
}

void CPelmDialogProgress::onInit() {
    if (!isKnownMode(mode_)) {
        endDialog(kResultCancel);
        return;
    }
    busy_ = true;
    barWidth_ = 0;
    lease_.take(this);
    timers().start(kTickTimer, 1000);
    startWorker();
}

void CPelmDialogProgress::startWorker() {
    startedWorker_ = true;
    reading_ = KeyboardReading{};
    worker_.start([this, mode = mode_, window = lease_.window()] { runWorker(mode, window); });
}

// Runs on the worker thread: reads the store, fills reading_ and talks to the device, nothing else.
bool CPelmDialogProgress::transfer(int mode, const WindowHandle& window) {
    switch (mode) {
    case kWriteKeys:
        return store_.writeKeyConfiguration(window);
    case kReadAll:
        // Keys and lights are taken over together or not at all.
        if (!store_.fetchKeyDefinitions(window, reading_))
            return false;
        worker_.pause(2000ms);
        return store_.fetchLights(reading_);
    case kWriteTriggers:
        return store_.writeTriggers();
    case kWriteLights:
        return store_.writeLights();
    case kReadCounters:
        return store_.fetchPressCounters(reading_);
    case kReadLights:
        return store_.fetchLights(reading_);
    case kReadTriggers:
        return store_.fetchTriggers(reading_);
    default:
        return false;
    }
}

void CPelmDialogProgress::runWorker(int mode, WindowHandle window) {
    const bool ok = transfer(mode, window);
    // A failed transfer ends at once with a failure code, so the caller can say "Failed!" rather
    // than report success; a successful one shows its full bar for a second first.
    if (ok && !deviceReportsProgress(mode))
        postMessage(window, WM_TRANSFER_PROGRESS, kWorkerFullCount);
    if (ok && mode != kReadAll)
        worker_.pause(1000ms);
    postMessage(window, WM_TRANSFER_DONE, ok ? kDoneOk : kDoneFailed);
}

void CPelmDialogProgress::customEvent(QEvent* event) {
    if (event->type() != WindowMessageEvent::eventType()) {
        SkinnedWindow::customEvent(event);
        return;
    }
    const auto* message = static_cast<WindowMessageEvent*>(event);
    if (message->message() == WM_TRANSFER_PROGRESS)
        showProgress(message->wParam());
    else if (message->message() == WM_TRANSFER_DONE)
        finish(message->wParam());
}

void CPelmDialogProgress::showProgress(std::uintptr_t count) {
    busy_ = true;
    const int width = barWidthFor(mode_, count);
    if (width <= barWidth_)
        return;
    barWidth_ = width;
    update();
}

// The bar in percent of its full width.
std::vector<SkinGauge> CPelmDialogProgress::gauges() const {
    return {{.name = kProgressBarName,
             .area = kProgressBarStrip,
             .value = static_cast<double>(barWidth_ * 100 / kProgressBarFullWidth)}};
}

void CPelmDialogProgress::finish(std::uintptr_t code) {
    busy_ = false;
    lease_.release();
    worker_.stopAndJoin();
    if (code == kDoneOk)
        store_.takeOver(std::move(reading_));
    reading_ = KeyboardReading{};
    endDialog(code == kDoneOk ? kResultOk : kTransferFailed);
}

void CPelmDialogProgress::onClick(int id) {
    if ((id == idOf(ProgressControlId::Close) || id == idOf(ProgressControlId::Cancel)) && !busy_)
        endDialog(kResultCancel);
}

void CPelmDialogProgress::onCancelRequest() {
    if (!busy_)
        endDialog(kResultCancel);
}

void CPelmDialogProgress::paintInDesignUnits(QPainter& painter) {
    if (!busy_ || barWidth_ <= 0)
        return;
    const QRect strip(kProgressBarStrip.left, kProgressBarStrip.top, barWidth_, kProgressBarStrip.height());
    painter.drawImage(strip.topLeft(), pictureInSlot(PictureSlot::kProgressFill), strip);
}
