// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymap/KeyAssignmentLibraryPages.h"

#include "keymap/KeyAssignmentHost.h"
#include "keymap/rules/KeyAssignmentChildren.h"
#include "keymap/rules/KeyAssignmentChoice.h"
#include "keymap/rules/KeyAssignmentControls.h"
#include "keymap/rules/RecordListView.h"
#include "model/ConfigStore.h"
#include "res/SharedResources.h"
#include "ui/CSkinScrollBar.h"
#include "ui/SkinGeometry.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>

namespace {

const QColor kEditText{255, 111, 0};

void setTextWhenChanged(QLineEdit& edit, const QString& text) {
    if (edit.text() != text)
        edit.setText(text);
}

QString joinedItems(const ActionList& list, const char* separator) {
    QStringList items;
    for (const std::string& item : list.items())
        items << QString::fromStdString(item);
    return items.join(QString::fromUtf8(separator));
}

} // namespace

KeyAssignmentLibraryPages::KeyAssignmentLibraryPages(KeyAssignmentHost& host) : host_(host) {}

// ---- the child windows ----

void KeyAssignmentLibraryPages::createChildren() {
    QWidget& window = host_.hostWindow();
    countEdit_ = makeLineEdit("countEdit");
    delayEdit_ = makeLineEdit("delayEdit");
    nameEdit_ = makeLineEdit("nameEdit");
    nameEdit_->setFont(
        host_.sharedResources().fonts().font(SkinGeometry::scaled(kNameEditFontSize, host_.windowScale())));

    comboEdit_ = new QPlainTextEdit(&window);
    comboEdit_->setObjectName("comboEdit");
    comboEdit_->setReadOnly(true);
    comboEdit_->setFocusPolicy(Qt::NoFocus);
    comboEdit_->setTextInteractionFlags(Qt::NoTextInteraction);
    comboEdit_->setContextMenuPolicy(Qt::NoContextMenu);
    comboEdit_->setFrameShape(QFrame::NoFrame);
    comboEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    comboEdit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    comboEdit_->document()->setDocumentMargin(1);
    QPalette colours = comboEdit_->palette();
    colours.setBrush(QPalette::Base, host_.sharedResources().darkBrush());
    colours.setColor(QPalette::Text, kEditText);
    comboEdit_->setPalette(colours);
    comboEdit_->hide();

    for (const KeyAssignmentEditPlace& place : keyAssignmentEditPlaces())
        placeEdit(editBox(place.id), place);

    const QImage skin = host_.sharedResources().pictures().picture(PictureSlot::kScrollBarSkin);
    listScrollBar_ = new CSkinScrollBar(Qt::Vertical, &window);
    listScrollBar_->setObjectName("listScrollBar");
    actionScrollBar_ = new CSkinScrollBar(Qt::Vertical, &window);
    actionScrollBar_->setObjectName("actionScrollBar");
    for (CSkinScrollBar* bar : {listScrollBar_, actionScrollBar_}) {
        bar->setPicture(skin);
        bar->hide();
    }
    connect(nameEdit_, &QLineEdit::editingFinished, this, &KeyAssignmentLibraryPages::commitNameEdit);
    connect(countEdit_, &QLineEdit::textEdited, this, &KeyAssignmentLibraryPages::onCountEdited);
    connect(delayEdit_, &QLineEdit::textEdited, this, &KeyAssignmentLibraryPages::onDelayEdited);
    connect(listScrollBar_, &CSkinScrollBar::scrolled, this, &KeyAssignmentLibraryPages::onListScrolled);
    connect(actionScrollBar_, &CSkinScrollBar::scrolled, this, &KeyAssignmentLibraryPages::onActionsScrolled);
}

QLineEdit* KeyAssignmentLibraryPages::makeLineEdit(const char* name) {
    auto* edit = new QLineEdit(&host_.hostWindow());
    edit->setObjectName(name);
    edit->setFrame(false);
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    QPalette colours = edit->palette();
    colours.setBrush(QPalette::Base, host_.sharedResources().darkBrush());
    colours.setColor(QPalette::Text, kEditText);
    colours.setColor(QPalette::Disabled, QPalette::Text, kEditText);
    colours.setBrush(QPalette::Disabled, QPalette::Base, host_.sharedResources().darkBrush());
    edit->setPalette(colours);
    edit->installEventFilter(this);
    edit->hide();
    edit->setEnabled(false);
    return edit;
}

// Left and width scale down to whole pixels; top and height one pixel more.
void KeyAssignmentLibraryPages::placeEdit(QWidget& edit, const KeyAssignmentEditPlace& place) {
    const float s = host_.windowScale();
    const int left = host_.keyStore().language == "en-US" ? place.leftEn : place.leftZh;
    edit.setGeometry(SkinGeometry::scaled(left, s), 1 + SkinGeometry::scaled(place.top, s),
                     SkinGeometry::scaled(place.width, s), 1 + SkinGeometry::scaled(place.height, s));
    edit.setFont(host_.sharedResources().fonts().font(SkinGeometry::scaled(place.fontSize, s)));
}

void KeyAssignmentLibraryPages::placeScrollBar(CSkinScrollBar& bar,
                                               const KeyAssignmentScrollBarPlace& place) {
    const float s = host_.windowScale();
    bar.setGeometry(SkinGeometry::scaled(place.left, s), 1 + SkinGeometry::scaled(place.top, s),
                    SkinGeometry::scaled(place.width, s), 1 + SkinGeometry::scaled(place.height, s));
    // The bar is as thick as one cell of its skin.
    if (bar.unit() > 0)
        bar.resize(bar.unit(), bar.height());
    bar.setVisible(place.shown);
}

// ---- pages ----

KeyAssignmentLibraryPages::PageLists KeyAssignmentLibraryPages::listsOf(int page) const {
    KeyAssignmentChoice& choice = host_.choice();
    PageLists lists{.libraryRows = keyAssignmentRowsOf(page, KeyAssignmentScrollBar::List),
                    .actionRows = keyAssignmentRowsOf(page, KeyAssignmentScrollBar::Action)};
    switch (page) {
    case kPageSingleCombo:
        lists.library = &choice.comboList;
        lists.actions = &choice.comboActions;
        break;
    case kPageMacro:
        lists.library = &choice.macroList;
        lists.actions = &choice.macroActions;
        break;
    case kPageEmulate:
        lists.library = &choice.emulationList;
        lists.actions = &choice.emulationActions;
        break;
    default:
        break;
    }
    return lists;
}

QWidget& KeyAssignmentLibraryPages::editBox(KeyAssignmentControlId id) const {
    switch (id) {
    case KeyAssignmentControlId::CountEdit:
        return *countEdit_;
    case KeyAssignmentControlId::DelayEdit:
        return *delayEdit_;
    case KeyAssignmentControlId::NameEdit:
        return *nameEdit_;
    default:
        return *comboEdit_;
    }
}

void KeyAssignmentLibraryPages::pageShown(int page) {
    page_ = page;
    using enum KeyAssignmentControlId;
    for (const KeyAssignmentControlId id : {CountEdit, DelayEdit, NameEdit, ComboEdit}) {
        editBox(id).hide();
        editBox(id).setEnabled(false);
    }
    listScrollBar_->hide();
    actionScrollBar_->hide();
    for (const KeyAssignmentEditPlace& place : keyAssignmentEditPlaces()) {
        if (place.page != page)
            continue;
        QWidget& edit = editBox(place.id);
        edit.setEnabled(place.enabled);
        edit.show();
    }
    const PageLists lists = listsOf(page);
    for (const KeyAssignmentScrollBarPlace& place : keyAssignmentScrollBarPlaces()) {
        if (place.page != page)
            continue;
        const bool forList = place.id == ListScrollBar;
        CSkinScrollBar& bar = forList ? *listScrollBar_ : *actionScrollBar_;
        placeScrollBar(bar, place);
        setUpScrollBar(bar, forList ? lists.library : lists.actions,
                       forList ? lists.libraryRows : lists.actionRows);
    }
    refreshEditTexts();
}

// The bar's range for list shown in rows rows, its thumb at the list's current item; without rows of
// its own the bar has nothing to scroll.
void KeyAssignmentLibraryPages::setUpScrollBar(CSkinScrollBar& bar, const ActionList* list, int rows) {
    ScrollInfo info;
    if (list != nullptr && rows > 0) {
        const RecordScrollRange range = scrollRangeFor(*list, rows);
        info = {.minimum = range.minimum,
                .maximum = range.maximum,
                .page = range.page,
                .position = limitedPosition(range, list->ViewStartAt + list->CursorPos)};
    }
    bar.setScrollInfo(ScrollInfo::kRange | ScrollInfo::kPage | ScrollInfo::kPosition, info, true);
}

void KeyAssignmentLibraryPages::refreshEditTexts() {
    const KeyAssignmentChoice& choice = host_.choice();
    switch (page_) {
    case kPageSingleCombo: {
        const QString combination = joinedItems(choice.comboActions, " + ");
        if (comboEdit_->toPlainText() != combination)
            comboEdit_->setPlainText(combination);
        break;
    }
    case kPageMacro:
        setTextWhenChanged(*countEdit_, QString::number(choice.macroActions.Cycles));
        setTextWhenChanged(*delayEdit_, QString::number(choice.macroActions.Delay));
        break;
    case kPageEmulate:
        setTextWhenChanged(*countEdit_, QString::number(choice.emulationActions.Delay));
        break;
    default:
        break;
    }
}

bool KeyAssignmentLibraryPages::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    if (watched == nameEdit_)
        commitNameEdit();
    return true;
}

// ---- looks ----

void KeyAssignmentLibraryPages::prepareLooks(int page) {
    prepareRows(page);
    prepareRecordButton(page);
    if (page == kPageMacro)
        preparePlaySettings();
}

void KeyAssignmentLibraryPages::prepareRows(int page) {
    const PageLists lists = listsOf(page);
    const std::string& language = host_.keyStore().language;
    for (const KeyAssignmentRowBlock& block : keyAssignmentRowBlocks()) {
        if (block.page != page)
            continue;
        const ActionList* list =
            block.scrollBar == KeyAssignmentScrollBar::List ? lists.library : lists.actions;
        const std::vector<RecordRow> rows = recordRows(*list, block.rowCount);
        for (int k = 0; k < block.rowCount; ++k) {
            SkinControl& row = host_.entry(block.firstId + k);
            row.captions = {{language, rows[static_cast<std::size_t>(k)].text}};
            row.selected = rows[static_cast<std::size_t>(k)].current;
        }
    }
}

void KeyAssignmentLibraryPages::preparePlaySettings() {
    const ActionList& macro = host_.choice().macroActions;
    for (int mode = 0; mode < static_cast<int>(std::size(kPlayModeRadios)); ++mode)
        host_.entry(kPlayModeRadios[mode]).selected = macro.PlayMode == mode;
    host_.entry(KeyAssignmentControlId::AutomaticDelayRadio).selected = macro.IsAutoInterval;
    host_.entry(KeyAssignmentControlId::RecordedDelayRadio).selected = !macro.IsAutoInterval;
    if (delayEdit_->isEnabled() != macro.IsAutoInterval)
        delayEdit_->setEnabled(macro.IsAutoInterval);
    if (countEdit_->isEnabled() != (macro.PlayMode == 0))
        countEdit_->setEnabled(macro.PlayMode == 0);
}

// ---- scrolling ----

int KeyAssignmentLibraryPages::scrolledTo(CSkinScrollBar& bar, int code, int trackPosition) {
    const ScrollInfo info = bar.scrollInfo(ScrollInfo::kAll);
    const RecordScrollRange range{
        .minimum = info.minimum, .maximum = info.maximum, .page = info.page, .position = info.position};
    const int position = scrolledPosition(range, code, trackPosition);
    ScrollInfo moved;
    moved.position = position;
    bar.setScrollInfo(ScrollInfo::kPosition, moved, true);
    return position;
}

// A recording stays with the entry it started on, and an open edit with the row it opened over: both
// end before a list moves under them.
void KeyAssignmentLibraryPages::endWorkBeforeScrolling() {
    stopRecording(0);
    finishEditing(0);
}

// Another entry becomes current: the actions shown go back into the entry they belong to first, and
// the new entry's actions are shown, so no entry ever receives another's actions.
void KeyAssignmentLibraryPages::onListScrolled(int code, int trackPosition) {
    const PageLists lists = listsOf(page_);
    if (lists.library == nullptr)
        return;
    endWorkBeforeScrolling();
    const int position = scrolledTo(*listScrollBar_, code, trackPosition);
    ActionList& library = *lists.library;
    if (library.empty())
        return;
    library.setChild(library.CursorPos, *lists.actions);
    followScroll(library, position);
    *lists.actions = library.child(library.CursorPos);
    if (lists.actionRows > 0)
        setUpScrollBar(*actionScrollBar_, lists.actions, lists.actionRows);
    refreshEditTexts();
    host_.repaintWindow();
}

void KeyAssignmentLibraryPages::onActionsScrolled(int code, int trackPosition) {
    const PageLists lists = listsOf(page_);
    if (lists.actions == nullptr || lists.actionRows == 0)
        return;
    endWorkBeforeScrolling();
    const int position = scrolledTo(*actionScrollBar_, code, trackPosition);
    followScroll(*lists.actions, position);
    host_.repaintWindow();
}
