// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymap/KeyAssignmentSinglePage.h"

#include "keymap/KeyAssignmentHost.h"
#include "keymap/rules/ActionTexts.h"
#include "keymap/rules/HookKeyEvent.h"
#include "keymap/rules/KeyAssignmentChoice.h"
#include "keymap/rules/KeyAssignmentControls.h"
#include "keymap/rules/VirtualKeyPicks.h"
#include "model/ConfigStore.h"
#include "ui/SkinnedWindow.h"

#include <cstdio>

using enum KeyAssignmentControlId;

bool KeyAssignmentSinglePage::runCommand(int id) {
    switch (static_cast<KeyAssignmentControlId>(id)) {
    case SingleRadio:
    case ComboRadio:
        toggleMode();
        return true;
    case Capture:
        if (host_.choice().singleMode)
            toggleCapture();
        return true;
    case PickSingleKey:
        if (host_.choice().singleMode)
            pickOnVirtualKeyboard();
        return true;
    default:
        return false;
    }
}

// Either radio switches to the other mode: each stands for its mode being on.
void KeyAssignmentSinglePage::toggleMode() {
    KeyAssignmentChoice& choice = host_.choice();
    setSingleMode(choice, !choice.singleMode);
    host_.repaintWindow();
}

void KeyAssignmentSinglePage::toggleCapture() {
    if (capturing_) {
        stopCapture();
        return;
    }
    capturing_ = true;
    host_.listenToKeyboard();
    host_.repaintEntry(Capture);
}

void KeyAssignmentSinglePage::stopCapture() {
    if (!capturing_)
        return;
    capturing_ = false;
    host_.stopListening();
    host_.repaintEntry(Capture);
}

void KeyAssignmentSinglePage::onHookKey(const HookKeyEvent& event) {
    if (!capturing_ || event.released || event.code == host_.hookBookkeeping().lastHookCode)
        return;
    CConfigStore& store = host_.keyStore();
    const int keyIndex = singleKeyOfEvent(store, event.code);
    host_.choice().singleKeyIndex = keyIndex;
    host_.repaintEntry(KeyName);
    if (keyIndex == event.code)
        return;
    char text[64];
    std::snprintf(text, sizeof text, "a=%d, b=%d, c=%d", event.code, codeOfKeyIndex(store, event.code),
                  keyIndex);
    host_.showText(text);
}

void KeyAssignmentSinglePage::pickOnVirtualKeyboard() {
    stopCapture();
    KeyAssignmentChoice& choice = host_.choice();
    CConfigStore& store = host_.keyStore();
    store.virtualKeyState[0] = choice.singleKeyIndex < 0 ? -1 : codeOfKeyIndex(store, choice.singleKeyIndex);
    if (host_.pickOnVirtualKeyboard(kPickOneKey) != SkinnedWindow::kResultOk)
        return;
    choice.singleKeyIndex = keyIndexOfCode(store, store.virtualKeyState[0]);
    host_.repaintEntry(KeyName);
}

void KeyAssignmentSinglePage::prepareLooks() {
    const KeyAssignmentChoice& choice = host_.choice();
    host_.entry(SingleRadio).selected = choice.singleMode;
    host_.entry(SingleLabel).selected = choice.singleMode;
    host_.entry(ComboRadio).selected = !choice.singleMode;
    host_.entry(ComboLabel).selected = !choice.singleMode;
    host_.entry(Capture).selected = capturing_;
    host_.entry(CaptureLabel).visible = !capturing_;
    host_.entry(StopCaptureLabel).visible = capturing_;
    const std::string name = actionText(host_.keyStore(), choice.singleKeyIndex, false);
    host_.entry(KeyName).captions = {{"zh-CN", name}, {"en-US", name}};
}
