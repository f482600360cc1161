// SPDX-License-Identifier: GPL-3.0-or-later
#include "CallSweep.h"

#include "DeviceTestSupport.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {
// More calls than any transfer makes: a sweep that gets here never ends.
constexpr int kMostCalls = 5000;
// Tells each countdown set from the one before, in this process.
int armings = 0;
} // namespace

namespace {
// The countdown set is still in the state: its call was not made. Read from the text, which holds a
// fail-call line only while one is set, as a sweep asks this after every run.
bool countdownLeft(const std::string& statePath) {
    return readFile(statePath).find("\nfail-call ") != std::string::npos;
}

// One run with call going wrong, checked.
SweepCase sweepCall(const std::string& statePath, const VirtualKeyboardState& base, bool cut, int call,
                    const std::function<void()>& run, const std::function<void(const SweepCase&)>& check) {
    writeState(statePath, withCountdown(base, call, cut));
    run();
    const SweepCase done{call, !countdownLeft(statePath)};
    if (!done.fired)
        changeState(statePath, [](VirtualKeyboardState& state) { state.countdown.reset(); });
    check(done);
    return done;
}
} // namespace

int sweepEveryCall(const std::string& statePath, const VirtualKeyboardState& base, bool cut,
                   const std::function<void()>& run, const std::function<void(const SweepCase&)>& check) {
    for (int call = 1; call <= kMostCalls; ++call) {
        const SweepCase done = sweepCall(statePath, base, cut, call, run, check);
        // One run that went wrong says enough; the runs after it would mostly say it again.
        if (!done.fired || ::testing::Test::HasFailure())
            return call - 1;
    }
    ADD_FAILURE() << "a call went wrong in each of " << kMostCalls << " runs";
    return kMostCalls;
}

void sweepTheseCalls(const std::string& statePath, const VirtualKeyboardState& base, bool cut,
                     const std::vector<int>& calls, const std::function<void()>& run,
                     const std::function<void(const SweepCase&)>& check) {
    for (int call : calls) {
        sweepCall(statePath, base, cut, call, run, check);
        if (::testing::Test::HasFailure())
            return;
    }
}

VirtualKeyboardState withCountdown(const VirtualKeyboardState& base, int call, bool cut) {
    VirtualKeyboardState armed = base;
    armed.countdown = CallCountdown{call, cut, ++armings};
    return armed;
}

std::string sweepFolderBase() {
    return ::access("/dev/shm", W_OK | X_OK) == 0 ? "/dev/shm" : TempDir::systemBase();
}

WrittenContent writtenContent(const VirtualKeyboardState& state) {
    return {state.keys, state.lights, state.triggers, state.version};
}

void plugIn(const std::string& statePath) {
    changeState(statePath, [](VirtualKeyboardState& state) { state.plugged = true; });
}
