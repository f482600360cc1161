// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleInterface>
#include <QPointer>

#include <cstddef>

class SkinnedWindow;

// Something a skinned window draws itself, without a widget of its own (an entry of its control
// table, a gauge), as a screen reader sees it: a leaf under the window, found by its index, whose
// place on screen the window tells. The window is asked anew each time, so nothing goes stale.
class SkinPartAccessible : public QAccessibleInterface {
public:
    SkinPartAccessible(SkinnedWindow* window, std::size_t index) : window_(window), index_(index) {}

    SkinnedWindow* skinWindow() const { return window_; }
    std::size_t partIndex() const { return index_; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    // A reader changes nothing by text; the window alone does.
    void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}
    QRect rect() const override;

protected:
    // Whether the window (still there) has this part, and where it lies in the window.
    virtual bool exists(const SkinnedWindow& window, std::size_t index) const = 0;
    virtual QRect area(const SkinnedWindow& window, std::size_t index) const = 0;

    SkinnedWindow& skin() const { return *window_; }

private:
    QPointer<SkinnedWindow> window_;
    std::size_t index_;
};
