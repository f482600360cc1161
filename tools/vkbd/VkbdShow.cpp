// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/vkbd/VkbdCommands.h"

#include <numeric>
#include <sstream>

namespace {
void row(std::ostringstream& out, std::string_view label, const std::string& value) {
    out << "  " << label << std::string(15 - label.size(), ' ') << value << '\n';
}

// "all 8 20 0" when every key holds the same three values, else how many keys differ from key 1.
std::string areaText(const AreaValues& area) {
    int differing = 0;
    for (std::size_t i = 3; i < area.size(); i += 3) {
        if (area[i] != area[0] || area[i + 1] != area[1] || area[i + 2] != area[2])
            ++differing;
    }
    const std::string first =
        std::to_string(area[0]) + ' ' + std::to_string(area[1]) + ' ' + std::to_string(area[2]);
    if (differing == 0)
        return "all " + first;
    return "key 1 " + first + ", " + std::to_string(differing) + " keys differ";
}

std::string countText(const VirtualKeyboardState& state) {
    long long total = 0;
    std::string pressed;
    for (int key = 1; key <= VirtualKeyboard::kKeyCount; ++key) {
        const int count = state.count(key);
        total += count;
        if (count > 0)
            pressed +=
                (pressed.empty() ? "" : ", ") + ("key " + std::to_string(key) + ": ") + std::to_string(count);
    }
    if (total == 0)
        return "none";
    return std::to_string(total) + " in all (" + pressed + ")";
}

std::string keyTableText(const VirtualKeyboardState& state) {
    std::string text;
    for (int table = 0; table < VirtualKeyboard::kTableCount; ++table)
        text += (table == 0 ? "" : "  ") + std::to_string(table) + ':' +
                std::to_string(state.keys.assignedKeys(table));
    return text + "  (keys set per table)";
}
} // namespace

std::string failuresText(const VirtualKeyboardState& state) {
    std::string text;
    for (int i = 0; i < kFailureCount; ++i) {
        if (state.fails(static_cast<Failure>(i)))
            text += (text.empty() ? "" : " ") + std::string(failureName(static_cast<Failure>(i)));
    }
    if (state.countdown)
        text += (text.empty() ? "" : ", ") + describeCountdown(*state.countdown);
    return text;
}

std::string describeState(const VirtualKeyboardState& state, const std::string& path,
                          std::string_view owner) {
    std::ostringstream out;
    out << "virtual keyboard at " << path << '\n';
    row(out, "variant",
        std::to_string(state.variant) + ' ' + std::string(VirtualKeyboard::variantName(state.variant)));
    row(out, "version", state.version);
    row(out, "mode", state.macMode ? "Mac" : "Windows");
    row(out, "plugged", state.plugged ? "yes" : "no");
    row(out, "owner", std::string(owner));
    const std::string failures = failuresText(state);
    row(out, "failures", failures.empty() ? "none" : failures);
    row(out, "transfer time", std::to_string(state.transferMs) + " ms");
    row(out, "travel", std::string(travelModeName(state.travel)));
    row(out, "lights", areaText(state.lights));
    row(out, "triggers", areaText(state.triggers));
    row(out, "press counts", countText(state));
    row(out, "key tables", keyTableText(state));
    return out.str();
}
