// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinControl.h"
#include "controls/SpokenNames.h"

#include <QAccessible>

// A bar a window draws itself rather than from its table (a transfer's progress, a key's travel) as a
// screen reader hears it: its name, where it lies in design units, what it is and what it shows now,
// between its least and its greatest value.
struct SkinGauge {
    SpokenName name;
    SkinRect area;
    QAccessible::Role role = QAccessible::ProgressBar;
    double value = 0;
    double minimum = 0;
    double maximum = 100;
    double step = 1;
};
