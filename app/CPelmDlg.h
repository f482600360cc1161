#pragma once

#include "app/CPelmDialogProgress.h"
#include "platform/PlatformServices.h"
#include "ui/SkinnedWindow.h"

#include <functional>
#include <memory>

class DeviceWatcher;
class QEventLoop;
class QPlainTextEdit;

// The windows the main window opens that are not part of it. A window left empty is not offered:
// its button does nothing.
struct MainWindowDialogs {
    // Edits store.currentKey on store.currentTable; returns SkinnedWindow::kResultOk when accepted.
    std::function<int(const SkinContext&, QWidget* parent)> keyAssignment;
    std::function<void(const SkinContext&, QWidget* parent)> rapidTrigger;
    std::function<void(const SkinContext&, QWidget* parent)> backlight;
    std::function<void(const SkinContext&, QWidget* parent)> firmwareUpdate;
};

// The main window: the keyboard of the attached variant with a button per key, the command row, the
// layer and program buttons, the colour legend and the information box. Keys with nothing assigned
// on the layer shown look pressed, keys with a function other than an ordinary key carry a bar in
// their kind's colour, and the key under the mouse is described in the information box.
class CPelmDlg : public SkinnedWindow {
    Q_OBJECT

public:
    // Command ids.
    enum Command : int {
        kRapidTrigger = 83,
        kProgram = 84,
        kLanguage = 85,
        kReadCounters = 86,
        kHelp = 87,
        kMinimise = 88,
        kExit = 89,
        kSaveProfile = 90,
        kOpenProfile = 91,
        kDefaults = 92,
        kWriteKeys = 93,
        kBacklight = 94,
        kReadAll = 95,
        kFirmwareUpdate = 96,
        kFn2Layer = 97,
        kTopLayer = 98,
        kFnLayer = 99,
        kFirstKeyButton = 100,
        kLastKeyButton = 184,
    };
    // The timer that ends the click guard after a profile was opened.
    static constexpr int kClickGuardTimer = 1;
    static constexpr int kClickGuardMs = 500;
    // The tray menu's exit entry.
    static constexpr int kTrayExitEntry = 2;
    // The profile file dialogs' filter and default extension.
    static constexpr const char* kProfileFilter = "pro(*.pro)|*.pro|All Files(*.*)|*.*||";
    static constexpr const char* kProfileExtension = "pro";

    CPelmDlg(const SkinContext& context, PlatformServices& platform, MainWindowDialogs dialogs = {},
             QWidget* parent = nullptr);
    ~CPelmDlg() override;

    // The text the information box shows, with the store's "\r\n" line ends.
    const std::string& informationText() const { return informationText_; }
    // How often the information box was given a new text.
    int informationWrites() const { return informationWrites_; }
    const QPlainTextEdit& informationBox() const { return *informationBox_; }
    // The help document the help button opens.
    void setHelpPath(const QString& path) { helpPath_ = path; }
    const QString& helpPath() const { return helpPath_; }
    // Replaces the pauses of the transfers' progress dialogs; for tests.
    void setTransferWaiter(CPelmDialogProgress::Waiter waiter) { transferWaiter_ = std::move(waiter); }
    // Whether the keyboard is watched for being unplugged (from a successful initialisation on).
    bool watchesDevice() const { return watcher_ != nullptr; }

    // Ends the main window's run with result.
    void done(int result) override;

    // Asks the keyboard whether it is still there after a device change; when it is gone, says so
    // and ends the program. Nothing is asked while a transfer holds the keyboard.
    void checkDeviceAfterChange();

signals:
    // A paint of the window has been completed.
    void painted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void onInit() override;
    void onClick(int id) override;
    void onTimer(int id) override;
    void onCancelRequest() override;
    void prepareLooks() override;
    void paintInDesignUnits(QPainter& painter) override;
    void paintInWindowPixels(QPainter& painter) override;
    int runModalLoop() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool checkKeyboard();
    void setUpTable();
    void placeInformationBox();
    void startWatchingDevice();
    void updateInformation();
    int hoveredKey() const;

    void selectLayer(int buttonId);
    void nextProgram();
    void switchLanguage();
    void editKey(int keyIndex);
    void readCounters();
    void writeKeys();
    void readAll();
    void saveProfile();
    void openProfile();
    void openHelp();
    void minimiseToTray();
    void restoreFromTray();
    void exitSequence();
    void runDialog(const std::function<void(const SkinContext&, QWidget*)>& dialog);
    int runTransfer(int mode);
    // Shows "OK!!" with title for a transfer that succeeded, "Failed!" otherwise; true on success.
    bool reportTransfer(int result, const char* title);
    void showText(const std::string& text, const QString& title = {},
                  MessageButtons buttons = MessageButtons::Ok, MessageIcon icon = MessageIcon::None);
    bool askYesNo(const std::string& question);
    void quitProgram();

    SkinContext context_;
    PlatformServices& platform_;
    MainWindowDialogs dialogs_;
    QPlainTextEdit* informationBox_ = nullptr;
    std::unique_ptr<DeviceWatcher> watcher_;
    CPelmDialogProgress::Waiter transferWaiter_;
    QString helpPath_;
    std::string informationText_;
    int informationWrites_ = 0;
    bool transferRunning_ = false;
    QEventLoop* modalLoop_ = nullptr;
};
