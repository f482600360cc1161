// SPDX-License-Identifier: GPL-3.0-or-later
#include "firmware/rules/FirmwareTransfer.h"

#include "device/CPelmHWI.h"

namespace FirmwareTransfer {

std::optional<std::string> readVersionText(CPelmHWI& device) {
    wchar_t text[CPelmHWI::kVersionChars] = {};
    if (!device.ReadKeyboardVersion(text))
        return std::nullopt;
    std::string narrow;
    for (const wchar_t* c = text; *c != L'\0' && c < text + CPelmHWI::kVersionChars; ++c)
        narrow += *c >= 0x20 && *c < 0x7F ? static_cast<char>(*c) : '?';
    return narrow;
}

Outcome downloadFile(CPelmHWI& device, const std::string& path, const WindowHandle& window) {
    Outcome outcome;
    FirmwareFile::Contents contents = FirmwareFile::read(path);
    outcome.file = contents.status;
    if (contents.status == FirmwareFile::ReadStatus::OutOfMemory) {
        outcome.code = kNotAllocated;
        return outcome;
    }
    if (!contents.ok()) {
        outcome.code = kCannotOpen;
        return outcome;
    }
    const bool downloaded = device.WriteFirmwareToKeyboard(contents.bytes.data(),
                                                           static_cast<int>(contents.bytes.size()), window);
    outcome.code = downloaded ? kDownloaded : kDeviceFailed;
    return outcome;
}

} // namespace FirmwareTransfer
