// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/PlatformServices.h"

#include <QStringList>

#include <deque>
#include <functional>

// Platform services for tests: dialogs take their answers from queues filled beforehand, everything
// shown is recorded, and the tray is driven by hand. An empty queue gives the answer of a user who
// just presses Enter or Escape (the default button of a message box, cancel for the file and colour
// dialogs), and the record says so.
class ScriptedPlatformServices final : public PlatformServices {
public:
    // Which file dialog was asked for.
    enum class FileDialogMode { Open, Save };

    // One message box shown, with the answer it gave.
    struct MessageBoxRecord {
        QString text;
        QString title;
        MessageButtons buttons = MessageButtons::Ok;
        MessageIcon icon = MessageIcon::None;
        MessageAnswer answer = MessageAnswer::Ok;
        // No answer was queued, or the queued one was not a button of this box.
        bool defaulted = false;
    };

    // One file dialog shown, with the path it gave (nothing for cancel).
    struct FileDialogRecord {
        FileDialogMode mode = FileDialogMode::Open;
        QString filter;
        QString defaultExtension;
        std::optional<QString> answer;
        bool defaulted = false;
    };

    // One colour chooser shown, with the colour it gave (nothing for cancel).
    struct ColourDialogRecord {
        std::uint32_t initial = 0;
        std::optional<std::uint32_t> answer;
        bool defaulted = false;
    };

    // The answer of the next message box.
    void queueMessageAnswer(MessageAnswer answer);
    // The next file dialog takes path, completed with its default extension as a user's typing is.
    void queueFileName(const QString& path);
    // The next file dialog is cancelled.
    void queueFileCancel();
    // The next colour chooser takes colour (0xRRGGBB).
    void queueColour(std::uint32_t colour);
    // The next colour chooser is cancelled.
    void queueColourCancel();
    // Runs while each message box is up, as a user's typing at it would; none by default.
    void setWhileMessageShown(std::function<void()> action) { whileMessageShown_ = std::move(action); }
    // Answers queued and not yet used, of all kinds.
    std::size_t unusedAnswers() const;

    // Everything shown so far, in order.
    const std::vector<MessageBoxRecord>& messageBoxes() const { return messageBoxes_; }
    const std::vector<FileDialogRecord>& fileDialogs() const { return fileDialogs_; }
    const std::vector<ColourDialogRecord>& colourDialogs() const { return colourDialogs_; }
    const QStringList& openedFiles() const { return openedFiles_; }
    // Whether openWithDesktop reports success (it does until told otherwise).
    void setOpenSucceeds(bool succeeds) { openSucceeds_ = succeeds; }

    // What primaryScreenSize() answers (1920 x 1080 until set).
    void setScreenSize(QSize size) { screenSize_ = size; }
    // What trayAvailable() answers (true until set).
    void setTrayAvailable(bool available) { trayAvailable_ = available; }

    // The tray icon as last shown, hidden or given its menu.
    bool trayVisible() const { return trayVisible_; }
    const QString& trayToolTip() const { return trayToolTip_; }
    const QIcon& trayIcon() const { return trayIcon_; }
    const std::vector<TrayMenuEntry>& trayMenu() const { return trayMenu_; }
    // Picks the menu entry id of the shown tray icon; false when there is no such entry to pick.
    bool chooseTrayMenuEntry(int id);
    // Double-clicks the shown tray icon; false when it is hidden.
    bool doubleClickTray();

    // The services, answered from the queues.
    MessageAnswer showMessage(QWidget* parent, const QString& text, const QString& title,
                              MessageButtons buttons, MessageIcon icon) override;
    std::optional<QString> chooseOpenFile(QWidget* parent, const QString& filter,
                                          const QString& defaultExtension) override;
    std::optional<QString> chooseSaveFile(QWidget* parent, const QString& filter,
                                          const QString& defaultExtension) override;
    std::optional<std::uint32_t> chooseColour(QWidget* parent, std::uint32_t initial) override;
    bool trayAvailable() const override { return trayAvailable_; }
    void showTrayIcon(const QIcon& icon, const QString& toolTip) override;
    void hideTrayIcon() override { trayVisible_ = false; }
    void setTrayMenu(std::vector<TrayMenuEntry> entries, std::function<void(int id)> onChosen) override;
    void setTrayDoubleClickHandler(std::function<void()> onDoubleClick) override;
    bool openWithDesktop(const QString& path) override;
    QSize primaryScreenSize() const override { return screenSize_; }
    void useLanguage(const QString& language) override { toolkitLanguage_ = language; }
    // The language the toolkit's texts were last asked to use.
    const QString& toolkitLanguage() const { return toolkitLanguage_; }

private:
    std::optional<QString> answerFileDialog(FileDialogMode mode, const QString& filter,
                                            const QString& defaultExtension);

    std::deque<MessageAnswer> messageAnswers_;
    std::deque<std::optional<QString>> fileAnswers_;
    std::deque<std::optional<std::uint32_t>> colourAnswers_;
    std::vector<MessageBoxRecord> messageBoxes_;
    std::vector<FileDialogRecord> fileDialogs_;
    std::vector<ColourDialogRecord> colourDialogs_;
    QStringList openedFiles_;
    bool openSucceeds_ = true;
    QSize screenSize_{1920, 1080};
    bool trayAvailable_ = true;
    bool trayVisible_ = false;
    QString trayToolTip_;
    QIcon trayIcon_;
    std::vector<TrayMenuEntry> trayMenu_;
    std::function<void(int)> onTrayChoice_;
    std::function<void()> onTrayDoubleClick_;
    QString toolkitLanguage_;
    std::function<void()> whileMessageShown_;
};
