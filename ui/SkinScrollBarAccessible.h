// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class CSkinScrollBar;

// A skinned scroll bar as a screen reader sees it: a scroll bar whose value is its position, between
// its least position and the greatest one its page leaves; its name is what its window calls it.
class SkinScrollBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SkinScrollBarAccessible(CSkinScrollBar* bar);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;

    // Only the bar's owner moves it, as it answers the bar's own scroll requests.
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    CSkinScrollBar* bar() const;
};
