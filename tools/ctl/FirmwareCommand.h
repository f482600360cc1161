// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

// "qelec-ctl firmware FILE": checks FILE's name for the attached keyboard as the firmware window
// does (the variant's prefix, then a version not lower than the keyboard's), downloads it with a
// progress bar and prints the keyboard's version after. Returns 0, or 1 with the reason on standard
// error when the file is refused or the download fails.
int runFirmware(const std::optional<std::string>& statePath, const std::string& path);
