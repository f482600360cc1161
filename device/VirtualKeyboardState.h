// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the virtual keyboard holds, like a keyboard's flash, and its text form.
//
// The state file is line based: a header line, then one "keyword values..." line per item, then an
// "end" line so that a cut-off file is noticed. Words are separated by spaces or tabs; blank lines
// and lines starting with '#' are ignored. Every scalar keyword, and light, trigger and count for
// each key 1..85, appears exactly once; fail-call at most once; press and key lines only for keys
// that have them.
//
//   qelec-virtual-keyboard 1          header and format version (this build reads 1)
//   variant 4                         1 QelEC(RGB)Ble, 2 QelEC(S)Ble, 3 QelEC(S), 4 QelEC(RGB)
//   version QelEC(RGB);V2.10          the rest of the line, 1..63 printable ASCII characters
//   mac 0                             1: in Mac mode (found only by the Mac check)
//   plugged 1                         0: unplugged (absent to every call)
//   fail version track                calls set to fail; no names means none (failureName)
//   fail-call <n> fail|cut <arming>   the n-th call from now goes wrong once (CallCountdown); the
//                                     arming tells one setting from the next
//   transfer-ms 800                   time a key transfer or a download takes, 0..10000
//   travel wave                       keys at rest: wave (oscillate 0..40) or idle (rest at 0)
//   light <key> <r> <g> <b>           colour of a key, each 0..255
//   trigger <key> <a> <b> <c>         trigger values of a key, any 32-bit ints
//   count <key> <n>                   press count, 0..2147483647
//   press <key> <start-ms> <times>    last press through the tool: start (ms since the epoch) and
//                                     how many press cycles follow it, 1..1000
//   key <table> <key> <ints...>       assignment array of a key on table 0..8, 1..65536 ints
//   end
//
// A key without a key line is "not set". All key lines together hold at most kFlashInts ints.

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace VirtualKeyboard {
inline constexpr int kFormatVersion = 1;
inline constexpr std::string_view kHeaderWord = "qelec-virtual-keyboard";
inline constexpr int kVariantCount = 4;
inline constexpr int kKeyCount = 85;
inline constexpr int kTableCount = 9;
inline constexpr int kAreaInts = kKeyCount * 3;
inline constexpr int kMaxKeyInts = 65536;
// Room for every key of every table holding a long macro, and a bound on untrusted files.
inline constexpr std::size_t kFlashInts = std::size_t{1} << 20;
inline constexpr int kMaxVersionChars = 63;
inline constexpr int kDefaultTransferMs = 800;
inline constexpr int kMaxTransferMs = 10000;
inline constexpr int kMaxPressTimes = 1000;
// The furthest call a fail-call countdown may name.
inline constexpr int kMaxCountdownCall = 1000000;
// Full travel of the 4.0 mm switch, in 0.1 mm.
inline constexpr int kFullTravel = 40;

// True for the variant codes 1..4.
bool isValidVariant(int variant);
// "QelEC(RGB)Ble", "QelEC(S)Ble", "QelEC(S)", "QelEC(RGB)"; empty for anything else.
std::string_view variantName(int variant);
// True for the variants with colour lighting (1 and 4).
bool hasColourLighting(int variant);
// The version text a new keyboard of this variant reports: "<name>;V2.10".
std::string defaultVersionText(int variant);
// 1..63 printable ASCII characters, no space at either end.
bool isValidVersionText(std::string_view text);
// The version text after a download of major.minor: what stood before ";V" (the variant name when
// there is no ";V"), then ";V<major>.<minor with two digits>".
std::string versionTextAfterUpdate(std::string_view text, int variant, int major, int minor);
} // namespace VirtualKeyboard

// Calls the state can be told to fail.
enum class Failure {
    Open,
    Version,
    WriteKeys,
    ReadKeys,
    WriteLights,
    ReadLights,
    WriteTriggers,
    ReadTriggers,
    Counters,
    Track,
    Firmware,
};
inline constexpr int kFailureCount = static_cast<int>(Failure::Firmware) + 1;
using FailureSet = std::bitset<kFailureCount>;

// "open", "version", "write-keys", "read-keys", "write-lights", "read-lights", "write-triggers",
// "read-triggers", "counters", "track", "firmware".
std::string_view failureName(Failure failure);
std::optional<Failure> failureFromName(std::string_view name);

// One call set to go wrong once: the call-th call that asks or sends the keyboard something, made by
// the connection that holds the keyboard and counted from the first call in which it sees this
// setting. That call fails and changes nothing (fail), or (cut) finds the keyboard pulled out: what
// the calls before it sent stays written (the keys of a key write sent so far, over the old ones) and
// the keyboard is unplugged. Either way the setting is then used up. Presence checks and opening the
// connection are not counted.
struct CallCountdown {
    int call = 1;
    bool cut = false;
    // Tells this setting from the one before it, so that setting the same call again counts anew.
    int arming = 0;
    bool operator==(const CallCountdown&) const = default;
};

// "call 5 from now fails" or "call 5 from now finds the keyboard pulled out".
std::string describeCountdown(const CallCountdown& countdown);

// How keys that nobody presses move.
enum class TravelMode { Wave, Idle };
std::string_view travelModeName(TravelMode mode);
std::optional<TravelMode> travelModeFromName(std::string_view name);

// The assignment arrays of the nine tables; an empty array is a key that is not set.
class KeyTables {
public:
    // Table 0..8 and key 1..85.
    static bool isValidSlot(int table, int key);
    const std::vector<int>& at(int table, int key) const;
    void set(int table, int key, std::vector<int> values);
    void clear();
    // Keys of the table that are set.
    int assignedKeys(int table) const;
    std::size_t totalInts() const;
    bool operator==(const KeyTables&) const = default;

private:
    static std::size_t slotOf(int table, int key);
    std::array<std::vector<int>, VirtualKeyboard::kTableCount * VirtualKeyboard::kKeyCount> arrays_{};
};

// A press through the tool: times press cycles starting at startMs; times 0 is no press.
struct KeyPress {
    std::int64_t startMs = 0;
    int times = 0;
    bool operator==(const KeyPress&) const = default;
};

// 255 ints, keys 1..85 in order, three each, as the device interface carries them.
using AreaValues = std::array<int, VirtualKeyboard::kAreaInts>;

// Everything the virtual keyboard remembers.
struct VirtualKeyboardState {
    int variant = 4;
    std::string version;
    bool macMode = false;
    bool plugged = true;
    FailureSet failures;
    std::optional<CallCountdown> countdown;
    int transferMs = VirtualKeyboard::kDefaultTransferMs;
    TravelMode travel = TravelMode::Wave;
    AreaValues lights{};
    AreaValues triggers{};
    std::array<int, VirtualKeyboard::kKeyCount> counts{};
    std::array<KeyPress, VirtualKeyboard::kKeyCount> presses{};
    KeyTables keys;

    bool fails(Failure failure) const { return failures.test(static_cast<std::size_t>(failure)); }
    void setFailure(Failure failure, bool on) { failures.set(static_cast<std::size_t>(failure), on); }
    // Key 1..85.
    int count(int key) const { return counts[static_cast<std::size_t>(key - 1)]; }
    const KeyPress& press(int key) const { return presses[static_cast<std::size_t>(key - 1)]; }
    bool operator==(const VirtualKeyboardState&) const = default;
};

// A keyboard as it leaves the factory: white lights on the colour variants and dark ones on the S
// variants (they have no colour lighting), triggers 8, 20, 0 on every key, no presses, the given
// key tables, the default version text unless one is given, travel wave, transfer 800 ms.
VirtualKeyboardState factoryState(int variant, const KeyTables& keys = {}, std::string version = {});

// Where and why a state text was refused.
struct StateParseError {
    int line = 0;
    std::string message;
    // "line 12: bad number 'x'".
    std::string describe() const;
};

// The parsed state, or the first error.
struct StateParseResult {
    std::optional<VirtualKeyboardState> state;
    StateParseError error;
    bool ok() const { return state.has_value(); }
};

// Strict parse of the text form; never throws on any content.
StateParseResult parseVirtualKeyboardState(std::string_view text);
// The text form; parseVirtualKeyboardState gives back an equal state.
std::string serialiseVirtualKeyboardState(const VirtualKeyboardState& state);
