// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cli/KeySelection.h"

#include "model/ConfigStore.h"
#include "tools/cli/KeyLegends.h"
#include "tools/cli/TextWords.h"

#include <algorithm>
#include <optional>

namespace {

std::string quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

// One key, or why the text is none.
struct OneKey {
    int key = 0;
    std::string error;
};

std::vector<int> keysWithLegend(std::string_view legend, int variant) {
    std::vector<int> keys;
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        if (sameIgnoringCase(KeyLegends::keyLegend(variant, key), legend))
            keys.push_back(key);
    }
    return keys;
}

std::string numberList(const std::vector<int>& keys) {
    std::string text;
    for (std::size_t k = 0; k < keys.size(); ++k) {
        if (k > 0)
            text += k + 1 == keys.size() ? " and " : ", ";
        text += std::to_string(keys[k]);
    }
    return text;
}

// Leading zeros say nothing: "007" is key 7.
std::optional<OneKey> keyByNumber(std::string_view text) {
    if (!allDigits(text))
        return std::nullopt;
    std::string_view digits = text;
    while (digits.size() > 1 && digits.front() == '0')
        digits.remove_prefix(1);
    const int number = digits.size() > 2 ? kLastKey + 1 : std::stoi(std::string(digits));
    if (number < kFirstKey || number > kLastKey)
        return OneKey{0, "there is no key " + std::string(text) + ": keys are numbered 1 to 85"};
    return OneKey{number, {}};
}

std::optional<OneKey> keyByLegend(std::string_view text, int variant) {
    const std::vector<int> keys = keysWithLegend(text, variant);
    if (keys.empty())
        return std::nullopt;
    if (keys.size() > 1)
        return OneKey{0, quoted(text) + " names keys " + numberList(keys) + "; give the number of one"};
    return OneKey{keys.front(), {}};
}

OneKey oneKey(std::string_view text, int variant) {
    if (auto byNumber = keyByNumber(text))
        return *byNumber;
    if (auto byLegend = keyByLegend(text, variant))
        return *byLegend;
    return {0, quoted(text) + " is not a key: give numbers 1 to 85, ranges such as 1-16, or names as the "
                              "keyboard shows them (Esc, W, Caps Lock)"};
}

// A range "first-last" of two keys; nothing when the item has no '-' between two parts.
std::optional<KeySelection> keyRange(std::string_view item, int variant) {
    const std::size_t dash = item.find('-', 1);
    if (dash == std::string_view::npos || dash + 1 >= item.size())
        return std::nullopt;
    const OneKey first = oneKey(trimmed(item.substr(0, dash)), variant);
    if (!first.error.empty())
        return KeySelection{{}, first.error};
    const OneKey last = oneKey(trimmed(item.substr(dash + 1)), variant);
    if (!last.error.empty())
        return KeySelection{{}, last.error};
    if (last.key < first.key)
        return KeySelection{{},
                            "the range " + quoted(item) + " runs backwards: key " +
                                std::to_string(first.key) + " comes after key " + std::to_string(last.key)};
    KeySelection range;
    for (int key = first.key; key <= last.key; ++key)
        range.keys.push_back(key);
    return range;
}

KeySelection itemKeys(std::string_view item, int variant) {
    if (item.empty())
        return {{}, "an empty key between commas"};
    if (sameIgnoringCase(item, "all"))
        return itemKeys("1-85", variant);
    // A whole item that is a key's number or legend wins over a range, so "-" is the minus key.
    if (keyByNumber(item) || keyByLegend(item, variant)) {
        const OneKey key = oneKey(item, variant);
        return key.error.empty() ? KeySelection{{key.key}, {}} : KeySelection{{}, key.error};
    }
    if (auto range = keyRange(item, variant))
        return *range;
    return {{}, oneKey(item, variant).error};
}

} // namespace

KeySelection parseKeySelection(std::string_view text, int variant) {
    if (trimmed(text).empty())
        return {{},
                "no keys given: give all, key numbers 1 to 85, ranges such as 1-16, or names as the "
                "keyboard shows them (Esc, W, Caps Lock)"};
    KeySelection selection;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string_view item = trimmed(
            text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        KeySelection part = itemKeys(item, variant);
        if (!part.ok())
            return {{}, part.error};
        selection.keys.insert(selection.keys.end(), part.keys.begin(), part.keys.end());
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    std::sort(selection.keys.begin(), selection.keys.end());
    selection.keys.erase(std::unique(selection.keys.begin(), selection.keys.end()), selection.keys.end());
    return selection;
}

std::string describeKeySelection(const std::vector<int>& keys) {
    if (static_cast<int>(keys.size()) == kLastKey)
        return "all keys";
    std::string text;
    const std::string prefix = keys.size() == 1 ? "key " : "keys ";
    for (std::size_t first = 0; first < keys.size();) {
        std::size_t last = first;
        while (last + 1 < keys.size() && keys[last + 1] == keys[last] + 1)
            ++last;
        text += (text.empty() ? "" : ", ") + std::to_string(keys[first]);
        if (last > first)
            text += "-" + std::to_string(keys[last]);
        first = last + 1;
    }
    return prefix + text;
}
