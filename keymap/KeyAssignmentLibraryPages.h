#pragma once

#include <QObject>

class ActionList;
class CSkinScrollBar;
class KeyAssignmentHost;
class QLineEdit;
class QPlainTextEdit;
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
    // A key event from the hook, for a recording.
    void onHookKey(const HookKeyEvent& event);
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
    QWidget& editBox(int id) const;
    QLineEdit* makeLineEdit(const char* name);
    void placeEdit(QWidget& edit, const KeyAssignmentEditPlace& place);
    void placeScrollBar(CSkinScrollBar& bar, const KeyAssignmentScrollBarPlace& place);
    void setUpScrollBar(CSkinScrollBar& bar, const ActionList* list, int rows);
    void refreshEditTexts();
    void prepareRows(int page);
    void preparePlaySettings();

    void onListScrolled(int code, int trackPosition);
    void onActionsScrolled(int code, int trackPosition);
    int scrolledTo(CSkinScrollBar& bar, int code, int trackPosition);

    KeyAssignmentHost& host_;
    int page_ = 0;
    QLineEdit* countEdit_ = nullptr;
    QLineEdit* delayEdit_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    QPlainTextEdit* comboEdit_ = nullptr;
    CSkinScrollBar* listScrollBar_ = nullptr;
    CSkinScrollBar* actionScrollBar_ = nullptr;
};
