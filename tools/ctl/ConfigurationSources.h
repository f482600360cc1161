// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <string>

class CConfigStore;

// Where the configurations of qelec-ctl's reports come from: profile files of any variant and the
// attached keyboard.

// A store whose device is the keyboard at statePath (the default virtual keyboard without one).
std::unique_ptr<CConfigStore> newStore(const std::optional<std::string>& statePath);

// Finds and opens the attached keyboard and readies store for it (variant, catalogue, factory
// defaults); the message why not when there is none to use: the state file or lock at fault when
// one is, else the program's own start-up message ("Keyboard is not connected!"), followed, when no
// virtual keyboard was ever made at the state path, by the qelec-vkbd command that makes one there.
// Every command that uses the keyboard opens it here.
std::optional<std::string> connectKeyboard(CConfigStore& store);

// A configuration ready to compare or draw, or why there is none.
struct LoadedConfiguration {
    std::unique_ptr<CConfigStore> store;
    std::string failure;
};

// The profile at path, in a store of the variant its root element names.
LoadedConfiguration loadProfileOfItsVariant(const std::string& path,
                                            const std::optional<std::string>& statePath);

// The key definitions and lights the attached keyboard holds, read as "qelec-ctl read" reads them.
LoadedConfiguration readKeyboard(const std::optional<std::string>& statePath);
