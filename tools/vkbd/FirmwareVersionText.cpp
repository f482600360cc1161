// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/vkbd/FirmwareVersionText.h"

#include "tools/cli/WholeNumber.h"

std::optional<FirmwareVersion> parseFirmwareVersion(std::string_view text, std::string& error) {
    const std::size_t dot = text.find('.');
    const bool twoDigitMinor = dot != std::string_view::npos && text.size() - dot - 1 == 2;
    const auto major =
        dot == std::string_view::npos ? std::nullopt : parseWholeNumber(text.substr(0, dot), 0, 255);
    const auto minor = twoDigitMinor ? parseWholeNumber(text.substr(dot + 1), 0, 99) : std::nullopt;
    if (!major || !minor) {
        error = "bad version '" + std::string(text) +
                "' (expected MAJOR.MINOR with a two-digit minor, e.g. 3.00)";
        return std::nullopt;
    }
    return FirmwareVersion{static_cast<int>(*major), static_cast<int>(*minor)};
}
