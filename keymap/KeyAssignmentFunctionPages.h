// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keymap/IconTooltip.h"

#include <QPoint>

class KeyAssignmentHost;

// Pages 4 to 7: multimedia, mouse, keyboard and power functions, each chosen by one icon. Clicking an
// icon chooses its function, clicking the chosen icon again chooses nothing; the icon of the page's
// chosen code is drawn selected. Resting the mouse on an icon of the page shown tells what it does in
// the tooltip.
class KeyAssignmentFunctionPages {
public:
    explicit KeyAssignmentFunctionPages(KeyAssignmentHost& host);

    // Runs the command of id on page; false when id is no icon of that page.
    bool runCommand(int page, int id);
    // Icons selected by the page's chosen code.
    void prepareLooks(int page);
    // A page was shown: the tooltip waits for the mouse to rest on an icon again.
    void pageShown();
    // The mouse moved to point (window pixels) on page; the tooltip follows the icon under it.
    void mouseMoved(int page, QPoint point);
    // The mouse left the window or pressed a button: no tooltip.
    void hideTooltip();

    IconTooltip& tooltip() { return tooltip_; }
    const IconTooltip& tooltip() const { return tooltip_; }

private:
    // The icon of page at point, 0 for none.
    int iconAt(int page, QPoint point) const;

    KeyAssignmentHost& host_;
    IconTooltip tooltip_;
};
