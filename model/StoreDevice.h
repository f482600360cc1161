// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/CPelmHWI.h"
#include "device/WindowHandle.h"

#include <string>

// The keyboard the store talks to, and the window that holds it while a transfer runs.
struct StoreDevice {
    // The virtual keyboard at the default state path, or at devicePath.
    StoreDevice() = default;
    explicit StoreDevice(std::string devicePath) : device(std::move(devicePath)) {}

    CPelmHWI device;
    WindowHandle progressWindow;
};
