// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/KeyAssignmentCodec.h"

#include "model/ActionItem.h"
#include "model/KeyFunctionCatalogue.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kRecordKeys = 0;
constexpr int kRecordEmulation = 1;
constexpr int kRecordMacro = 2;
constexpr int kDoubleClickCode = 199;
constexpr int kLeftButtonCode = 130;

void appendItemCodes(const KeyFunctionCatalogue& catalogue, const ActionList& actions,
                     std::vector<int>& array) {
    for (const std::string& item : actions.items())
        array.push_back(catalogue.nameToCode(item));
}

std::vector<int> encodeCombo(const KeyFunctionCatalogue& catalogue, const ActionList& actions) {
    std::vector<int> array{kRecordKeys, actions.count()};
    appendItemCodes(catalogue, actions, array);
    return array;
}

std::vector<int> encodeMacro(const KeyFunctionCatalogue& catalogue, const ActionList& actions) {
    // Items out of their places would send keys as delays and delays as keys: such a list is refused.
    if (!assignmentProblem(kKindMacro, actions).empty())
        return {};
    const int n = actions.count();
    std::vector<int> array{kRecordMacro,
                           actions.PlayMode,
                           actions.PlayMode == 0 ? actions.Cycles : 0,
                           actions.IsAutoInterval ? 0 : 1,
                           actions.IsAutoInterval ? actions.Delay : 0,
                           actions.IsAutoInterval ? n : (n + 1) / 2};
    appendItemCodes(catalogue, actions, array);
    return array;
}

std::vector<int> encodeEmulation(const KeyFunctionCatalogue& catalogue, const ActionList& actions) {
    std::vector<int> array{kRecordEmulation, actions.Delay, actions.count()};
    appendItemCodes(catalogue, actions, array);
    return array;
}

// The number of items a count at array[countAt] announces, bounded by what array holds from first
// on, taking every stride-th element.
int boundedCount(std::span<const int> array, std::size_t countAt, std::size_t first, std::size_t stride = 1) {
    if (array.size() <= countAt || array[countAt] <= 0)
        return 0;
    const std::size_t available = array.size() > first ? (array.size() - first + stride - 1) / stride : 0;
    return static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(array[countAt]), available));
}

int kindOfSingleCode(int code) {
    if (code == 157 || code == 158 || code == 173)
        return kKindMouse;
    if (code >= 108 && code <= 125)
        return kKindMultimedia;
    if (code >= 126 && code <= 134)
        return kKindMouse;
    if ((code >= 135 && code <= 197) || code == 203 || (code >= 205 && code <= 209))
        return kKindFunction;
    if (code >= 75 && code <= 77)
        return kKindPower;
    return kKindSingle;
}

DecodedKeyAssignment decodeKeyCodes(const KeyFunctionCatalogue& catalogue, std::span<const int> array) {
    DecodedKeyAssignment key;
    const int n = boundedCount(array, 1, 2);
    if (n == 0)
        return key;
    if (n == 1 && array[1] == 1) {
        key.code = array[2];
        key.kind = kindOfSingleCode(array[2]);
        return key;
    }
    if (n == 2 && array[1] == 2 && array[2] == kLeftButtonCode && array[3] == kLeftButtonCode) {
        key.code = kDoubleClickCode;
        key.kind = kKindMouse;
        return key;
    }
    ActionList actions(6);
    for (int i = 0; i < n; ++i)
        actions.setOrAppend(ActionList::kAppend,
                            catalogue.codeToName(array[2 + static_cast<std::size_t>(i)]));
    key.kind = kKindCombo;
    key.actions = std::move(actions);
    return key;
}

DecodedKeyAssignment decodeEmulation(const KeyFunctionCatalogue& catalogue, std::span<const int> array) {
    DecodedKeyAssignment key;
    const int n = boundedCount(array, 2, 3);
    if (n == 0)
        return key;
    ActionList actions(9);
    actions.Delay = array[1];
    for (int i = 0; i < n; ++i)
        actions.setOrAppend(ActionList::kAppend,
                            catalogue.codeToName(array[3 + static_cast<std::size_t>(i)]));
    key.kind = kKindEmulation;
    key.actions = std::move(actions);
    return key;
}

DecodedKeyAssignment decodeMacro(const KeyFunctionCatalogue& catalogue, std::span<const int> array) {
    DecodedKeyAssignment key;
    if (array.size() < 6)
        return key;
    ActionList actions(9);
    actions.PlayMode = array[1];
    actions.Cycles = array[2];
    actions.IsAutoInterval = array[3] == 0;
    actions.Delay = array[4];
    // With recorded delays the items alternate key event, delay, key event, ...
    const int n = actions.IsAutoInterval ? boundedCount(array, 5, 6) : boundedCount(array, 5, 6, 2);
    if (n == 0)
        return key;
    for (int i = 0; i < n; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (actions.IsAutoInterval) {
            actions.setOrAppend(ActionList::kAppend, catalogue.codeToName(array[6 + at]));
            continue;
        }
        if (i > 0)
            actions.setOrAppend(ActionList::kAppend, ActionItem::delay(array[5 + 2 * at]));
        actions.setOrAppend(ActionList::kAppend, catalogue.codeToName(array[6 + 2 * at]));
    }
    // A recording's closing delay travels after its last key event; the count of key events leaves it
    // out, but the keyboard keeps it, so it is read back where the array holds all the key events it
    // announces and exactly that one more.
    const auto withClosingDelay = 6 + 2 * static_cast<std::size_t>(n);
    if (!actions.IsAutoInterval && n == array[5] && array.size() == withClosingDelay)
        actions.setOrAppend(ActionList::kAppend, ActionItem::delay(array[withClosingDelay - 1]));
    key.kind = kKindMacro;
    key.actions = std::move(actions);
    return key;
}

} // namespace

std::string assignmentProblem(int kind, const ActionList& actions) {
    if (kind != kKindMacro)
        return {};
    const std::vector<std::string>& items = actions.items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const bool delay = ActionItem::isDelay(items[i]);
        // With recorded delays the items alternate key event, delay entry, key event, ...
        const bool delayWanted = !actions.IsAutoInterval && i % 2 == 1;
        if (delay == delayWanted)
            continue;
        const std::string item = "macro item " + std::to_string(i + 1) + " (\"" + items[i] + "\")";
        if (actions.IsAutoInterval)
            return item + " is a delay entry in a macro with an automatic delay";
        return item + (delayWanted ? " should be a delay entry" : " should be a key event") +
               ", as recorded delays alternate key and delay";
    }
    return {};
}

std::vector<int> encodeKeyAssignment(const KeyFunctionCatalogue& catalogue, int kind, int code,
                                     const ActionList& actions) {
    switch (kind) {
    case kKindCombo:
        return encodeCombo(catalogue, actions);
    case kKindMacro:
        return encodeMacro(catalogue, actions);
    case kKindEmulation:
        return encodeEmulation(catalogue, actions);
    case kKindMouse:
        if (code == kDoubleClickCode)
            return {kRecordKeys, 2, kLeftButtonCode, kLeftButtonCode};
        return {kRecordKeys, 1, code};
    case kKindSingle:
    case kKindMultimedia:
    case kKindFunction:
    case kKindPower:
        return {kRecordKeys, 1, code};
    default:
        return {};
    }
}

DecodedKeyAssignment decodeKeyAssignment(const KeyFunctionCatalogue& catalogue, std::span<const int> array) {
    if (array.empty())
        return {};
    switch (array[0]) {
    case kRecordKeys:
        return decodeKeyCodes(catalogue, array);
    case kRecordEmulation:
        return decodeEmulation(catalogue, array);
    case kRecordMacro:
        return decodeMacro(catalogue, array);
    default:
        return {};
    }
}
