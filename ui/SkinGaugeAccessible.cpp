// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SkinGaugeAccessible.h"

#include "ui/SkinnedWindow.h"

SkinGaugeAccessible::SkinGaugeAccessible(SkinnedWindow* window, std::size_t index)
    : window_(window), index_(index) {}

bool SkinGaugeAccessible::isValid() const {
    return !window_.isNull() && index_ < window_->spokenGauges().size();
}

QWindow* SkinGaugeAccessible::window() const {
    return isValid() ? window_->windowHandle() : nullptr;
}

QAccessibleInterface* SkinGaugeAccessible::childAt(int /*x*/, int /*y*/) const {
    return nullptr;
}

QAccessibleInterface* SkinGaugeAccessible::parent() const {
    return isValid() ? QAccessible::queryAccessibleInterface(window_.data()) : nullptr;
}

QAccessibleInterface* SkinGaugeAccessible::child(int /*index*/) const {
    return nullptr;
}

int SkinGaugeAccessible::indexOfChild(const QAccessibleInterface* /*child*/) const {
    return -1;
}

QString SkinGaugeAccessible::text(QAccessible::Text kind) const {
    if (!isValid())
        return {};
    if (kind == QAccessible::Name)
        return window_->spokenGaugeName(index_);
    if (kind == QAccessible::Value)
        return currentValue().toString();
    return {};
}

void SkinGaugeAccessible::setText(QAccessible::Text /*kind*/, const QString& /*text*/) {}

QRect SkinGaugeAccessible::rect() const {
    if (!isValid())
        return {};
    const QRect area = window_->gaugeArea(index_);
    return {window_->mapToGlobal(area.topLeft()), area.size()};
}

QAccessible::Role SkinGaugeAccessible::role() const {
    return isValid() ? window_->spokenGauges()[index_].role : QAccessible::NoRole;
}

QAccessible::State SkinGaugeAccessible::state() const {
    QAccessible::State state;
    state.invalid = !isValid();
    state.invisible = !isValid() || !window_->isVisible();
    state.readOnly = true;
    return state;
}

void* SkinGaugeAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return nullptr;
}

QVariant SkinGaugeAccessible::currentValue() const {
    return isValid() ? QVariant(window_->spokenGauges()[index_].value) : QVariant();
}

void SkinGaugeAccessible::setCurrentValue(const QVariant& /*value*/) {}

QVariant SkinGaugeAccessible::maximumValue() const {
    return isValid() ? QVariant(window_->spokenGauges()[index_].maximum) : QVariant();
}

QVariant SkinGaugeAccessible::minimumValue() const {
    return isValid() ? QVariant(window_->spokenGauges()[index_].minimum) : QVariant();
}

QVariant SkinGaugeAccessible::minimumStepSize() const {
    return isValid() ? QVariant(window_->spokenGauges()[index_].step) : QVariant();
}
