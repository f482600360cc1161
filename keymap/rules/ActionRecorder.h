// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>

class ActionList;
class CConfigStore;
struct HookBookkeeping;
struct HookKeyEvent;

// What a key event of the keyboard hook adds to the combination, macro or emulation being recorded,
// and the limits of the three lists. Qt-free.

inline constexpr int kMaxComboKeys = 6;
inline constexpr int kMaxEmulationKeys = 6;
// A macro with recorded delays alternates key events and delays.
inline constexpr int kMaxMacroItemsWithDelays = 799;
inline constexpr int kMaxMacroItemsAutomatic = 1600;
inline constexpr int kMaxRecordedDelayMs = 65535;
// The delay a macro with recorded delays ends on when its recording stops.
inline constexpr int kClosingDelayMs = 50;

// The item limit of macro: 1600 with one automatic delay, 799 with recorded delays.
int macroItemLimit(const ActionList& macro);

// The whole milliseconds from previous to now, within 0..65535.
int recordedDelayMs(std::chrono::steady_clock::time_point previous,
                    std::chrono::steady_clock::time_point now);

// The two Shift keys' states as the key-state queries give them at the moment of an event.
struct ShiftKeyStates {
    bool left = false;
    bool right = false;
};
// The virtual key of event with a Shift (16) resolved to its side: left (160) or right (161). A press
// takes the side held now; a release takes the side whose state changed since the last release,
// which is then remembered in lastLeft/lastRight. Other keys stay as they are; the code follows.
HookKeyEvent withShiftSide(const HookKeyEvent& event, ShiftKeyStates now, int& lastLeft, int& lastRight);

// Each returns how many items it appended. None of them remembers the event as the previous one:
// the caller does that for every event, recorded or not.

// A press whose code differs from the previous event's, while combo has fewer than 6 keys: the key's
// name. Releases add nothing.
int recordComboKey(ActionList& combo, const HookKeyEvent& event, HookBookkeeping& hook,
                   const CConfigStore& store);
// A press of a released key or a release of a held key (auto-repeat and releases of keys held before
// the start are dropped): with recorded delays, first the time since the previous event as a delay
// (not before the first event, only below 799 items); then the key's name with " Down" or " UP" while
// under the macro's item limit.
int recordMacroKey(ActionList& macro, const HookKeyEvent& event, HookBookkeeping& hook,
                   std::chrono::steady_clock::time_point at, const CConfigStore& store);
// Like a combination, but each key must be released before it counts again, and at most 6 keys.
int recordEmulationKey(ActionList& emulation, const HookKeyEvent& event, HookBookkeeping& hook,
                       const CConfigStore& store);

// A macro with recorded delays and 1 to 798 items ends on "<50 ms>" once its recording stops.
bool closeMacroRecording(ActionList& macro);

// Empties list for a new recording, keeping its play settings.
void clearForRecording(ActionList& list);
