// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ConfigStore.h"
#include "ui/KeyboardWindow.h"

// The multi-key colour selection the backlight settings open: the keyboard with every key framed in
// the colour it has there. Each key click marks or unmarks one key (in the store's multiSelectFlags);
// Set Color picks one colour, stores it in multiSelectColour and ends with OK, after which the caller
// gives that colour to the marked keys. Cancelling the chooser keeps the window and its marks; the
// close button ends with Cancel and nothing is applied.
class CPelmDialogBkLightMultiSelect : public KeyboardWindow {
    Q_OBJECT

public:
    explicit CPelmDialogBkLightMultiSelect(const WindowContext& context, QWidget* parent = nullptr);
    // The opener's runner for the window.
    static WindowOpener::Runner runner();

    // The colours shown, by key index, as the caller handed them.
    const PerKeyTriples& shownLights() const { return shown_; }

protected:
    void onInit() override;
    void onKeyClick(int keyIndex) override;
    void onCommand(int id) override;
    void paintKey(QPainter& painter, int keyIndex, const QRect& rect) override;
    std::string keyDescription(int keyIndex) const override;

private:
    void chooseColourForMarkedKeys();

    PerKeyTriples shown_{};
};
