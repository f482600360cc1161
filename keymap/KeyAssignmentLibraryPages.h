// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keymap/rules/KeyAssignmentControls.h"

#include <QObject>
#include <QPoint>

#include <chrono>
#include <string>

class ActionList;
class CSkinScrollBar;
class KeyAssignmentHost;
class QLineEdit;
class QPlainTextEdit;
class QString;
struct HookKeyEvent;
struct KeyAssignmentEditPlace;
struct KeyAssignmentScrollBarPlace;

// Pages 1 to 3 as libraries: the combinations, macros and emulations on the left with the current
// entry's actions beside them, the four edit boxes and the two skin scroll bars. Each page shows its
// library and the current entry's actions in its rows, page 1 the combination joined by " + " in its
// box, page 2 the macro's play settings; scrolling a library makes another entry current and shows its
// actions. Editing, recording and the library commands come on top of this.
class KeyAssignmentLibraryPages : public QObject {
    Q_OBJECT

public:
    explicit KeyAssignmentLibraryPages(KeyAssignmentHost& host);

    // Creates the edit boxes and scroll bars on the window and places them for the store's language.
    void createChildren();
    // Shows, enables and sets up the boxes and bars page shows; hides them on pages 4 to 7.
    void pageShown(int page);
    // Runs the command of id on page; false when id is none of the libraries' commands.
    bool runCommand(int page, int id);
    // A click on id commits an open name or delay edit first; false when the click ends there.
    bool finishEditing(int id);
    // A click on id ends a running recording first; false when the click ends there.
    bool stopRecording(int id);
    // A key event from the hook that came at time at, for a recording.
    void onHookKey(const HookKeyEvent& event, std::chrono::steady_clock::time_point at);
    // The page whose recording runs; 0 when none does.
    int recordingPage() const { return recordingPage_; }
    // Whether the name box is open over a library row or a delay row.
    bool isEditing() const { return editedRow_ != 0; }
    // A right click on the control with id at globalPosition: the context menu of a macro action row
    // that holds an item; false when id is no such row.
    bool openActionMenu(int id, QPoint globalPosition);
    // Rows, radios and boxes of page as the lists stand.
    void prepareLooks(int page);

    QLineEdit& countEdit() const { return *countEdit_; }
    QLineEdit& delayEdit() const { return *delayEdit_; }
    QLineEdit& nameEdit() const { return *nameEdit_; }
    QPlainTextEdit& comboEdit() const { return *comboEdit_; }
    CSkinScrollBar& listScrollBar() const { return *listScrollBar_; }
    CSkinScrollBar& actionScrollBar() const { return *actionScrollBar_; }

protected:
    // Enter in an edit box never reaches the dialog.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct PageLists {
        ActionList* library = nullptr;
        ActionList* actions = nullptr;
        int libraryRows = 0;
        int actionRows = 0; // 0: the actions have no rows of their own
    };
    PageLists listsOf(int page) const;

    // The edit box with id.
    QWidget& editBox(KeyAssignmentControlId id) const;
    QLineEdit* makeLineEdit(const char* name);
    void placeEdit(QWidget& edit, const KeyAssignmentEditPlace& place);
    void placeScrollBar(CSkinScrollBar& bar, const KeyAssignmentScrollBarPlace& place);
    void setUpScrollBar(CSkinScrollBar& bar, const ActionList* list, int rows);
    void refreshEditTexts();
    void prepareRows(int page);
    void preparePlaySettings();

    // Commands (KeyAssignmentLibraryCommands.cpp).
    void newEntry(int page);
    void removeEntry(int page);
    void startRecording(int page);
    void pickCombination();
    void libraryRowClicked(int page, int row);
    void actionRowClicked(int page, int row);
    void choosePlayMode(int mode);
    void chooseAutomaticDelay(bool automatic);
    void onCountEdited(const QString& text);
    void onDelayEdited(const QString& text);
    // The actions shown go back into the library entry they belong to.
    void saveShownActions(int page);
    // Shows the current library entry's actions with the action bar set for them.
    void showCurrentEntry(int page);
    void openNameEdit(int rowId, int index, const std::string& text);
    void commitNameEdit();
    void closeNameEdit();
    // The record button and its two labels of page as the recording stands.
    void prepareRecordButton(int page);

    void endWorkBeforeScrolling();
    void onListScrolled(int code, int trackPosition);
    void onActionsScrolled(int code, int trackPosition);
    int scrolledTo(CSkinScrollBar& bar, int code, int trackPosition);

    KeyAssignmentHost& host_;
    int page_ = 0;
    int recordingPage_ = 0;
    // The row control the name box stands over (0: closed) and the absolute index of the entry or
    // delay it edits, so that scrolling meanwhile never renames another entry.
    int editedRow_ = 0;
    int editedIndex_ = 0;
    int editedPage_ = 0;
    QLineEdit* countEdit_ = nullptr;
    QLineEdit* delayEdit_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    QPlainTextEdit* comboEdit_ = nullptr;
    CSkinScrollBar* listScrollBar_ = nullptr;
    CSkinScrollBar* actionScrollBar_ = nullptr;
};
