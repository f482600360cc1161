// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The names of the keys, as the main window's keyboard view shows them on its key buttons: the one
// list the tools print keys with and read key names from.
namespace KeyLegends {

// The legend of key 1..85 on the variant's keyboard ("Esc", "Caps Lock"); empty for another key.
std::string keyLegend(int variant, int key);
// "key 34 (W)": the key's number and legend.
std::string keyLabel(int variant, int key);

} // namespace KeyLegends
