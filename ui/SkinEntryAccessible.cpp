// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SkinEntryAccessible.h"

#include "ui/SkinnedWindow.h"

bool SkinEntryAccessible::exists(const SkinnedWindow& window, std::size_t index) const {
    return window.isSpokenEntry(index);
}

QRect SkinEntryAccessible::area(const SkinnedWindow& window, std::size_t index) const {
    return window.entryArea(index);
}

QString SkinEntryAccessible::text(QAccessible::Text kind) const {
    if (!isValid())
        return {};
    switch (kind) {
    case QAccessible::Name:
        return skin().spokenName(partIndex());
    case QAccessible::Description:
        return skin().spokenDescription(partIndex());
    default:
        break;
    }
    return {};
}

QAccessible::Role SkinEntryAccessible::role() const {
    return isValid() ? skin().spokenRole(partIndex()) : QAccessible::NoRole;
}

QAccessible::State SkinEntryAccessible::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    const SkinnedWindow& window = skin();
    const std::size_t index = partIndex();
    state.invisible = !window.isShownEntry(index) || !window.isVisible();
    state.disabled = !window.isEnabledEntry(index);
    state.focusable = window.isPressableEntry(index);
    state.focused = window.isFocusedEntry(index);
    const bool marked = window.isMarkedEntry(index);
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
    if (!isValid() || !skin().isPressableEntry(partIndex()))
        return {};
    return {pressAction()};
}

void SkinEntryAccessible::doAction(const QString& actionName) {
    if (isValid() && actionName == pressAction())
        skin().pressEntry(partIndex());
}

QStringList SkinEntryAccessible::keyBindingsForAction(const QString& /*actionName*/) const {
    return {};
}
