// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/VirtualKeyboardSession.h"

#include "device/DeviceMessages.h"
#include "device/FirmwareImage.h"
#include "device/KeyTravel.h"

#include <algorithm>
#include <thread>

namespace {
constexpr std::array<int, 2> kNotSetKey = {0, 0};
constexpr int kOwnAttempts = 3;
constexpr std::chrono::milliseconds kOwnRetryWait{10};

std::int64_t systemMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

void sleepFor(std::chrono::milliseconds wait) {
    std::this_thread::sleep_for(wait);
}

bool attachedInWindowsMode(const LoadResult& load) {
    return load.ok() && load.state->plugged && !load.state->macMode;
}
} // namespace

VirtualKeyboardSession::VirtualKeyboardSession(std::string statePath)
    : file_(std::move(statePath)), clock_(systemMilliseconds), sleeper_(sleepFor) {}

void VirtualKeyboardSession::setClock(Clock clock) {
    clock_ = clock ? std::move(clock) : Clock(systemMilliseconds);
}

void VirtualKeyboardSession::setSleeper(Sleeper sleeper) {
    sleeper_ = sleeper ? std::move(sleeper) : Sleeper(sleepFor);
}

const LoadResult& VirtualKeyboardSession::current() {
    StateText now = reader_.read();
    if (now.status != LoadStatus::Ok || now.text != lastText_ || !lastLoad_.ok()) {
        lastLoad_ = loadResultFor(now, file_.path());
        lastText_ = lastLoad_.ok() ? std::move(now.text) : std::string();
    }
    return lastLoad_;
}

bool VirtualKeyboardSession::answers(const VirtualKeyboardState& state, Failure failure) {
    return state.plugged && !state.macMode && !state.fails(failure);
}

const VirtualKeyboardState* VirtualKeyboardSession::reachable(Failure failure) {
    if (!opened_ || !owner_.held())
        return nullptr;
    const LoadResult& load = current();
    if (!load.ok() || !answers(*load.state, failure))
        return nullptr;
    return &*load.state;
}

const VirtualKeyboardState* VirtualKeyboardSession::exchange(Failure failure) {
    const LoadResult* load = opened_ && owner_.held() ? &current() : nullptr;
    const bool known = load != nullptr && load->ok();
    const std::optional<CallCountdown> due = known ? dueCountdown(*load->state) : std::nullopt;
    if (due)
        goWrong(*due);
    if (!known || due || !answers(*load->state, failure)) {
        // A key write in which a call failed is over: the keyboard dropped what it had been sent.
        keyWriteOpen_ = false;
        return nullptr;
    }
    return &*load->state;
}

std::optional<CallCountdown> VirtualKeyboardSession::dueCountdown(const VirtualKeyboardState& state) {
    if (!state.countdown) {
        counting_.reset();
        return std::nullopt;
    }
    if (counting_ != state.countdown) {
        counting_ = state.countdown;
        callsCounted_ = 0;
    }
    if (++callsCounted_ < counting_->call)
        return std::nullopt;
    const CallCountdown due = *counting_;
    counting_.reset();
    return due;
}

void VirtualKeyboardSession::goWrong(const CallCountdown& due) {
    // A setting changed meanwhile is left to count anew; this call fails all the same.
    file_.update([&](VirtualKeyboardState& state) {
        if (state.countdown != due)
            return false;
        state.countdown.reset();
        if (due.cut) {
            keepSentKeys(state);
            state.plugged = false;
        }
        return true;
    });
}

void VirtualKeyboardSession::keepSentKeys(VirtualKeyboardState& state) const {
    if (!keyWriteOpen_)
        return;
    std::size_t flashInts = state.keys.totalInts();
    for (int table = 0; table < VirtualKeyboard::kTableCount; ++table) {
        for (int key = 1; key <= VirtualKeyboard::kKeyCount; ++key) {
            const std::vector<int>& sent = staged_.at(table, key);
            const std::size_t replaced = state.keys.at(table, key).size();
            if (sent.empty() || flashInts - replaced + sent.size() > VirtualKeyboard::kFlashInts)
                continue;
            flashInts = flashInts - replaced + sent.size();
            state.keys.set(table, key, sent);
        }
    }
}

int VirtualKeyboardSession::detectVariant() {
    const LoadResult& load = current();
    return attachedInWindowsMode(load) ? load.state->variant : 0;
}

int VirtualKeyboardSession::detectMacMode() {
    const LoadResult& load = current();
    return load.ok() && load.state->plugged && load.state->macMode ? 1 : 0;
}

bool VirtualKeyboardSession::attached() {
    return attachedInWindowsMode(current());
}

bool VirtualKeyboardSession::open() {
    openError_.clear();
    const LoadResult& load = current();
    // A state that cannot be read is a fault to name; a missing one is an absent keyboard.
    if (load.status == LoadStatus::Corrupt || load.status == LoadStatus::Unreadable)
        openError_ = load.message;
    if (!attachedInWindowsMode(load) || load.state->fails(Failure::Open))
        return false;
    // A probe such as the tool's show holds the owner lock for a moment; only a lock that stays
    // taken means another owner.
    for (int attempt = 1; !owner_.held() && attempt <= kOwnAttempts; ++attempt) {
        owner_ = file_.tryOwn();
        if (owner_.status() == FileLock::Status::Failed) {
            openError_ = owner_.error();
            return false;
        }
        if (!owner_.held() && attempt < kOwnAttempts)
            sleeper_(kOwnRetryWait);
    }
    opened_ = true;
    return true;
}

std::optional<std::string> VirtualKeyboardSession::readVersion() {
    const VirtualKeyboardState* state = exchange(Failure::Version);
    if (state == nullptr)
        return std::nullopt;
    return state->version;
}

bool VirtualKeyboardSession::beginKeyWrite() {
    if (exchange(Failure::WriteKeys) == nullptr)
        return false;
    staged_.clear();
    stagedInts_ = 0;
    keyWriteOpen_ = true;
    return true;
}

bool VirtualKeyboardSession::stageKey(int table, int key, std::span<const int> values) {
    if (exchange(Failure::WriteKeys) == nullptr)
        return false;
    if (!KeyTables::isValidSlot(table, key) || values.empty() ||
        values.size() > static_cast<std::size_t>(VirtualKeyboard::kMaxKeyInts))
        return false;
    const std::size_t replaced = staged_.at(table, key).size();
    if (stagedInts_ - replaced + values.size() > VirtualKeyboard::kFlashInts)
        return false;
    staged_.set(table, key, std::vector<int>(values.begin(), values.end()));
    stagedInts_ = stagedInts_ - replaced + values.size();
    return true;
}

bool VirtualKeyboardSession::waitChecking(std::chrono::milliseconds wait, Failure failure) {
    while (wait.count() > 0) {
        const auto slice = std::min(wait, kLongestWait);
        sleeper_(slice);
        wait -= slice;
        if (reachable(failure) == nullptr)
            return false;
    }
    return reachable(failure) != nullptr;
}

bool VirtualKeyboardSession::pace(Failure failure, int fullScale, const Progress& progress) {
    const VirtualKeyboardState* state = reachable(failure);
    if (state == nullptr)
        return false;
    const int transferMs = state->transferMs;
    int waited = 0;
    for (int step = 1; step <= kPacedSteps; ++step) {
        const int due = transferMs * step / kPacedSteps;
        if (!waitChecking(std::chrono::milliseconds(due - waited), failure))
            return false;
        waited = due;
        if (progress)
            progress(fullScale * step / kPacedSteps);
    }
    return true;
}

bool VirtualKeyboardSession::commit(Failure failure,
                                    const std::function<bool(VirtualKeyboardState&)>& change) {
    if (reachable(failure) == nullptr)
        return false;
    const UpdateResult result =
        file_.update([&](VirtualKeyboardState& state) { return answers(state, failure) && change(state); });
    return result.ok();
}

bool VirtualKeyboardSession::writeStagedKeys(const Progress& progress) {
    const bool written = exchange(Failure::WriteKeys) != nullptr &&
                         pace(Failure::WriteKeys, DeviceMessages::kKeyTransferFullScale, progress) &&
                         commit(Failure::WriteKeys, [this](VirtualKeyboardState& state) {
                             state.keys = staged_;
                             return true;
                         });
    keyWriteOpen_ = false;
    return written;
}

bool VirtualKeyboardSession::readAllKeys(const Progress& progress) {
    keyCache_.reset();
    if (exchange(Failure::ReadKeys) == nullptr ||
        !pace(Failure::ReadKeys, DeviceMessages::kKeyTransferFullScale, progress))
        return false;
    const VirtualKeyboardState* state = reachable(Failure::ReadKeys);
    if (state == nullptr)
        return false;
    keyCache_ = state->keys;
    return true;
}

std::optional<std::span<const int>> VirtualKeyboardSession::cachedKey(int table, int key) {
    if (exchange(Failure::ReadKeys) == nullptr || !KeyTables::isValidSlot(table, key) || !keyCache_)
        return std::nullopt;
    const std::vector<int>& values = keyCache_->at(table, key);
    if (values.empty())
        return std::span<const int>(kNotSetKey);
    return std::span<const int>(values);
}

bool VirtualKeyboardSession::writeLights(const AreaValues& lights) {
    return exchange(Failure::WriteLights) != nullptr &&
           commit(Failure::WriteLights, [&](VirtualKeyboardState& state) {
               state.lights = lights;
               return true;
           });
}

bool VirtualKeyboardSession::readLights() {
    lightCache_.reset();
    const VirtualKeyboardState* state = exchange(Failure::ReadLights);
    if (state != nullptr)
        lightCache_ = state->lights;
    return lightCache_.has_value();
}

std::optional<AreaValues> VirtualKeyboardSession::cached(Failure failure,
                                                         const std::optional<AreaValues>& cache) {
    if (exchange(failure) == nullptr || !cache)
        return std::nullopt;
    return cache;
}

std::optional<AreaValues> VirtualKeyboardSession::cachedLights() {
    return cached(Failure::ReadLights, lightCache_);
}

bool VirtualKeyboardSession::writeTriggers(const AreaValues& triggers) {
    return exchange(Failure::WriteTriggers) != nullptr &&
           commit(Failure::WriteTriggers, [&](VirtualKeyboardState& state) {
               state.triggers = triggers;
               return true;
           });
}

bool VirtualKeyboardSession::readTriggers() {
    triggerCache_.reset();
    const VirtualKeyboardState* state = exchange(Failure::ReadTriggers);
    if (state != nullptr)
        triggerCache_ = state->triggers;
    return triggerCache_.has_value();
}

std::optional<AreaValues> VirtualKeyboardSession::cachedTriggers() {
    return cached(Failure::ReadTriggers, triggerCache_);
}

std::optional<std::array<int, VirtualKeyboard::kKeyCount>> VirtualKeyboardSession::pressCounts() {
    const VirtualKeyboardState* state = exchange(Failure::Counters);
    if (state == nullptr)
        return std::nullopt;
    return state->counts;
}

std::optional<int> VirtualKeyboardSession::travel(int key) {
    const VirtualKeyboardState* state = exchange(Failure::Track);
    if (state == nullptr || key < 1 || key > VirtualKeyboard::kKeyCount)
        return std::nullopt;
    return KeyTravel::travelAt(*state, key, clock_());
}

bool VirtualKeyboardSession::downloadFirmware(std::span<const char> image, const Progress& progress) {
    const VirtualKeyboardState* state = exchange(Failure::Firmware);
    if (state == nullptr)
        return false;
    const FirmwareImage::Check check = FirmwareImage::verify(image, state->variant);
    if (!check.ok())
        return false;
    if (!pace(Failure::Firmware, DeviceMessages::kFirmwareFullScale, progress))
        return false;
    const FirmwareImage::Header& header = check.header;
    return commit(Failure::Firmware, [&](VirtualKeyboardState& stored) {
        if (stored.variant != header.variant)
            return false;
        stored.version = VirtualKeyboard::versionTextAfterUpdate(stored.version, stored.variant, header.major,
                                                                 header.minor);
        return true;
    });
}
