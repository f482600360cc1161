// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The program's icon: an orange keycap on the dark theme, drawn at the sizes desktops ask for.
QIcon programIcon();
