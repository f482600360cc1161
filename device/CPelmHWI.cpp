// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/CPelmHWI.h"

#include "device/DeviceMessages.h"
#include "device/VirtualKeyboardFile.h"
#include "device/VirtualKeyboardSession.h"

#include <algorithm>
#include <cstring>

namespace {
// Runs a call of the interface; whatever it throws (only running out of memory is expected)
// becomes the call's failure value.
template <typename Result, typename Call>
Result guarded(Result failed, Call&& call) noexcept {
    try {
        return call();
    } catch (...) {
        return failed;
    }
}

VirtualKeyboardSession::Progress progressTo(const WindowHandle& window) {
    return [&window](int count) {
        postMessage(window, DeviceMessages::WM_TRANSFER_PROGRESS, static_cast<std::uintptr_t>(count));
    };
}

AreaValues areaFrom(const int* values) {
    AreaValues area{};
    std::copy_n(values, area.size(), area.begin());
    return area;
}

bool isColourArea(const AreaValues& area) {
    return std::all_of(area.begin(), area.end(), [](int value) { return value >= 0 && value <= 255; });
}
} // namespace

CPelmHWI::CPelmHWI() : CPelmHWI(defaultStatePath()) {}

CPelmHWI::CPelmHWI(std::string statePath)
    : statePath_(std::move(statePath)), session_(std::make_unique<VirtualKeyboardSession>(statePath_)) {}

CPelmHWI::~CPelmHWI() = default;

void CPelmHWI::setClock(Clock clock) {
    guarded(false, [&] {
        session_->setClock(std::move(clock));
        return true;
    });
}

void CPelmHWI::setSleeper(Sleeper sleeper) {
    guarded(false, [&] {
        session_->setSleeper(std::move(sleeper));
        return true;
    });
}

int CPelmHWI::DetectDeviceType() {
    return guarded(0, [&] { return session_->detectVariant(); });
}

bool CPelmHWI::__createDev() {
    return guarded(false, [&] { return session_->open(); });
}

std::string CPelmHWI::lastOpenError() const {
    return guarded(std::string(), [&] { return session_->openError(); });
}

int CPelmHWI::DetectDeviceForMac() {
    return guarded(0, [&] { return session_->detectMacMode(); });
}

bool CPelmHWI::ReadKeyboardVersion(wchar_t* out) {
    if (out == nullptr)
        return false;
    return guarded(false, [&] {
        const auto version = session_->readVersion();
        if (!version)
            return false;
        const std::size_t length = std::min(version->size(), static_cast<std::size_t>(kVersionChars - 1));
        for (std::size_t i = 0; i < length; ++i)
            out[i] = static_cast<wchar_t>(static_cast<unsigned char>((*version)[i]));
        out[length] = L'\0';
        return true;
    });
}

bool CPelmHWI::DetectDevice() {
    return guarded(false, [&] { return session_->attached(); });
}

bool CPelmHWI::prepare() {
    return guarded(false, [&] { return session_->beginKeyWrite(); });
}

bool CPelmHWI::setKeyConfiguration(int table, int key, const int* data, int count) {
    if (data == nullptr || count < 1 || count > kKeyBufferInts)
        return false;
    return guarded(false, [&] {
        return session_->stageKey(table, key, {data, static_cast<std::size_t>(count)});
    });
}

bool CPelmHWI::writeKeyConfigurationToDev(const WindowHandle& window) {
    return guarded(false, [&] { return session_->writeStagedKeys(progressTo(window)); });
}

bool CPelmHWI::readKeyDefinationFromDev(const WindowHandle& window) {
    return guarded(false, [&] { return session_->readAllKeys(progressTo(window)); });
}

int CPelmHWI::getKeyConfiguration(int table, int key, int* out, int capacity) {
    if (out == nullptr || capacity < 1)
        return 0;
    return guarded(0, [&] {
        const auto values = session_->cachedKey(table, key);
        if (!values)
            return 0;
        const std::size_t written = std::min(values->size(), static_cast<std::size_t>(capacity));
        std::copy_n(values->begin(), written, out);
        return static_cast<int>(written);
    });
}

bool CPelmHWI::setKeyboardLightArea(const int* area) {
    if (area == nullptr)
        return false;
    return guarded(false, [&] {
        const AreaValues lights = areaFrom(area);
        return isColourArea(lights) && session_->writeLights(lights);
    });
}

bool CPelmHWI::readKeyLightFromDev() {
    return guarded(false, [&] { return session_->readLights(); });
}

bool CPelmHWI::getKeyboardLightArea(int* out) {
    if (out == nullptr)
        return false;
    return guarded(false, [&] {
        const auto lights = session_->cachedLights();
        if (lights)
            std::copy(lights->begin(), lights->end(), out);
        return lights.has_value();
    });
}

bool CPelmHWI::writeKeyTriggerToDev(const int* values) {
    if (values == nullptr)
        return false;
    return guarded(false, [&] { return session_->writeTriggers(areaFrom(values)); });
}

bool CPelmHWI::readKeyTriggerFromDev() {
    return guarded(false, [&] { return session_->readTriggers(); });
}

bool CPelmHWI::getKeyTriggerValue(int* out) {
    if (out == nullptr)
        return false;
    return guarded(false, [&] {
        const auto triggers = session_->cachedTriggers();
        if (triggers)
            std::copy(triggers->begin(), triggers->end(), out);
        return triggers.has_value();
    });
}

bool CPelmHWI::getPressCounterFromDev(int* out) {
    if (out == nullptr)
        return false;
    return guarded(false, [&] {
        const auto counts = session_->pressCounts();
        if (counts)
            std::copy(counts->begin(), counts->end(), out);
        return counts.has_value();
    });
}

bool CPelmHWI::ReadKeyTrack(std::uint16_t* out, int key) {
    if (out == nullptr)
        return false;
    return guarded(false, [&] {
        const auto travel = session_->travel(key);
        if (!travel)
            return false;
        std::fill_n(out, kTrackUnits, std::uint16_t{0});
        out[0] = static_cast<std::uint16_t>(key);
        out[1] = static_cast<std::uint16_t>(*travel);
        return true;
    });
}

bool CPelmHWI::WriteFirmwareToKeyboard(const char* data, int length, const WindowHandle& window) {
    if (data == nullptr || length < 0)
        return false;
    return guarded(false, [&] {
        return session_->downloadFirmware({data, static_cast<std::size_t>(length)}, progressTo(window));
    });
}
