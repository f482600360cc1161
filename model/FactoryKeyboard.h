// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/VirtualKeyboardState.h"

// What a keyboard of a variant holds when it leaves the factory: every key's factory function on all
// nine tables, encoded as the keyboard stores it.
KeyTables factoryKeyTables(int variant);

// A new virtual keyboard of a variant with its factory key tables.
VirtualKeyboardState factoryKeyboard(int variant, std::string version = {});
