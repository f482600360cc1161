// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/ConfigurationSources.h"

#include "device/VirtualKeyboardFile.h"
#include "model/ConfigStore.h"
#include "model/KeyboardVariant.h"
#include "model/StartupChecks.h"
#include "model/profile/ProfileFile.h"

namespace {

// The variant whose profiles have this root element, or nothing.
std::optional<int> variantNamed(const std::string& rootName) {
    for (int variant = KeyboardVariant::kRgbBle; variant <= KeyboardVariant::kRgb; ++variant) {
        if (KeyboardVariant::name(variant) == rootName)
            return variant;
    }
    return std::nullopt;
}

void readyFor(CConfigStore& store, int variant) {
    store.deviceVariant = variant;
    store.buildCatalogue();
    store.resetToDefaults();
}

std::string loadFailure(const ProfileLoadReport& report, const std::string& path) {
    switch (report.status) {
    case ProfileLoadReport::Status::Unreadable:
        return "cannot read '" + path + "'";
    case ProfileLoadReport::Status::NotWellFormed:
        return "'" + path + "' is not a well-formed XML document";
    case ProfileLoadReport::Status::WrongVariant:
        return "'" + path + "' is not a QelEC profile" +
               (report.rootName.empty() ? "" : " (its root element is '" + report.rootName + "')");
    case ProfileLoadReport::Status::Loaded:
        break;
    }
    return {};
}

LoadedConfiguration failed(std::string why) {
    return {nullptr, std::move(why)};
}

// The word as a shell reads it back: as it is when it holds nothing the shell treats specially, else
// in single quotes.
std::string shellWord(const std::string& word) {
    const bool plain =
        !word.empty() && word.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                                "0123456789_-+./,:@%=") == std::string::npos;
    if (plain)
        return word;
    std::string quoted = "'";
    for (const char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Says, after "Keyboard is not connected!", that no virtual keyboard was ever made at the state path
// and how to make one there.
std::string noKeyboardYet(const std::string& statePath) {
    const std::string state = statePath == defaultStatePath() ? "" : "--state " + shellWord(statePath) + " ";
    return " No virtual keyboard exists yet at " + statePath + ": create one with qelec-vkbd " + state +
           "create --variant 4";
}

} // namespace

std::unique_ptr<CConfigStore> newStore(const std::optional<std::string>& statePath) {
    return statePath ? std::make_unique<CConfigStore>(*statePath) : std::make_unique<CConfigStore>();
}

std::optional<std::string> connectKeyboard(CConfigStore& store) {
    const int variant = store.device.DetectDeviceType();
    const StartupFailure failure = openKeyboard(store.device, variant);
    if (failure != StartupFailure::None) {
        // A state file or lock at fault is named as such; "not connected" is for an absent keyboard.
        const std::string cause = store.device.lastOpenError();
        if (failure == StartupFailure::NotConnected && !cause.empty())
            return cause;
        const std::string& statePath = store.device.statePath();
        const bool neverMade = VirtualKeyboardFile(statePath).readText().status == LoadStatus::Missing;
        if (failure == StartupFailure::NotConnected && neverMade)
            return startupFailureMessage(failure, "en-US") + noKeyboardYet(statePath);
        return startupFailureMessage(failure, "en-US");
    }
    readyFor(store, variant);
    return std::nullopt;
}

LoadedConfiguration loadProfileOfItsVariant(const std::string& path,
                                            const std::optional<std::string>& statePath) {
    auto store = newStore(statePath);
    readyFor(*store, KeyboardVariant::kRgb);
    ProfileLoadReport report = loadProfile(*store, path);
    if (report.status == ProfileLoadReport::Status::WrongVariant) {
        const std::optional<int> variant = variantNamed(report.rootName);
        if (!variant)
            return failed(loadFailure(report, path));
        readyFor(*store, *variant);
        report = loadProfile(*store, path);
    }
    if (!report.loaded())
        return failed(loadFailure(report, path));
    return {std::move(store), {}};
}

LoadedConfiguration readKeyboard(const std::optional<std::string>& statePath) {
    auto store = newStore(statePath);
    if (const auto failure = connectKeyboard(*store))
        return failed(*failure);
    if (!store->readKeyDefinitions(nullptr))
        return failed("reading the key definitions from the keyboard failed");
    if (!store->readLights())
        return failed("reading the lights from the keyboard failed");
    return {std::move(store), {}};
}
