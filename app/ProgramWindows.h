// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/CPelmDialogProgress.h"
#include "ui/WindowOpener.h"

// Installs every window of the program that one window opens over another, and the progress window
// for transfers (whose pauses transferWaiter replaces, for tests and probes).
void installProgramWindows(WindowOpener& opener, CPelmDialogProgress::Waiter transferWaiter = {});
