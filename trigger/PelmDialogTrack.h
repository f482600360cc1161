// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/CPelmHWI.h"
#include "ui/KeyboardWindow.h"

#include <array>
#include <cstdint>
#include <functional>

// The live travel view: the tracked key (the store's trackKey) is marked on the keyboard, and ten
// times a second its travel is read from the keyboard and drawn as a bar that grows downward as the
// key goes down. Clicking another key tracks that one. Keys typed on the keyboard never close the
// window or press a button; it ends by its close button, or by itself when the keyboard stops
// answering.
class PelmDialogTrack : public KeyboardWindow {
    Q_OBJECT

public:
    static constexpr int kPollTimer = 1;
    static constexpr int kPollMs = 100;

    // Reads the travel of key into a sample of CPelmHWI::kTrackUnits units; false when the keyboard
    // does not answer.
    using TravelReader = std::function<bool(std::uint16_t* sample, int key)>;

    explicit PelmDialogTrack(const WindowContext& context, QWidget* parent = nullptr);
    static WindowOpener::Runner runner();

    // Reads travels from elsewhere than the store's device; for tests and measurements.
    void setTravelReader(TravelReader reader) { reader_ = std::move(reader); }
    // The bar's height in design units, 0..60.
    int barHeight() const { return barHeight_; }
    // The travel the bar shows, in 0.1 mm, 0..28.
    int shownTravel() const { return shownTravel_; }
    // One poll, as the timer runs it.
    void poll();

protected:
    void onInit() override;
    void onKeyClick(int keyIndex) override;
    void onCommand(int id) override;
    void onTimer(int id) override;
    void onCancelRequest() override;
    void paintInDesignUnits(QPainter& painter) override;
    std::vector<SkinGauge> gauges() const override;
    void keyPressEvent(QKeyEvent* event) override;
    // The travel view takes every key, Tab among them.
    bool keysBelongToWindow() const override { return true; }
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void stopAndClose();

    TravelReader reader_;
    std::array<std::uint16_t, CPelmHWI::kTrackUnits> sample_{};
    int barHeight_ = 0;
    int shownTravel_ = 0;
    QImage barPicture_;
};
