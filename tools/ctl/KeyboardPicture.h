#pragma once

#include "controls/SkinControl.h"

#include <string>

// The keys as the main window's keyboard picture shows them: the picture of each variant is drawn
// from that variant's control table, and the reports of qelec-ctl take their key legends and
// rectangles from the same table.
namespace KeyboardPicture {

// The legend of key 1..85 on the variant's keyboard ("Esc", "Caps Lock"); empty for another key.
std::string keyLegend(int variant, int key);
// "key 34 (W)": the key's number and legend.
std::string keyLabel(int variant, int key);
// The rectangle of key 1..85 in the main window, in design units; the default rectangle (all -1)
// for another key.
SkinRect keyRect(int variant, int key);
// The smallest rectangle holding every key of the variant's keyboard.
SkinRect keysBounds(int variant);
// The caption of the main window's label with this id ("TopLayer", "Program1"), empty when no
// entry has it.
std::string labelCaption(int id);

} // namespace KeyboardPicture
