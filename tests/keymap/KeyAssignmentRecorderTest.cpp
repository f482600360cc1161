// SPDX-License-Identifier: GPL-3.0-or-later
// Pages 1 to 3 of the key assignment dialog as a user edits them: library entries made, renamed and
// removed, combinations, macros and emulations recorded through the keyboard hook on an injected
// clock, the macro's play settings and its action rows.
#include "keymap/CPelmDialogKeyMapSettings.h"

#include "KeymapTestSupport.h"
#include "device/CPelmHWI.h"
#include "device/KeyboardHook.h"
#include "keymap/rules/ActionTexts.h"
#include "keymap/rules/KeyAssignmentControls.h"
#include "platform/KeyboardHookFilter.h"
#include "ui/CSkinScrollBar.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using namespace KeymapTest;
using Dialog = CPelmDialogKeyMapSettings;
using Id = KeyAssignmentControlId;
using Items = std::vector<std::string>;
using Time = std::chrono::steady_clock::time_point;

constexpr int kKey = 20;
constexpr int kVkA = 0x41;
constexpr int kVkB = 0x42;
constexpr int kVkShift = 16;

// The ids of each library page.
struct PageIds {
    int tab;
    int newEntry;
    int record;
    int firstRow;
};
constexpr PageIds kCombo{keyAssignmentTabId(kPageSingleCombo), idOf(Id::NewCombo), idOf(Id::RecordCombo),
                         idOf(Id::FirstComboRow)};
constexpr PageIds kMacro{keyAssignmentTabId(kPageMacro), idOf(Id::NewMacro), idOf(Id::RecordMacro),
                         idOf(Id::FirstMacroRow)};
constexpr PageIds kEmulation{keyAssignmentTabId(kPageEmulate), idOf(Id::NewEmulation),
                             idOf(Id::RecordEmulation), idOf(Id::FirstEmulationRow)};
// Row k of the macro's actions.
constexpr int macroActionRow(int k) {
    return idOf(Id::FirstMacroActionRow) + k;
}
constexpr bool kUpArrow = true;
constexpr bool kDownArrow = false;

class KeyAssignmentRecorderTest : public ::testing::Test {
protected:
    void SetUp() override {
        store().currentKey = kKey;
        store().currentProgram = 0;
        store().currentTable = 0;
        store().language = "en-US";
    }
    void TearDown() override {
        dialog.reset();
        EXPECT_FALSE(KeyboardHook::processHook().installed());
    }
    CConfigStore& store() { return environment.store; }
    Dialog& open() {
        dialog = std::make_unique<Dialog>(environment.context());
        dialog->setClock([this] { return now; });
        dialog->setShiftQuery([this] { return shifts; });
        dialog->show();
        QApplication::processEvents();
        mouse = std::make_unique<Mouse>(*dialog);
        return *dialog;
    }
    template <typename Widget>
    Widget& child(const char* name) {
        return *dialog->findChild<Widget*>(name);
    }
    const KeyAssignmentChoice& choice() const { return dialog->currentChoice(); }
    // A key event through the hook at ms on the clock, handled before the clock moves on.
    void keyAt(int ms, int vk, bool released) {
        now = Time{} + std::chrono::milliseconds(ms);
        feedHookKeyEvent(vk, released, false);
        QApplication::processEvents();
    }
    // A new entry on page, named by Enter in the name box.
    void newEntry(const PageIds& page) {
        mouse->click(page.newEntry);
        QTest::keyClick(&child<QLineEdit>("nameEdit"), Qt::Key_Return);
    }
    static bool holds(const Items& items, const std::string& item) {
        return std::ranges::find(items, item) != items.end();
    }
    const ActionList& libraryOf(const PageIds& page) const {
        return page.tab == kMacro.tab       ? choice().macroList
               : page.tab == kEmulation.tab ? choice().emulationList
                                            : choice().comboList;
    }
    // A click on an arrow of a scroll bar, as the mouse gives it to the bar's own window.
    void clickScrollArrow(const char* bar, bool upArrow) {
        auto& scrollBar = child<CSkinScrollBar>(bar);
        const int y = upArrow ? 2 : scrollBar.height() - 2;
        QTest::mouseClick(&scrollBar, Qt::LeftButton, Qt::NoModifier, QPoint(scrollBar.width() / 2, y));
        QApplication::processEvents();
    }
    // Keys pressed and released as the window system delivers them, to the focused widget's window.
    void typeAtTheWindow(std::initializer_list<std::pair<Qt::Key, const char*>> keys) {
        for (const auto& [key, text] : keys) {
            for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent event(type, key, Qt::NoModifier, 0, 0, 0, QString::fromLatin1(text));
                QApplication::sendEvent(dialog->windowHandle(), &event);
            }
        }
    }
    std::string down(int vk) const { return actionText(environment.store, vk, true); }
    std::string up(int vk) const { return actionText(environment.store, vk + 0x200, true); }
    std::string name(int vk) const { return actionText(environment.store, vk, false); }

    Environment environment;
    std::unique_ptr<Dialog> dialog;
    std::unique_ptr<Mouse> mouse;
    Time now{};
    ShiftKeyStates shifts;
};

} // namespace

TEST_F(KeyAssignmentRecorderTest, NewEntriesAreProposedTheNextFreeNameAndStoredWhenCommitted) {
    open();
    mouse->click(kMacro.tab);
    newEntry(kMacro);
    mouse->click(kMacro.newEntry);
    auto& nameEdit = child<QLineEdit>("nameEdit");
    EXPECT_TRUE(nameEdit.isVisible());
    EXPECT_EQ(nameEdit.text(), "New Macro 2");
    EXPECT_EQ(choice().macroList.items(), (Items{"New Macro 1", ""}));
    // The next click commits the name and ends there.
    mouse->click(Id::Default);
    EXPECT_FALSE(nameEdit.isVisible());
    EXPECT_EQ(choice().macroList.items(), (Items{"New Macro 1", "New Macro 2"}));
    // A click on the current row renames it.
    mouse->click(kMacro.firstRow + 1);
    nameEdit.setText("Fire");
    QTest::keyClick(&nameEdit, Qt::Key_Return);
    EXPECT_EQ(choice().macroList.items(), (Items{"New Macro 1", "Fire"}));
    mouse->click(Id::RemoveMacro);
    EXPECT_EQ(choice().macroList.items(), (Items{"New Macro 1"}));
}

TEST_F(KeyAssignmentRecorderTest, AMacroRecordsKeyTimesAndEndsOnItsClosingDelay) {
    open();
    mouse->click(kMacro.tab);
    newEntry(kMacro);
    mouse->click(kMacro.record);
    EXPECT_TRUE(KeyboardHook::processHook().installed());
    keyAt(1000, kVkB, true); // held before the start
    keyAt(1010, kVkA, false);
    for (int ms = 1500; ms <= 2000; ms += 100)
        keyAt(ms, kVkA, false); // auto-repeat
    keyAt(2042, kVkA, true);
    EXPECT_EQ(choice().macroActions.items(), (Items{"<10 ms>", down(kVkA), "<42 ms>", up(kVkA)}));
    // OK stops the recording and goes no further.
    mouse->click(Id::Ok);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(KeyboardHook::processHook().installed());
    const Items recorded{"<10 ms>", down(kVkA), "<42 ms>", up(kVkA), "<50 ms>"};
    EXPECT_EQ(choice().macroActions.items(), recorded);
    EXPECT_EQ(choice().macroList.children()[0].items(), recorded);
    keyAt(3000, kVkA, false);
    EXPECT_EQ(choice().macroActions.count(), 5);
    mouse->click(Id::Ok);
    EXPECT_EQ(store().keyKind[kKey][0], kKindMacro);
    EXPECT_EQ(store().keyActions[kKey][0].items(), recorded);
}

TEST_F(KeyAssignmentRecorderTest, ACombinationRecordsSixPressesAndItsStopGoesOnToOk) {
    open();
    mouse->click(Id::ComboRadio);
    newEntry(kCombo);
    mouse->click(kCombo.record);
    shifts = {.left = false, .right = true};
    keyAt(0, kVkShift, false);
    shifts = {};
    for (const int vk : {kVkA, kVkA, kVkB, 0x43, 0x44, 0x45, 0x46})
        keyAt(10, vk, false);
    const Items combination{name(161), name(kVkA), name(kVkB), name(0x43), name(0x44), name(0x45)};
    EXPECT_EQ(choice().comboActions.items(), combination);
    EXPECT_EQ(child<QPlainTextEdit>("comboEdit").toPlainText().toStdString(),
              name(161) + " + " + name(kVkA) + " + " + name(kVkB) + " + C + D + E");
    mouse->click(Id::Ok);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(store().keyActions[kKey][0].items(), combination);
    EXPECT_EQ(store().predefinedCombos.children()[0].items(), combination);
}

TEST_F(KeyAssignmentRecorderTest, AnEmulationTakesAKeyAgainOnlyAfterItsRelease) {
    open();
    mouse->click(kEmulation.tab);
    newEntry(kEmulation);
    mouse->click(kEmulation.record);
    shifts = {.left = true, .right = false};
    keyAt(0, kVkShift, false);
    shifts = {};
    keyAt(5, kVkShift, true);
    keyAt(10, kVkA, false);
    keyAt(20, kVkA, false);
    keyAt(30, kVkA, true);
    keyAt(40, kVkA, false);
    mouse->click(kEmulation.record);
    EXPECT_FALSE(KeyboardHook::processHook().installed());
    EXPECT_EQ(choice().emulationActions.items(), (Items{name(160), name(kVkA), name(kVkA)}));
    EXPECT_EQ(choice().emulationList.children()[0].items(), choice().emulationActions.items());
}

TEST_F(KeyAssignmentRecorderTest, TypedNumbersBecomeTheirLimitsInValueAndBox) {
    struct Case {
        const PageIds* page;
        const char* box;
        const char* typed;
        const char* shown;
        int ActionList::*field;
        int value;
    };
    const Case cases[] = {
        {&kMacro, "countEdit", "300", "255", &ActionList::Cycles, 255},
        {&kMacro, "countEdit", "0", "1", &ActionList::Cycles, 1},
        {&kMacro, "delayEdit", "70000", "60000", &ActionList::Delay, 60000},
        {&kEmulation, "countEdit", "7000", "6000", &ActionList::Delay, 6000},
        {&kEmulation, "countEdit", "-5", "0", &ActionList::Delay, 0},
    };
    for (const Case& c : cases) {
        open();
        mouse->click(c.page->tab);
        newEntry(*c.page);
        if (c.page == &kMacro)
            mouse->click(Id::AutomaticDelayRadio);
        auto& box = child<QLineEdit>(c.box);
        box.selectAll();
        QTest::keyClicks(&box, c.typed);
        EXPECT_EQ(box.text().toStdString(), c.shown) << c.typed;
        const ActionList& entry =
            (c.page == &kMacro ? choice().macroList : choice().emulationList).children()[0];
        EXPECT_EQ(entry.*(c.field), c.value) << c.typed;
    }
}

TEST_F(KeyAssignmentRecorderTest, SwitchingDelaysAndEditingADelayRow) {
    open();
    mouse->click(kMacro.tab);
    newEntry(kMacro);
    mouse->click(kMacro.record);
    keyAt(0, kVkA, false);
    keyAt(20, kVkA, true);
    mouse->click(kMacro.record);
    mouse->click(Id::AutomaticDelayRadio);
    EXPECT_EQ(choice().macroActions.items(), (Items{down(kVkA), up(kVkA)}));
    auto& delay = child<QLineEdit>("delayEdit");
    delay.selectAll();
    QTest::keyClicks(&delay, "30");
    mouse->click(Id::RecordedDelayRadio);
    EXPECT_EQ(choice().macroActions.items(), (Items{down(kVkA), "<30 ms>", up(kVkA)}));
    // The delay row: first made current, then edited in place.
    mouse->click(macroActionRow(1));
    mouse->click(macroActionRow(1));
    auto& nameEdit = child<QLineEdit>("nameEdit");
    EXPECT_EQ(nameEdit.text(), "30");
    nameEdit.setText("99999");
    QTest::keyClick(&nameEdit, Qt::Key_Return);
    EXPECT_EQ(choice().macroList.children()[0].items(), (Items{down(kVkA), "<65535 ms>", up(kVkA)}));
}

TEST_F(KeyAssignmentRecorderTest, AScrollBarClickCommitsAnOpenRenameAndOnlyTheNextOnesScroll) {
    ActionList library(9);
    for (int k = 0; k < 12; ++k)
        library.setOrAppend(ActionList::kAppend, "m" + std::to_string(k));
    library.select(0);
    store().predefinedMacros = library;
    open();
    mouse->click(kMacro.tab);
    mouse->click(kMacro.firstRow);
    auto& nameEdit = child<QLineEdit>("nameEdit");
    ASSERT_TRUE(nameEdit.isVisible());
    nameEdit.setText("renamed");
    clickScrollArrow("listScrollBar", kDownArrow);
    EXPECT_FALSE(nameEdit.isVisible());
    EXPECT_EQ(choice().macroList.items()[0], "renamed");
    EXPECT_EQ(choice().macroList.ViewStartAt + choice().macroList.CursorPos, 0);
    for (int step = 0; step < 11; ++step)
        clickScrollArrow("listScrollBar", kDownArrow);
    EXPECT_EQ(choice().macroList.ViewStartAt + choice().macroList.CursorPos, 11);
    EXPECT_EQ(choice().macroList.find("m0"), -1);
}

// Two entries recorded, the second current; a third recording is cut by a click on a scroll bar.
TEST_F(KeyAssignmentRecorderTest, AScrollBarClickEndsARecordingInTheEntryItStartedOn) {
    const PageIds* pages[] = {&kCombo, &kMacro, &kEmulation};
    for (const char* bar : {"listScrollBar", "actionScrollBar"}) {
        for (const PageIds* page : pages) {
            // The combination page has no action bar to click.
            if (page == &kCombo && std::string(bar) == "actionScrollBar")
                continue;
            SCOPED_TRACE(std::string(bar) + " on tab " + std::to_string(page->tab));
            open();
            mouse->click(page->tab);
            if (page == &kCombo)
                mouse->click(Id::ComboRadio);
            int ms = 0;
            const auto record = [&](std::initializer_list<int> keys) {
                for (const int vk : keys) {
                    keyAt(ms += 10, vk, false);
                    keyAt(ms += 10, vk, true);
                }
            };
            newEntry(*page);
            mouse->click(page->record);
            record({kVkA});
            mouse->click(page->record);
            const ActionList first = libraryOf(*page).children()[0];
            newEntry(*page);
            mouse->click(page->record);
            record({0x43});
            clickScrollArrow(bar, kUpArrow);
            EXPECT_EQ(dialog->libraries().recordingPage(), 0);
            EXPECT_FALSE(KeyboardHook::processHook().installed());
            record({0x44});
            const ActionList& entries = libraryOf(*page);
            EXPECT_EQ(entries.ViewStartAt + entries.CursorPos, 1);
            EXPECT_EQ(entries.children()[0].items(), first.items());
            const Items second = entries.children()[1].items();
            EXPECT_TRUE(holds(second, name(0x43)) || holds(second, down(0x43)));
            EXPECT_FALSE(holds(second, name(0x44)) || holds(second, down(0x44)));
        }
    }
}

TEST_F(KeyAssignmentRecorderTest, AScrollBarClickCommitsAnOpenDelayEditIntoItsOwnRow) {
    open();
    mouse->click(kMacro.tab);
    for (const int vk : {kVkA, kVkB}) {
        newEntry(kMacro);
        mouse->click(kMacro.record);
        keyAt(0, vk, false);
        keyAt(20, vk, true);
        mouse->click(kMacro.record);
    }
    const Items first = choice().macroList.children()[0].items();
    mouse->click(macroActionRow(1));
    mouse->click(macroActionRow(1));
    auto& nameEdit = child<QLineEdit>("nameEdit");
    ASSERT_TRUE(nameEdit.isVisible());
    nameEdit.setText("77");
    clickScrollArrow("listScrollBar", kUpArrow);
    EXPECT_FALSE(nameEdit.isVisible());
    EXPECT_EQ(choice().macroList.CursorPos, 1);
    EXPECT_EQ(choice().macroList.children()[0].items(), first);
    EXPECT_EQ(choice().macroList.children()[1].items(), (Items{down(kVkB), "<77 ms>", up(kVkB), "<50 ms>"}));
}

// While a recording runs every key is its own, whatever has the focus: the play count or the
// emulation's delay box takes none of them, and Escape is recorded rather than closing the dialog.
TEST_F(KeyAssignmentRecorderTest, KeysTypedWhileRecordingGoOnlyToTheRecording) {
    const KeyboardHookFilter hook(qApp);
    for (const PageIds* page : {&kMacro, &kEmulation}) {
        SCOPED_TRACE(page->tab);
        open();
        mouse->click(page->tab);
        newEntry(*page);
        // Times Play leaves the play count focused; the emulation's delay box is focused by hand.
        if (page == &kMacro)
            mouse->click(Id::TimesPlayRadio);
        auto& box = child<QLineEdit>("countEdit");
        box.setFocus();
        const QString shown = box.text();
        const ActionList before = libraryOf(*page).children()[0];
        mouse->click(page->record);
        typeAtTheWindow({{Qt::Key_5, "5"}, {Qt::Key_7, "7"}, {Qt::Key_Escape, "\x1b"}});
        QApplication::processEvents();
        EXPECT_TRUE(dialog->isVisible());
        mouse->click(page->record);
        EXPECT_EQ(box.text(), shown);
        const ActionList& recorded = libraryOf(*page).children()[0];
        EXPECT_TRUE(holds(recorded.items(), page == &kMacro ? down(0x1B) : name(0x1B)));
        EXPECT_EQ(recorded.Cycles, before.Cycles);
        EXPECT_EQ(recorded.Delay, before.Delay);
    }
}

// Tab and Space typed while recording are keys of the macro, not a move or a press of the focus
// frame that a keyboard user has put on the dialog.
TEST_F(KeyAssignmentRecorderTest, TabAndSpaceWhileRecordingAreRecordedNotMovesOfTheFocus) {
    const KeyboardHookFilter hook(qApp);
    SkinnedWindow::setKeyboardInUse(true);
    open();
    mouse->click(kMacro.tab);
    newEntry(kMacro);
    dialog->setFocus();
    typeAtTheWindow({{Qt::Key_Tab, "\t"}});
    const int framed = dialog->focusedEntry();
    ASSERT_GE(framed, 0) << "Tab moves the frame while nothing records";
    mouse->click(kMacro.record);
    typeAtTheWindow({{Qt::Key_Tab, "\t"}, {Qt::Key_Space, " "}, {Qt::Key_Return, "\r"}});
    QApplication::processEvents();
    EXPECT_EQ(dialog->focusedEntry(), framed);
    EXPECT_TRUE(dialog->isVisible());
    mouse->click(kMacro.record);
    const ActionList& recorded = libraryOf(kMacro).children()[0];
    EXPECT_TRUE(holds(recorded.items(), down(0x09)));
    EXPECT_TRUE(holds(recorded.items(), down(0x20)));
    SkinnedWindow::setKeyboardInUse(false);
}

TEST_F(KeyAssignmentRecorderTest, TheVirtualKeyboardPicksTheCombinationInPickOrder) {
    environment.opener.install(WindowId::VirtualKeys, [](const WindowContext& context, QWidget*, int mode) {
        EXPECT_EQ(mode, 2);
        context.store.virtualKeyState = {0, 60, 43, 0, 0, 0, 0, 2};
        return SkinnedWindow::kResultOk;
    });
    open();
    mouse->click(Id::ComboRadio);
    newEntry(kCombo);
    mouse->click(kCombo.record);
    mouse->click(Id::PickCombination);
    EXPECT_FALSE(KeyboardHook::processHook().installed());
    const Items picked{name(store().codeToVk[60]), name(store().codeToVk[43])};
    EXPECT_EQ(choice().comboActions.items(), picked);
    // A new entry keeps the picks of the entry shown before.
    newEntry(kCombo);
    EXPECT_EQ(choice().comboList.children()[0].items(), picked);
}

TEST_F(KeyAssignmentRecorderTest, TheActionRowMenuInsertsBeforeTheRowClickedAndSavesTheEntry) {
    std::vector<std::string> captions;
    int answer = 1137; // left button click
    open();
    dialog->setMenuChooser([&](const std::vector<MacroMenuEntry>& menu, QPoint) {
        captions.clear();
        for (const MacroMenuEntry& entry : menu)
            captions.push_back(entry.caption);
        return answer;
    });
    mouse->click(kMacro.tab);
    newEntry(kMacro);
    mouse->click(kMacro.record);
    keyAt(0, kVkA, false);
    keyAt(20, kVkA, true);
    mouse->click(kMacro.record);
    const auto rightClick = [&](int id) {
        const QPoint at = mouse->centreOf(id);
        QMouseEvent release(QEvent::MouseButtonRelease, at, dialog->mapToGlobal(at), Qt::RightButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(dialog.get(), &release);
    };
    rightClick(macroActionRow(2)); // A UP
    const std::string left = store().codeToName(130);
    const Items clicked{down(kVkA), "<20 ms>", left, "<0 ms>", left, "<0 ms>", up(kVkA), "<50 ms>"};
    EXPECT_EQ(choice().macroActions.items(), clicked);
    EXPECT_EQ(choice().macroList.children()[0].items(), clicked);
    EXPECT_EQ(captions.front(), "Cursor Move Left(Point)");
    // A row past the end opens no menu.
    captions.clear();
    rightClick(macroActionRow(8));
    EXPECT_TRUE(captions.empty());
    answer = 1147;
    rightClick(macroActionRow(2));
    EXPECT_EQ(choice().macroActions.items(),
              (Items{down(kVkA), "<20 ms>", left, "<0 ms>", up(kVkA), "<50 ms>"}));

    // A right click during a recording only ends the recording: no menu, nothing inserted.
    mouse->click(kMacro.record);
    keyAt(100, kVkB, false);
    captions.clear();
    rightClick(macroActionRow(2));
    EXPECT_EQ(dialog->libraries().recordingPage(), 0);
    EXPECT_TRUE(captions.empty());
    EXPECT_EQ(choice().macroActions.items(), (Items{down(kVkB), "<50 ms>"}));
}

TEST_F(KeyAssignmentRecorderTest, RecordedDelaysAreTheGapsBetweenTheEventsOwnTimes) {
    const KeyboardHookFilter hook(qApp);
    open();
    mouse->click(kMacro.tab);
    newEntry(kMacro);
    mouse->click(kMacro.record);
    // The window is busy: every event is handled at the same moment on its clock.
    const auto keyOfTheWindowSystem = [&](QEvent::Type type, int qtKey, ulong timestamp) {
        QKeyEvent event(type, qtKey, Qt::NoModifier, 0, 0, 0);
        event.setTimestamp(timestamp);
        QApplication::sendEvent(dialog->windowHandle(), &event);
    };
    keyOfTheWindowSystem(QEvent::KeyPress, Qt::Key_A, 5000);
    keyOfTheWindowSystem(QEvent::KeyPress, Qt::Key_B, 5137);
    keyOfTheWindowSystem(QEvent::KeyRelease, Qt::Key_A, 5140);
    QApplication::processEvents();
    EXPECT_EQ(choice().macroActions.items(), (Items{down(kVkA), "<137 ms>", down(kVkB), "<3 ms>", up(kVkA)}));
    mouse->click(kMacro.record);
}

TEST_F(KeyAssignmentRecorderTest, AnyClickEndsAMacroRecordingThereAndKeepsItInTheEntryRecorded) {
    struct Case {
        const char* name;
        int id;
    };
    const Case cases[] = {
        {"OK", idOf(Id::Ok)},
        {"Cancel", idOf(Id::Cancel)},
        {"another entry", kMacro.firstRow},
        {"another tab", kEmulation.tab},
        {"new entry", kMacro.newEntry},
    };
    for (const Case& c : cases) {
        open();
        mouse->click(kMacro.tab);
        newEntry(kMacro);
        newEntry(kMacro);
        mouse->click(kMacro.record);
        keyAt(0, kVkA, false);
        mouse->click(c.id);
        EXPECT_TRUE(dialog->isVisible()) << c.name;
        EXPECT_EQ(dialog->libraries().recordingPage(), 0) << c.name;
        EXPECT_EQ(dialog->currentPage(), kPageMacro) << c.name;
        EXPECT_EQ(choice().macroList.count(), 2) << c.name;
        EXPECT_EQ(choice().macroList.CursorPos, 1) << c.name;
        EXPECT_TRUE(choice().macroList.children()[0].empty()) << c.name;
        EXPECT_EQ(choice().macroList.children()[1].items(), (Items{down(kVkA), "<50 ms>"})) << c.name;
        keyAt(10, kVkB, false);
        EXPECT_EQ(choice().macroActions.count(), 2) << c.name;
    }
}
