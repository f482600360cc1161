// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

// The key names for a tool's help, drawn from the keyboard view's tables (never typed out): a heading,
// every key number with its legend in columns that fit width, the variants' differences when a variant
// shows another legend, and how to name the keys a legend cannot name (legends on several keys, and
// the digits, which read as key numbers).
std::string keyNameListText(std::size_t width);
