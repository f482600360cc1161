// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinControl.h"
#include "controls/SpokenNames.h"

#include <QAccessible>

#include <string>

// A bar a window draws itself rather than from its table (a transfer's progress, a key's travel) as a
// screen reader hears it: its name, where it lies in design units, the words that say what it shows
// when it shows more than one value (in the store's language), what it is, and the one value it shows
// now, between its least and its greatest.
struct SkinGauge {
    SpokenName name;
    SkinRect area;
    std::string description{};
    QAccessible::Role role = QAccessible::ProgressBar;
    double value = 0;
    double minimum = 0;
    double maximum = 100;
    double step = 1;
};
