// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// What qelec-ctl says beside its reports: every message on standard error, and the check that what it
// printed on standard output reached it.

inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// "qelec-ctl: MESSAGE" on standard error, the message shown printable(); returns exitCode.
int printError(std::string_view message, int exitCode = kExitFailed);
// printError followed by "Try 'qelec-ctl --help'."; returns kExitUsage.
int printUsageError(std::string_view message);

// Sends standard output through a stream that keeps the reason of the first write that fails: the C
// library's own stream drops it together with the bytes it could not write. Called before anything is
// printed.
void watchStandardOutput();
// Flushes standard output; false when anything printed on it could not be written.
bool flushOutput();
// Ends a run: flushes standard output and, when anything printed on it could not be written, says
// "qelec-ctl: write error: REASON" (as the system tools do) and returns kExitUsage; exitCode otherwise.
int finishOutput(int exitCode);
