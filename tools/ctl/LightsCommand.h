// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ctl/CtlInvocation.h"

// "qelec-ctl lights [KEYS [COLOUR]]": every key's colour, or those of KEYS, as the keyboard holds
// them; with a colour, KEYS take it and the lights are written to the keyboard. Returns the exit code.
int runLightsCommand(const CtlInvocation& invocation);
