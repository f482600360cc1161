// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/WindowTimers.h"

#include <QFont>
#include <QPoint>
#include <QString>

#include <memory>

class QLabel;

// The key assignment dialog's tooltip for its function icons: blue text on yellow, shown once the
// mouse has rested on an icon for kShowDelayMs, gone when the mouse leaves the icon, the page
// changes or a button is pressed. Moving straight onto another icon while one is shown shows the
// new text at once.
class IconTooltip {
public:
    static constexpr int kShowTimer = 1;
    static constexpr int kShowDelayMs = 300;

    explicit IconTooltip(const QFont& font);
    ~IconTooltip();
    IconTooltip(const IconTooltip&) = delete;
    IconTooltip& operator=(const IconTooltip&) = delete;

    // The mouse is over icon id (0: over no icon) whose tooltip is text, at globalPoint.
    void hover(int id, const QString& text, QPoint globalPoint);
    // Hides the tooltip and forgets the icon; it waits again for the mouse to rest on one.
    void deactivate();

    bool isShown() const;
    // The icon hovered, 0 for none.
    int iconId() const { return iconId_; }
    // The text shown, or about to be shown.
    const QString& text() const { return text_; }
    const QLabel& label() const { return *label_; }
    QLabel& label() { return *label_; }
    // The delay timer (kShowTimer); tests fire it.
    WindowTimers& timers() { return timers_; }

private:
    void show();

    std::unique_ptr<QLabel> label_;
    WindowTimers timers_;
    int iconId_ = 0;
    QString text_;
    QPoint point_;
};
