// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/WindowHandle.h"
#include "firmware/rules/FirmwareFile.h"

#include <optional>
#include <string>

class CPelmHWI;

// One firmware download: the file read whole, then handed to the keyboard, which posts its progress
// (0..150) to a window while it takes the image. Qt-free; the firmware window runs it on its worker
// and qelec-ctl on its own thread.
namespace FirmwareTransfer {

// Result codes, as the worker reports them with WM_TRANSFER_DONE.
inline constexpr int kNotAllocated = 0; // no buffer for the file
inline constexpr int kDownloaded = 1;
inline constexpr int kDeviceFailed = 2; // the keyboard refused the image or the download broke off
inline constexpr int kCannotOpen = 3;   // the file could not be read (see FirmwareFile)

struct Outcome {
    int code = kCannotOpen;
    FirmwareFile::ReadStatus file = FirmwareFile::ReadStatus::CannotOpen;
};

// The keyboard's version text (ReadKeyboardVersion), or nothing when it cannot be read.
std::optional<std::string> readVersionText(CPelmHWI& device);

// Reads the file at path and downloads it through device, progress to window.
Outcome downloadFile(CPelmHWI& device, const std::string& path, const WindowHandle& window);

} // namespace FirmwareTransfer
