// SPDX-License-Identifier: GPL-3.0-or-later
#include "firmware/rules/FirmwareTexts.h"

#include "firmware/rules/FirmwareChecks.h"

#include <array>

namespace FirmwareTexts {
namespace {

struct Text {
    const char* zh;
    const char* en;
};

constexpr Text kVersionReadFailed{"读取键盘版本失败", "Failed on reading keyboard version infomation"};
constexpr Text kMismatch{"固件不匹配，请选择", "The firmware does not match,please select "};
constexpr Text kLowerVersion{
    "更新版本低于本机版本，存在不匹配风险，请更新比本机高的版本",
    "The updated version is lower than the local version,and there is a risk of mismatch.Please update "
    "the version higher than the local verion."};
constexpr Text kVersionUnreadable{"无法读取固件文件名中的版本号",
                                  "The version in the firmware file name cannot be read"};

// The messages of the result codes 0..3. A buffer that could not be allocated means nothing was
// downloaded, so it is said as a failed download rather than not at all.
constexpr std::array<Text, 4> kResults{{
    {"固件下载失败!", "Firmware download failed."},
    {"固件下载完成。\r\n请勿插拔USB直至直至重启键盘，则固件更新完成。",
     "The Firmware is downloaded successfully.\r\nPlease keep the USB plug in until the keyboard "
     "restart.\r\nThen firmware updated completely."},
    {"固件下载失败!", "Firmware download failed."},
    {"打开固件文件失败", "Can't open firmware file"},
}};

// Chinese for "zh-CN", English for "en-US", nothing for any other language.
std::string inKnownLanguage(const Text& text, const std::string& language) {
    if (language == "zh-CN")
        return text.zh;
    if (language == "en-US")
        return text.en;
    return {};
}

// Chinese for "zh-CN", English for any other language.
std::string chineseOrEnglish(const Text& text, const std::string& language) {
    return language == "zh-CN" ? text.zh : text.en;
}

} // namespace

std::string versionReadFailed(const std::string& language) {
    return inKnownLanguage(kVersionReadFailed, language);
}

std::string mismatch(int deviceVariant, const std::string& language) {
    return chineseOrEnglish(kMismatch, language) + std::string(FirmwareChecks::modelName(deviceVariant));
}

std::string lowerVersion(const std::string& language) {
    return chineseOrEnglish(kLowerVersion, language);
}

std::string versionUnreadable(const std::string& language) {
    return chineseOrEnglish(kVersionUnreadable, language);
}

std::string downloadResult(int code, const std::string& language) {
    if (code < 0 || code >= static_cast<int>(kResults.size()))
        return {};
    return inKnownLanguage(kResults[static_cast<std::size_t>(code)], language);
}

} // namespace FirmwareTexts
