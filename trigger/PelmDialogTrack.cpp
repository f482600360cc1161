// SPDX-License-Identifier: GPL-3.0-or-later
#include "trigger/PelmDialogTrack.h"

#include "model/ConfigStore.h"
#include "trigger/TravelGauge.h"
#include "trigger/rules/TrackControls.h"
#include "ui/SkinGeometry.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

PelmDialogTrack::PelmDialogTrack(const WindowContext& context, QWidget* parent)
    : KeyboardWindow(context, kTrackWindow, keyboardScheme(HoverLook::AllEntries, false), parent),
      reader_([&device = context.store.device](std::uint16_t* sample, int key) {
          return device.ReadKeyTrack(sample, key);
      }),
      barPicture_(pictureInSlot(kTrackWindow.pictures.pressed)) {
    setObjectName(QStringLiteral("trackDialog"));
    setWindowTitle(QStringLiteral("QelEC Key Travel"));
}

WindowOpener::Runner PelmDialogTrack::runner() {
    return [](const WindowContext& context, QWidget* parent, int /*argument*/) {
        PelmDialogTrack dialog(context, parent);
        return dialog.exec();
    };
}

// The tracked key is marked and polled at once, then every 100 ms.
void PelmDialogTrack::onInit() {
    setKeySelected(session().trackKey, true);
    barHeight_ = 0;
    shownTravel_ = 0;
    timers().start(kPollTimer, kPollMs);
    poll();
}

void PelmDialogTrack::onTimer(int id) {
    if (id == kPollTimer)
        poll();
}

// Runs ten times a second: reads into the window's own sample and repaints only when the bar moves
// by more than two units, so a key at rest costs the device call alone.
void PelmDialogTrack::poll() {
    const int key = session().trackKey;
    if (!reader_(sample_.data(), key)) {
        stopAndClose();
        return;
    }
    if (static_cast<int>(sample_[0]) != key)
        return;
    const int height = TravelGauge::trackBarHeight(sample_[1]);
    if (!TravelGauge::movesBar(barHeight_, height))
        return;
    barHeight_ = height;
    shownTravel_ = TravelGauge::trackedTravel(sample_[1]);
    update();
}

void PelmDialogTrack::stopAndClose() {
    timers().stop(kPollTimer);
    endDialog(kResultCancel);
}

// The bar keeps its height until a sample of the newly tracked key arrives.
void PelmDialogTrack::onKeyClick(int keyIndex) {
    if (isKeySelected(keyIndex))
        return;
    setKeySelected(session().trackKey, false);
    setKeySelected(keyIndex, true);
    session().trackKey = keyIndex;
    update();
}

void PelmDialogTrack::onCommand(int id) {
    if (id == idOf(TrackControlId::Close))
        stopAndClose();
}

void PelmDialogTrack::onCancelRequest() {
    stopAndClose();
}

void PelmDialogTrack::paintInDesignUnits(QPainter& painter) {
    if (barHeight_ <= 0)
        return;
    const QRect gauge = SkinGeometry::toQRect(kTrackTravelGauge);
    const QRect bar(gauge.left(), gauge.top(), gauge.width(), std::min(barHeight_, gauge.height()));
    painter.drawImage(bar.topLeft(), barPicture_, bar);
}

// The travel the bar shows, in millimetres, so that a reader says what the help document says.
std::vector<SkinGauge> PelmDialogTrack::gauges() const {
    constexpr double kTenths = 10.0;
    return {{.name = kTrackGaugeName,
             .area = kTrackTravelGauge,
             .role = QAccessible::Slider,
             .value = shownTravel_ / kTenths,
             .maximum = TravelGauge::kFullTravel / kTenths,
             .step = 1 / kTenths}};
}

// Keys typed on the keyboard, the tracked key, Enter and Escape among them, do nothing here.
void PelmDialogTrack::keyPressEvent(QKeyEvent* event) {
    event->accept();
}

void PelmDialogTrack::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
}
