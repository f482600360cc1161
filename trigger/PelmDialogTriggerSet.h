// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "trigger/rules/FineAdjustSteps.h"
#include "ui/SkinnedWindow.h"

#include <array>

class QLineEdit;

// The fine-adjust window the rapid-trigger window opens with Set: six arrows step the store's
// triggerAdjust (press travel, release travel, threshold) within their ranges, three boxes show the
// values and a bar on the travel gauge spans from the press to the release travel. OK tells the
// caller to give the values to every marked key. A click acts 100 ms after its release unless a
// double-click comes first, so a double-click on an arrow steps once.
class PelmDialogTriggerSet : public SkinnedWindow {
    Q_OBJECT

public:
    // How long a click waits for a double-click that cancels it.
    static constexpr int kDoubleClickWaitMs = 100;

    explicit PelmDialogTriggerSet(const WindowContext& context, QWidget* parent = nullptr);
    static WindowOpener::Runner runner();

    // The number boxes: press travel, release travel, threshold.
    const QLineEdit& valueBox(std::size_t element) const { return *boxes_[element]; }

protected:
    void onInit() override;
    std::span<const SpokenWidgetName> widgetNames() const override;
    void onClick(int id) override;
    void paintInDesignUnits(QPainter& painter) override;
    std::vector<SkinGauge> gauges() const override;

private:
    void placeBoxes();
    void showValues();

    std::array<QLineEdit*, 3> boxes_{};
    QImage barPicture_;
};
