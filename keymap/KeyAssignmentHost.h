// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/SkinControl.h"
#include "keymap/rules/KeyAssignmentControls.h"

#include <QRect>

#include <string>
#include <vector>

class CConfigStore;
class SharedResources;
class QWidget;
struct HookBookkeeping;
struct KeyAssignmentChoice;
struct MacroMenuEntry;

// What the page families of the key assignment dialog ask of the dialog they are shown on: the
// store, the choice being made, the control table, repaints, the virtual key picker, the keyboard
// hook and the diagnostic message box.
class KeyAssignmentHost {
public:
    virtual ~KeyAssignmentHost() = default;

    virtual CConfigStore& keyStore() = 0;
    virtual KeyAssignmentChoice& choice() = 0;
    // The first entry of the control table with id (entry 0 when none has it).
    virtual SkinControl& entry(int id) = 0;
    SkinControl& entry(KeyAssignmentControlId id) { return entry(idOf(id)); }
    // The entry's rectangle on the window.
    virtual QRect entryRect(int id) const = 0;
    // The window, parent of the dialog's child windows.
    virtual QWidget& hostWindow() = 0;
    virtual const SharedResources& sharedResources() const = 0;
    virtual float windowScale() const = 0;

    virtual void repaintEntry(int id) = 0;
    void repaintEntry(KeyAssignmentControlId id) { repaintEntry(idOf(id)); }
    virtual void repaintWindow() = 0;

    // Runs the virtual key picker in mode (1 one key, 2 a combination); its modal result.
    virtual int pickOnVirtualKeyboard(int mode) = 0;
    // Pops menu up at globalPosition; the id of the command chosen, 0 for none.
    virtual int chooseFromMenu(const std::vector<MacroMenuEntry>& menu, QPoint globalPosition) = 0;
    // Shows text in a message box.
    virtual void showText(const std::string& text) = 0;

    // Has the keyboard hook send this dialog every key event, from a fresh bookkeeping; stops it.
    virtual void listenToKeyboard() = 0;
    virtual void stopListening() = 0;
    virtual HookBookkeeping& hookBookkeeping() = 0;
};
