// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramWindows.h"

#include "firmware/CPelmDialogFirmwareUpdate.h"
#include "keymap/CPelmDialogKeyMapSettings.h"
#include "keymap/PelmDialogVirtual.h"
#include "lighting/CPelmDialogBkLightMultiSelect.h"
#include "lighting/CPelmDialogBkLightSettings.h"
#include "trigger/PelmDialogTrack.h"
#include "trigger/PelmDialogTrigger.h"
#include "trigger/PelmDialogTriggerSet.h"

void installProgramWindows(WindowOpener& opener, CPelmDialogProgress::Waiter transferWaiter) {
    opener.install(WindowId::Transfer, CPelmDialogProgress::runner(std::move(transferWaiter)));
    opener.install(WindowId::KeyAssignment, CPelmDialogKeyMapSettings::runner());
    opener.install(WindowId::VirtualKeys, PelmDialogVirtual::runner());
    opener.install(WindowId::Backlight, CPelmDialogBkLightSettings::runner());
    opener.install(WindowId::MultiKeyColour, CPelmDialogBkLightMultiSelect::runner());
    opener.install(WindowId::RapidTrigger, PelmDialogTrigger::runner());
    opener.install(WindowId::FineAdjust, PelmDialogTriggerSet::runner());
    opener.install(WindowId::Track, PelmDialogTrack::runner());
    opener.install(WindowId::FirmwareUpdate, CPelmDialogFirmwareUpdate::runner());
}
