// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ConfigStore.h"
#include "ui/KeyboardWindow.h"

// The backlight settings: the keyboard with every key framed in its own colour. A key click picks
// that key's colour in the colour chooser; Set All gives one colour to every key, Default makes them
// all black, MultiKey gives one colour to the keys marked in the multi-key colour selection. Read
// fetches the colours from the keyboard and Write sends them, both through the progress window. The
// window edits a working copy of the store's lights and hands it back on OK and before Write only.
class CPelmDialogBkLightSettings : public KeyboardWindow {
    Q_OBJECT

public:
    // What the window says after a transfer, the same in both languages.
    static constexpr const char* kDone = "OK!";
    static constexpr const char* kFailed = "Failed!";

    explicit CPelmDialogBkLightSettings(const WindowContext& context, QWidget* parent = nullptr);
    // The opener's runner for the window.
    static WindowOpener::Runner runner();

    // The colours being edited, by key index (row 0 belongs to no key).
    const PerKeyTriples& workingLights() const { return working_; }

protected:
    void onInit() override;
    void onKeyClick(int keyIndex) override;
    void onCommand(int id) override;
    void paintKey(QPainter& painter, int keyIndex, const QRect& rect) override;
    std::string keyDescription(int keyIndex) const override;

private:
    void pickKeyColour(int keyIndex);
    void setAllKeys();
    void makeAllBlack();
    void colourMarkedKeys();
    void readFromKeyboard();
    void writeToKeyboard();
    void keepAndClose();
    // Says "OK!" for a transfer that succeeded, "Failed!" for one that failed or was cancelled, and
    // nothing when no transfer ran.
    void reportTransfer(int result);
    void say(const char* text);

    PerKeyTriples working_{};
};
