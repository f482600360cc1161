// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/AssignmentDescription.h"

#include "keymap/rules/ActionTexts.h"
#include "model/ConfigStore.h"
#include "tools/ctl/ActionsComparison.h"

namespace {

bool holdsActions(int kind) {
    return kind == kKindCombo || kind == kKindMacro || kind == kKindEmulation;
}

std::string counted(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string repetition(const ActionList& actions) {
    switch (actions.PlayMode) {
    case 0:
        return actions.Cycles == 1 ? "plays once" : "plays " + std::to_string(actions.Cycles) + " times";
    case 1:
        return "plays while held";
    case 2:
        return "each press starts or stops it";
    default:
        return "play mode " + std::to_string(actions.PlayMode);
    }
}

std::string spacing(int delay) {
    return std::to_string(delay) + " ms apart";
}

const ActionList& libraryOf(const CConfigStore& store, int kind) {
    switch (kind) {
    case kKindCombo:
        return store.predefinedCombos;
    case kKindMacro:
        return store.predefinedMacros;
    default:
        return store.predefinedEmulations;
    }
}

// The name of the first library entry that plays the same as actions, or nothing.
std::string entryNameOf(const CConfigStore& store, int kind, const ActionList& actions) {
    const ActionList& library = libraryOf(store, kind);
    for (std::size_t i = 0; i < library.children().size(); ++i) {
        if (sameActions(kind, library.children()[i], actions))
            return library.items()[i];
    }
    return {};
}

std::string describeActions(const CConfigStore& store, int slot, int table, const std::string& kindName) {
    const int kind = store.keyKind[slot][table];
    const ActionList& actions = store.keyActions[slot][table];
    std::string text = kindName;
    if (const std::string name = entryNameOf(store, kind, actions); !name.empty())
        text += " \"" + name + "\"";
    text += " (" + actionsOutline(kind, actions) + ")";
    if (const std::string summary = assignmentSummary(store, slot, table); !summary.empty())
        text += ": " + summary;
    return text;
}

} // namespace

std::string macroPlaySettings(const ActionList& actions) {
    return repetition(actions) + ", " + (actions.IsAutoInterval ? spacing(actions.Delay) : "recorded delays");
}

std::string actionsOutline(int kind, const ActionList& actions) {
    switch (kind) {
    case kKindMacro:
        return counted(actions.count(), "item", "items") + ", " + macroPlaySettings(actions);
    case kKindEmulation:
        return counted(actions.count(), "key", "keys") + ", " + spacing(actions.Delay);
    default:
        return counted(actions.count(), "key", "keys");
    }
}

std::string libraryName(int kind) {
    switch (kind) {
    case kKindCombo:
        return "combo";
    case kKindMacro:
        return "macro";
    default:
        return "emulation";
    }
}

std::string describeAssignment(const CConfigStore& store, int slot, int table) {
    const int kind = store.keyKind[slot][table];
    const std::string kindName =
        kind >= 0 && kind < kKindCount ? store.kindNamesEn[kind] : "kind " + std::to_string(kind);
    if (holdsActions(kind))
        return describeActions(store, slot, table, kindName);
    const std::string summary = assignmentSummary(store, slot, table);
    return summary.empty() ? kindName : kindName + " " + summary;
}
