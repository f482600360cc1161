// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramPictures.h"

#include "app/MainWindowPictures.h"
#include "app/ProgressPictures.h"
#include "firmware/FirmwarePictures.h"
#include "keymap/KeyAssignmentPictures.h"
#include "keymap/VirtualKeyPictures.h"
#include "lighting/BacklightPictures.h"
#include "lighting/MultiKeyColourPictures.h"
#include "res/ScrollBarPictures.h"
#include "trigger/FineAdjustPictures.h"
#include "trigger/RapidTriggerPictures.h"
#include "trigger/TrackPictures.h"

PictureLibrary programPictureLibrary() {
    PictureDrawers drawers;
    PictureAreaDrawers areaDrawers;
    addProgressPictures(drawers);
    addScrollBarPictures(drawers);
    addMainWindowPictures(drawers, areaDrawers);
    addVirtualKeyPictures(drawers);
    addKeyAssignmentPictures(drawers, areaDrawers);
    addFirmwarePictures(drawers);
    addBacklightPictures(drawers);
    addMultiKeyColourPictures(drawers);
    addRapidTriggerPictures(drawers);
    addFineAdjustPictures(drawers);
    addTrackPictures(drawers);
    return PictureLibrary(std::move(drawers), std::move(areaDrawers));
}
