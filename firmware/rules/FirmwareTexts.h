// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The texts of a firmware update, in the store's language. Qt-free, so the command line says the
// same as the window.
namespace FirmwareTexts {

// The title of every message box of the firmware window.
inline constexpr const char* kTitle = "QelEC";
// Update pressed without a file named for the keyboard; the same in both languages.
inline constexpr const char* kUpdateMismatch = "The firmware does not match";

// What the version box shows when the keyboard's version could not be read; empty for a language
// other than "zh-CN" and "en-US".
std::string versionReadFailed(const std::string& language);
// A picked file is not named for the attached variant: asks for the variant's model. Chinese for
// "zh-CN", English for any other language.
std::string mismatch(int deviceVariant, const std::string& language);
// A picked file is older than the keyboard's firmware. Chinese for "zh-CN", English otherwise.
std::string lowerVersion(const std::string& language);
// A picked file is named for the keyboard but its version cannot be read (a number too large for
// one). Chinese for "zh-CN", English otherwise.
std::string versionUnreadable(const std::string& language);

// What a download's result code says; empty for a language other than "zh-CN" and "en-US".
std::string downloadResult(int code, const std::string& language);

} // namespace FirmwareTexts
