// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SkinEntryAccessible.h"

#include "ui/SkinnedWindow.h"

SkinEntryAccessible::SkinEntryAccessible(SkinnedWindow* window, std::size_t index)
    : window_(window), index_(index) {}

bool SkinEntryAccessible::isValid() const {
    return !window_.isNull() && window_->isSpokenEntry(index_);
}

QWindow* SkinEntryAccessible::window() const {
    return isValid() ? window_->windowHandle() : nullptr;
}

QAccessibleInterface* SkinEntryAccessible::childAt(int /*x*/, int /*y*/) const {
    return nullptr;
}

QAccessibleInterface* SkinEntryAccessible::parent() const {
    return isValid() ? QAccessible::queryAccessibleInterface(window_.data()) : nullptr;
}

QAccessibleInterface* SkinEntryAccessible::child(int /*index*/) const {
    return nullptr;
}

int SkinEntryAccessible::indexOfChild(const QAccessibleInterface* /*child*/) const {
    return -1;
}

QString SkinEntryAccessible::text(QAccessible::Text kind) const {
    if (!isValid())
        return {};
    switch (kind) {
    case QAccessible::Name:
        return window_->spokenName(index_);
    case QAccessible::Description:
        return window_->spokenDescription(index_);
    default:
        break;
    }
    return {};
}

void SkinEntryAccessible::setText(QAccessible::Text /*kind*/, const QString& /*text*/) {}

QRect SkinEntryAccessible::rect() const {
    if (!isValid())
        return {};
    const QRect area = window_->entryArea(index_);
    return {window_->mapToGlobal(area.topLeft()), area.size()};
}

QAccessible::Role SkinEntryAccessible::role() const {
    return isValid() ? window_->spokenRole(index_) : QAccessible::NoRole;
}

QAccessible::State SkinEntryAccessible::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.invisible = !window_->isShownEntry(index_) || !window_->isVisible();
    state.disabled = !window_->isEnabledEntry(index_);
    state.focusable = window_->isPressableEntry(index_);
    state.focused = window_->isFocusedEntry(index_);
    const bool marked = window_->isMarkedEntry(index_);
    switch (role()) {
    case QAccessible::RadioButton:
    case QAccessible::CheckBox:
        state.checkable = true;
        state.checked = marked;
        break;
    case QAccessible::StaticText:
        break;
    default:
        state.selectable = true;
        state.selected = marked;
        break;
    }
    return state;
}

void* SkinEntryAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

QStringList SkinEntryAccessible::actionNames() const {
    if (!isValid() || !window_->isPressableEntry(index_))
        return {};
    return {pressAction()};
}

void SkinEntryAccessible::doAction(const QString& actionName) {
    if (isValid() && actionName == pressAction())
        window_->pressEntry(index_);
}

QStringList SkinEntryAccessible::keyBindingsForAction(const QString& /*actionName*/) const {
    return {};
}
