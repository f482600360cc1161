// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymap/rules/ActionTexts.h"

#include "model/ActionItem.h"
#include "model/ConfigStore.h"

#include <string_view>

namespace {

constexpr std::size_t kMacroSummaryLimit = 120;
constexpr std::string_view kMacroCut = " ... ...";

// Lists are read by absolute index: their item(i) counts from the first row in view.
std::string joined(const ActionList& list, std::string_view separator) {
    std::string text;
    for (std::size_t i = 0; i < list.items().size(); ++i) {
        if (i > 0)
            text += separator;
        text += list.items()[i];
    }
    return text;
}

std::string macroSummary(const ActionList& list) {
    std::string text;
    for (std::size_t i = 0; i < list.items().size(); ++i) {
        if (i > 0)
            text += ',';
        text += shortenedMacroItem(list.items()[i]);
        if (text.size() > kMacroSummaryLimit) {
            text += kMacroCut;
            break;
        }
    }
    return text;
}

bool inRange(int value, int count) {
    return value >= 0 && value < count;
}

} // namespace

std::string actionText(const CConfigStore& store, int code, bool withSuffix) {
    return store.keyEventName(code, withSuffix);
}

std::string shortenedMacroItem(const std::string& item) {
    if (ActionItem::isBracketedDelay(item))
        return std::string(ActionItem::delayNumberText(item));
    return std::string(ActionItem::keyOfEvent(item).value_or(item));
}

std::string assignmentSummary(const CConfigStore& store, int slot, int table) {
    if (!inRange(slot, kKeySlots) || !inRange(table, kTables))
        return {};
    const auto s = static_cast<std::size_t>(slot);
    const auto t = static_cast<std::size_t>(table);
    const ActionList& actions = store.keyActions[s][t];
    switch (store.keyKind[s][t]) {
    case kKindCombo:
    case kKindEmulation:
        return joined(actions, " | ");
    case kKindMacro:
        return macroSummary(actions);
    case kKindSingle:
    case kKindMultimedia:
    case kKindMouse:
    case kKindFunction:
    case kKindPower:
        return store.codeToName(store.keyCode[s][t]);
    default:
        return {};
    }
}
