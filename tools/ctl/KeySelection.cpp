#include "tools/ctl/KeySelection.h"

#include "model/ConfigStore.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <string_view>

namespace {

std::optional<int> keyNumber(std::string_view text) {
    int key = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), key);
    if (error != std::errc{} || end != text.data() + text.size() || key < kFirstKey || key > kLastKey)
        return std::nullopt;
    return key;
}

// Adds the keys of one item, a number or a range "from-to"; false when it is neither.
bool addItem(std::string_view item, std::set<int>& keys) {
    const std::size_t dash = item.find('-');
    if (dash == std::string_view::npos) {
        const auto key = keyNumber(item);
        if (key)
            keys.insert(*key);
        return key.has_value();
    }
    const auto from = keyNumber(item.substr(0, dash));
    const auto to = keyNumber(item.substr(dash + 1));
    if (!from || !to || *from > *to)
        return false;
    for (int key = *from; key <= *to; ++key)
        keys.insert(key);
    return true;
}

} // namespace

std::optional<std::vector<int>> parseKeySelection(const std::string& text) {
    std::set<int> keys;
    if (text == "all") {
        for (int key = kFirstKey; key <= kLastKey; ++key)
            keys.insert(key);
        return std::vector<int>(keys.begin(), keys.end());
    }
    std::string_view rest = text;
    while (true) {
        const std::size_t comma = rest.find(',');
        if (!addItem(rest.substr(0, comma), keys))
            return std::nullopt;
        if (comma == std::string_view::npos)
            break;
        rest.remove_prefix(comma + 1);
    }
    return std::vector<int>(keys.begin(), keys.end());
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
