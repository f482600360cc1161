// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymap/rules/VirtualKeyPicks.h"

#include "model/ConfigStore.h"

#include <algorithm>

namespace {

constexpr std::size_t kCountSlot = 7;

std::size_t pickSlot(int pick) {
    return static_cast<std::size_t>(1 + pick);
}

struct DisplayPrefix {
    const char* language;
    const char* single;
    const char* combination;
};
constexpr DisplayPrefix kPrefixes[] = {
    {"zh-CN", "单键：", "组合键："},
    {"en-US", "Single:", "Combo:"},
};

} // namespace

void clearPicks(VirtualKeyState& state) {
    std::fill(state.begin() + 1, state.end(), 0);
}

int pickCount(const VirtualKeyState& state) {
    return std::clamp(state[kCountSlot], 0, kMostPicks);
}

bool addPick(VirtualKeyState& state, int code) {
    const int count = pickCount(state);
    if (count >= kMostPicks)
        return false;
    state[pickSlot(count)] = code;
    state[kCountSlot] = count + 1;
    return true;
}

void removePick(VirtualKeyState& state, int code) {
    const int count = pickCount(state);
    for (int pick = 0; pick < count; ++pick) {
        if (state[pickSlot(pick)] != code)
            continue;
        for (int later = pick; later + 1 < count; ++later)
            state[pickSlot(later)] = state[pickSlot(later + 1)];
        state[pickSlot(count - 1)] = 0;
        state[kCountSlot] = count - 1;
        return;
    }
}

std::string pickDisplayLine(const CConfigStore& store, int mode) {
    const auto prefix = std::find_if(std::begin(kPrefixes), std::end(kPrefixes), [&store](const auto& entry) {
        return store.language == entry.language;
    });
    if (prefix == std::end(kPrefixes))
        return {};
    const VirtualKeyState& state = store.virtualKeyState;
    if (mode != kPickCombination)
        return prefix->single + store.codeToName(state[0]);
    std::string line = prefix->combination + store.codeToName(state[pickSlot(0)]);
    for (int pick = 1; pick < pickCount(state); ++pick)
        line += "+" + store.codeToName(state[pickSlot(pick)]);
    return line;
}
