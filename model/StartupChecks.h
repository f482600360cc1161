// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

class CPelmHWI;

// The device checks the program makes before its main window goes on, and their messages.

inline constexpr int kDetectionCalls = 12;
inline constexpr int kDetectionWaitMs = 1000;

// Asks detect() for the keyboard variant until it answers non-zero: at most kDetectionCalls calls.
// Every call after the first is followed by wait(kDetectionWaitMs), even the one that succeeds.
int detectVariant(const std::function<int()>& detect, const std::function<void(int)>& wait);
int detectVariant(CPelmHWI& device, const std::function<void(int)>& wait);

// Why the program cannot go on with the keyboard.
enum class StartupFailure {
    None,
    NotConnected, // the connection could not be opened
    MacMode,      // no variant found, but a keyboard in Mac mode is attached
    Occupied,     // the keyboard does not answer: another program holds it
};

// Opens the connection and checks that the keyboard answers.
StartupFailure openKeyboard(CPelmHWI& device, int deviceVariant);

// The message shown for a start-up failure, in language ("zh-CN" gives Chinese, anything else
// English); empty for StartupFailure::None.
std::string startupFailureMessage(StartupFailure failure, const std::string& language);
// The message shown when the keyboard goes away while the program runs.
std::string disconnectedMessage(const std::string& language);

// The window scale for a primary screen of the given height in pixels.
float scaleFactorForScreenHeight(int screenHeight);
