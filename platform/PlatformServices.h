// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

// The buttons of a message box.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };

// The icon of a message box; Warning is the exclamation mark.
enum class MessageIcon { None, Information, Warning, Error, Question };

// The button that closed a message box, numbered as the platform numbers them.
enum class MessageAnswer : int { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

// One entry of the tray icon's menu.
struct TrayMenuEntry {
    int id = 0;
    QString text;
    friend bool operator==(const TrayMenuEntry&, const TrayMenuEntry&) = default;
};

// The operating-system services the windows use, so that tests can answer the dialogs and read
// what was shown. Every call runs on the user-interface thread; the dialogs are modal to parent
// (which may be null).
class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    // Shows text in a modal message box; an empty title shows the application's name.
    virtual MessageAnswer showMessage(QWidget* parent, const QString& text, const QString& title,
                                      MessageButtons buttons, MessageIcon icon) = 0;

    // Asks for an existing file. filter is given as "label|pattern|label|pattern||" (patterns
    // separated by ';'); defaultExtension (without the dot) is added to a name typed without one.
    virtual std::optional<QString> chooseOpenFile(QWidget* parent, const QString& filter,
                                                  const QString& defaultExtension) = 0;
    // Asks for a file to write, as chooseOpenFile; replacing an existing file is confirmed first.
    virtual std::optional<QString> chooseSaveFile(QWidget* parent, const QString& filter,
                                                  const QString& defaultExtension) = 0;

    // Asks for a colour, starting from initial; both are 24-bit 0xRRGGBB. Nothing on cancel.
    virtual std::optional<std::uint32_t> chooseColour(QWidget* parent, std::uint32_t initial) = 0;

    // Whether the desktop can show a tray icon at all.
    virtual bool trayAvailable() const = 0;
    // Shows the tray icon, or updates it when shown.
    virtual void showTrayIcon(const QIcon& icon, const QString& toolTip) = 0;
    virtual void hideTrayIcon() = 0;
    // The icon's context menu, in this order; onChosen gets the id of the entry picked.
    virtual void setTrayMenu(std::vector<TrayMenuEntry> entries, std::function<void(int id)> onChosen) = 0;
    virtual void setTrayDoubleClickHandler(std::function<void()> onDoubleClick) = 0;

    // Opens path with the desktop's handler for its type; false when that could not be started.
    virtual bool openWithDesktop(const QString& path) = 0;

    // The size of the primary screen in device pixels.
    virtual QSize primaryScreenSize() const = 0;

    // The language of the toolkit's own texts (file dialogs, the colour chooser, message-box
    // buttons): "zh-CN" for Simplified Chinese, anything else for English.
    virtual void useLanguage(const QString& language) = 0;
};
