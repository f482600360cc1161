// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class KeyAssignmentHost;
struct HookKeyEvent;

// Page 1's single key: the single and combination radios, capturing a key from the keyboard (the last
// key pressed wins, until the next click anywhere), picking it on the virtual keyboard, and the label
// that names it.
class KeyAssignmentSinglePage {
public:
    explicit KeyAssignmentSinglePage(KeyAssignmentHost& host) : host_(host) {}

    // Runs the command of id; false when id is not one of this page's.
    bool runCommand(int id);
    bool isCapturing() const { return capturing_; }
    // Ends a running capture; the key captured last stays chosen.
    void stopCapture();
    // A key event from the hook while capturing.
    void onHookKey(const HookKeyEvent& event);
    // Radios, capture button and labels as the choice and the capture stand.
    void prepareLooks();

private:
    void toggleMode();
    void toggleCapture();
    void pickOnVirtualKeyboard();

    KeyAssignmentHost& host_;
    bool capturing_ = false;
};
