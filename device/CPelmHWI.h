// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/WindowHandle.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class VirtualKeyboardSession;

// The device component: every exchange with the keyboard goes through it. This build talks to the
// virtual keyboard whose state file is named by statePath (see VirtualKeyboardFile).
//
// Calls that the design treats as fire-and-forget still say whether they succeeded, so callers can
// report a failed transfer as failed. Every call fails, without touching the caller's buffers, when
// the keyboard is absent, unplugged, held by another program, or set to fail that call.
class CPelmHWI {
public:
    static constexpr int kVersionChars = 64;     // wide chars ReadKeyboardVersion may fill
    static constexpr int kKeyBufferInts = 65536; // capacity callers give getKeyConfiguration
    static constexpr int kAreaBufferInts = 258;  // 85 keys x 3 values, plus 3 unused
    static constexpr int kAreaInts = 255;
    static constexpr int kKeyCount = 85;
    static constexpr int kTableCount = 9;
    static constexpr int kTrackUnits = 64; // 16-bit units ReadKeyTrack fills

    // Milliseconds since the epoch; drives the virtual keyboard's travel and press times.
    using Clock = std::function<std::int64_t()>;
    // Waits for the given time; paces the virtual keyboard's transfers.
    using Sleeper = std::function<void(std::chrono::milliseconds)>;

    CPelmHWI();
    explicit CPelmHWI(std::string statePath);
    ~CPelmHWI();
    CPelmHWI(const CPelmHWI&) = delete;
    CPelmHWI& operator=(const CPelmHWI&) = delete;

    const std::string& statePath() const { return statePath_; }
    void setClock(Clock clock);
    // Replaces the real waits of paced transfers (an empty sleeper restores them); for tests.
    void setSleeper(Sleeper sleeper);

    // 0 none, 1 "QelEC(RGB)Ble", 2 "QelEC(S)Ble", 3 "QelEC(S)", 4 "QelEC(RGB)".
    int DetectDeviceType();
    // Opens the connection. Succeeds for an attached keyboard in Windows mode even when another
    // program holds it; that shows only when the keyboard is asked something.
    bool __createDev();
    // Why the last __createDev failed when the cause is not an absent keyboard (a state file that
    // cannot be read or is corrupt, a lock that cannot be taken): one line for a person; "" when the
    // keyboard is simply absent or the connection opened.
    std::string lastOpenError() const;
    // Above 0: a keyboard in Mac mode is attached.
    int DetectDeviceForMac();
    // Fills at most kVersionChars wide chars, terminator included; the version follows ";V".
    bool ReadKeyboardVersion(wchar_t* out);
    // Still attached.
    bool DetectDevice();

    // Key write: prepare, stage each assigned key, then send all staged keys at once; the keyboard
    // then holds exactly the staged keys (the others become "not set").
    bool prepare();
    bool setKeyConfiguration(int table, int key, const int* data, int count);
    bool writeKeyConfigurationToDev(const WindowHandle& window);
    // Key read: read every table once, then fetch each key's array. getKeyConfiguration returns the
    // number of ints it wrote into out (at most capacity), 0 when there is nothing to give.
    bool readKeyDefinationFromDev(const WindowHandle& window);
    int getKeyConfiguration(int table, int key, int* out, int capacity);

    // Lights and triggers travel as 255 ints (keys 1..85, three each) in buffers of 258.
    bool setKeyboardLightArea(const int* area);
    bool readKeyLightFromDev();
    bool getKeyboardLightArea(int* out);
    bool writeKeyTriggerToDev(const int* values);
    bool readKeyTriggerFromDev();
    bool getKeyTriggerValue(int* out);

    // 85 counts, keys 1..85.
    bool getPressCounterFromDev(int* out);

    // Fills kTrackUnits units: [0] the key the sample belongs to, [1] its travel in 0.1 mm.
    bool ReadKeyTrack(std::uint16_t* out, int key);

    // Progress counts 0..150 go to window while the image downloads.
    bool WriteFirmwareToKeyboard(const char* data, int length, const WindowHandle& window);

private:
    std::string statePath_;
    std::unique_ptr<VirtualKeyboardSession> session_;
};

// The keyboard hook: while installed, every key event the platform feeds in is posted to window as
// WM_HOOK_KEY.
void InstallHook(const WindowHandle& window);
void UninstallHook();
// Called by the platform layer for each key event: vk is the platform's virtual-key code.
void feedHookKeyEvent(int virtualKey, bool released, bool extended);
// The same for an event the platform gave its own time (milliseconds, wrapping at 2^32).
void feedTimedHookKeyEvent(int virtualKey, bool released, bool extended, std::uint32_t eventMs);
