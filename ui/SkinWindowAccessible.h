// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

#include <cstddef>
#include <map>
#include <vector>

class SkinnedWindow;

// A skinned window as a screen reader sees it: the window, whose children are the entries of its
// control table (in table order), then the gauges it draws itself (progress and travel bars), then its
// child widgets (edit boxes, scroll bars, text boxes). The entries' and gauges' interfaces are made
// when first asked for and live as long as the window.
class SkinWindowAccessible : public QAccessibleWidget {
public:
    explicit SkinWindowAccessible(SkinnedWindow* window);
    ~SkinWindowAccessible() override;
    SkinWindowAccessible(const SkinWindowAccessible&) = delete;
    SkinWindowAccessible& operator=(const SkinWindowAccessible&) = delete;

    // Makes every skinned window answer a screen reader through this class, and every skinned scroll
    // bar through SkinScrollBarAccessible; once per program.
    static void install();

    // The window's title, or the words of its first label when it has none.
    QString text(QAccessible::Text kind) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // The interface of the table entry at index (of the whole table), null for an entry without id.
    QAccessibleInterface* entryInterface(std::size_t index) const;
    // The interface of the window's gauge at index, null past the last one.
    QAccessibleInterface* gaugeInterface(std::size_t index) const;

private:
    SkinnedWindow* skin() const;
    template <typename Part>
    QAccessibleInterface* partInterface(std::map<std::size_t, QAccessible::Id>& made,
                                        std::size_t index) const;
    int childOfEntry(std::size_t index) const;
    // The entries and gauges, which come before the child widgets.
    int ownChildCount() const;

    // The table indices of the entries a reader sees, in table order.
    std::vector<std::size_t> entries_;
    mutable std::map<std::size_t, QAccessible::Id> made_;
    std::size_t gaugeCount_ = 0;
    mutable std::map<std::size_t, QAccessible::Id> madeGauges_;
};
