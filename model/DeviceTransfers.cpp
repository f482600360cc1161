// SPDX-License-Identifier: GPL-3.0-or-later
// Transfers of the store's tables to and from the keyboard.
#include "model/ConfigStore.h"

#include "model/KeyAssignmentCodec.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

using AreaBuffer = std::array<int, CPelmHWI::kAreaBufferInts>;

AreaBuffer toAreaBuffer(const PerKeyTriples& rows) {
    AreaBuffer buffer{};
    for (int key = kFirstKey; key <= kLastKey; ++key)
        std::copy(rows[key].begin(), rows[key].end(), buffer.begin() + (key - 1) * 3);
    return buffer;
}

template <typename Transform>
PerKeyTriples fromAreaBuffer(const AreaBuffer& buffer, PerKeyTriples rows, Transform transform) {
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        for (int column = 0; column < 3; ++column)
            rows[key][column] = transform(buffer[static_cast<std::size_t>((key - 1) * 3 + column)]);
    }
    return rows;
}

int asColourComponent(int value) {
    return std::clamp(value, 0, 255);
}
int asIs(int value) {
    return value;
}

} // namespace

bool CConfigStore::writeKeyConfiguration(const WindowHandle& window) {
    bool ok = device.prepare();
    for (int table = 0; ok && table < kTables; ++table) {
        for (int key = kFirstKey; ok && key <= kLastKey; ++key) {
            if (keyKind[key][table] <= 0)
                continue;
            // A key that cannot be sent as it stands fails the write before anything reaches the
            // keyboard (what was staged is dropped by the next prepare).
            if (!assignmentProblem(keyKind[key][table], keyActions[key][table]).empty())
                return false;
            const std::vector<int> array =
                encodeKeyAssignment(*this, keyKind[key][table], keyCode[key][table], keyActions[key][table]);
            if (array.empty())
                continue;
            ok = device.setKeyConfiguration(table, key, array.data(), static_cast<int>(array.size()));
        }
    }
    return ok && device.writeKeyConfigurationToDev(window);
}

bool CConfigStore::readKeyDefinitions(const WindowHandle& window) {
    KeyboardReading reading;
    if (!fetchKeyDefinitions(window, reading))
        return false;
    takeOver(std::move(reading));
    return true;
}

// The parts a decoded array names replace the old ones; a key the array says nothing of keeps them.
bool CConfigStore::fetchKeyDefinitions(const WindowHandle& window, KeyboardReading& reading) {
    if (!device.readKeyDefinationFromDev(window))
        return false;
    auto copy = std::make_unique<KeyAssignmentTables>(KeyAssignmentTables{keyKind, keyCode, keyActions});
    std::vector<int> buffer(CPelmHWI::kKeyBufferInts);
    for (int table = 0; table < kTables; ++table) {
        for (int key = kFirstKey; key <= kLastKey; ++key) {
            const int filled =
                device.getKeyConfiguration(table, key, buffer.data(), CPelmHWI::kKeyBufferInts);
            if (filled <= 0)
                return false;
            const auto used = static_cast<std::size_t>(std::min(filled, CPelmHWI::kKeyBufferInts));
            DecodedKeyAssignment decoded =
                decodeKeyAssignment(*this, std::span<const int>(buffer.data(), used));
            copy->kind[key][table] = decoded.kind;
            if (decoded.code)
                copy->code[key][table] = *decoded.code;
            if (decoded.actions)
                copy->actions[key][table] = std::move(*decoded.actions);
        }
    }
    reading.keys = std::move(copy);
    return true;
}

bool CConfigStore::writeLights() {
    const AreaBuffer buffer = toAreaBuffer(lightArea);
    return device.setKeyboardLightArea(buffer.data());
}

bool CConfigStore::readLights() {
    KeyboardReading reading;
    if (!fetchLights(reading))
        return false;
    takeOver(std::move(reading));
    return true;
}

bool CConfigStore::fetchLights(KeyboardReading& reading) {
    AreaBuffer buffer{};
    if (!device.readKeyLightFromDev() || !device.getKeyboardLightArea(buffer.data()))
        return false;
    reading.lights = fromAreaBuffer(buffer, lightArea, asColourComponent);
    return true;
}

bool CConfigStore::writeTriggers() {
    const AreaBuffer buffer = toAreaBuffer(triggerValues);
    return device.writeKeyTriggerToDev(buffer.data());
}

bool CConfigStore::readTriggers() {
    KeyboardReading reading;
    if (!fetchTriggers(reading))
        return false;
    takeOver(std::move(reading));
    return true;
}

bool CConfigStore::fetchTriggers(KeyboardReading& reading) {
    AreaBuffer buffer{};
    if (!device.readKeyTriggerFromDev() || !device.getKeyTriggerValue(buffer.data()))
        return false;
    reading.triggers = fromAreaBuffer(buffer, triggerValues, asIs);
    return true;
}

bool CConfigStore::readPressCounters() {
    KeyboardReading reading;
    if (!fetchPressCounters(reading))
        return false;
    takeOver(std::move(reading));
    return true;
}

bool CConfigStore::fetchPressCounters(KeyboardReading& reading) {
    std::array<int, kLastKey> counts{};
    if (!device.getPressCounterFromDev(counts.data()))
        return false;
    reading.pressCounts = counts;
    return true;
}

void CConfigStore::takeOver(KeyboardReading&& reading) {
    if (reading.keys) {
        keyKind = reading.keys->kind;
        keyCode = reading.keys->code;
        keyActions = std::move(reading.keys->actions);
    }
    if (reading.lights)
        lightArea = *reading.lights;
    if (reading.triggers)
        triggerValues = *reading.triggers;
    if (reading.pressCounts) {
        std::copy(reading.pressCounts->begin(), reading.pressCounts->end(), pressCounts.begin() + kFirstKey);
        findHighestAndLowestKeys();
    }
}
