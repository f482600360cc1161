// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ConfigStore.h"
#include "ui/KeyboardWindow.h"

#include <string>

class QPlainTextEdit;

// The rapid-trigger settings window: the keyboard's 85 keys, each with two markers in the colours of
// its press and release travel, on a working copy of the store's triggerValues. The user marks keys
// (one by one or all at once), gives the marked keys new values through the fine-adjust window (Set),
// reads the table from the keyboard or writes it there, and keeps it in the store with OK. The key
// under the mouse is described in the information box. Travels out of range are shown, and kept, as
// 0.6 mm (press) and 2.6 mm (release).
class PelmDialogTrigger : public KeyboardWindow {
    Q_OBJECT

public:
    // What Read and Write report: the same text in both languages.
    static constexpr const char* kDone = "OK!";
    static constexpr const char* kFailed = "Failed!";

    explicit PelmDialogTrigger(const WindowContext& context, QWidget* parent = nullptr);
    static WindowOpener::Runner runner();

    const PerKeyTriples& workingCopy() const { return working_; }
    bool selectAllIsOn() const { return selectAll_; }
    // The text the information box shows, with "\r\n" line ends, and how often it was given one.
    const std::string& informationText() const { return informationText_; }
    int informationWrites() const { return informationWrites_; }
    const QPlainTextEdit& informationBox() const { return *informationBox_; }

protected:
    void onInit() override;
    std::span<const SpokenWidgetName> widgetNames() const override;
    void onKeyClick(int keyIndex) override;
    void onCommand(int id) override;
    void paintKey(QPainter& painter, int keyIndex, const QRect& rect) override;
    std::string keyDescription(int keyIndex) const override;
    void paintInWindowPixels(QPainter& painter) override;

private:
    void placeInformationBox();
    void showInformation(std::string text);
    void takeWorkingCopyFrom(const PerKeyTriples& values);
    void clearMarks();
    void toggleSelectAll();
    void setMarkedKeys();
    void readFromKeyboard();
    void writeToKeyboard();
    void reportTransfer(int result);

    PerKeyTriples working_{};
    bool selectAll_ = false;
    QPlainTextEdit* informationBox_ = nullptr;
    std::string informationText_;
    int informationWrites_ = 0;
};
