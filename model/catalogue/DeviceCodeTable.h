// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

// The device key code (the number the keyboard stores) carried by one key index.
struct DeviceCodeEntry {
    int keyIndex;
    int code;
};

// Every key index that has a device code, in ascending order of key index. Key indices not listed
// have no device code (0).
std::span<const DeviceCodeEntry> deviceCodeTable();
