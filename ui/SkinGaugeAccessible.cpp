// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SkinGaugeAccessible.h"

#include "ui/SkinnedWindow.h"

bool SkinGaugeAccessible::exists(const SkinnedWindow& window, std::size_t index) const {
    return index < window.spokenGauges().size();
}

QRect SkinGaugeAccessible::area(const SkinnedWindow& window, std::size_t index) const {
    return window.gaugeArea(index);
}

SkinGauge SkinGaugeAccessible::gauge() const {
    return skin().spokenGauges()[partIndex()];
}

QString SkinGaugeAccessible::text(QAccessible::Text kind) const {
    if (!isValid())
        return {};
    switch (kind) {
    case QAccessible::Name:
        return skin().spokenGaugeName(partIndex());
    case QAccessible::Description:
        return QString::fromStdString(gauge().description);
    case QAccessible::Value:
        return gauge().description.empty() ? currentValue().toString() : QString();
    default:
        break;
    }
    return {};
}

QAccessible::Role SkinGaugeAccessible::role() const {
    return isValid() ? gauge().role : QAccessible::NoRole;
}

QAccessible::State SkinGaugeAccessible::state() const {
    QAccessible::State state;
    state.invalid = !isValid();
    state.invisible = !isValid() || !skin().isVisible();
    state.readOnly = true;
    return state;
}

void* SkinGaugeAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface && isValid() && gauge().description.empty())
        return static_cast<QAccessibleValueInterface*>(this);
    return nullptr;
}

QVariant SkinGaugeAccessible::currentValue() const {
    return isValid() ? QVariant(gauge().value) : QVariant();
}

QVariant SkinGaugeAccessible::maximumValue() const {
    return isValid() ? QVariant(gauge().maximum) : QVariant();
}

QVariant SkinGaugeAccessible::minimumValue() const {
    return isValid() ? QVariant(gauge().minimum) : QVariant();
}

QVariant SkinGaugeAccessible::minimumStepSize() const {
    return isValid() ? QVariant(gauge().step) : QVariant();
}
