// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/ColourText.h"

#include "tools/cli/TextWords.h"
#include "tools/cli/WholeNumber.h"

#include <array>
#include <charconv>

namespace {

std::optional<Rgb> hexColour(std::string_view text) {
    if (!text.empty() && text.front() == '#')
        text.remove_prefix(1);
    if (text.size() != 6)
        return std::nullopt;
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return static_cast<Rgb>(value);
}

std::optional<int> component(std::string_view text) {
    text = trimmed(text);
    if (text.size() > 3)
        return std::nullopt;
    const auto value = parseWholeNumber(text, 0, 255);
    return value ? std::optional<int>(static_cast<int>(*value)) : std::nullopt;
}

std::optional<Rgb> decimalColour(std::string_view text) {
    std::array<int, 3> parts{};
    for (std::size_t part = 0; part < parts.size(); ++part) {
        const std::size_t comma = text.find(',');
        const bool last = part + 1 == parts.size();
        if ((comma == std::string_view::npos) != last)
            return std::nullopt;
        const std::optional<int> value = component(text.substr(0, comma));
        if (!value)
            return std::nullopt;
        parts[part] = *value;
        if (!last)
            text.remove_prefix(comma + 1);
    }
    return rgb(parts[0], parts[1], parts[2]);
}

} // namespace

std::optional<Rgb> parseColourText(std::string_view text) {
    text = trimmed(text);
    if (text.find(',') != std::string_view::npos)
        return decimalColour(text);
    return hexColour(text);
}
