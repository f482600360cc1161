// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/TrackCommand.h"

#include "device/CPelmHWI.h"
#include "model/ConfigStore.h"
#include "tools/cli/KeyLegends.h"
#include "tools/ctl/CommandOutput.h"
#include "tools/ctl/ConfigurationSources.h"
#include "trigger/TravelGauge.h"
#include "trigger/rules/TriggerRanges.h"
#include "trigger/rules/TriggerTexts.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr auto kPollPeriod = 100ms;
volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int /*signal*/) {
    stopRequested = 1;
}

// Ctrl+C and SIGTERM end the run between two samples; waits are cut short, not restarted.
void catchStopSignals() {
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

// Sleeps until deadline unless a stop signal comes first.
void sleepUntil(Clock::time_point deadline) {
    while (stopRequested == 0) {
        const auto left = deadline - Clock::now();
        if (left <= Clock::duration::zero())
            return;
        const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
        timespec wait{static_cast<std::time_t>(nanoseconds / 1'000'000'000),
                      static_cast<long>(nanoseconds % 1'000'000'000)};
        if (nanosleep(&wait, nullptr) == 0)
            return;
        if (errno != EINTR)
            return;
    }
}

std::string tenthsText(int tenths) {
    std::string text = TriggerTexts::millimetres(tenths);
    return text.substr(0, text.size() - 2);
}

struct KeyPoints {
    int upper = 0;
    int lower = 0;
};

// The key's press and release travels as the keyboard holds them; nothing when they cannot be read.
std::optional<KeyPoints> pointsOf(CConfigStore& store, int key) {
    if (!store.readTriggers())
        return std::nullopt;
    const TriggerTriple shown =
        TriggerRanges::repairedTravels(store.triggerValues[static_cast<std::size_t>(key)]);
    return KeyPoints{shown[TriggerRanges::kUpper], shown[TriggerRanges::kLower]};
}

void printIntroduction(const TrackRequest& request, int variant, const KeyPoints& points) {
    if (request.csv) {
        std::printf("time_ms,key,travel_mm\n");
        return;
    }
    std::printf("%s: travel 0.0mm at the left to 2.8mm at the right, P press point %s, R release point %s; "
                "Ctrl+C ends\n",
                KeyLegends::keyLabel(variant, request.key).c_str(),
                std::string(TriggerTexts::travelLabel(points.upper)).c_str(),
                std::string(TriggerTexts::travelLabel(points.lower)).c_str());
}

} // namespace

std::string travelBar(int travelTenths, std::optional<int> upper, std::optional<int> lower) {
    const int clamped = travelTenths < 0 ? 0 : travelTenths > 0xFFFF ? 0xFFFF : travelTenths;
    const int filled = TravelGauge::trackBarHeight(static_cast<std::uint16_t>(clamped));
    std::string bar(static_cast<std::size_t>(TravelGauge::kFullHeight), '-');
    for (int unit = 0; unit < filled; ++unit)
        bar[static_cast<std::size_t>(unit)] = '#';
    const auto mark = [&bar](std::optional<int> travel, char letter) {
        if (!travel)
            return;
        const int unit = TravelGauge::unitsOf(*travel);
        if (unit >= 0 && unit < TravelGauge::kFullHeight)
            bar[static_cast<std::size_t>(unit)] = letter;
    };
    mark(upper, 'P');
    mark(lower, 'R');
    return "[" + bar + "]";
}

int runTrack(const TrackRequest& request) {
    auto store = newStore(request.statePath);
    if (auto failure = connectKeyboard(*store))
        return printError(*failure);
    const std::optional<KeyPoints> points = pointsOf(*store, request.key);
    if (!points)
        return printError("reading the press and release points failed; tracking did not start");
    const bool terminal = !request.csv && isatty(STDOUT_FILENO) != 0;
    stopRequested = 0;
    catchStopSignals();
    printIntroduction(request, store->deviceVariant, *points);
    // Output that cannot be written ends the run; the end of the run says why.
    if (!flushOutput())
        return 0;

    std::array<std::uint16_t, CPelmHWI::kTrackUnits> sample{};
    const Clock::time_point start = Clock::now();
    const auto end =
        request.seconds ? start + std::chrono::seconds(*request.seconds) : Clock::time_point::max();
    for (Clock::time_point next = start; stopRequested == 0 && next < end; next += kPollPeriod) {
        sleepUntil(next);
        if (stopRequested != 0)
            break;
        if (!store->device.ReadKeyTrack(sample.data(), request.key)) {
            if (terminal)
                std::printf("\n");
            flushOutput();
            return printError("the keyboard stopped answering; tracking ended");
        }
        if (sample[0] != request.key)
            continue;
        const long long elapsed =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
        const std::string travel = tenthsText(sample[1]);
        if (request.csv)
            std::printf("%lld,%d,%s\n", elapsed, request.key, travel.c_str());
        else
            std::printf("%s%5smm %s%s", terminal ? "\r" : "", travel.c_str(),
                        travelBar(sample[1], points->upper, points->lower).c_str(),
                        terminal ? "\033[K" : "\n");
        if (!flushOutput())
            return 0;
    }
    if (terminal)
        std::printf("\n");
    return 0;
}
