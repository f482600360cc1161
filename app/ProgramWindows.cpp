#include "app/ProgramWindows.h"

#include "firmware/CPelmDialogFirmwareUpdate.h"

void installProgramWindows(WindowOpener& opener, CPelmDialogProgress::Waiter transferWaiter) {
    opener.install(WindowId::Transfer, CPelmDialogProgress::runner(std::move(transferWaiter)));
    opener.install(WindowId::FirmwareUpdate, CPelmDialogFirmwareUpdate::runner());
}
