// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SkinScrollBarAccessible.h"

#include "ui/CSkinScrollBar.h"

#include <algorithm>

SkinScrollBarAccessible::SkinScrollBarAccessible(CSkinScrollBar* bar)
    : QAccessibleWidget(bar, QAccessible::ScrollBar) {}

CSkinScrollBar* SkinScrollBarAccessible::bar() const {
    return static_cast<CSkinScrollBar*>(widget());
}

void* SkinScrollBarAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString SkinScrollBarAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Value)
        return currentValue().toString();
    return QAccessibleWidget::text(kind);
}

QVariant SkinScrollBarAccessible::currentValue() const {
    return bar()->scrollInfo(ScrollInfo::kPosition).position;
}

void SkinScrollBarAccessible::setCurrentValue(const QVariant& /*value*/) {}

// The last position a whole page still fits, as the bar's own thumb allows.
QVariant SkinScrollBarAccessible::maximumValue() const {
    const ScrollInfo info = bar()->scrollInfo(ScrollInfo::kRange | ScrollInfo::kPage);
    return std::max(info.minimum, info.maximum - std::max(info.page, 1) + 1);
}

QVariant SkinScrollBarAccessible::minimumValue() const {
    return bar()->scrollInfo(ScrollInfo::kRange).minimum;
}

QVariant SkinScrollBarAccessible::minimumStepSize() const {
    return 1;
}
