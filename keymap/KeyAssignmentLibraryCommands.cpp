// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of pages 1 to 3: new, remove and rename library entries, select rows, record from
// the keyboard, pick a combination on the virtual keyboard, and the macro's play settings.
#include "keymap/KeyAssignmentLibraryPages.h"

#include "keymap/KeyAssignmentHost.h"
#include "keymap/rules/ActionRecorder.h"
#include "keymap/rules/ActionTexts.h"
#include "keymap/rules/HookKeyEvent.h"
#include "keymap/rules/KeyAssignmentChildren.h"
#include "keymap/rules/KeyAssignmentChoice.h"
#include "keymap/rules/KeyAssignmentControls.h"
#include "keymap/rules/MacroEditRules.h"
#include "keymap/rules/VirtualKeyPicks.h"
#include "model/ConfigStore.h"
#include "ui/CSkinScrollBar.h"
#include "ui/SkinnedWindow.h"

#include <QLineEdit>

#include <algorithm>

namespace {

using enum KeyAssignmentControlId;

// The controls of one library page.
struct LibraryPageIds {
    int page;
    LibraryKind kind;
    KeyAssignmentControlId newEntry;
    KeyAssignmentControlId removeEntry;
    KeyAssignmentControlId record;
    KeyAssignmentControlId recordLabel;
    KeyAssignmentControlId stopLabel;
    int firstLibraryRow;
    int firstActionRow; // 0: no action rows to click
};
constexpr LibraryPageIds kLibraryPageIds[] = {
    {kPageSingleCombo, LibraryKind::Combo, NewCombo, DeleteCombo, RecordCombo, RecordComboLabel,
     StopComboLabel, idOf(FirstComboRow), 0},
    {kPageMacro, LibraryKind::Macro, NewMacro, RemoveMacro, RecordMacro, RecordMacroLabel, StopMacroLabel,
     idOf(FirstMacroRow), idOf(FirstMacroActionRow)},
    {kPageEmulate, LibraryKind::Emulation, NewEmulation, RemoveEmulation, RecordEmulation,
     RecordEmulationLabel, StopEmulationLabel, idOf(FirstEmulationRow), idOf(FirstEmulationKeyRow)},
};

const LibraryPageIds* idsOf(int page) {
    const auto found = std::ranges::find(kLibraryPageIds, page, &LibraryPageIds::page);
    return found == std::end(kLibraryPageIds) ? nullptr : &*found;
}

bool holdsEntry(const ActionList& list, int row) {
    return row >= 0 && list.ViewStartAt + row < list.count();
}

} // namespace

bool KeyAssignmentLibraryPages::runCommand(int page, int id) {
    const LibraryPageIds* ids = idsOf(page);
    if (ids == nullptr)
        return false;
    // Page 1 edits its library only in combination mode.
    if (page == kPageSingleCombo && host_.choice().singleMode)
        return false;
    const PageLists lists = listsOf(page);
    if (id == idOf(ids->newEntry)) {
        newEntry(page);
    } else if (id == idOf(ids->removeEntry)) {
        removeEntry(page);
    } else if (id == idOf(ids->record)) {
        startRecording(page);
    } else if (page == kPageSingleCombo && id == idOf(PickCombination)) {
        pickCombination();
    } else if (id >= ids->firstLibraryRow && id < ids->firstLibraryRow + lists.libraryRows) {
        libraryRowClicked(page, id - ids->firstLibraryRow);
    } else if (ids->firstActionRow > 0 && id >= ids->firstActionRow &&
               id < ids->firstActionRow + lists.actionRows) {
        actionRowClicked(page, id - ids->firstActionRow);
    } else if (page == kPageMacro) {
        const auto mode = std::ranges::find(kPlayModeRadios, static_cast<KeyAssignmentControlId>(id));
        if (mode != std::end(kPlayModeRadios))
            choosePlayMode(static_cast<int>(mode - std::begin(kPlayModeRadios)));
        else if (id == idOf(AutomaticDelayRadio) || id == idOf(RecordedDelayRadio))
            chooseAutomaticDelay(id == idOf(AutomaticDelayRadio));
        else
            return false;
    } else {
        return false;
    }
    return true;
}

// ---- library entries ----

void KeyAssignmentLibraryPages::saveShownActions(int page) {
    const PageLists lists = listsOf(page);
    if (lists.library != nullptr && !lists.library->empty())
        lists.library->setChild(lists.library->CursorPos, *lists.actions);
}

void KeyAssignmentLibraryPages::showCurrentEntry(int page) {
    const PageLists lists = listsOf(page);
    *lists.actions = lists.library->child(lists.library->CursorPos);
    setUpScrollBar(*listScrollBar_, lists.library, lists.libraryRows);
    if (lists.actionRows > 0)
        setUpScrollBar(*actionScrollBar_, lists.actions, lists.actionRows);
    refreshEditTexts();
    host_.repaintWindow();
}

// The shown actions are saved first, as before any other entry becomes current, so that actions
// picked on the virtual keyboard are not lost.
void KeyAssignmentLibraryPages::newEntry(int page) {
    const PageLists lists = listsOf(page);
    saveShownActions(page);
    ActionList& library = *lists.library;
    library.setOrAppend(ActionList::kAppend, std::string());
    // The new entry's actions are shown in as many rows as the library's.
    library.setChild(library.CursorPos, ActionList(library.SizeOfView));
    showCurrentEntry(page);
    const std::string name = newEntryName(library, idsOf(page)->kind, host_.keyStore().language);
    openNameEdit(idsOf(page)->firstLibraryRow + library.CursorPos, library.ViewStartAt + library.CursorPos,
                 name);
}

void KeyAssignmentLibraryPages::removeEntry(int page) {
    ActionList& library = *listsOf(page).library;
    if (library.empty())
        return;
    library.remove(library.CursorPos);
    showCurrentEntry(page);
}

void KeyAssignmentLibraryPages::libraryRowClicked(int page, int row) {
    ActionList& library = *listsOf(page).library;
    if (!holdsEntry(library, row))
        return;
    saveShownActions(page);
    if (row == library.CursorPos) {
        openNameEdit(idsOf(page)->firstLibraryRow + row, library.ViewStartAt + row, library.item(row));
        return;
    }
    library.CursorPos = row;
    showCurrentEntry(page);
}

void KeyAssignmentLibraryPages::actionRowClicked(int page, int row) {
    ActionList& actions = *listsOf(page).actions;
    if (!holdsEntry(actions, row))
        return;
    if (row != actions.CursorPos) {
        actions.CursorPos = row;
        host_.repaintWindow();
        return;
    }
    if (page != kPageMacro)
        return;
    if (const std::optional<std::string> number = delayRowEditText(actions.item(row)))
        openNameEdit(idsOf(page)->firstActionRow + row, actions.ViewStartAt + row, *number);
}

// ---- the name box ----

void KeyAssignmentLibraryPages::openNameEdit(int rowId, int index, const std::string& text) {
    editedRow_ = rowId;
    editedIndex_ = index;
    editedPage_ = page_;
    nameEdit_->setGeometry(host_.entryRect(rowId));
    nameEdit_->setText(QString::fromStdString(text));
    nameEdit_->setEnabled(true);
    nameEdit_->show();
    nameEdit_->setFocus();
    nameEdit_->selectAll();
}

void KeyAssignmentLibraryPages::commitNameEdit() {
    if (editedRow_ == 0)
        return;
    const LibraryPageIds* ids = idsOf(editedPage_);
    const PageLists lists = listsOf(editedPage_);
    const std::string text = nameEdit_->text().toStdString();
    if (ids->firstActionRow > 0 && editedRow_ >= ids->firstActionRow) {
        ActionList& actions = *lists.actions;
        actions.setOrAppend(editedIndex_ - actions.ViewStartAt, typedDelayItem(text));
        saveShownActions(editedPage_);
    } else {
        ActionList& library = *lists.library;
        library.setOrAppend(editedIndex_ - library.ViewStartAt, text);
    }
    closeNameEdit();
}

void KeyAssignmentLibraryPages::closeNameEdit() {
    editedRow_ = 0;
    nameEdit_->hide();
    nameEdit_->setEnabled(false);
    host_.repaintWindow();
}

bool KeyAssignmentLibraryPages::finishEditing(int id) {
    if (editedRow_ == 0)
        return true;
    commitNameEdit();
    return id == idOf(Ok) || id == idOf(Cancel);
}

// ---- recording ----

void KeyAssignmentLibraryPages::startRecording(int page) {
    const PageLists lists = listsOf(page);
    if (lists.library->empty())
        return;
    recordingPage_ = page;
    clearForRecording(*lists.actions);
    if (lists.actionRows > 0)
        setUpScrollBar(*actionScrollBar_, lists.actions, lists.actionRows);
    refreshEditTexts();
    host_.listenToKeyboard();
    host_.repaintWindow();
}

// A combination's stop goes on to OK, Cancel and the virtual keyboard; a macro's and an emulation's
// stop ends the click.
bool KeyAssignmentLibraryPages::stopRecording(int id) {
    const int page = recordingPage_;
    if (page == 0)
        return true;
    host_.stopListening();
    recordingPage_ = 0;
    const PageLists lists = listsOf(page);
    if (page == kPageMacro && closeMacroRecording(*lists.actions) && lists.actionRows > 0)
        setUpScrollBar(*actionScrollBar_, lists.actions, lists.actionRows);
    saveShownActions(page);
    host_.repaintWindow();
    if (page == kPageSingleCombo)
        return id == idOf(Ok) || id == idOf(Cancel) || id == idOf(PickCombination);
    return false;
}

void KeyAssignmentLibraryPages::onHookKey(const HookKeyEvent& event,
                                          std::chrono::steady_clock::time_point at) {
    KeyAssignmentChoice& choice = host_.choice();
    HookBookkeeping& hook = host_.hookBookkeeping();
    const CConfigStore& store = host_.keyStore();
    int added = 0;
    switch (recordingPage_) {
    case kPageSingleCombo:
        added = recordComboKey(choice.comboActions, event, hook, store);
        break;
    case kPageMacro:
        added = recordMacroKey(choice.macroActions, event, hook, at, store);
        break;
    case kPageEmulate:
        added = recordEmulationKey(choice.emulationActions, event, hook, store);
        break;
    default:
        return;
    }
    if (added == 0)
        return;
    const PageLists lists = listsOf(recordingPage_);
    if (lists.actionRows > 0)
        setUpScrollBar(*actionScrollBar_, lists.actions, lists.actionRows);
    refreshEditTexts();
    host_.repaintWindow();
}

void KeyAssignmentLibraryPages::pickCombination() {
    KeyAssignmentChoice& choice = host_.choice();
    if (choice.comboList.empty())
        return;
    CConfigStore& store = host_.keyStore();
    if (host_.pickOnVirtualKeyboard(kPickCombination) != SkinnedWindow::kResultOk)
        return;
    clearForRecording(choice.comboActions);
    const int count = pickCount(store.virtualKeyState);
    for (int k = 1; k <= count && choice.comboActions.count() < kMaxComboKeys; ++k) {
        const int code = store.virtualKeyState[static_cast<std::size_t>(k)];
        const int index =
            code >= 0 && code < kCatalogueSize ? store.codeToVk[static_cast<std::size_t>(code)] : 0;
        choice.comboActions.setOrAppend(ActionList::kAppend, actionText(store, index, false));
    }
    refreshEditTexts();
    host_.repaintWindow();
}

// ---- play settings ----

void KeyAssignmentLibraryPages::choosePlayMode(int mode) {
    ActionList& macro = host_.choice().macroActions;
    macro.PlayMode = mode;
    if (keepPlayCountInRange(macro))
        refreshEditTexts();
    countEdit_->setEnabled(mode == 0);
    if (mode == 0)
        countEdit_->setFocus();
    saveShownActions(kPageMacro);
    host_.repaintWindow();
}

void KeyAssignmentLibraryPages::chooseAutomaticDelay(bool automatic) {
    ActionList& macro = host_.choice().macroActions;
    if (macro.IsAutoInterval != automatic) {
        if (automatic) {
            onDelayEdited(delayEdit_->text());
            switchToAutomaticDelay(macro);
        } else {
            switchToRecordedDelays(macro);
        }
        setUpScrollBar(*actionScrollBar_, &macro, listsOf(kPageMacro).actionRows);
        saveShownActions(kPageMacro);
    }
    delayEdit_->setEnabled(automatic);
    if (automatic)
        delayEdit_->setFocus();
    host_.repaintWindow();
}

// The play count on page 2, the emulation's delay on page 3; a number out of range becomes the
// limit, in the box too. The emulation's delay never goes below 0.
void KeyAssignmentLibraryPages::onCountEdited(const QString& text) {
    const bool macro = page_ == kPageMacro;
    const LimitedNumber number =
        macro ? limitedNumber(text.toStdString(), kMinCycles, kMaxCycles)
              : limitedNumber(text.toStdString(), kMinEmulationDelay, kMaxEmulationDelay);
    if (number.replacement)
        countEdit_->setText(QString::fromStdString(*number.replacement));
    if (macro) {
        host_.choice().macroActions.Cycles = number.value;
        saveShownActions(kPageMacro);
    } else if (page_ == kPageEmulate) {
        host_.choice().emulationActions.Delay = number.value;
        saveShownActions(kPageEmulate);
    }
}

void KeyAssignmentLibraryPages::onDelayEdited(const QString& text) {
    const LimitedNumber number = limitedNumber(text.toStdString(), kMinAutomaticDelay, kMaxAutomaticDelay);
    if (number.replacement)
        delayEdit_->setText(QString::fromStdString(*number.replacement));
    host_.choice().macroActions.Delay = number.value;
    saveShownActions(kPageMacro);
}

void KeyAssignmentLibraryPages::prepareRecordButton(int page) {
    const LibraryPageIds* ids = idsOf(page);
    if (ids == nullptr)
        return;
    const bool recording = recordingPage_ == page;
    host_.entry(ids->record).selected = recording;
    host_.entry(ids->recordLabel).visible = !recording;
    host_.entry(ids->stopLabel).visible = recording;
}

// ---- the context menu of the macro's action rows ----

bool KeyAssignmentLibraryPages::openActionMenu(int id, QPoint globalPosition) {
    const LibraryPageIds* ids = idsOf(page_);
    const PageLists lists = listsOf(page_);
    if (page_ != kPageMacro || id < ids->firstActionRow || id >= ids->firstActionRow + lists.actionRows)
        return false;
    ActionList& macro = *lists.actions;
    const int row = id - ids->firstActionRow;
    if (!holdsEntry(macro, row))
        return false;
    const std::vector<MacroMenuEntry> menu = macroMenu(host_.keyStore().language);
    if (menu.empty())
        return true;
    const int command = host_.chooseFromMenu(menu, globalPosition);
    if (command == 0 || !runMacroMenuCommand(macro, command, row, host_.keyStore()))
        return true;
    setUpScrollBar(*actionScrollBar_, &macro, lists.actionRows);
    saveShownActions(kPageMacro);
    host_.repaintWindow();
    return true;
}
