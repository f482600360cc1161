// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/ActuationCommands.h"

#include "model/KeyboardVariant.h"
#include "tools/cli/KeySelection.h"
#include "tools/ctl/CommandOutput.h"
#include "tools/ctl/CtlOptions.h"
#include "tools/ctl/TrackCommand.h"
#include "tools/ctl/TriggersCommand.h"

#include <string>

int runTriggersCommand(const CtlInvocation& invocation) {
    return runTriggersShow(invocation.statePath);
}

int runTriggersSetCommand(const CtlInvocation& invocation) {
    // Key names are the same on every variant's keyboard view, so the keys read before the keyboard
    // is asked anything.
    const KeySelection keys = parseKeySelection(invocation.words()[0], KeyboardVariant::kRgb);
    if (!keys.ok())
        return printUsageError(keys.error + "; nothing was written");
    TriggerChange change;
    change.keys = keys.keys;
    change.upper = tenthsOption(invocation, "--press");
    change.lower = tenthsOption(invocation, "--release");
    const std::optional<int> threshold = tenthsOption(invocation, "--threshold");
    if (!change.upper && !change.lower && !threshold)
        return printUsageError("triggers set needs --press, --release or --threshold");
    if (threshold)
        change.threshold = *threshold - 1; // the code of (c + 1) x 0.1 mm
    return runTriggersSet(invocation.statePath, change);
}

int runTrackCommand(const CtlInvocation& invocation) {
    const KeySelection keys = parseKeySelection(invocation.words()[0], KeyboardVariant::kRgb);
    if (!keys.ok())
        return printUsageError(keys.error);
    if (keys.keys.size() != 1)
        return printUsageError("track takes one KEY, not " + describeKeySelection(keys.keys));
    TrackRequest request;
    request.statePath = invocation.statePath;
    request.key = keys.keys.front();
    request.csv = invocation.arguments.has("--csv");
    request.seconds = secondsOption(invocation);
    return runTrack(request);
}
