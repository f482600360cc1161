// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinControl.h"

#include <string>

// The keys as the main window's keyboard picture shows them: the picture of each variant is drawn
// from that variant's control table, and the reports of qelec-ctl take their key rectangles from the
// same table (and their legends, through KeyLegends).
namespace KeyboardPicture {

// The rectangle of key 1..85 in the main window, in design units; the default rectangle (all -1)
// for another key.
SkinRect keyRect(int variant, int key);
// The smallest rectangle holding every key of the variant's keyboard.
SkinRect keysBounds(int variant);
// The caption of the main window's label with this id ("TopLayer", "Program1"), empty when no
// entry has it.
std::string labelCaption(int id);

} // namespace KeyboardPicture
