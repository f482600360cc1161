#include "app/ProgramWindows.h"

#include "keymap/CPelmDialogKeyMapSettings.h"
#include "keymap/PelmDialogVirtual.h"

void installProgramWindows(WindowOpener& opener, CPelmDialogProgress::Waiter transferWaiter) {
    opener.install(WindowId::Transfer, CPelmDialogProgress::runner(std::move(transferWaiter)));
    opener.install(WindowId::KeyAssignment, CPelmDialogKeyMapSettings::runner());
    opener.install(WindowId::VirtualKeys, PelmDialogVirtual::runner());
}
