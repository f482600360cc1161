// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/vkbd/VkbdCommands.h"

#include "device/AtomicFileWrite.h"
#include "device/FirmwareImage.h"
#include "device/VirtualKeyboardFile.h"
#include "model/FactoryKeyboard.h"
#include "model/KeyboardVariant.h"
#include "tools/cli/KeySelection.h"
#include "tools/cli/WholeNumber.h"
#include "tools/vkbd/FirmwareVersionText.h"

#include <chrono>
#include <csignal>
#include <ctime>
#include <functional>
#include <limits>
#include <optional>
#include <ostream>
#include <random>
#include <unistd.h>

namespace {
using namespace VkbdExit;

int usageError(Invocation& in, const std::string& message) {
    in.err << "qelec-vkbd: " << message << "\n";
    return kUsage;
}

int failure(Invocation& in, const std::string& message) {
    in.err << "qelec-vkbd: " << message << "\n";
    return kFailed;
}

std::int64_t nowMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// Runs change on the stored state and reports like every command that changes it.
int changeState(Invocation& in, const std::function<void(VirtualKeyboardState&)>& change,
                const std::string& done) {
    const UpdateResult result = VirtualKeyboardFile(in.statePath).update([&](VirtualKeyboardState& state) {
        change(state);
        return true;
    });
    if (!result.ok())
        return failure(in, result.message);
    if (!done.empty())
        in.out << done << "\n";
    return kOk;
}

int runCreate(Invocation& in) {
    const std::string* variantText = in.arguments.value("--variant");
    if (variantText == nullptr)
        return usageError(in, "create needs --variant N (1..4)");
    std::string error;
    const auto variant = parseInteger(*variantText, 1, VirtualKeyboard::kVariantCount, "variant", error);
    if (!variant)
        return usageError(in, error);
    const std::string* version = in.arguments.value("--version");
    if (version != nullptr && !VirtualKeyboard::isValidVersionText(*version))
        return usageError(in, "bad version text '" + *version + "' (1.." +
                                  std::to_string(VirtualKeyboard::kMaxVersionChars) +
                                  " printable ASCII characters, no space at either end)");
    VirtualKeyboardState state =
        factoryKeyboard(static_cast<int>(*variant), version ? *version : std::string());
    state.macMode = in.arguments.has("--mac");
    const UpdateResult result = VirtualKeyboardFile(in.statePath).create(state, in.arguments.has("--force"));
    if (!result.ok())
        return failure(in, result.message);
    in.out << "created a virtual " << VirtualKeyboard::variantName(state.variant) << " (" << state.version
           << (state.macMode ? ", Mac mode" : "") << ") at " << in.statePath << "\n";
    return kOk;
}

std::string ownerText(const VirtualKeyboardFile& file) {
    FileLock probe = file.tryOwn();
    switch (probe.status()) {
    case FileLock::Status::Held:
        return "free";
    case FileLock::Status::Busy:
        return "held by another program";
    case FileLock::Status::Failed:
    case FileLock::Status::Released:
        break;
    }
    return "unknown (" + probe.error() + ")";
}

int runShow(Invocation& in) {
    const VirtualKeyboardFile file(in.statePath);
    const LoadResult load = file.load();
    if (!load.ok())
        return failure(in, load.message);
    in.out << describeState(*load.state, in.statePath, ownerText(file));
    return kOk;
}

int runPlug(Invocation& in) {
    return changeState(
        in, [](VirtualKeyboardState& state) { state.plugged = true; }, "plugged in the virtual keyboard");
}

int runUnplug(Invocation& in) {
    return changeState(
        in, [](VirtualKeyboardState& state) { state.plugged = false; }, "unplugged the virtual keyboard");
}

int runMac(Invocation& in) {
    const std::string& mode = in.arguments.positionals[0];
    if (mode != "on" && mode != "off")
        return usageError(in, "mac takes 'on' or 'off', not '" + mode + "'");
    const bool on = mode == "on";
    return changeState(
        in, [on](VirtualKeyboardState& state) { state.macMode = on; },
        on ? "the virtual keyboard is in Mac mode" : "the virtual keyboard is in Windows mode");
}

std::string knownFailures() {
    std::string names;
    for (int i = 0; i < kFailureCount; ++i)
        names += (i == 0 ? "" : " ") + std::string(failureName(static_cast<Failure>(i)));
    return names;
}

// A number that tells a new countdown from the one before it.
int newArming(const std::optional<CallCountdown>& before) {
    std::random_device random;
    unsigned arming = random() & 0x7FFFFFFFU;
    if (before && before->arming == static_cast<int>(arming))
        arming = (arming + 1U) & 0x7FFFFFFFU;
    return static_cast<int>(arming);
}

// The countdown --call N or --cut N asks for: nothing when neither is given; a usage error says why
// when the words do not make one.
std::optional<CallCountdown> countdownAskedFor(const Invocation& in, std::string& error) {
    const std::string* call = in.arguments.value("--call");
    const std::string* cut = in.arguments.value("--cut");
    if (call == nullptr && cut == nullptr)
        return std::nullopt;
    if (call != nullptr && cut != nullptr) {
        error = "fail takes --call N or --cut N, not both";
        return std::nullopt;
    }
    if (in.arguments.has("--clear")) {
        error = "--clear does not go with --call or --cut";
        return std::nullopt;
    }
    const auto n = parseInteger(call != nullptr ? *call : *cut, 1, VirtualKeyboard::kMaxCountdownCall,
                                call != nullptr ? "--call" : "--cut", error);
    if (!n)
        return std::nullopt;
    return CallCountdown{static_cast<int>(*n), cut != nullptr, 0};
}

int runFail(Invocation& in) {
    const bool clear = in.arguments.has("--clear");
    std::string error;
    const std::optional<CallCountdown> countdown = countdownAskedFor(in, error);
    if (!error.empty())
        return usageError(in, error);
    if (!clear && !countdown && in.arguments.positionals.empty())
        return usageError(in, "fail needs at least one NAME, --call N, --cut N or --clear");
    std::vector<Failure> named;
    for (const std::string& name : in.arguments.positionals) {
        const auto failureNamed = failureFromName(name);
        if (!failureNamed)
            return usageError(in, "unknown failure '" + name + "'; known: " + knownFailures());
        named.push_back(*failureNamed);
    }
    std::string now;
    const int result = changeState(
        in,
        [&](VirtualKeyboardState& state) {
            if (clear && named.empty()) {
                state.failures.reset();
                state.countdown.reset();
            }
            for (Failure f : named)
                state.setFailure(f, !clear);
            if (countdown)
                state.countdown = CallCountdown{countdown->call, countdown->cut, newArming(state.countdown)};
            now = failuresText(state);
        },
        "");
    if (result == kOk)
        in.out << "failing now: " << (now.empty() ? "nothing" : now) << "\n";
    return result;
}

int runTransferTime(Invocation& in) {
    std::string error;
    const auto ms =
        parseInteger(in.arguments.positionals[0], 0, VirtualKeyboard::kMaxTransferMs, "transfer time", error);
    if (!ms)
        return usageError(in, error);
    return changeState(
        in, [&](VirtualKeyboardState& state) { state.transferMs = static_cast<int>(*ms); },
        "key transfers and downloads now take " + std::to_string(*ms) + " ms");
}

int runTravel(Invocation& in) {
    const auto mode = travelModeFromName(in.arguments.positionals[0]);
    if (!mode)
        return usageError(in, "travel takes 'wave' or 'idle', not '" + in.arguments.positionals[0] + "'");
    return changeState(
        in, [&](VirtualKeyboardState& state) { state.travel = *mode; },
        "keys at rest now " + std::string(*mode == TravelMode::Wave ? "move in a wave" : "stay up"));
}

int runPress(Invocation& in) {
    std::string error;
    // Key names are the same on every variant's keyboard view.
    const KeySelection keys = parseKeySelection(in.arguments.positionals[0], KeyboardVariant::kRgb);
    if (!keys.ok())
        return usageError(in, keys.error);
    if (keys.keys.size() != 1)
        return usageError(in, "press takes one KEY, not " + describeKeySelection(keys.keys));
    const int key = keys.keys.front();
    const std::string* timesText = in.arguments.value("--times");
    const auto times = timesText == nullptr
                           ? std::optional<std::int64_t>(1)
                           : parseInteger(*timesText, 1, VirtualKeyboard::kMaxPressTimes, "--times", error);
    if (!times)
        return usageError(in, error);
    const std::int64_t start = nowMilliseconds();
    int countNow = 0;
    const int result = changeState(
        in,
        [&](VirtualKeyboardState& state) {
            const auto index = static_cast<std::size_t>(key - 1);
            const std::int64_t count = state.counts[index] + *times;
            state.counts[index] =
                static_cast<int>(std::min<std::int64_t>(count, std::numeric_limits<int>::max()));
            state.presses[index] = {start, static_cast<int>(*times)};
            countNow = state.counts[index];
        },
        "");
    if (result == kOk)
        in.out << "pressed key " << key << ' ' << *times << (*times == 1 ? " time" : " times")
               << "; its count is now " << countNow << "\n";
    return result;
}

// Blocks until SIGINT, SIGTERM or SIGHUP arrives, or seconds pass (0: no limit).
void waitForSignal(std::int64_t seconds) {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGHUP);
    sigprocmask(SIG_BLOCK, &signals, nullptr);
    if (seconds == 0) {
        int received = 0;
        sigwait(&signals, &received);
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (true) {
        const auto left = deadline - std::chrono::steady_clock::now();
        if (left <= std::chrono::steady_clock::duration::zero())
            return;
        const auto leftNs = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
        timespec timeout{};
        timeout.tv_sec = static_cast<std::time_t>(leftNs / 1000000000);
        timeout.tv_nsec = static_cast<long>(leftNs % 1000000000);
        if (sigtimedwait(&signals, nullptr, &timeout) >= 0)
            return;
    }
}

int runHold(Invocation& in) {
    std::string error;
    const std::string* secondsText = in.arguments.value("--seconds");
    const auto seconds = secondsText == nullptr ? std::optional<std::int64_t>(0)
                                                : parseInteger(*secondsText, 1, 86400, "--seconds", error);
    if (!seconds)
        return usageError(in, error);
    const VirtualKeyboardFile file(in.statePath);
    const LoadResult load = file.load();
    if (!load.ok())
        return failure(in, load.message);
    FileLock lock = file.tryOwn();
    if (lock.status() == FileLock::Status::Busy)
        return failure(in, "the virtual keyboard at " + in.statePath + " is already held by another program");
    if (!lock.held())
        return failure(in, lock.error());
    in.out << "holding the virtual keyboard at " << in.statePath << " (pid " << ::getpid() << ")"
           << (*seconds > 0 ? " for " + std::to_string(*seconds) + " s" : std::string("; stop with Ctrl+C"))
           << std::endl;
    waitForSignal(*seconds);
    lock.release();
    in.out << "released the virtual keyboard\n";
    return kOk;
}

int runMakeFirmware(Invocation& in) {
    const std::string* variantText = in.arguments.value("--variant");
    const std::string* versionText = in.arguments.value("--version");
    if (variantText == nullptr || versionText == nullptr)
        return usageError(in, "make-firmware needs --variant N and --version X.YY");
    std::string error;
    const auto variant = parseInteger(*variantText, 1, VirtualKeyboard::kVariantCount, "variant", error);
    if (!variant)
        return usageError(in, error);
    const auto version = parseFirmwareVersion(*versionText, error);
    if (!version)
        return usageError(in, error);
    std::int64_t bytes = 4096;
    if (const std::string* bytesText = in.arguments.value("--payload-bytes")) {
        const auto parsed =
            parseInteger(*bytesText, 1, static_cast<std::int64_t>(FirmwareImage::kMaxPayloadBytes),
                         "--payload-bytes", error);
        if (!parsed)
            return usageError(in, error);
        bytes = *parsed;
    }
    const FirmwareVersion wanted = *version;
    const auto seed = static_cast<std::uint32_t>(*variant * 100000 + wanted.major * 100 + wanted.minor);
    const auto image =
        FirmwareImage::build(static_cast<int>(*variant), wanted.major, wanted.minor,
                             FirmwareImage::samplePayload(static_cast<std::size_t>(bytes), seed));
    const std::string& outPath = in.arguments.positionals[0];
    if (!image)
        return failure(in, "cannot write " + outPath + ": no image carries version " + *versionText);
    if (!writeFileAtomically(outPath, std::string_view(image->data(), image->size()), &error))
        return failure(in, error);
    in.out << "wrote " << outPath << ": firmware " << *versionText << " for "
           << VirtualKeyboard::variantName(static_cast<int>(*variant)) << ", " << bytes << " payload bytes\n";
    return kOk;
}

int runPath(Invocation& in) {
    in.out << in.statePath << "\n";
    return kOk;
}
} // namespace

const std::vector<VkbdCommand>& vkbdCommands() {
    static const std::vector<VkbdCommand> commands = {
        {"create",
         "create --variant N [--version TEXT] [--mac] [--force]",
         "make a new keyboard, as from the factory",
         "Variants: 1 QelEC(RGB)Ble, 2 QelEC(S)Ble, 3 QelEC(S), 4 QelEC(RGB). The version text defaults to\n"
         "\"<variant name>;V2.10\". --mac starts it in Mac mode. An existing keyboard is replaced only with\n"
         "--force. Lights start white (dark on the S variants), triggers 8 20 0, counts 0, every key on its\n"
         "factory function.\n",
         {{"--variant", true}, {"--version", true}, {"--mac", false}, {"--force", false}},
         0,
         0,
         runCreate},
        {"show",
         "show",
         "print what the keyboard holds",
         "Variant, version, mode, plugged, owner, failures, timing,\n"
         "travel, lights, triggers, press counts and keys set.\n",
         {},
         0,
         0,
         runShow},
        {"plug",
         "plug",
         "plug the keyboard in",
         "A running program sees it at its next device check.\n",
         {},
         0,
         0,
         runPlug},
        {"unplug",
         "unplug",
         "pull the keyboard out",
         "Every call of a running program fails from now on; a running key transfer fails and commits\n"
         "nothing.\n",
         {},
         0,
         0,
         runUnplug},
        {"mac",
         "mac on|off",
         "switch between Mac and Windows mode",
         "In Mac mode only the Mac check finds the keyboard.\n",
         {},
         1,
         1,
         runMac},
        {"fail",
         "fail [NAME...] [--call N | --cut N] | fail --clear [NAME...]",
         "make calls fail, or the Nth call from now once, or stop that",
         "Names: open version write-keys read-keys write-lights read-lights write-triggers\n"
         "read-triggers counters track firmware; the calls named fail until cleared.\n"
         "--call N makes the Nth call from now fail once and change nothing: the Nth call that asks or\n"
         "sends the keyboard something, made by the program holding the keyboard and counted from its\n"
         "first call after this (checks that the keyboard is there and opening it are not counted).\n"
         "--cut N makes that call find the keyboard pulled out instead: what the calls before it sent\n"
         "stays written (the keys of a key write sent so far, over the old ones; a firmware download is\n"
         "taken only whole) and the keyboard is unplugged until plug. Either is used up once it fired;\n"
         "show tells what is set. --clear without names clears them all, and --call or --cut.\n",
         {{"--clear", false}, {"--call", true}, {"--cut", true}},
         0,
         VkbdCommand::kAnyCount,
         runFail},
        {"transfer-time",
         "transfer-time MS",
         "set how long key transfers and downloads take",
         "0..10000 ms; 0 makes them instant.\n",
         {},
         1,
         1,
         runTransferTime},
        {"travel",
         "travel wave|idle",
         "choose how keys at rest move",
         "wave: every key goes down and up every 2 s, each a little after the one before; idle: keys rest.\n",
         {},
         1,
         1,
         runTravel},
        {"press",
         "press KEY [--times N]",
         "press key KEY (1..85, or its name), N times (default 1)",
         "KEY is the key's number or its name as the keyboard view shows it (W, Esc, 'Caps Lock'), as\n"
         "qelec-ctl takes keys. Adds N to the key's press count; its travel follows N press cycles from\n"
         "now.\n",
         {{"--times", true}},
         1,
         1,
         runPress},
        {"hold",
         "hold [--seconds N]",
         "hold the keyboard as another program would",
         "Until interrupted, or for N seconds. A program started meanwhile finds the keyboard occupied.\n",
         {{"--seconds", true}},
         0,
         0,
         runHold},
        {"make-firmware",
         "make-firmware --variant N --version X.YY [--payload-bytes N] OUT.bin",
         "write a firmware image the keyboard accepts",
         "The image is for variant N and version X.YY (two-digit minor); the payload is filler of\n"
         "N bytes (default 4096).\n",
         {{"--variant", true}, {"--version", true}, {"--payload-bytes", true}},
         1,
         1,
         runMakeFirmware},
        {"path", "path", "print the state file in use", "", {}, 0, 0, runPath},
        {"help",
         "help [COMMAND]",
         "print this, or more about one command (also: COMMAND --help)",
         "With a COMMAND, that command's usage and what it does; without, every command.\n",
         {},
         0,
         1,
         runHelp},
    };
    return commands;
}
