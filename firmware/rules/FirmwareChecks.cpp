// SPDX-License-Identifier: GPL-3.0-or-later
#include "firmware/rules/FirmwareChecks.h"

#include <algorithm>
#include <climits>
#include <optional>

namespace FirmwareChecks {
namespace {

struct VariantFirmware {
    int variant;
    std::string_view prefix;
    std::string_view model;
};

constexpr VariantFirmware kNamedVariants[] = {
    {2, "QelEC(S)BLe_", "QelEC(S)BLe"},
    {3, "QelEC(S)_", "QelEC(S)"},
    {4, "QelEC(RGB)_", "QelEC(RGB)"},
};
// Every other variant code.
constexpr VariantFirmware kOtherVariants{1, "QelEC(RGB)BLe_", "QelEC(RGB)BLe"};

const VariantFirmware& firmwareOf(int deviceVariant) {
    const auto* found = std::find_if(
        std::begin(kNamedVariants), std::end(kNamedVariants),
        [deviceVariant](const VariantFirmware& entry) { return entry.variant == deviceVariant; });
    return found == std::end(kNamedVariants) ? kOtherVariants : *found;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The number the leading decimal digits of run spell (0 when it starts with none); nothing when it
// does not fit an unsigned int.
std::optional<unsigned> leadingNumber(std::string_view run) {
    unsigned value = 0;
    for (const char c : run) {
        if (!isDigit(c))
            break;
        const auto digit = static_cast<unsigned>(c - '0');
        if (value > (UINT_MAX - digit) / 10U)
            return std::nullopt;
        value = value * 10U + digit;
    }
    return value;
}

// The run from start up to the next '.' or the end, and where the text goes on after that '.'.
std::string_view runFrom(std::string_view text, std::size_t start, std::size_t& next) {
    if (start >= text.size()) {
        next = text.size();
        return {};
    }
    const std::size_t dot = text.find('.', start);
    next = dot == std::string_view::npos ? text.size() : dot + 1;
    return text.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start);
}

// The major and minor runs starting at start.
VersionMarker numbersFrom(std::string_view text, std::size_t start) {
    std::size_t next = 0;
    const std::string_view majorRun = runFrom(text, start, next);
    const std::string_view minorRun = runFrom(text, next, next);
    const std::optional<unsigned> major = leadingNumber(majorRun);
    const std::optional<unsigned> minor = leadingNumber(minorRun);
    if (!major || !minor)
        return {MarkerRead::TooLarge, {}};
    return {MarkerRead::Read, {*major, *minor}};
}

bool isVersionLetter(char c) {
    return c == 'V' || c == 'v';
}

// The first position of a character from leads directly followed by 'V' or 'v'.
std::size_t findMarker(std::string_view text, std::string_view leads) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (leads.find(text[i]) != std::string_view::npos && isVersionLetter(text[i + 1]))
            return i;
    }
    return std::string_view::npos;
}

VersionMarker markedVersion(std::string_view text, std::string_view leads) {
    const std::size_t marker = findMarker(text, leads);
    if (marker == std::string_view::npos)
        return {};
    return numbersFrom(text, marker + 2);
}

} // namespace

std::string_view requiredPrefix(int deviceVariant) {
    return firmwareOf(deviceVariant).prefix;
}

std::string_view modelName(int deviceVariant) {
    return firmwareOf(deviceVariant).model;
}

bool isNamedForVariant(std::string_view fileName, int deviceVariant) {
    return fileName.starts_with(requiredPrefix(deviceVariant));
}

VersionMarker keyboardVersion(std::string_view versionText) {
    return markedVersion(versionText.substr(0, kVersionTextChars), ";");
}

VersionMarker fileNameVersion(std::string_view fileName) {
    return markedVersion(fileName.substr(0, kFileNameBytes), "_ ");
}

bool isNotLower(FirmwareVersion candidate, FirmwareVersion installed) {
    if (candidate.major != installed.major)
        return candidate.major > installed.major;
    return candidate.minor >= installed.minor;
}

NameVerdict checkFileName(std::string_view fileName, int deviceVariant, FirmwareVersion installed) {
    if (!isNamedForVariant(fileName, deviceVariant))
        return NameVerdict::WrongVariant;
    const VersionMarker marker = fileNameVersion(fileName);
    switch (marker.status) {
    case MarkerRead::NoMarker:
        return NameVerdict::Accepted;
    case MarkerRead::TooLarge:
        return NameVerdict::VersionTooLarge;
    case MarkerRead::Read:
        break;
    }
    return isNotLower(marker.version, installed) ? NameVerdict::Accepted : NameVerdict::LowerVersion;
}

} // namespace FirmwareChecks
