// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/SkinPartAccessible.h"

#include <QAccessibleActionInterface>

// One entry of a skinned window's control table as a screen reader sees it: its name, description,
// role and state come from the window, its press action does what a left click on it does.
class SkinEntryAccessible : public SkinPartAccessible, public QAccessibleActionInterface {
public:
    using SkinPartAccessible::SkinPartAccessible;

    QString text(QAccessible::Text kind) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

protected:
    bool exists(const SkinnedWindow& window, std::size_t index) const override;
    QRect area(const SkinnedWindow& window, std::size_t index) const override;
};
