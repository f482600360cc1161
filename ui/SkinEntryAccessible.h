// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>

#include <cstddef>

class SkinnedWindow;

// One entry of a skinned window's control table as a screen reader sees it: its name, description,
// role and state come from the window, its press action does what a left click on it does.
class SkinEntryAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    SkinEntryAccessible(SkinnedWindow* window, std::size_t index);

    SkinnedWindow* skinWindow() const { return window_; }
    std::size_t entryIndex() const { return index_; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text kind, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    QPointer<SkinnedWindow> window_;
    std::size_t index_;
};
