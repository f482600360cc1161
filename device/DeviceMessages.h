// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Window messages of the system's own, with the numeric ids the windows and the device component share.
namespace DeviceMessages {
inline constexpr unsigned kWmUser = 0x0400;
// Tray icon notifications to the main window.
inline constexpr unsigned WM_TRAY_NOTIFY = kWmUser + 101;
// One key event from the keyboard hook: wParam low byte = virtual-key code, bit 31 = released;
// lParam bit 24 = extended key.
inline constexpr unsigned WM_HOOK_KEY = kWmUser + 102;
// Progress of a transfer; wParam = progress count (0..750 for key transfers, 0..150 otherwise).
inline constexpr unsigned WM_TRANSFER_PROGRESS = kWmUser + 103;
// End of a transfer job; wParam = result code of the job.
inline constexpr unsigned WM_TRANSFER_DONE = kWmUser + 104;

inline constexpr unsigned long kHookReleasedBit = 0x80000000UL;
inline constexpr long kHookExtendedBit = 0x01000000L;
// A key event that carries its own time: lParam's bits 32..63 hold it, in milliseconds of the
// platform's clock (wrapping at 2^32).
inline constexpr long kHookTimedBit = 0x02000000L;
inline constexpr int kHookTimeShift = 32;

// Full scale of the progress counts the device posts during key transfers and firmware downloads.
inline constexpr int kKeyTransferFullScale = 750;
inline constexpr int kFirmwareFullScale = 150;
} // namespace DeviceMessages
