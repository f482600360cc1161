// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SkinWindowAccessible.h"

#include "ui/CSkinScrollBar.h"
#include "ui/SkinEntryAccessible.h"
#include "ui/SkinGaugeAccessible.h"
#include "ui/SkinScrollBarAccessible.h"
#include "ui/SkinnedWindow.h"

#include <algorithm>

namespace {

QAccessibleInterface* skinFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("CSkinScrollBar")) {
        auto* bar = qobject_cast<CSkinScrollBar*>(object);
        return bar == nullptr ? nullptr : new SkinScrollBarAccessible(bar);
    }
    if (className != QLatin1String("SkinnedWindow"))
        return nullptr;
    auto* window = qobject_cast<SkinnedWindow*>(object);
    return window == nullptr ? nullptr : new SkinWindowAccessible(window);
}

} // namespace

SkinWindowAccessible::SkinWindowAccessible(SkinnedWindow* window)
    : QAccessibleWidget(window, QAccessible::Dialog) {
    for (std::size_t index = 0; index < window->controls().size(); ++index) {
        if (window->isSpokenEntry(index))
            entries_.push_back(index);
    }
    gaugeCount_ = window->spokenGauges().size();
    window->listenForReader();
}

SkinWindowAccessible::~SkinWindowAccessible() {
    for (const auto& [index, id] : made_)
        QAccessible::deleteAccessibleInterface(id);
    for (const auto& [index, id] : madeGauges_)
        QAccessible::deleteAccessibleInterface(id);
}

void SkinWindowAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(skinFactory);
        return true;
    }();
    (void)installed;
}

SkinnedWindow* SkinWindowAccessible::skin() const {
    return static_cast<SkinnedWindow*>(widget());
}

// The interface of a part of the window, made at the first call for it and kept in made.
template <typename Part>
QAccessibleInterface* SkinWindowAccessible::partInterface(std::map<std::size_t, QAccessible::Id>& made,
                                                          std::size_t index) const {
    const auto found = made.find(index);
    if (found != made.end())
        return QAccessible::accessibleInterface(found->second);
    auto* part = new Part(skin(), index);
    made[index] = QAccessible::registerAccessibleInterface(part);
    return part;
}

QAccessibleInterface* SkinWindowAccessible::entryInterface(std::size_t index) const {
    return skin()->isSpokenEntry(index) ? partInterface<SkinEntryAccessible>(made_, index) : nullptr;
}

QAccessibleInterface* SkinWindowAccessible::gaugeInterface(std::size_t index) const {
    return index < gaugeCount_ ? partInterface<SkinGaugeAccessible>(madeGauges_, index) : nullptr;
}

int SkinWindowAccessible::childOfEntry(std::size_t index) const {
    const auto found = std::find(entries_.begin(), entries_.end(), index);
    return found == entries_.end() ? -1 : static_cast<int>(found - entries_.begin());
}

QString SkinWindowAccessible::text(QAccessible::Text kind) const {
    const QString own = QAccessibleWidget::text(kind);
    if (kind != QAccessible::Name || !own.isEmpty())
        return own;
    for (const std::size_t index : entries_) {
        if (skin()->spokenRole(index) == QAccessible::StaticText && !skin()->spokenName(index).isEmpty())
            return skin()->spokenName(index);
    }
    return own;
}

int SkinWindowAccessible::childCount() const {
    return ownChildCount() + QAccessibleWidget::childCount();
}

QAccessibleInterface* SkinWindowAccessible::child(int index) const {
    if (index < 0)
        return nullptr;
    const auto entryCount = static_cast<int>(entries_.size());
    if (index < entryCount)
        return entryInterface(entries_[static_cast<std::size_t>(index)]);
    if (index < ownChildCount())
        return gaugeInterface(static_cast<std::size_t>(index - entryCount));
    return QAccessibleWidget::child(index - ownChildCount());
}

int SkinWindowAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (const auto* entry = dynamic_cast<const SkinEntryAccessible*>(child))
        return entry->skinWindow() == skin() ? childOfEntry(entry->partIndex()) : -1;
    if (const auto* gauge = dynamic_cast<const SkinGaugeAccessible*>(child)) {
        return gauge->skinWindow() == skin() && gauge->partIndex() < gaugeCount_
                   ? static_cast<int>(entries_.size() + gauge->partIndex())
                   : -1;
    }
    const int widgetChild = QAccessibleWidget::indexOfChild(child);
    return widgetChild < 0 ? -1 : widgetChild + ownChildCount();
}

QAccessibleInterface* SkinWindowAccessible::childAt(int x, int y) const {
    if (QAccessibleInterface* widgetChild = QAccessibleWidget::childAt(x, y))
        return widgetChild;
    const QPoint point = skin()->mapFromGlobal(QPoint(x, y));
    for (const std::size_t index : entries_) {
        if (skin()->isShownEntry(index) && skin()->entryArea(index).contains(point))
            return entryInterface(index);
    }
    for (std::size_t index = 0; index < gaugeCount_; ++index) {
        if (skin()->gaugeArea(index).contains(point))
            return gaugeInterface(index);
    }
    return nullptr;
}

int SkinWindowAccessible::ownChildCount() const {
    return static_cast<int>(entries_.size() + gaugeCount_);
}

QAccessibleInterface* SkinWindowAccessible::focusChild() const {
    const int focused = skin()->focusedEntry();
    if (focused >= 0 && skin()->holdsKeyboard())
        return entryInterface(static_cast<std::size_t>(focused));
    return QAccessibleWidget::focusChild();
}
