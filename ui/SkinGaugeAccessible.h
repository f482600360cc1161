// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleInterface>
#include <QPointer>

#include <cstddef>

class SkinnedWindow;

// One gauge a skinned window draws itself as a screen reader sees it: its name in the store's
// language, its role and the value it shows now, all asked of the window each time.
class SkinGaugeAccessible : public QAccessibleInterface, public QAccessibleValueInterface {
public:
    SkinGaugeAccessible(SkinnedWindow* window, std::size_t index);

    SkinnedWindow* skinWindow() const { return window_; }
    std::size_t gaugeIndex() const { return index_; }

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

    // The window alone moves a gauge; a reader only reads it.
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    QPointer<SkinnedWindow> window_;
    std::size_t index_;
};
