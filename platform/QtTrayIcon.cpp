// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtTrayIcon.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

QtTrayIcon::QtTrayIcon() = default;

// The menu goes before the icon that shows it.
QtTrayIcon::~QtTrayIcon() {
    if (icon_)
        icon_->setContextMenu(nullptr);
    menu_.reset();
}

QSystemTrayIcon& QtTrayIcon::icon() {
    if (!icon_) {
        icon_ = std::make_unique<QSystemTrayIcon>();
        icon_->setObjectName(QStringLiteral("trayIcon"));
        connect(icon_.get(), &QSystemTrayIcon::activated, this, &QtTrayIcon::iconActivated);
        if (menu_)
            icon_->setContextMenu(menu_.get());
    }
    return *icon_;
}

void QtTrayIcon::show(const QIcon& image, const QString& toolTip) {
    QSystemTrayIcon& tray = icon();
    tray.setIcon(image);
    tray.setToolTip(toolTip);
    tray.show();
}

void QtTrayIcon::hide() {
    if (icon_)
        icon_->hide();
}

bool QtTrayIcon::isVisible() const {
    return icon_ && icon_->isVisible();
}

void QtTrayIcon::setMenu(std::vector<TrayMenuEntry> entries, std::function<void(int id)> onChosen) {
    entries_ = std::move(entries);
    onChosen_ = std::move(onChosen);
    rebuildMenu();
}

void QtTrayIcon::setDoubleClickHandler(std::function<void()> onDoubleClick) {
    onDoubleClick_ = std::move(onDoubleClick);
}

void QtTrayIcon::rebuildMenu() {
    if (!menu_) {
        menu_ = std::make_unique<QMenu>();
        menu_->setObjectName(QStringLiteral("trayMenu"));
        if (icon_)
            icon_->setContextMenu(menu_.get());
    }
    menu_->clear();
    for (const TrayMenuEntry& entry : entries_) {
        QAction* action = menu_->addAction(entry.text);
        action->setObjectName(QStringLiteral("trayMenuEntry%1").arg(entry.id));
        connect(action, &QAction::triggered, this, [this, id = entry.id] { entryChosen(id); });
    }
}

void QtTrayIcon::entryChosen(int id) {
    QTimer::singleShot(0, this, [this, id] {
        if (auto handler = onChosen_)
            handler(id);
    });
}

void QtTrayIcon::iconActivated(QSystemTrayIcon::ActivationReason reason) {
    if (reason != QSystemTrayIcon::DoubleClick)
        return;
    QTimer::singleShot(0, this, [this] {
        if (auto handler = onDoubleClick_)
            handler();
    });
}
