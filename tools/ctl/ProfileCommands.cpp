// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/ProfileCommands.h"

#include "model/ConfigStore.h"
#include "model/KeyboardVariant.h"
#include "model/TransferChecks.h"
#include "model/profile/ProfileFile.h"
#include "tools/ctl/CommandOutput.h"
#include "tools/ctl/ConfigurationSources.h"
#include "tools/ctl/CtlOptions.h"
#include "tools/ctl/PrintableText.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

std::string variantText(int variant) {
    return std::string(KeyboardVariant::name(variant)) + " (variant " + std::to_string(variant) + ")";
}

// Finds and opens the keyboard; on failure says why and returns false.
bool connect(CConfigStore& store) {
    if (const auto failure = connectKeyboard(store)) {
        printError(*failure);
        return false;
    }
    return true;
}

void printSkipped(const ProfileLoadReport& report) {
    for (const std::string& entry : report.skipped)
        std::printf("  skipped: %s\n", printable(entry).c_str());
    if (static_cast<int>(report.skipped.size()) >= kMaxSkippedReported)
        std::printf("  (only the first %d are listed)\n", kMaxSkippedReported);
}

std::string loadFailure(const ProfileLoadReport& report, const std::string& path, int variant) {
    switch (report.status) {
    case ProfileLoadReport::Status::Unreadable:
        return "cannot read '" + path + "'" + (report.reason.empty() ? "" : ": " + report.reason);
    case ProfileLoadReport::Status::NotWellFormed:
        return "'" + path + "' is not a well-formed XML document";
    case ProfileLoadReport::Status::WrongVariant:
        return "'" + path + "' is not a profile for " + variantText(variant) +
               (report.rootName.empty() ? "" : " (its root element is '" + report.rootName + "')");
    case ProfileLoadReport::Status::Loaded:
        break;
    }
    return {};
}

// The variant whose root element the profile at path names, if any.
std::optional<int> variantOfProfile(const CtlInvocation& invocation, const std::string& path) {
    for (int variant = KeyboardVariant::kRgbBle; variant <= KeyboardVariant::kRgb; ++variant) {
        auto store = newStore(invocation.statePath);
        store->deviceVariant = variant;
        store->buildCatalogue();
        ProfileLoadReport report = loadProfile(*store, path);
        if (report.status != ProfileLoadReport::Status::WrongVariant)
            return variant;
    }
    return std::nullopt;
}

// Saves store as a profile at path and says "<what> <variant> <into> <path>"; the exit code.
int saveAndSay(const CConfigStore& store, const std::string& path, const char* what, const char* into) {
    if (std::string error; !saveProfile(store, path, &error))
        return printError("could not write '" + path + "': " + error);
    std::printf("%s %s %s %s\n", what, variantText(store.deviceVariant).c_str(), into,
                printable(path).c_str());
    return 0;
}

} // namespace

int runDefaults(const CtlInvocation& invocation) {
    auto store = newStore(invocation.statePath);
    if (const auto variant = variantOption(invocation)) {
        store->deviceVariant = *variant;
        store->buildCatalogue();
        store->resetToDefaults();
    } else if (!connect(*store)) {
        return printError("no keyboard to take the variant from; pass --variant N");
    }
    return saveAndSay(*store, invocation.words()[0], "wrote the factory profile of", "to");
}

int runRead(const CtlInvocation& invocation) {
    auto store = newStore(invocation.statePath);
    if (!connect(*store))
        return kExitFailed;
    if (!store->readKeyDefinitions(nullptr))
        return printError("reading the key definitions failed; nothing was written");
    if (!store->readLights())
        return printError("reading the lights failed; nothing was written");
    return saveAndSay(*store, invocation.words()[0], "read the keys and lights of", "into");
}

int runWrite(const CtlInvocation& invocation) {
    auto store = newStore(invocation.statePath);
    if (!connect(*store))
        return kExitFailed;
    const ProfileLoadReport report = loadProfile(*store, invocation.words()[0]);
    if (!report.loaded())
        return printError(loadFailure(report, invocation.words()[0], store->deviceVariant) +
                          "; the keyboard is unchanged");
    printSkipped(report);
    // Everything is checked before anything is sent, so that a refusal cannot leave the keyboard half
    // changed.
    if (const std::vector<std::string> unsendable = findUnsendable(*store); !unsendable.empty()) {
        for (const std::string& entry : unsendable)
            printError("cannot send " + entry);
        return printError("'" + invocation.words()[0] +
                          "' holds what the keyboard cannot take; the keyboard is unchanged");
    }
    // The keys and the lights are two writes: a failure says which of them the keyboard took.
    if (!store->writeKeyConfiguration(nullptr))
        return printError("the keys were not written: writing them to the keyboard failed; the lights were "
                          "not written either");
    if (!store->writeLights())
        return printError("the keys were written; the lights were not: writing them to the keyboard failed");
    std::printf("wrote the keys and lights of %s to %s\n", printable(invocation.words()[0]).c_str(),
                variantText(store->deviceVariant).c_str());
    return 0;
}

int runCheck(const CtlInvocation& invocation) {
    const std::string& path = invocation.words()[0];
    auto store = newStore(invocation.statePath);
    if (const auto variant = variantOption(invocation)) {
        store->deviceVariant = *variant;
    } else if (int attached = store->device.DetectDeviceType(); attached != 0) {
        store->deviceVariant = attached;
    } else {
        store->deviceVariant = variantOfProfile(invocation, path).value_or(KeyboardVariant::kRgb);
    }
    store->buildCatalogue();
    store->resetToDefaults();
    const ProfileLoadReport report = loadProfile(*store, path);
    if (!report.loaded())
        return printError(loadFailure(report, path, store->deviceVariant));
    int assigned = 0;
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        for (int table = 0; table < kTables; ++table)
            assigned += store->keyKind[key][table] != kKindNotSet ? 1 : 0;
    }
    std::printf("%s loads as a profile for %s: %d of 765 key assignments set, libraries of %d combos, %d "
                "macros, %d emulations\n",
                printable(path).c_str(), variantText(store->deviceVariant).c_str(), assigned,
                store->predefinedCombos.count(), store->predefinedMacros.count(),
                store->predefinedEmulations.count());
    if (report.skipped.empty())
        std::printf("  nothing skipped\n");
    printSkipped(report);
    return 0;
}
