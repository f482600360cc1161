// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// A firmware version "MAJOR.MINOR" with a two-digit minor ("3.00", "2.05").
struct FirmwareVersion {
    int major = 0;
    int minor = 0;
};
std::optional<FirmwareVersion> parseFirmwareVersion(std::string_view text, std::string& error);
