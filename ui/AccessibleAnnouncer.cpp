// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AccessibleAnnouncer.h"

#include "ui/SkinWindowAccessible.h"
#include "ui/SkinnedWindow.h"

#include <QAccessible>

namespace {

// The states a window changes on its entries, one bit each.
unsigned statesOf(const QAccessible::State& state) {
    return (state.invisible ? 1U : 0U) | (state.disabled ? 2U : 0U) | (state.checked ? 4U : 0U) |
           (state.selected ? 8U : 0U) | (state.focused ? 16U : 0U);
}

QAccessible::State changedStates(unsigned before, unsigned now) {
    const unsigned changed = before ^ now;
    QAccessible::State state;
    state.invisible = (changed & 1U) != 0;
    state.disabled = (changed & 2U) != 0;
    state.checked = (changed & 4U) != 0;
    state.selected = (changed & 8U) != 0;
    state.focused = (changed & 16U) != 0;
    return state;
}

AccessibleAnnouncer::Sink sink = QAccessible::updateAccessibility;

void send(QAccessibleInterface* entry, QAccessible::Event type) {
    QAccessibleEvent event(entry, type);
    sink(&event);
}

SkinWindowAccessible* treeOf(SkinnedWindow& window) {
    return dynamic_cast<SkinWindowAccessible*>(QAccessible::queryAccessibleInterface(&window));
}

} // namespace

void AccessibleAnnouncer::setSink(Sink replacement) {
    sink = replacement == nullptr ? QAccessible::updateAccessibility : replacement;
}

void AccessibleAnnouncer::announceFocus(SkinnedWindow& window, std::size_t index) {
    if (SkinWindowAccessible* tree = treeOf(window)) {
        if (QAccessibleInterface* entry = tree->entryInterface(index))
            send(entry, QAccessible::Focus);
    }
}

void AccessibleAnnouncer::announceValue(QObject* widget, const QVariant& value) {
    QAccessibleValueChangeEvent event(widget, value);
    sink(&event);
}

void AccessibleAnnouncer::announce(SkinnedWindow& window) {
    SkinWindowAccessible* tree = treeOf(window);
    if (tree == nullptr)
        return;
    const bool first = !toldOnce_;
    toldOnce_ = true;
    announceEntries(*tree, window.controls().size(), first);
    announceGauges(*tree, window.spokenGauges().size(), first);
}

void AccessibleAnnouncer::announceEntries(SkinWindowAccessible& tree, std::size_t entryCount, bool first) {
    told_.resize(entryCount);
    for (std::size_t index = 0; index < told_.size(); ++index) {
        QAccessibleInterface* entry = tree.entryInterface(index);
        if (entry == nullptr)
            continue;
        Told now{entry->text(QAccessible::Name), entry->text(QAccessible::Description),
                 statesOf(entry->state())};
        Told& before = told_[index];
        if (!first) {
            if (now.name != before.name)
                send(entry, QAccessible::NameChanged);
            if (now.description != before.description)
                send(entry, QAccessible::DescriptionChanged);
            if (now.states != before.states) {
                const QAccessible::State changed = changedStates(before.states, now.states);
                // Readers hear an entry appear or go (a page shown) as its own event.
                if (changed.invisible)
                    send(entry, (now.states & 1U) != 0 ? QAccessible::ObjectHide : QAccessible::ObjectShow);
                QAccessibleStateChangeEvent event(entry, changed);
                sink(&event);
            }
        }
        before = std::move(now);
    }
}

void AccessibleAnnouncer::announceGauges(SkinWindowAccessible& tree, std::size_t gaugeCount, bool first) {
    toldGauges_.resize(gaugeCount);
    for (std::size_t index = 0; index < toldGauges_.size(); ++index) {
        QAccessibleInterface* gauge = tree.gaugeInterface(index);
        if (gauge == nullptr)
            continue;
        QAccessibleValueInterface* value = gauge->valueInterface();
        ToldGauge now{gauge->text(QAccessible::Name), gauge->text(QAccessible::Description),
                      value == nullptr ? QVariant() : value->currentValue()};
        ToldGauge& before = toldGauges_[index];
        if (!first) {
            if (now.name != before.name)
                send(gauge, QAccessible::NameChanged);
            if (now.description != before.description)
                send(gauge, QAccessible::DescriptionChanged);
            if (now.value != before.value) {
                QAccessibleValueChangeEvent event(gauge, now.value);
                sink(&event);
            }
        }
        before = std::move(now);
    }
}
