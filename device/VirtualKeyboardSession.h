// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/FileLock.h"
#include "device/StateTextReader.h"
#include "device/VirtualKeyboardFile.h"
#include "device/VirtualKeyboardState.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

// What one connection to the virtual keyboard holds: the owner lock, the keys staged for the next
// write, what the last reads brought, and the clock and pacing of its transfers.
//
// Every call reads the state file afresh (a change by the tool is seen at once) and talks to the
// keyboard only while the connection owns it and the keyboard is plugged, in Windows mode and not
// set to fail the call. Changes are committed under the update lock, after a last check, so a
// failed call commits nothing. The calls that ask or send the keyboard something are counted for a
// call countdown (CallCountdown) while the connection owns the keyboard; a key write's keys count
// as sent from the call that stages them, which is what a cut leaves written.
class VirtualKeyboardSession {
public:
    // Milliseconds since the epoch.
    using Clock = std::function<std::int64_t()>;
    // Waits; the pacing of transfers goes through it.
    using Sleeper = std::function<void(std::chrono::milliseconds)>;
    // Receives the progress counts of a paced transfer.
    using Progress = std::function<void(int count)>;

    // Progress steps of a paced transfer, and the longest wait between two checks of the keyboard.
    static constexpr int kPacedSteps = 10;
    static constexpr std::chrono::milliseconds kLongestWait{50};

    explicit VirtualKeyboardSession(std::string statePath);

    // An empty clock or sleeper brings back the system clock or the real wait.
    void setClock(Clock clock);
    void setSleeper(Sleeper sleeper);

    // The variant of a keyboard attached in Windows mode, else 0; needs no connection.
    int detectVariant();
    // 1 when a keyboard is attached in Mac mode, else 0.
    int detectMacMode();
    // A keyboard is attached in Windows mode.
    bool attached();

    // Opens the connection and tries to own the keyboard; true for an attached keyboard in
    // Windows mode, even when another connection owns it.
    bool open();
    // Open, but another connection owns the keyboard.
    bool occupied() const { return opened_ && !owner_.held(); }
    // Why the last open failed when the keyboard is not simply absent: the state file's fault (corrupt
    // or unreadable) or the owner lock's; "" otherwise.
    const std::string& openError() const { return openError_; }

    std::optional<std::string> readVersion();

    // Clears the staged keys.
    bool beginKeyWrite();
    // Stages the array of one key (table 0..8, key 1..85, 1..65536 ints).
    bool stageKey(int table, int key, std::span<const int> values);
    // Makes the staged keys the keyboard's whole key configuration; progress rises to 750.
    bool writeStagedKeys(const Progress& progress);
    // Reads every table into the key cache; progress rises to 750.
    bool readAllKeys(const Progress& progress);
    // A key's array from the key cache, valid until the next call; [0, 0] for a key not set.
    std::optional<std::span<const int>> cachedKey(int table, int key);

    bool writeLights(const AreaValues& lights);
    bool readLights();
    std::optional<AreaValues> cachedLights();
    bool writeTriggers(const AreaValues& triggers);
    bool readTriggers();
    std::optional<AreaValues> cachedTriggers();

    std::optional<std::array<int, VirtualKeyboard::kKeyCount>> pressCounts();
    // Travel of key 1..85 now, in 0.1 mm.
    std::optional<int> travel(int key);

    // Checks the image and, when it is whole and for this variant, downloads it (progress rises to
    // 150) and takes its version.
    bool downloadFirmware(std::span<const char> image, const Progress& progress);

private:
    // The state as the file holds it now; the text is parsed again only when it changed.
    const LoadResult& current();
    // The state when the keyboard may be asked for what failure names; nullptr otherwise.
    const VirtualKeyboardState* reachable(Failure failure);
    // reachable() for a call that asks or sends the keyboard something: counted for a countdown,
    // and nullptr when the countdown makes this call go wrong.
    const VirtualKeyboardState* exchange(Failure failure);
    // The countdown when this call is the one it names; counts the call.
    std::optional<CallCountdown> dueCountdown(const VirtualKeyboardState& state);
    // Makes the call the countdown names go wrong, and uses the countdown up.
    void goWrong(const CallCountdown& due);
    // What a keyboard pulled out during a key write keeps: the keys sent so far, over the old ones,
    // as far as the flash holds them.
    void keepSentKeys(VirtualKeyboardState& state) const;
    static bool answers(const VirtualKeyboardState& state, Failure failure);
    // Waits the transfer time out in kPacedSteps steps, checking the keyboard at least every
    // kLongestWait and posting each step's share of fullScale.
    bool pace(Failure failure, int fullScale, const Progress& progress);
    bool waitChecking(std::chrono::milliseconds wait, Failure failure);
    // Applies change to the stored state if the keyboard still answers and change agrees (returns
    // true); otherwise commits nothing.
    bool commit(Failure failure, const std::function<bool(VirtualKeyboardState&)>& change);
    std::optional<AreaValues> cached(Failure failure, const std::optional<AreaValues>& cache);

    VirtualKeyboardFile file_;
    StateTextReader reader_{file_.path()};
    FileLock owner_;
    bool opened_ = false;
    std::string openError_;
    Clock clock_;
    Sleeper sleeper_;
    KeyTables staged_;
    std::size_t stagedInts_ = 0;
    // A key write began and neither ended nor failed: its staged keys have been sent.
    bool keyWriteOpen_ = false;
    // The countdown being counted, and the calls counted for it.
    std::optional<CallCountdown> counting_;
    int callsCounted_ = 0;
    std::optional<KeyTables> keyCache_;
    std::optional<AreaValues> lightCache_;
    std::optional<AreaValues> triggerCache_;
    std::string lastText_;
    LoadResult lastLoad_;
};
