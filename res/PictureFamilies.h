// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "res/PictureLibrary.h"

// Each family of pictures lives in its own file and adds its drawers here; PictureLibrary.cpp lists
// the families.

// 139 background, 140 hover and 141 progress fill of the transfer progress dialog.
void addProgressPictures(PictureDrawers& drawers);
// 138: the skin of the skin scroll bar, 9 x 3 cells.
void addScrollBarPictures(PictureDrawers& drawers);
// 101..103, 145..150 and 154..156: the main window's background, hover and pressed pictures of each keyboard
// variant; each of them can also be drawn in parts.
void addMainWindowPictures(PictureDrawers& drawers, PictureAreaDrawers& areaDrawers);
// 158 background, 159 hover and 157 selected of the virtual key input dialog.
void addVirtualKeyPictures(PictureDrawers& drawers);
// 107..127 and 151..153: the normal, hover and selected pictures of the key assignment dialog's seven pages
// (page 6's normal picture by variant); each of them can also be drawn in parts.
void addKeyAssignmentPictures(PictureDrawers& drawers, PictureAreaDrawers& areaDrawers);
// 128 background, 129 hover and 130 selected (with the bar strip) of the firmware update dialog.
void addFirmwarePictures(PictureDrawers& drawers);
// 131 background, 132 hover and 133 selected of the backlight settings dialog.
void addBacklightPictures(PictureDrawers& drawers);
// 142 background, 143 hover and marked keys, 144 selected of the multi-key colour selection.
void addMultiKeyColourPictures(PictureDrawers& drawers);
// 162 background, 163 highlight and 161 selected of the rapid-trigger settings dialog.
void addRapidTriggerPictures(PictureDrawers& drawers);
// 165 background, 166 hover (with the travel bar) and 164 selected of the trigger fine-adjust dialog.
void addFineAdjustPictures(PictureDrawers& drawers);
// 168 background, 169 hover and 167 selected (with the travel bar) of the key travel tracking dialog.
void addTrackPictures(PictureDrawers& drawers);
