// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

// What a firmware file's name must be for the attached keyboard: it begins with the prefix of the
// keyboard's variant, and the version its name carries is not lower than the keyboard's own.
namespace FirmwareChecks {

// How much of the keyboard's version text and of a file name the version marker is looked for in.
inline constexpr std::size_t kVersionTextChars = 64;
inline constexpr std::size_t kFileNameBytes = 256;

// A firmware version, major.minor; a two-digit minor is read as written ("V2.05" is 2.5, "V2.10" is
// 2.10).
struct FirmwareVersion {
    unsigned major = 0;
    unsigned minor = 0;
    friend bool operator==(const FirmwareVersion&, const FirmwareVersion&) = default;
};

// What reading a version marker gave.
enum class MarkerRead {
    NoMarker, // the text carries no version marker
    Read,     // version holds the numbers
    TooLarge, // a number does not fit an unsigned int: refused rather than wrapped
};

struct VersionMarker {
    MarkerRead status = MarkerRead::NoMarker;
    FirmwareVersion version;
    friend bool operator==(const VersionMarker&, const VersionMarker&) = default;
};

// The file-name prefix of the variant's firmware ("QelEC(RGB)_" for 4); any variant other than 2, 3
// and 4 is "QelEC(RGB)BLe".
std::string_view requiredPrefix(int deviceVariant);
// The model the mismatch message asks for ("QelEC(RGB)").
std::string_view modelName(int deviceVariant);
// The name begins with the variant's prefix at its first character.
bool isNamedForVariant(std::string_view fileName, int deviceVariant);

// The version in the keyboard's version text: the first ";V" or ";v" within its first 64 characters,
// the major number two characters after the ';' up to the next '.', the minor after it up to the
// following '.' or the end.
VersionMarker keyboardVersion(std::string_view versionText);
// The version in a file name: the first "_V", "_v", " V" or " v" within its first 256 bytes, numbers
// read as for the keyboard.
VersionMarker fileNameVersion(std::string_view fileName);
// A file of version candidate may replace installed: a higher major, or the same major with a minor
// at least as high.
bool isNotLower(FirmwareVersion candidate, FirmwareVersion installed);

// The outcome of the checks a picked file's name goes through.
enum class NameVerdict {
    Accepted,
    WrongVariant,    // not named for the attached variant
    VersionTooLarge, // its version number does not fit: not a name any firmware carries
    LowerVersion,    // older than the keyboard's firmware
};

// Checks a file name for a keyboard of deviceVariant running installed (0.0 when its version is not
// known, which accepts every version).
NameVerdict checkFileName(std::string_view fileName, int deviceVariant, FirmwareVersion installed);

} // namespace FirmwareChecks
