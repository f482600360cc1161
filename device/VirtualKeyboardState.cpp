// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/VirtualKeyboardState.h"

#include <algorithm>
#include <numeric>

namespace {
constexpr std::array<std::string_view, VirtualKeyboard::kVariantCount> kVariantNames = {
    "QelEC(RGB)Ble", "QelEC(S)Ble", "QelEC(S)", "QelEC(RGB)"};

constexpr std::array<std::string_view, kFailureCount> kFailureNames = {
    "open",           "version",       "write-keys", "read-keys", "write-lights", "read-lights",
    "write-triggers", "read-triggers", "counters",   "track",     "firmware"};

constexpr std::array<int, 3> kFactoryTrigger = {8, 20, 0};
constexpr int kFactoryColourLight = 255;
} // namespace

namespace VirtualKeyboard {
bool isValidVariant(int variant) {
    return variant >= 1 && variant <= kVariantCount;
}

std::string_view variantName(int variant) {
    return isValidVariant(variant) ? kVariantNames[static_cast<std::size_t>(variant - 1)]
                                   : std::string_view{};
}

bool hasColourLighting(int variant) {
    return variant == 1 || variant == 4;
}

std::string defaultVersionText(int variant) {
    return std::string(variantName(variant)) + ";V2.10";
}

bool isValidVersionText(std::string_view text) {
    if (text.empty() || text.size() > static_cast<std::size_t>(kMaxVersionChars))
        return false;
    if (text.front() == ' ' || text.back() == ' ')
        return false;
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c <= '~'; });
}

std::string versionTextAfterUpdate(std::string_view text, int variant, int major, int minor) {
    std::string number = ";V" + std::to_string(major) + '.' + (minor < 10 ? "0" : "") + std::to_string(minor);
    std::size_t marker = text.find(";V");
    marker = std::min(marker, text.find(";v"));
    std::string prefix = marker == std::string_view::npos ? std::string(variantName(variant))
                                                          : std::string(text.substr(0, marker));
    if (prefix.size() + number.size() > static_cast<std::size_t>(kMaxVersionChars))
        prefix = std::string(variantName(variant));
    return prefix + number;
}
} // namespace VirtualKeyboard

std::string_view failureName(Failure failure) {
    return kFailureNames[static_cast<std::size_t>(failure)];
}

std::optional<Failure> failureFromName(std::string_view name) {
    for (int i = 0; i < kFailureCount; ++i) {
        if (kFailureNames[static_cast<std::size_t>(i)] == name)
            return static_cast<Failure>(i);
    }
    return std::nullopt;
}

std::string describeCountdown(const CallCountdown& countdown) {
    return "call " + std::to_string(countdown.call) + " from now " +
           (countdown.cut ? "finds the keyboard pulled out" : "fails");
}

std::string_view travelModeName(TravelMode mode) {
    return mode == TravelMode::Wave ? "wave" : "idle";
}

std::optional<TravelMode> travelModeFromName(std::string_view name) {
    if (name == "wave")
        return TravelMode::Wave;
    if (name == "idle")
        return TravelMode::Idle;
    return std::nullopt;
}

bool KeyTables::isValidSlot(int table, int key) {
    return table >= 0 && table < VirtualKeyboard::kTableCount && key >= 1 &&
           key <= VirtualKeyboard::kKeyCount;
}

std::size_t KeyTables::slotOf(int table, int key) {
    return static_cast<std::size_t>(table * VirtualKeyboard::kKeyCount + key - 1);
}

const std::vector<int>& KeyTables::at(int table, int key) const {
    return arrays_.at(slotOf(table, key));
}

void KeyTables::set(int table, int key, std::vector<int> values) {
    arrays_.at(slotOf(table, key)) = std::move(values);
}

void KeyTables::clear() {
    for (auto& values : arrays_)
        values.clear();
}

int KeyTables::assignedKeys(int table) const {
    int assigned = 0;
    for (int key = 1; key <= VirtualKeyboard::kKeyCount; ++key) {
        if (!at(table, key).empty())
            ++assigned;
    }
    return assigned;
}

std::size_t KeyTables::totalInts() const {
    return std::accumulate(
        arrays_.begin(), arrays_.end(), std::size_t{0},
        [](std::size_t sum, const std::vector<int>& values) { return sum + values.size(); });
}

VirtualKeyboardState factoryState(int variant, const KeyTables& keys, std::string version) {
    VirtualKeyboardState state;
    state.variant = variant;
    state.version = version.empty() ? VirtualKeyboard::defaultVersionText(variant) : std::move(version);
    state.lights.fill(VirtualKeyboard::hasColourLighting(variant) ? kFactoryColourLight : 0);
    for (std::size_t i = 0; i < state.triggers.size(); ++i)
        state.triggers[i] = kFactoryTrigger[i % 3];
    state.keys = keys;
    return state;
}

std::string StateParseError::describe() const {
    return "line " + std::to_string(line) + ": " + message;
}

namespace {
void appendPerKeyTriples(std::string& out, std::string_view keyword, const AreaValues& values) {
    for (int key = 1; key <= VirtualKeyboard::kKeyCount; ++key) {
        const auto first = static_cast<std::size_t>((key - 1) * 3);
        out += keyword;
        out += ' ' + std::to_string(key);
        for (std::size_t j = 0; j < 3; ++j)
            out += ' ' + std::to_string(values[first + j]);
        out += '\n';
    }
}

std::string failureList(const FailureSet& failures) {
    std::string names;
    for (int i = 0; i < kFailureCount; ++i) {
        if (failures.test(static_cast<std::size_t>(i))) {
            names += ' ';
            names += failureName(static_cast<Failure>(i));
        }
    }
    return names;
}
} // namespace

std::string serialiseVirtualKeyboardState(const VirtualKeyboardState& state) {
    std::string out;
    out += std::string(VirtualKeyboard::kHeaderWord) + ' ' + std::to_string(VirtualKeyboard::kFormatVersion) +
           '\n';
    out += "# The virtual keyboard. Change it with qelec-vkbd; see qelec-vkbd --help.\n";
    out += "variant " + std::to_string(state.variant) + '\n';
    out += "version " + state.version + '\n';
    out += std::string("mac ") + (state.macMode ? "1" : "0") + '\n';
    out += std::string("plugged ") + (state.plugged ? "1" : "0") + '\n';
    out += "fail" + failureList(state.failures) + '\n';
    if (const auto& countdown = state.countdown)
        out += "fail-call " + std::to_string(countdown->call) + (countdown->cut ? " cut " : " fail ") +
               std::to_string(countdown->arming) + '\n';
    out += "transfer-ms " + std::to_string(state.transferMs) + '\n';
    out += "travel " + std::string(travelModeName(state.travel)) + '\n';
    appendPerKeyTriples(out, "light", state.lights);
    appendPerKeyTriples(out, "trigger", state.triggers);
    for (int key = 1; key <= VirtualKeyboard::kKeyCount; ++key)
        out += "count " + std::to_string(key) + ' ' + std::to_string(state.count(key)) + '\n';
    for (int key = 1; key <= VirtualKeyboard::kKeyCount; ++key) {
        const KeyPress& press = state.press(key);
        if (press.times > 0)
            out += "press " + std::to_string(key) + ' ' + std::to_string(press.startMs) + ' ' +
                   std::to_string(press.times) + '\n';
    }
    for (int table = 0; table < VirtualKeyboard::kTableCount; ++table) {
        for (int key = 1; key <= VirtualKeyboard::kKeyCount; ++key) {
            const std::vector<int>& values = state.keys.at(table, key);
            if (values.empty())
                continue;
            out += "key " + std::to_string(table) + ' ' + std::to_string(key);
            for (int value : values)
                out += ' ' + std::to_string(value);
            out += '\n';
        }
    }
    out += "end\n";
    return out;
}
