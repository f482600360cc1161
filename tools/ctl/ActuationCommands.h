// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ctl/CtlInvocation.h"

// The commands of qelec-ctl about actuation, from their checked command lines; each returns the exit
// code.

// "triggers": every key's trigger values.
int runTriggersCommand(const CtlInvocation& invocation);
// "triggers set KEYS [--press MM] [--release MM] [--threshold MM]".
int runTriggersSetCommand(const CtlInvocation& invocation);
// "track KEY [--seconds N] [--csv]".
int runTrackCommand(const CtlInvocation& invocation);
