// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ctl/CtlInvocation.h"

class CConfigStore;

// "qelec-ctl counters": every key's press count by its number and legend, then the highest and
// lowest key; with --heatmap FILE.svg the counts drawn into FILE.svg instead. Returns the exit code.
int runCountersCommand(const CtlInvocation& invocation);

// "highest: key 34 (W), 12 presses" and the same for the lowest key ("lowest: none" when the keyboard
// names no key), as counters and the heatmap report them.
void printHighestAndLowest(const CConfigStore& store);
