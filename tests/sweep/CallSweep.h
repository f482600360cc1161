// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/VirtualKeyboardState.h"

#include <functional>
#include <string>
#include <vector>

// Runs a transfer once for every call it makes to the keyboard, that call going wrong.

// One run of a sweep: the call set to go wrong, and whether the run made it (and so saw it go wrong).
struct SweepCase {
    int call = 0;
    bool fired = false;
};

// For call = 1, 2, ...: the keyboard at statePath is set to base with its call-th call from now going
// wrong (failing, or with cut finding the keyboard pulled out), run() runs the transfer and check()
// checks the run. The sweep ends after the first run that made fewer calls, whose check() sees
// fired false (its countdown is cleared first), and returns the calls the transfer made. A check that
// fails ends the sweep there.
int sweepEveryCall(const std::string& statePath, const VirtualKeyboardState& base, bool cut,
                   const std::function<void()>& run, const std::function<void(const SweepCase&)>& check);

// The same for the calls listed only, in order, each run checked as above; the sweep goes on to the
// last call listed whatever the runs before it made.
void sweepTheseCalls(const std::string& statePath, const VirtualKeyboardState& base, bool cut,
                     const std::vector<int>& calls, const std::function<void()>& run,
                     const std::function<void(const SweepCase&)>& check);

// base with its call-th call from now set to go wrong (failing, or with cut finding the keyboard
// pulled out), told apart from every countdown set before.
VirtualKeyboardState withCountdown(const VirtualKeyboardState& base, int call, bool cut);

// A folder for keyboards that a sweep rewrites many times: in memory (/dev/shm) where the system has
// one, else $TMPDIR or /tmp.
std::string sweepFolderBase();

// What the keyboard holds that a transfer writes: keys, lights, triggers and firmware version.
struct WrittenContent {
    KeyTables keys;
    AreaValues lights{};
    AreaValues triggers{};
    std::string version;
    bool operator==(const WrittenContent&) const = default;
};
WrittenContent writtenContent(const VirtualKeyboardState& state);

// The keyboard plugged in again after a cut.
void plugIn(const std::string& statePath);
