// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/KeyFunctionCatalogue.h"
#include "model/StoreConfiguration.h"
#include "model/StoreDevice.h"
#include "model/StoreSession.h"
#include "model/StoreTables.h"

#include <string>

// The store of the whole run, in four parts by kind: the configuration that is saved and written,
// the key function catalogue, the device, and the session the windows share. Every field keeps its
// name in its part, so store.lightArea is the configuration's; a reader of one part takes that part as
// const (the codec takes the catalogue, a profile save the configuration). The methods here span the
// parts: defaults, the catalogue's start and the transfers between the configuration and the keyboard.
class CConfigStore : public StoreConfiguration,
                     public KeyFunctionCatalogue,
                     public StoreDevice,
                     public StoreSession {
public:
    // The device is the virtual keyboard at the default state path, or at devicePath.
    CConfigStore() = default;
    explicit CConfigStore(std::string devicePath) : StoreDevice(std::move(devicePath)) {}
    CConfigStore(const CConfigStore&) = delete;
    CConfigStore& operator=(const CConfigStore&) = delete;

    StoreConfiguration& configuration() { return *this; }
    const StoreConfiguration& configuration() const { return *this; }
    const KeyFunctionCatalogue& catalogue() const { return *this; }
    StoreSession& session() { return *this; }
    const StoreSession& session() const { return *this; }

    // Factory defaults for the current deviceVariant: the configuration's (StoreConfiguration) and
    // tracked key 34.
    void resetToDefaults();

    // Transfers between the store and the keyboard (DeviceTransfers.cpp). Each says whether every
    // device call succeeded; a read that fails leaves the store as it was.
    // window receives the keyboard's progress counts (0..750) during the two key transfers. A key
    // that cannot be sent (assignmentProblem) fails the key write before the keyboard changes.
    bool writeKeyConfiguration(const WindowHandle& window);
    bool readKeyDefinitions(const WindowHandle& window);
    bool writeLights();
    bool readLights();
    bool writeTriggers();
    bool readTriggers();
    bool readPressCounters();

    // The reads split in two: fetching from the keyboard into reading, which touches only the device
    // and reads the catalogue and the key tables, and taking a reading over into the store. Each fetch
    // fills its part of reading only when every device call succeeded.
    bool fetchKeyDefinitions(const WindowHandle& window, KeyboardReading& reading);
    bool fetchLights(KeyboardReading& reading);
    bool fetchTriggers(KeyboardReading& reading);
    bool fetchPressCounters(KeyboardReading& reading);
    // Takes over every part reading holds, leaving the rest of the store as it is.
    void takeOver(KeyboardReading&& reading);

    // Fills the catalogue for the current deviceVariant, then starts the interface in Chinese.
    void buildCatalogue();
};
