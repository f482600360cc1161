// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/PlatformServices.h"
#include "platform/QtTrayIcon.h"

#include <QTranslator>

#include <memory>

// The platform services on Qt's own dialogs (never the desktop's native ones, so that they look and
// behave the same everywhere), the system tray and the desktop's file handlers.
class QtPlatformServices final : public PlatformServices {
public:
    // Shows nothing until asked.
    QtPlatformServices();
    ~QtPlatformServices() override;
    QtPlatformServices(const QtPlatformServices&) = delete;
    QtPlatformServices& operator=(const QtPlatformServices&) = delete;

    // The services, on Qt's dialogs.
    MessageAnswer showMessage(QWidget* parent, const QString& text, const QString& title,
                              MessageButtons buttons, MessageIcon icon) override;
    std::optional<QString> chooseOpenFile(QWidget* parent, const QString& filter,
                                          const QString& defaultExtension) override;
    std::optional<QString> chooseSaveFile(QWidget* parent, const QString& filter,
                                          const QString& defaultExtension) override;
    std::optional<std::uint32_t> chooseColour(QWidget* parent, std::uint32_t initial) override;
    bool trayAvailable() const override;
    void showTrayIcon(const QIcon& icon, const QString& toolTip) override;
    void hideTrayIcon() override;
    void setTrayMenu(std::vector<TrayMenuEntry> entries, std::function<void(int id)> onChosen) override;
    void setTrayDoubleClickHandler(std::function<void()> onDoubleClick) override;
    bool openWithDesktop(const QString& path) override;
    QSize primaryScreenSize() const override;
    void useLanguage(const QString& language) override;

private:
    enum class FileMode { Open, Save };
    std::optional<QString> chooseFile(QWidget* parent, FileMode mode, const QString& filter,
                                      const QString& defaultExtension);

    QtTrayIcon tray_;
    // The toolkit's Simplified Chinese texts while the program speaks Chinese.
    std::unique_ptr<QTranslator> translator_;
    // The folder of the last file chosen; the next file dialog starts there.
    QString lastFolder_;
};
