// SPDX-License-Identifier: GPL-3.0-or-later
// Reads arbitrary text as qelec-ctl's command line reads a key selection, a colour or a length in
// millimetres; the first byte picks which, and the keyboard variant for keys. Whatever reads must be
// well formed (keys ascending, each once, 1 to 85; components 0 to 255; a length of at least 0) and
// read back the same from its own plain form.
#include "tools/cli/KeySelection.h"
#include "tools/ctl/ColourText.h"
#include "tools/ctl/Millimetres.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kKeys = 85;

void checkKeys(const std::string& text, int variant) {
    const KeySelection selection = parseKeySelection(text, variant);
    if (selection.ok() == selection.keys.empty())
        std::abort();
    if (!selection.ok())
        return;
    if (!std::ranges::is_sorted(selection.keys) ||
        std::ranges::adjacent_find(selection.keys) != selection.keys.end() || selection.keys.front() < 1 ||
        selection.keys.back() > kKeys)
        std::abort();
    std::string numbers;
    for (const int key : selection.keys)
        numbers += (numbers.empty() ? "" : ",") + std::to_string(key);
    if (parseKeySelection(numbers, variant).keys != selection.keys)
        std::abort();
}

void checkColour(const std::string& text) {
    const std::optional<Rgb> colour = parseColourText(text);
    if (!colour)
        return;
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", redOf(*colour), greenOf(*colour), blueOf(*colour));
    if (parseColourText(hex) != colour)
        std::abort();
}

void checkMillimetres(const std::string& text) {
    const std::optional<int> tenths = parseTenthsOfMillimetre(text);
    if (!tenths)
        return;
    if (*tenths < 0)
        std::abort();
    if (parseTenthsOfMillimetre(std::to_string(*tenths / 10) + "." + std::to_string(*tenths % 10) + "mm") !=
        tenths)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 3) {
    case 0:
        checkKeys(text, 1 + data[0] / 3 % 4);
        break;
    case 1:
        checkColour(text);
        break;
    default:
        checkMillimetres(text);
        break;
    }
    return 0;
}
