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

// Flushes standard output; false when it could not be written. The first reason is kept for
// finishOutput, as a failed flush drops what it could not write.
bool flushOutput();
// Ends a run: flushes standard output and, when anything printed on it could not be written, says
// "qelec-ctl: write error: REASON" (as the system tools do) and returns kExitUsage; exitCode otherwise.
int finishOutput(int exitCode);
