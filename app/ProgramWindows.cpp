#include "app/ProgramWindows.h"

#include "lighting/CPelmDialogBkLightMultiSelect.h"
#include "lighting/CPelmDialogBkLightSettings.h"

void installProgramWindows(WindowOpener& opener, CPelmDialogProgress::Waiter transferWaiter) {
    opener.install(WindowId::Transfer, CPelmDialogProgress::runner(std::move(transferWaiter)));
    opener.install(WindowId::Backlight, CPelmDialogBkLightSettings::runner());
    opener.install(WindowId::MultiKeyColour, CPelmDialogBkLightMultiSelect::runner());
}
