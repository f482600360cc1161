// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/StoreTables.h"
#include "model/history/StepName.h"

#include <string>
#include <vector>

// The recovery file: the working configuration as the program last saw it, so that a run that ended
// without writing or saving it (a crash, a kill, the tray's exit, a power cut) can be restored at the
// next start. One file per keyboard: its name is drawn from the keyboard's state path.
//
// It is a text file: a header line, the keyboard's state path and variant, whether it holds changes that
// were neither written nor saved, the trigger values, the names of the done steps, then the profile
// text of the libraries, lights and key tables with its length, and an end line that tells a whole file
// from a cut one.
struct RecoveryContent {
    std::string keyboard;
    int variant = 0;
    bool unsecured = false;
    PerKeyTriples triggers{};
    std::vector<StepName> steps;
    std::string profile;
};

std::string recoveryText(const RecoveryContent& content);

struct RecoveryReading {
    enum class Status { Read, Missing, Unreadable, Corrupt };
    Status status = Status::Missing;
    RecoveryContent content;
    // For Unreadable and Corrupt: why, one line for a person.
    std::string reason;
};

RecoveryReading parseRecoveryText(const std::string& text);
// Reads the regular file at path (of at most kMaxRecoveryBytes), never waiting on a FIFO or device.
RecoveryReading readRecoveryFile(const std::string& path);

inline constexpr std::size_t kMaxRecoveryBytes = std::size_t{80} << 20;

// The folder of recovery files: $XDG_STATE_HOME/qelec when that is an absolute path, else
// ~/.local/state/qelec; xdgStateHome and home are the variables' values, empty when not set.
std::string recoveryFolder(const std::string& xdgStateHome, const std::string& home);
// The recovery file of the keyboard at keyboardStatePath, in folder.
std::string recoveryFilePath(const std::string& folder, const std::string& keyboardStatePath);
