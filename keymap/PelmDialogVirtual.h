// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/SkinnedWindow.h"

class QLineEdit;

// The virtual key input dialog: a whole computer keyboard to pick keys on with the mouse. In mode 1
// one key is picked (clicking another moves the pick, clicking it again clears it, double-clicking a
// key takes it at once); in mode 2 up to six keys are picked in order for a combination. The picks
// travel in the store's virtualKeyState as device key codes; the line under the keyboard names them.
// OK (1) tells the caller to take them over, Cancel, the close button and the title (2) not to.
class PelmDialogVirtual : public SkinnedWindow {
    Q_OBJECT

public:
    // How long a click waits for a double-click that cancels it.
    static constexpr int kClickWaitMs = 100;

    explicit PelmDialogVirtual(const WindowContext& context, QWidget* parent = nullptr);
    // The opener's runner: the dialog over parent in the mode given as the argument, run modally.
    static WindowOpener::Runner runner();

    // 1 picks one key, 2 a combination; set before the dialog runs.
    void setVirtualMode(int mode) { mode_ = mode; }
    int virtualMode() const { return mode_; }
    const QLineEdit& displayLine() const { return *displayLine_; }

protected:
    void onInit() override;
    std::span<const SpokenWidgetName> widgetNames() const override;
    void onClick(int id) override;
    void onDoubleClick(int id) override;
    void prepareLooks() override;
    // Labels are hit too: a click on the title closes the dialog.
    bool isClickable(const SkinControl& control) const override;

private:
    void pickKey(std::size_t index);
    void clearSelection(int code);
    void refreshDisplayLine();

    int mode_ = 1;
    QLineEdit* displayLine_ = nullptr;
};
