// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/CPelmHWI.h"
#include "device/WindowHandle.h"
#include "model/ActionList.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// Sizes shared by every per-key table. Key slots run 1..85; row 0 belongs to no key.
inline constexpr int kKeySlots = 86;
inline constexpr int kFirstKey = 1;
inline constexpr int kLastKey = 85;
inline constexpr int kTables = 9; // table = program x 3 + layer
inline constexpr int kLayers = 3;
inline constexpr int kPrograms = 3;
inline constexpr int kCatalogueSize = 1024;
inline constexpr int kNoteCount = 256;

// What a key does on one table.
enum AssignmentKind : int {
    kKindNotSet = 0,
    kKindSingle = 1,
    kKindCombo = 2,
    kKindMacro = 3,
    kKindEmulation = 4,
    kKindMultimedia = 5,
    kKindMouse = 6,
    kKindFunction = 7,
    kKindPower = 8,
};
inline constexpr int kKindCount = 9;

// Every press counter reads this until the keyboard's counters are read: the byte 0xC8 in each of
// its four bytes. A count that is not above 0 means "no count".
inline constexpr int kNoPressCount = static_cast<int>(0xC8C8C8C8U);

using PerKeyTriples = std::array<std::array<int, 3>, kKeySlots>;

// The key tables of all nine tables, as a read from the keyboard brings them back.
struct KeyAssignmentTables {
    std::array<std::array<int, kTables>, kKeySlots> kind{};
    std::array<std::array<int, kTables>, kKeySlots> code{};
    std::array<std::array<ActionList, kTables>, kKeySlots> actions;
};

// What reads from the keyboard brought back, before the store takes it over. A transfer's worker fills
// one while the windows go on drawing from the store; the store takes it over on the window thread, so
// a paint sees either the old configuration or the new one.
struct KeyboardReading {
    std::unique_ptr<KeyAssignmentTables> keys;
    std::optional<PerKeyTriples> lights;
    std::optional<PerKeyTriples> triggers;
    std::optional<std::array<int, kLastKey>> pressCounts;
};

// Everything the keyboard can be told, the catalogue of key functions, the state the windows share
// and the device component, for the whole run.
class CConfigStore {
public:
    // The device is the virtual keyboard at the default state path, or at devicePath.
    CConfigStore();
    explicit CConfigStore(std::string devicePath);
    CConfigStore(const CConfigStore&) = delete;
    CConfigStore& operator=(const CConfigStore&) = delete;

    std::string language;
    int deviceVariant = 0;
    int configDirty = 0;
    int clickGuard = 0;
    int firmwareUpdating = 0;
    float scaleFactor = 0.0F;

    // The key function catalogue (KeyFunctionCatalogue.cpp).
    std::map<int, std::string> keyNames;
    std::array<int, kCatalogueSize> vkToCode{};
    std::array<int, kCatalogueSize> codeToVk{};
    std::array<std::string, kKindCount> kindNamesZh;
    std::array<std::string, kKindCount> kindNamesEn;
    std::array<std::string, 5> programNamesZh;
    std::array<std::string, 5> programNamesEn;
    std::array<std::string, kNoteCount> notesZh;
    std::array<std::string, kNoteCount> notesEn;

    int currentKey = 0;
    int currentTable = 0;
    int currentProgram = 0;

    ActionList predefinedMacros;
    ActionList predefinedCombos;
    ActionList predefinedEmulations;

    PerKeyTriples lightArea{};
    std::array<std::array<int, kTables>, kKeySlots> keyKind{};
    std::array<std::array<int, kTables>, kKeySlots> keyCode{};
    std::array<std::array<ActionList, kTables>, kKeySlots> keyActions;
    std::array<int, kKeySlots> pressCounts{};
    int highestKey = -1;
    int lowestKey = -1;
    PerKeyTriples triggerValues{};
    int trackKey = 0;
    std::array<std::uint8_t, kKeySlots> multiSelectFlags{};
    std::array<int, 258> multiSelectColours{};
    std::array<int, 3> multiSelectColour{};
    std::array<int, 8> virtualKeyState{};
    std::array<int, 3> triggerAdjust{};
    CPelmHWI device;
    WindowHandle progressWindow;
    std::string firmwarePath;
    int lastRShiftState = 0;
    int lastLShiftState = 0;

    // Factory defaults for the current deviceVariant: libraries emptied, colours 0, triggers 8/20/0,
    // tracked key 34, every key back to its factory function.
    void resetToDefaults();
    // Every press counter back to "no count", no highest or lowest key.
    void clearPressCounts();

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
    // Sets highestKey to the key with the most presses and lowestKey to the one with the fewest
    // positive presses (ties keep the lower slot), -1 where no count is above 0.
    void findHighestAndLowestKeys();

    // Fills the catalogue for the current deviceVariant, then starts the interface in Chinese.
    void buildCatalogue();
    // The English name of a device key code, "-- --" when it has none.
    std::string codeToName(int code) const;
    // The name of a recorded key event (index = virtual-key code, +256 keypad Enter, +512 release),
    // with " Down" or " UP" appended when withSuffix is set.
    std::string keyEventName(int index, bool withSuffix) const;
    // The device value of an action item: a delay entry's milliseconds, or the device code of a key
    // name (with or without " Down"/" UP"); 0 when nothing matches.
    int nameToCode(std::string_view text) const;
    // Index of the first key whose name equals text, or -1 (the lowest index wins for names that
    // repeat).
    int nameToIndex(std::string_view text) const;
};
