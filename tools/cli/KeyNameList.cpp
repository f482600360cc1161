// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cli/KeyNameList.h"

#include "model/ConfigStore.h"
#include "model/KeyboardVariant.h"
#include "tools/cli/CommandTable.h"
#include "tools/cli/KeyLegends.h"
#include "tools/cli/KeySelection.h"
#include "tools/cli/TextWords.h"
#include "tools/cli/WordWrap.h"

#include <algorithm>
#include <map>
#include <vector>

namespace {

constexpr int kListedVariant = KeyboardVariant::kRgb;
constexpr std::size_t kIndent = 2;
constexpr std::size_t kGap = 2;

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string padded(std::string text, std::size_t width) {
    text.resize(std::max(text.size(), width), ' ');
    return text;
}

std::string keyGrid(std::size_t width) {
    std::size_t legendWidth = 0;
    for (int key = kFirstKey; key <= kLastKey; ++key)
        legendWidth = std::max(legendWidth, KeyLegends::keyLegend(kListedVariant, key).size());
    const std::size_t numberWidth = std::to_string(kLastKey).size();
    const std::size_t cell = numberWidth + 1 + legendWidth + kGap;
    const std::size_t columns = std::max<std::size_t>(1, (width - kIndent + kGap) / cell);
    std::string grid;
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        const bool rowStart = static_cast<std::size_t>(key - kFirstKey) % columns == 0;
        const bool rowEnd = key == kLastKey || static_cast<std::size_t>(key - kFirstKey + 1) % columns == 0;
        const std::string number = std::to_string(key);
        std::string entry = std::string(numberWidth - number.size(), ' ') + number + ' ' +
                            KeyLegends::keyLegend(kListedVariant, key);
        grid += (rowStart ? std::string(kIndent, ' ') : "") + (rowEnd ? entry + "\n" : padded(entry, cell));
    }
    return grid;
}

// "QelEC(S) (variant 3): key 14 is X" for every key whose legend differs from the listed variant's.
std::vector<std::string> variantDifferences() {
    std::vector<std::string> notes;
    for (int variant = KeyboardVariant::kRgbBle; variant <= KeyboardVariant::kRgb; ++variant) {
        std::string keys;
        for (int key = kFirstKey; key <= kLastKey; ++key) {
            const std::string legend = KeyLegends::keyLegend(variant, key);
            if (legend != KeyLegends::keyLegend(kListedVariant, key))
                keys += (keys.empty() ? "" : ", ") + ("key " + std::to_string(key) + " is " + legend);
        }
        if (!keys.empty())
            notes.push_back(std::string(KeyboardVariant::name(variant)) + " (variant " +
                            std::to_string(variant) + "): " + keys);
    }
    return notes;
}

std::string heading(bool variantsAlike) {
    const std::string variants = variantsAlike ? "the same on all four variants"
                                               : "on " + std::string(KeyboardVariant::name(kListedVariant)) +
                                                     ", other variants as noted";
    return "key names (the keyboard view's legends, " + variants + "):\n";
}

// "Shift (61, 72), Ctrl (75, 82) ..." for every legend that more than one key carries, in the order
// of their first keys.
std::string sharedLegends() {
    std::map<std::string, std::vector<int>> keysByLegend;
    std::vector<std::string> legends;
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        const std::string legend = KeyLegends::keyLegend(kListedVariant, key);
        std::vector<int>& keys = keysByLegend[lowerCase(legend)];
        if (keys.empty())
            legends.push_back(legend);
        keys.push_back(key);
    }
    std::vector<std::string> shared;
    for (const std::string& legend : legends) {
        const std::vector<int>& keys = keysByLegend[lowerCase(legend)];
        if (keys.size() < 2)
            continue;
        std::string numbers;
        for (int key : keys)
            numbers += (numbers.empty() ? "" : ", ") + std::to_string(key);
        shared.push_back(legend + " (" + numbers + ")");
    }
    if (shared.empty())
        return {};
    return joinedAsList(shared) + " are each on more than one key: give such a key by its number.";
}

// "The legends 1 to 0 read as key numbers: give those keys by theirs (keys 18-27)."
std::string digitLegends() {
    std::vector<int> keys;
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        if (allDigits(KeyLegends::keyLegend(kListedVariant, key)))
            keys.push_back(key);
    }
    if (keys.empty())
        return {};
    return "The legends " + KeyLegends::keyLegend(kListedVariant, keys.front()) + " to " +
           KeyLegends::keyLegend(kListedVariant, keys.back()) +
           " read as key numbers: give those keys by theirs (" + describeKeySelection(keys) + ").";
}

} // namespace

std::string keyNameListText(std::size_t width) {
    const std::vector<std::string> differences = variantDifferences();
    std::string text = heading(differences.empty()) + keyGrid(width);
    for (const std::string& note : differences)
        text += wrapped(note, kIndent, kIndent, width);
    std::string notes = "Every command prints keys by these names and takes them in any case.";
    for (const std::string& note : {sharedLegends(), digitLegends()})
        notes += note.empty() ? "" : " " + note;
    return text + wrapped(notes, kIndent, kIndent, width);
}
