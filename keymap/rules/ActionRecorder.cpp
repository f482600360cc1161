// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymap/rules/ActionRecorder.h"

#include "keymap/rules/ActionTexts.h"
#include "keymap/rules/HookKeyEvent.h"
#include "model/ActionItem.h"
#include "model/ActionList.h"

#include <algorithm>

namespace {

constexpr int kShift = 16;
constexpr int kLeftShift = 160;
constexpr int kRightShift = 161;
constexpr int kReleaseOffset = 0x200;

int resolvedShiftKey(bool released, ShiftKeyStates now, int& lastLeft, int& lastRight) {
    if (!released)
        return now.left ? kLeftShift : (now.right ? kRightShift : kShift);
    int side = kShift;
    if (int{now.left} != lastLeft)
        side = kLeftShift;
    else if (int{now.right} != lastRight)
        side = kRightShift;
    lastLeft = int{now.left};
    lastRight = int{now.right};
    return side;
}

// Whether event changes a key's held state: a press of a released key or a release of a held one.
// Toggles the state when it does.
bool togglesHeldState(const HookKeyEvent& event, HookBookkeeping& hook) {
    std::uint8_t& held = hook.keyDown[static_cast<std::size_t>(event.virtualKey & 0xFF)];
    if ((held != 0) != event.released)
        return false;
    held = held != 0 ? 0 : 1;
    return true;
}

bool isNewPress(const HookKeyEvent& event, const HookBookkeeping& hook) {
    return !event.released && event.code != hook.lastHookCode;
}

} // namespace

int macroItemLimit(const ActionList& macro) {
    return macro.IsAutoInterval ? kMaxMacroItemsAutomatic : kMaxMacroItemsWithDelays;
}

int recordedDelayMs(std::chrono::steady_clock::time_point previous,
                    std::chrono::steady_clock::time_point now) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now - previous).count();
    return static_cast<int>(std::clamp<long long>(ms, 0, kMaxRecordedDelayMs));
}

HookKeyEvent withShiftSide(const HookKeyEvent& event, ShiftKeyStates now, int& lastLeft, int& lastRight) {
    if (event.virtualKey != kShift)
        return event;
    HookKeyEvent sided = event;
    sided.virtualKey = resolvedShiftKey(event.released, now, lastLeft, lastRight);
    sided.code = sided.virtualKey + (event.released ? kReleaseOffset : 0);
    return sided;
}

int recordComboKey(ActionList& combo, const HookKeyEvent& event, HookBookkeeping& hook,
                   const CConfigStore& store) {
    if (!isNewPress(event, hook) || combo.count() >= kMaxComboKeys)
        return 0;
    combo.setOrAppend(ActionList::kAppend, actionText(store, event.code, false));
    return 1;
}

int recordMacroKey(ActionList& macro, const HookKeyEvent& event, HookBookkeeping& hook,
                   std::chrono::steady_clock::time_point at, const CConfigStore& store) {
    if (!togglesHeldState(event, hook))
        return 0;
    int added = 0;
    if (hook.lastHookTime && !macro.IsAutoInterval && macro.count() < kMaxMacroItemsWithDelays) {
        macro.setOrAppend(ActionList::kAppend, ActionItem::delay(recordedDelayMs(*hook.lastHookTime, at)));
        ++added;
    }
    if (macro.count() < macroItemLimit(macro)) {
        macro.setOrAppend(ActionList::kAppend, actionText(store, event.code, true));
        ++added;
    }
    return added;
}

int recordEmulationKey(ActionList& emulation, const HookKeyEvent& event, HookBookkeeping& hook,
                       const CConfigStore& store) {
    if (!togglesHeldState(event, hook))
        return 0;
    if (!isNewPress(event, hook) || emulation.count() >= kMaxEmulationKeys)
        return 0;
    emulation.setOrAppend(ActionList::kAppend, actionText(store, event.code, false));
    return 1;
}

bool closeMacroRecording(ActionList& macro) {
    if (macro.IsAutoInterval || macro.count() < 1 || macro.count() > kMaxMacroItemsWithDelays - 1)
        return false;
    macro.setOrAppend(ActionList::kAppend, ActionItem::delay(kClosingDelayMs));
    return true;
}

void clearForRecording(ActionList& list) {
    const ActionList settings = list;
    list.clear();
    list.Cycles = settings.Cycles;
    list.IsAutoInterval = settings.IsAutoInterval;
    list.Delay = settings.Delay;
    list.PlayMode = settings.PlayMode;
}
