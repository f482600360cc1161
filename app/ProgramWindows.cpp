#include "app/ProgramWindows.h"

void installProgramWindows(WindowOpener& opener, CPelmDialogProgress::Waiter transferWaiter) {
    opener.install(WindowId::Transfer, CPelmDialogProgress::runner(std::move(transferWaiter)));
}
