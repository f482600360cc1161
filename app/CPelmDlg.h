// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/rules/MainWindowControls.h"
#include "model/StoreConfiguration.h"
#include "model/history/StepName.h"
#include "platform/PlatformServices.h"
#include "ui/SkinnedWindow.h"

#include <memory>
#include <string>

class ConfigurationHistory;
class DeviceWatcher;
class QEventLoop;
class QPlainTextEdit;

// The main window: the keyboard of the attached variant with a button per key, the command row, the
// layer and program buttons, the colour legend and the information box. Keys with nothing assigned
// on the layer shown look pressed, keys with a function other than an ordinary key carry a bar in
// their kind's colour, and the key under the mouse is described in the information box.
class CPelmDlg : public SkinnedWindow {
    Q_OBJECT

public:
    // The timer that ends the click guard after a profile was opened.
    static constexpr int kClickGuardTimer = 1;
    static constexpr int kClickGuardMs = 500;
    // The timer that checks the keyboard again once a device change had to wait for a transfer.
    static constexpr int kDeviceRecheckTimer = 2;
    static constexpr int kDeviceRecheckMs = 200;
    // The tray menu's exit entry.
    static constexpr int kTrayExitEntry = 2;
    // The profile file dialogs' filter and default extension.
    static constexpr const char* kProfileFilter = "pro(*.pro)|*.pro|All Files(*.*)|*.*||";
    static constexpr const char* kProfileExtension = "pro";

    explicit CPelmDlg(const WindowContext& context, QWidget* parent = nullptr);
    ~CPelmDlg() override;

    // The text the information box shows, with the store's "\r\n" line ends.
    const std::string& informationText() const { return informationText_; }
    // How often the information box was given a new text.
    int informationWrites() const { return informationWrites_; }
    const QPlainTextEdit& informationBox() const { return *informationBox_; }
    // The help document the help button opens.
    void setHelpPath(const QString& path) { helpPath_ = path; }
    const QString& helpPath() const { return helpPath_; }
    // Whether the keyboard is watched for being unplugged (from a successful initialisation on).
    bool watchesDevice() const { return watcher_ != nullptr; }
    // The working configuration is kept in a recovery file in folder from the initialisation on, and
    // a file left by a run that did not end normally is offered for restoring. None when not set.
    void setRecoveryFolder(const std::string& folder) { recoveryFolder_ = folder; }
    // The edit history of the working configuration.
    const ConfigurationHistory& history() const { return *history_; }
    // Undo and redo, as Ctrl+Z and Ctrl+Shift+Z or Ctrl+Y run them.
    void undo();
    void redo();

    // Ends the main window's run with result.
    void done(int result) override;

    // Asks the keyboard whether it is still there after a device change; when it is gone, says so
    // and ends the program. While a transfer or a firmware update holds the keyboard the question
    // waits, and is asked as soon as the keyboard is free again.
    void checkDeviceAfterChange();

protected:
    void onInit() override;
    std::span<const SpokenWidgetName> widgetNames() const override;
    void onClick(int id) override;
    void onTimer(int id) override;
    void onCancelRequest() override;
    void prepareLooks() override;
    void paintInDesignUnits(QPainter& painter) override;
    void paintInWindowPixels(QPainter& painter) override;
    int runModalLoop() override;
    void keyPressEvent(QKeyEvent* event) override;
    std::span<const SpokenName> pictureNames() const override;
    std::string keyDescription(int keyIndex) const override;
    bool isMarkedControl(const SkinControl& control) const override;

private:
    bool checkKeyboard();
    void setUpTable();
    void placeInformationBox();
    void startWatchingDevice();
    void updateInformation();
    int hoveredKey() const;

    void selectLayer(MainWindowControlId button);
    void nextProgram();
    void switchLanguage();
    void editKey(int keyIndex);
    void readCounters();
    void writeKeys();
    void readAll();
    enum class SaveOutcome { Saved, Cancelled, Failed };
    SaveOutcome saveProfile();
    void openProfile();
    void openHelp();
    void minimiseToTray();
    void restoreFromTray();
    void exitSequence();
    bool transferAndReport(int mode, const char* title);
    bool keyboardBusy() const;
    // Shows "OK!!" with title for a transfer that succeeded, "Failed!" otherwise; true on success.
    bool reportTransfer(int result, const char* title);
    void showText(const std::string& text, const QString& title = {},
                  MessageButtons buttons = MessageButtons::Ok, MessageIcon icon = MessageIcon::None);
    bool askYesNo(const std::string& question);
    void quitProgram();
    bool keyboardHeldInBackground() const;
    bool waitsForKeyboard(int id) const;
    void waitForBackgroundDownload();
    void offerRecovery();
    void openWindowAsStep(WindowId window,
                          StepName (*name)(const StoreConfiguration&, const StoreConfiguration&));

    QPlainTextEdit* informationBox_ = nullptr;
    std::unique_ptr<DeviceWatcher> watcher_;
    QString helpPath_;
    std::string informationText_;
    int informationWrites_ = 0;
    bool transferRunning_ = false;
    bool deviceCheckPending_ = false;
    QEventLoop* modalLoop_ = nullptr;
    std::unique_ptr<ConfigurationHistory> history_;
    std::string recoveryFolder_;
};
