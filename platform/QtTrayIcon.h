// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/PlatformServices.h"

#include <QObject>
#include <QSystemTrayIcon>

#include <functional>
#include <memory>
#include <vector>

class QMenu;

// The tray icon with its context menu. Choices and double-clicks reach their handlers from the event
// loop, after the menu and the icon are done with the click, so a handler may hide the icon or
// replace the menu.
class QtTrayIcon : public QObject {
    Q_OBJECT
public:
    // Nothing is shown or created until first used.
    QtTrayIcon();
    ~QtTrayIcon() override;

    // Shows the icon with toolTip, or updates the shown one.
    void show(const QIcon& icon, const QString& toolTip);
    void hide();
    bool isVisible() const;
    // Replaces the context menu's entries and their handler.
    void setMenu(std::vector<TrayMenuEntry> entries, std::function<void(int id)> onChosen);
    // onDoubleClick runs on each double-click of the icon.
    void setDoubleClickHandler(std::function<void()> onDoubleClick);

private:
    QSystemTrayIcon& icon();
    void rebuildMenu();
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void entryChosen(int id);

    std::unique_ptr<QSystemTrayIcon> icon_;
    std::unique_ptr<QMenu> menu_;
    std::vector<TrayMenuEntry> entries_;
    std::function<void(int)> onChosen_;
    std::function<void()> onDoubleClick_;
};
