// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/FirmwareCommand.h"

#include "device/DeviceMessages.h"
#include "firmware/rules/FirmwareChecks.h"
#include "firmware/rules/FirmwareTexts.h"
#include "firmware/rules/FirmwareTransfer.h"
#include "model/ConfigStore.h"
#include "tools/ctl/CommandOutput.h"
#include "tools/ctl/ConfigurationSources.h"
#include "tools/ctl/PrintableText.h"

#include <cstdio>
#include <filesystem>
#include <memory>

namespace {

using namespace FirmwareChecks;

constexpr const char* kLanguage = "en-US";
constexpr int kBarWidth = 40;

std::string versionText(FirmwareVersion version) {
    const std::string minor = std::to_string(version.minor);
    return "V" + std::to_string(version.major) + "." + (minor.size() < 2 ? "0" : "") + minor;
}

// Draws the keyboard's progress counts as a bar on one terminal line.
class TerminalProgress final : public MessageSink {
public:
    void post(unsigned message, std::uintptr_t wParam, std::intptr_t /*lParam*/) override {
        if (message != DeviceMessages::WM_TRANSFER_PROGRESS)
            return;
        const auto full = static_cast<std::uintptr_t>(DeviceMessages::kFirmwareFullScale);
        const std::uintptr_t count = wParam < full ? wParam : full;
        const auto filled = static_cast<int>(count * kBarWidth / full);
        std::printf("\rdownloading [%s%s] %3d%%", std::string(static_cast<std::size_t>(filled), '#').c_str(),
                    std::string(static_cast<std::size_t>(kBarWidth - filled), '.').c_str(),
                    static_cast<int>(count * 100 / full));
        flushOutput();
        drawn_ = true;
    }
    // Ends the bar's line.
    void finish() const {
        if (drawn_)
            std::printf("\n");
    }

private:
    bool drawn_ = false;
};

// The keyboard's version as the window parses it: 0.0 when it cannot be read or carries no usable
// marker, which lets any correctly named file through, as the window does.
FirmwareVersion installedVersion(CPelmHWI& device) {
    const std::optional<std::string> text = FirmwareTransfer::readVersionText(device);
    if (!text) {
        std::printf("%s; the file's version is not compared\n",
                    FirmwareTexts::versionReadFailed(kLanguage).c_str());
        return {};
    }
    std::printf("keyboard firmware: %s\n", printable(*text).c_str());
    const VersionMarker marker = keyboardVersion(*text);
    return marker.status == MarkerRead::Read ? marker.version : FirmwareVersion{};
}

// Why the name is refused, or nothing when it is accepted.
std::optional<std::string> nameRefusal(const std::string& name, int variant, FirmwareVersion installed) {
    switch (checkFileName(name, variant, installed)) {
    case NameVerdict::Accepted:
        return std::nullopt;
    case NameVerdict::WrongVariant:
        return FirmwareTexts::mismatch(variant, kLanguage) + " (a firmware file's name begins with \"" +
               std::string(requiredPrefix(variant)) + "\")";
    case NameVerdict::VersionTooLarge:
        return FirmwareTexts::versionUnreadable(kLanguage) + " (a number in \"" + name +
               "\" is too large for a version)";
    case NameVerdict::LowerVersion:
        return FirmwareTexts::lowerVersion(kLanguage) + " (" + versionText(fileNameVersion(name).version) +
               " is below the keyboard's " + versionText(installed) + ")";
    }
    return std::nullopt;
}

// The texts end lines with "\r\n"; a terminal takes "\n".
std::string forTerminal(std::string text) {
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
    return text;
}

std::string failureOf(const FirmwareTransfer::Outcome& outcome) {
    std::string message = FirmwareTexts::downloadResult(outcome.code, kLanguage);
    if (outcome.code == FirmwareTransfer::kCannotOpen || outcome.code == FirmwareTransfer::kNotAllocated)
        return message + ": " + std::string(FirmwareFile::describe(outcome.file));
    return message + " The keyboard refused the image (damaged, cut off or for another model) or the "
                     "download broke off; it keeps its firmware.";
}

} // namespace

int runFirmware(const std::optional<std::string>& statePath, const std::string& path) {
    auto store = newStore(statePath);
    if (const auto failure = connectKeyboard(*store))
        return printError(*failure);
    const FirmwareVersion installed = installedVersion(store->device);
    const std::string name = std::filesystem::path(path).filename().string();
    if (const auto refusal = nameRefusal(name, store->deviceVariant, installed))
        return printError(*refusal);
    const auto progress = std::make_shared<TerminalProgress>();
    const FirmwareTransfer::Outcome outcome = FirmwareTransfer::downloadFile(store->device, path, progress);
    progress->finish();
    if (outcome.code != FirmwareTransfer::kDownloaded)
        return printError(failureOf(outcome));
    std::printf("%s\n", forTerminal(FirmwareTexts::downloadResult(outcome.code, kLanguage)).c_str());
    const std::optional<std::string> after = FirmwareTransfer::readVersionText(store->device);
    std::printf("keyboard firmware now: %s\n", after ? printable(*after).c_str() : "(not read)");
    return 0;
}
