// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/DiffCommand.h"

#include "model/ConfigStore.h"
#include "tools/ctl/CommandOutput.h"
#include "tools/ctl/ConfigurationSources.h"
#include "tools/ctl/DiffReport.h"
#include "tools/ctl/KeyboardForm.h"
#include "tools/ctl/ProfileDiff.h"

#include <cstdio>

namespace {

LoadedConfiguration loadAfter(const DiffRequest& request) {
    if (!request.againstKeyboard)
        return loadProfileOfItsVariant(request.profiles[1], request.statePath);
    LoadedConfiguration keyboard = readKeyboard(request.statePath);
    if (keyboard.store == nullptr)
        keyboard.failure += "; nothing was compared";
    return keyboard;
}

} // namespace

int runDiff(const DiffRequest& request) {
    LoadedConfiguration before = loadProfileOfItsVariant(request.profiles[0], request.statePath);
    if (before.store == nullptr)
        return printError(before.failure, kDiffTrouble);
    const LoadedConfiguration after = loadAfter(request);
    if (after.store == nullptr)
        return printError(after.failure, kDiffTrouble);
    if (request.againstKeyboard)
        rewriteAsKeyboardHoldsIt(*before.store);
    const ProfileDifferences differences =
        compareProfiles(*before.store, *after.store, !request.againstKeyboard);
    const ComparedSides sides{request.profiles[0],
                              request.againstKeyboard ? std::string("the keyboard") : request.profiles[1]};
    std::fputs(diffReport(differences, sides).c_str(), stdout);
    return differences.same() ? kDiffSame : kDiffDiffers;
}

int runDiffCommand(const CtlInvocation& invocation) {
    const bool againstKeyboard = invocation.arguments.has("--keyboard");
    if (invocation.words().size() != (againstKeyboard ? 1U : 2U))
        return printUsageError(againstKeyboard ? "diff --keyboard takes one profile"
                                               : "diff takes two profiles, or one with --keyboard");
    return runDiff({invocation.statePath, invocation.words(), againstKeyboard});
}
