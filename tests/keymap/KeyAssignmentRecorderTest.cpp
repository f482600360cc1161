// Pages 1 to 3 of the key assignment dialog as a user edits them: library entries made, renamed and
// removed, combinations, macros and emulations recorded through the keyboard hook on an injected
// clock, the macro's play settings and its action rows.
#include "keymap/CPelmDialogKeyMapSettings.h"

#include "KeymapTestSupport.h"
#include "device/CPelmHWI.h"
#include "device/KeyboardHook.h"
#include "keymap/ActionTexts.h"
#include "platform/KeyboardHookFilter.h"
#include "ui/CSkinScrollBar.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace KeymapTest;
using Dialog = CPelmDialogKeyMapSettings;
using Items = std::vector<std::string>;
using Time = std::chrono::steady_clock::time_point;

constexpr int kKey = 20;
constexpr int kVkA = 0x41;
constexpr int kVkB = 0x42;
constexpr int kVkShift = 16;
constexpr int kComboRadio = 102;

// The ids of each library page.
struct PageIds {
    int tab;
    int newEntry;
    int record;
    int firstRow;
};
constexpr PageIds kCombo{Dialog::kFirstTab, 105, 107, 121};
constexpr PageIds kMacro{Dialog::kFirstTab + 1, 205, 207, 221};
constexpr PageIds kEmulation{Dialog::kFirstTab + 2, 305, 302, 321};
constexpr int kFirstMacroAction = 241;
constexpr int kAutomaticDelay = 203;
constexpr int kRecordedDelays = 210;

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
    mouse->click(Dialog::kDefault);
    EXPECT_FALSE(nameEdit.isVisible());
    EXPECT_EQ(choice().macroList.items(), (Items{"New Macro 1", "New Macro 2"}));
    // A click on the current row renames it.
    mouse->click(kMacro.firstRow + 1);
    nameEdit.setText("Fire");
    QTest::keyClick(&nameEdit, Qt::Key_Return);
    EXPECT_EQ(choice().macroList.items(), (Items{"New Macro 1", "Fire"}));
    mouse->click(206);
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
    mouse->click(Dialog::kOk);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(KeyboardHook::processHook().installed());
    const Items recorded{"<10 ms>", down(kVkA), "<42 ms>", up(kVkA), "<50 ms>"};
    EXPECT_EQ(choice().macroActions.items(), recorded);
    EXPECT_EQ(choice().macroList.children()[0].items(), recorded);
    keyAt(3000, kVkA, false);
    EXPECT_EQ(choice().macroActions.count(), 5);
    mouse->click(Dialog::kOk);
    EXPECT_EQ(store().keyKind[kKey][0], kKindMacro);
    EXPECT_EQ(store().keyActions[kKey][0].items(), recorded);
}

TEST_F(KeyAssignmentRecorderTest, ACombinationRecordsSixPressesAndItsStopGoesOnToOk) {
    open();
    mouse->click(kComboRadio);
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
    mouse->click(Dialog::kOk);
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
            mouse->click(kAutomaticDelay);
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
    mouse->click(kAutomaticDelay);
    EXPECT_EQ(choice().macroActions.items(), (Items{down(kVkA), up(kVkA)}));
    auto& delay = child<QLineEdit>("delayEdit");
    delay.selectAll();
    QTest::keyClicks(&delay, "30");
    mouse->click(kRecordedDelays);
    EXPECT_EQ(choice().macroActions.items(), (Items{down(kVkA), "<30 ms>", up(kVkA)}));
    // The delay row: first made current, then edited in place.
    mouse->click(kFirstMacroAction + 1);
    mouse->click(kFirstMacroAction + 1);
    auto& nameEdit = child<QLineEdit>("nameEdit");
    EXPECT_EQ(nameEdit.text(), "30");
    nameEdit.setText("99999");
    QTest::keyClick(&nameEdit, Qt::Key_Return);
    EXPECT_EQ(choice().macroList.children()[0].items(), (Items{down(kVkA), "<65535 ms>", up(kVkA)}));
}

TEST_F(KeyAssignmentRecorderTest, ARenameCommittedAfterScrollingNamesTheEntryItWasOpenedOn) {
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
    auto& bar = child<CSkinScrollBar>("listScrollBar");
    for (int step = 0; step < 11; ++step)
        QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar.width() / 2, bar.height() - 2));
    nameEdit.setText("renamed");
    QTest::keyClick(&nameEdit, Qt::Key_Return);
    EXPECT_EQ(choice().macroList.items()[0], "renamed");
    EXPECT_EQ(choice().macroList.find("renamed"), 0);
    EXPECT_EQ(choice().macroList.find("m0"), -1);
}

TEST_F(KeyAssignmentRecorderTest, TheVirtualKeyboardPicksTheCombinationInPickOrder) {
    environment.opener.install(WindowId::VirtualKeys, [](const WindowContext& context, QWidget*, int mode) {
        EXPECT_EQ(mode, 2);
        context.store.virtualKeyState = {0, 60, 43, 0, 0, 0, 0, 2};
        return SkinnedWindow::kResultOk;
    });
    open();
    mouse->click(kComboRadio);
    newEntry(kCombo);
    mouse->click(kCombo.record);
    mouse->click(109);
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
    rightClick(kFirstMacroAction + 2); // A UP
    const std::string left = store().codeToName(130);
    const Items clicked{down(kVkA), "<20 ms>", left, "<0 ms>", left, "<0 ms>", up(kVkA), "<50 ms>"};
    EXPECT_EQ(choice().macroActions.items(), clicked);
    EXPECT_EQ(choice().macroList.children()[0].items(), clicked);
    EXPECT_EQ(captions.front(), "Cursor Move Left(Point)");
    // A row past the end opens no menu.
    captions.clear();
    rightClick(kFirstMacroAction + 8);
    EXPECT_TRUE(captions.empty());
    answer = 1147;
    rightClick(kFirstMacroAction + 2);
    EXPECT_EQ(choice().macroActions.items(),
              (Items{down(kVkA), "<20 ms>", left, "<0 ms>", up(kVkA), "<50 ms>"}));

    // A right click during a recording only ends the recording: no menu, nothing inserted.
    mouse->click(kMacro.record);
    keyAt(100, kVkB, false);
    captions.clear();
    rightClick(kFirstMacroAction + 2);
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
        {"OK", Dialog::kOk},
        {"Cancel", Dialog::kCancel},
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
