// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/SkinPartAccessible.h"

struct SkinGauge;

// One gauge a skinned window draws itself as a screen reader sees it: its name in the store's
// language, its role and what it shows now, all asked of the window each time. A gauge showing one
// value offers it through the value interface; one showing more (a span) says it in its description.
class SkinGaugeAccessible : public SkinPartAccessible, public QAccessibleValueInterface {
public:
    using SkinPartAccessible::SkinPartAccessible;

    QString text(QAccessible::Text kind) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // The window alone moves a gauge; a reader only reads it.
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& /*value*/) override {}
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

protected:
    bool exists(const SkinnedWindow& window, std::size_t index) const override;
    QRect area(const SkinnedWindow& window, std::size_t index) const override;

private:
    // What the gauge shows now; valid only while isValid().
    SkinGauge gauge() const;
};
