// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>

#include <cstddef>

#include <vector>

class QAccessibleEvent;
class QObject;
class SkinWindowAccessible;
class SkinnedWindow;

// Remembers what a screen reader was last told about each entry of a window's table and tells it,
// through the toolkit's accessibility events, which names, descriptions and states have changed
// since: a language switch, a new assignment, a colour or a mark; and which gauges show something new.
class AccessibleAnnouncer {
public:
    // Compares every entry with what was last told and sends an event for each difference; the first
    // call only remembers.
    void announce(SkinnedWindow& window);
    // Tells that the focus frame moved onto the entry at index.
    static void announceFocus(SkinnedWindow& window, std::size_t index);
    // Tells that a widget (a scroll bar) shows a new value.
    static void announceValue(QObject* widget, const QVariant& value);

    // Where the events go: the toolkit's accessibility, unless a test listens in its place (the
    // toolkit drops every event on a platform without accessibility, such as the offscreen one).
    using Sink = void (*)(QAccessibleEvent* event);
    static void setSink(Sink sink);

private:
    struct Told {
        QString name;
        QString description;
        unsigned states = 0;
    };
    struct ToldGauge {
        QString name;
        QString description;
        QVariant value;
    };
    void announceEntries(SkinWindowAccessible& tree, std::size_t entryCount, bool first);
    void announceGauges(SkinWindowAccessible& tree, std::size_t gaugeCount, bool first);

    bool toldOnce_ = false;
    std::vector<Told> told_;
    std::vector<ToldGauge> toldGauges_;
};
