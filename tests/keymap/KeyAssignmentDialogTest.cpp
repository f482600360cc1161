// SPDX-License-Identifier: GPL-3.0-or-later
// The key assignment dialog driven as a user drives it: clicks on its tabs, icons and buttons, keys
// through the keyboard hook, the virtual key picker answered through the opener.
#include "keymap/CPelmDialogKeyMapSettings.h"

#include "KeymapTestSupport.h"
#include "device/CPelmHWI.h"
#include "device/KeyboardHook.h"
#include "keymap/rules/KeyAssignmentChildren.h"
#include "keymap/rules/KeyAssignmentControls.h"
#include "platform/KeyboardHookFilter.h"
#include "ui/CSkinScrollBar.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using namespace KeymapTest;
using Dialog = CPelmDialogKeyMapSettings;
using Id = KeyAssignmentControlId;

constexpr int kKey = 20;
constexpr int kVkA = 0x41;
constexpr int kCodeA = 43;
constexpr int kCodeB = 60;
constexpr int kCodeLeftCtrl = 67;

class KeyAssignmentDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        store().currentKey = kKey;
        store().currentProgram = 0;
        store().currentTable = 0;
        store().language = "zh-CN";
    }
    void TearDown() override {
        dialog.reset();
        // No test leaves the process-wide hook behind.
        EXPECT_FALSE(KeyboardHook::processHook().installed());
    }

    CConfigStore& store() { return environment.store; }
    ScriptedPlatformServices& platform() { return environment.platform; }
    // A point of the entry clear of any caption laid over it.
    QPoint edgeOf(int id) const { return {mouse->rectOf(id).right() - 2, mouse->rectOf(id).center().y()}; }
    QPoint edgeOf(Id id) const { return edgeOf(idOf(id)); }
    Dialog& open() {
        dialog = std::make_unique<Dialog>(environment.context());
        dialog->show();
        QApplication::processEvents();
        mouse = std::make_unique<Mouse>(*dialog);
        return *dialog;
    }
    void give(int kind, int code, std::initializer_list<std::string> actions = {}, int table = 0) {
        const auto t = static_cast<std::size_t>(table);
        store().keyKind[kKey][t] = kind;
        store().keyCode[kKey][t] = code;
        store().keyActions[kKey][t].clear();
        for (const std::string& action : actions)
            store().keyActions[kKey][t].setOrAppend(ActionList::kAppend, action);
    }
    // The key plays "A Down, <20 ms>, A UP", filed in the macro library as "mine" unless told not to.
    void giveMacro(int cycles, int playMode, bool inLibrary = true) {
        ActionList macro(9);
        for (const char* item : {"A Down", "<20 ms>", "A UP"})
            macro.setOrAppend(ActionList::kAppend, item);
        macro.Cycles = cycles;
        macro.PlayMode = playMode;
        if (inLibrary) {
            ActionList library(9);
            library.setOrAppend(ActionList::kAppend, "mine");
            library.setChild(0, macro);
            store().predefinedMacros = library;
        }
        store().keyKind[kKey][0] = kKindMacro;
        store().keyActions[kKey][0] = macro;
    }
    int kind(int table = 0) { return store().keyKind[kKey][static_cast<std::size_t>(table)]; }
    int code(int table = 0) { return store().keyCode[kKey][static_cast<std::size_t>(table)]; }

    const SkinControl& entry(int id) const { return dialog->controls()[dialog->findById(id)]; }
    const SkinControl& entry(Id id) const { return entry(idOf(id)); }
    std::string caption(int id) const { return entry(id).caption(store_language()); }
    std::string caption(Id id) const { return caption(idOf(id)); }
    std::string store_language() const { return environment.store.language; }
    int tab(int page) const { return keyAssignmentTabId(page); }
    QColor pixelAt(QPoint point) { return dialog->grab().toImage().pixelColor(point); }
    template <typename Widget>
    Widget& child(const char* name) {
        auto* found = dialog->findChild<Widget*>(name);
        EXPECT_NE(found, nullptr) << name;
        return *found;
    }
    // Whether the dialog ended, and with which result.
    bool closedWith(int result) const { return !dialog->isVisible() && dialog->result() == result; }

    // A key pressed or released on the dialog's window, as the window system delivers it.
    void key(QEvent::Type type, int qtKey, quint32 scanCode) {
        QKeyEvent event(type, qtKey, Qt::NoModifier, scanCode, 0, 0);
        QApplication::sendEvent(dialog->windowHandle(), &event);
    }
    // Delivers what the hook posted.
    void deliverHookMessages() { QApplication::processEvents(); }

    Environment environment;
    std::unique_ptr<Dialog> dialog;
    std::unique_ptr<Mouse> mouse;
};

// ---- opening ----

TEST_F(KeyAssignmentDialogTest, OpensOnThePageOfTheKeysKindWithItsPictures) {
    struct Case {
        int kind;
        int code;
        int page;
    };
    const Case cases[] = {
        {kKindNotSet, 0, 1},  {kKindSingle, kCodeA, 1}, {kKindCombo, 0, 1},
        {kKindMacro, 0, 2},   {kKindEmulation, 0, 3},   {kKindMultimedia, 110, 4},
        {kKindMouse, 157, 5}, {kKindFunction, 203, 6},  {kKindPower, 77, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        give(c.kind, c.code, {"A"});
        open();
        EXPECT_EQ(dialog->currentPage(), c.page);
        EXPECT_EQ(dialog->size(), QSize(871, 552));
        EXPECT_EQ(pixelAt(QPoint(300, 15)), pageColour(c.page));
        EXPECT_EQ(dialog->currentChoice().singleMode, c.kind != kKindCombo);
    }
}

TEST_F(KeyAssignmentDialogTest, ASingleKeyIsNamedAndNoKeyShowsDashes) {
    give(kKindNotSet, 0);
    open();
    dialog->grab();
    EXPECT_EQ(caption(Id::KeyName), "-- --");
    EXPECT_TRUE(entry(Id::SingleRadio).selected);
    EXPECT_TRUE(entry(Id::SingleLabel).selected);
    EXPECT_FALSE(entry(Id::ComboRadio).selected);
    give(kKindSingle, kCodeA);
    open();
    dialog->grab();
    EXPECT_EQ(caption(Id::KeyName), store().keyNames.at(kVkA));
    EXPECT_EQ(dialog->windowTitle(), "按键设置面板");
}

TEST_F(KeyAssignmentDialogTest, AMacroKeyOpensOnItsLibraryEntryWithItsActions) {
    giveMacro(7, 2);
    open();
    dialog->grab();
    EXPECT_EQ(dialog->currentPage(), 2);
    EXPECT_EQ(caption(idOf(Id::FirstMacroRow)), "mine");
    EXPECT_TRUE(entry(idOf(Id::FirstMacroRow)).selected);
    EXPECT_EQ(caption(idOf(Id::FirstMacroRow) + 1), "");
    EXPECT_EQ(caption(idOf(Id::FirstMacroActionRow)), "A Down");
    EXPECT_EQ(caption(idOf(Id::FirstMacroActionRow) + 1), "<20 ms>");
    EXPECT_EQ(caption(idOf(Id::FirstMacroActionRow) + 2), "A UP");
    // The play settings: the count box, the toggle mode, recorded delays.
    EXPECT_EQ(child<QLineEdit>("countEdit").text(), "7");
    EXPECT_EQ(child<QLineEdit>("delayEdit").text(), "30");
    EXPECT_TRUE(entry(Id::TogglePlayRadio).selected);
    EXPECT_FALSE(entry(Id::TimesPlayRadio).selected);
    EXPECT_TRUE(entry(Id::RecordedDelayRadio).selected);
    EXPECT_FALSE(child<QLineEdit>("delayEdit").isEnabled());
    // The current row is drawn from the selected picture.
    EXPECT_EQ(pixelAt(edgeOf(idOf(Id::FirstMacroRow))), kSelected);
    EXPECT_EQ(pixelAt(edgeOf(idOf(Id::FirstMacroRow) + 1)), pageColour(2));
}

TEST_F(KeyAssignmentDialogTest, AComboMissingFromTheLibraryIsShownAsDefaultAndKeptOnOk) {
    const std::string ctrl = store().codeToName(kCodeLeftCtrl);
    const std::string c = store().keyNames.at('C');
    give(kKindCombo, 0, {ctrl, c});
    open();
    dialog->grab();
    EXPECT_EQ(caption(idOf(Id::FirstComboRow)), "default");
    EXPECT_TRUE(entry(idOf(Id::FirstComboRow)).selected);
    EXPECT_TRUE(entry(Id::ComboRadio).selected);
    EXPECT_EQ(child<QPlainTextEdit>("comboEdit").toPlainText().toStdString(), ctrl + " + " + c);
    mouse->click(Id::Ok);
    EXPECT_TRUE(closedWith(SkinnedWindow::kResultOk));
    EXPECT_EQ(kind(), kKindCombo);
    EXPECT_EQ(store().predefinedCombos.items(), std::vector<std::string>{"default"});
}

TEST_F(KeyAssignmentDialogTest, AKeyOutsideTheKeyboardIsNotEdited) {
    store().currentKey = 0;
    dialog = std::make_unique<Dialog>(environment.context());
    EXPECT_EQ(dialog->exec(), SkinnedWindow::kResultCancel);
}

// ---- pages ----

TEST_F(KeyAssignmentDialogTest, EachTabShowsItsPageWithItsBoxesAndScrollBars) {
    struct Case {
        int page;
        bool count;
        bool delay;
        bool combo;
        bool listBar;
        bool actionBar;
    };
    const Case cases[] = {
        {1, false, false, true, true, false},   {2, true, true, false, true, true},
        {3, true, false, false, true, true},    {4, false, false, false, false, false},
        {5, false, false, false, false, false}, {6, false, false, false, false, false},
        {7, false, false, false, false, false},
    };
    open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        mouse->click(tab(c.page));
        EXPECT_EQ(dialog->currentPage(), c.page);
        EXPECT_EQ(pixelAt(QPoint(300, 15)), pageColour(c.page));
        EXPECT_EQ(child<QLineEdit>("countEdit").isVisible(), c.count);
        EXPECT_EQ(child<QLineEdit>("delayEdit").isVisible(), c.delay);
        EXPECT_EQ(child<QPlainTextEdit>("comboEdit").isVisible(), c.combo);
        EXPECT_EQ(child<CSkinScrollBar>("listScrollBar").isVisible(), c.listBar);
        EXPECT_EQ(child<CSkinScrollBar>("actionScrollBar").isVisible(), c.actionBar);
        EXPECT_FALSE(child<QLineEdit>("nameEdit").isVisible());
        EXPECT_FALSE(child<QLineEdit>("nameEdit").isEnabled());
    }
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(KeyAssignmentDialogTest, ControlsOfOtherPagesAreNeitherDrawnNorClicked) {
    open();
    // Page 4's Play/Pause icon lies under page 1's key name; on page 1 a click there does nothing.
    mouse->click(tab(4));
    const QPoint icon = mouse->centreOf(Id::PlayPause);
    mouse->click(tab(1));
    mouse->clickAt(icon);
    EXPECT_EQ(dialog->currentChoice().functionCode(4), -1);
    mouse->click(tab(4));
    mouse->clickAt(icon);
    EXPECT_EQ(dialog->currentChoice().functionCode(4), 111);
}

TEST_F(KeyAssignmentDialogTest, EditBoxesStandWhereTheLanguagePutsThem) {
    struct Case {
        const char* language;
        QRect count;
        QRect delay;
    };
    // Left and width scaled down, top and height scaled down plus one.
    const Case cases[] = {
        {"zh-CN", QRect(705, 169, 54, 28), QRect(705, 265, 54, 28)},
        {"en-US", QRect(727, 169, 54, 28), QRect(720, 265, 54, 28)},
        {"de-DE", QRect(705, 169, 54, 28), QRect(705, 265, 54, 28)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        store().language = c.language;
        open();
        mouse->click(tab(2));
        EXPECT_EQ(child<QLineEdit>("countEdit").geometry(), c.count);
        EXPECT_EQ(child<QLineEdit>("delayEdit").geometry(), c.delay);
        EXPECT_EQ(child<QLineEdit>("countEdit").font().pixelSize(), 19);
        EXPECT_EQ(child<QLineEdit>("countEdit").palette().color(QPalette::Text), QColor(255, 111, 0));
        EXPECT_EQ(child<QLineEdit>("countEdit").palette().color(QPalette::Base), QColor(20, 20, 20));
    }
    mouse->click(tab(1));
    EXPECT_EQ(child<QPlainTextEdit>("comboEdit").geometry(), QRect(570, 208, 211, 79));
    EXPECT_EQ(child<QPlainTextEdit>("comboEdit").font().pixelSize(), 16);
}

TEST_F(KeyAssignmentDialogTest, ScrollBarsAreOneSkinCellWideAndRangedForTheirLists) {
    ActionList combos(6);
    for (int k = 0; k < 10; ++k)
        combos.setOrAppend(ActionList::kAppend, "combo " + std::to_string(k));
    store().predefinedCombos = combos;
    open();
    auto& list = child<CSkinScrollBar>("listScrollBar");
    EXPECT_EQ(list.geometry(), QRect(535, 205, 16, 145));
    const ScrollInfo info = list.scrollInfo(ScrollInfo::kAll);
    EXPECT_EQ(info.minimum, 0);
    EXPECT_EQ(info.maximum, 15);
    EXPECT_EQ(info.page, 6);
    // The thumb stands at the current entry, the last one.
    EXPECT_EQ(info.position, 9);
    mouse->click(tab(2));
    EXPECT_EQ(list.geometry(), QRect(271, 173, 16, 190));
    EXPECT_EQ(child<CSkinScrollBar>("actionScrollBar").geometry(), QRect(535, 173, 16, 190));
    EXPECT_EQ(list.scrollInfo(ScrollInfo::kAll).maximum, 8);
}

TEST_F(KeyAssignmentDialogTest, ScrollingALibraryShowsTheActionsOfTheEntryItMakesCurrent) {
    ActionList library(9);
    for (int k = 0; k < 12; ++k) {
        library.setOrAppend(ActionList::kAppend, "macro " + std::to_string(k));
        ActionList actions(9);
        actions.setOrAppend(ActionList::kAppend, "K" + std::to_string(k) + " Down");
        library.setChild(library.CursorPos, actions);
    }
    library.select(0);
    store().predefinedMacros = library;
    open();
    mouse->click(tab(2));
    auto& bar = child<CSkinScrollBar>("listScrollBar");
    const QPoint downArrow(bar.width() / 2, bar.height() - bar.unit() / 2);
    for (int step = 0; step < 10; ++step) {
        QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, downArrow);
        QApplication::processEvents();
    }
    dialog->grab();
    const KeyAssignmentChoice& choice = dialog->currentChoice();
    EXPECT_EQ(bar.scrollInfo(ScrollInfo::kPosition).position, 10);
    EXPECT_EQ(choice.macroList.ViewStartAt + choice.macroList.CursorPos, 10);
    EXPECT_EQ(choice.macroActions.items(), std::vector<std::string>{"K10 Down"});
    EXPECT_EQ(caption(idOf(Id::FirstMacroActionRow)), "K10 Down");
    // No entry took another's actions on the way.
    for (int k = 0; k < 12; ++k) {
        const std::size_t at = static_cast<std::size_t>(k);
        EXPECT_EQ(choice.macroList.children()[at].items(),
                  std::vector<std::string>{"K" + std::to_string(k) + " Down"});
    }
}

// ---- function pages ----

TEST_F(KeyAssignmentDialogTest, IconsToggleTheirPagesFunctionAndOkStoresItsKind) {
    struct Case {
        int page;
        Id icon;
        Id otherIcon;
        int code;
        int kind;
    };
    const Case cases[] = {
        {4, Id::MediaStop, Id::Calculator, 110, kKindMultimedia},
        {5, Id::ContinuousMove, Id::CursorLeft, 157, kKindMouse},
        {6, Id::KeypadDoubleZero, Id::LightDirectionRight, 203, kKindFunction},
        {7, Id::Sleep, Id::Power, 76, kKindPower},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        give(kKindSingle, kCodeA);
        open();
        mouse->click(tab(c.page));
        mouse->click(c.otherIcon);
        mouse->click(c.icon);
        EXPECT_EQ(dialog->currentChoice().functionCode(c.page), c.code);
        mouse->moveTo(QPoint(5, 200));
        EXPECT_EQ(pixelAt(edgeOf(c.icon)), kSelected);
        EXPECT_EQ(pixelAt(edgeOf(c.otherIcon)), pageColour(c.page));
        // The chosen icon again: nothing chosen; OK then leaves the key unset.
        mouse->click(c.icon);
        EXPECT_EQ(dialog->currentChoice().functionCode(c.page), -1);
        mouse->moveTo(QPoint(5, 200));
        EXPECT_EQ(pixelAt(edgeOf(c.icon)), pageColour(c.page));
        mouse->click(c.icon);
        mouse->click(Id::Ok);
        EXPECT_TRUE(closedWith(SkinnedWindow::kResultOk));
        EXPECT_EQ(kind(), c.kind);
        EXPECT_EQ(code(), c.code);
    }
}

// An icon whose function the variant lacks is drawn as absent in the page's picture: no click chooses
// it and the mouse over it shows no hover.
TEST_F(KeyAssignmentDialogTest, FunctionsTheVariantLacksCannotBeChosen) {
    struct Case {
        int variant;
        Id icon;
        bool offered;
    };
    const Case cases[] = {
        {4, Id::Bluetooth1, false},      {4, Id::BacklightColour, true}, {3, Id::Bluetooth1, false},
        {3, Id::BacklightColour, false}, {1, Id::Bluetooth1, true},      {2, Id::BacklightColour, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.variant) + " " + std::to_string(idOf(c.icon)));
        store().deviceVariant = c.variant;
        give(kKindSingle, kCodeA);
        open();
        mouse->click(tab(6));
        mouse->moveTo(edgeOf(c.icon));
        EXPECT_EQ(pixelAt(edgeOf(c.icon)) == kHover, c.offered);
        mouse->click(c.icon);
        EXPECT_EQ(dialog->currentChoice().functionCode(6) != -1, c.offered);
        mouse->click(Id::Ok);
        EXPECT_EQ(kind(), c.offered ? kKindFunction : kKindNotSet);
    }
}

// A keyboard reads back a count of 0 for the macros it repeats or toggles; played a number of times,
// a macro is played 1 to 255 times.
TEST_F(KeyAssignmentDialogTest, APlayCountOutOfRangeNeverLeavesTheDialog) {
    struct Case {
        int playMode;
        int cycles;
        bool switchToTimesPlay;
        int stored;
    };
    const Case cases[] = {
        {1, 0, true, 1}, {2, 0, true, 1}, {0, 0, false, 1}, {0, 300, false, 255}, {2, 0, false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.playMode) + " " + std::to_string(c.cycles));
        giveMacro(c.cycles, c.playMode, false);
        open();
        if (c.switchToTimesPlay) {
            mouse->click(Id::TimesPlayRadio);
            EXPECT_EQ(child<QLineEdit>("countEdit").text(), QString::number(c.stored));
        }
        mouse->click(Id::Ok);
        EXPECT_EQ(store().keyActions[kKey][0].Cycles, c.stored);
    }
}

// The macro's action menu and its submenus read at one size.
TEST_F(KeyAssignmentDialogTest, TheActionMenusSubmenusShareItsFont) {
    giveMacro(1, 0);
    open();
    std::vector<int> sizes;
    QTimer inspect;
    inspect.setSingleShot(true);
    QObject::connect(&inspect, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr)
            return;
        sizes.push_back(menu->font().pixelSize());
        for (const QAction* action : menu->actions()) {
            if (action->menu() != nullptr)
                sizes.push_back(action->menu()->font().pixelSize());
        }
        menu->close();
    });
    inspect.start(0);
    const QPoint at = mouse->centreOf(idOf(Id::FirstMacroActionRow));
    QMouseEvent release(QEvent::MouseButtonRelease, at, dialog->mapToGlobal(at), Qt::RightButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(dialog.get(), &release);
    ASSERT_GT(sizes.size(), 1U);
    EXPECT_EQ(std::ranges::count(sizes, sizes.front()), static_cast<long>(sizes.size()));
}

TEST_F(KeyAssignmentDialogTest, MouseIconWordsFitBesideTheirGlyphsInBothLanguages) {
    for (const char* language : {"zh-CN", "en-US"}) {
        SCOPED_TRACE(language);
        store().language = language;
        open();
        // The words are fitted when the page is first shown; showing it again moves nothing.
        mouse->click(tab(5));
        mouse->click(tab(1));
        mouse->click(tab(5));
        for (const ControlSpec& icon : keyAssignmentIcons(5)) {
            const SkinControl& label = entry(keyAssignmentMouseLabelId(icon.id));
            const QRect iconRect = mouse->rectOf(icon.id);
            ASSERT_TRUE(label.isLabel);
            // Right of the square glyph at the icon's left, up to the icon's right edge.
            EXPECT_EQ(label.rect.left, iconRect.left() + iconRect.height()) << icon.id;
            EXPECT_EQ(label.rect.right, iconRect.left() + iconRect.width()) << icon.id;
            const QFontMetrics metrics(environment.resources.fonts().font(label.fontIndex));
            EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(label.caption(language))),
                      label.rect.width())
                << icon.id;
            EXPECT_GE(label.fontIndex, 13) << icon.id;
        }
    }
}

TEST_F(KeyAssignmentDialogTest, IconTooltipsShowAfterTheDelayInTheLanguageShown) {
    open();
    mouse->click(tab(4));
    IconTooltip& tooltip = dialog->tooltip();
    mouse->moveTo(mouse->centreOf(Id::PlayPause));
    EXPECT_FALSE(tooltip.isShown());
    EXPECT_EQ(tooltip.timers().interval(IconTooltip::kShowTimer), 300);
    ASSERT_TRUE(tooltip.timers().fire(IconTooltip::kShowTimer));
    EXPECT_TRUE(tooltip.isShown());
    EXPECT_EQ(tooltip.label().text(), "播放/暂停");
    const QImage look = tooltip.label().grab().toImage();
    EXPECT_EQ(look.pixelColor(look.width() - 3, look.height() / 2), QColor(255, 255, 0));
    EXPECT_NE(tooltip.label().styleSheet().indexOf("color: rgb(0, 0, 255)"), -1);
    // Straight onto another icon: its text at once.
    mouse->moveTo(mouse->centreOf(Id::MediaStop));
    EXPECT_TRUE(tooltip.isShown());
    EXPECT_EQ(tooltip.label().text(), "停止");
    // Off the icons (between the two rows): gone.
    mouse->moveTo(QPoint(300, 330));
    EXPECT_FALSE(tooltip.isShown());
    EXPECT_FALSE(tooltip.timers().isActive(IconTooltip::kShowTimer));
    // A page change deactivates it; no page but 4 to 7 has icons.
    mouse->moveTo(mouse->centreOf(Id::PlayPause));
    tooltip.timers().fire(IconTooltip::kShowTimer);
    mouse->click(tab(1));
    EXPECT_FALSE(tooltip.isShown());
    mouse->moveTo(mouse->centreOf(Id::PlayPause));
    EXPECT_FALSE(tooltip.timers().isActive(IconTooltip::kShowTimer));
    // In English.
    store().language = "en-US";
    open();
    mouse->click(tab(6));
    mouse->moveTo(mouse->centreOf(Id::FnKey));
    dialog->tooltip().timers().fire(IconTooltip::kShowTimer);
    EXPECT_EQ(dialog->tooltip().label().text(), "Fn key for keyboard,Key's 3 level must be set to Fn");
}

// ---- the single key ----

TEST_F(KeyAssignmentDialogTest, CapturingTakesTheLastKeyPressedUntilTheNextClick) {
    const KeyboardHookFilter hook(qApp);
    give(kKindSingle, kCodeA);
    open();
    mouse->click(Id::Capture);
    EXPECT_TRUE(dialog->isCapturing());
    EXPECT_TRUE(KeyboardHook::processHook().installed());
    dialog->grab();
    EXPECT_TRUE(entry(Id::StopCaptureLabel).visible);
    EXPECT_FALSE(entry(Id::CaptureLabel).visible);
    key(QEvent::KeyPress, Qt::Key_B, 0);
    key(QEvent::KeyRelease, Qt::Key_B, 0);
    key(QEvent::KeyPress, Qt::Key_Enter, 0);
    key(QEvent::KeyRelease, Qt::Key_Enter, 0);
    key(QEvent::KeyPress, Qt::Key_F13, 0);
    deliverHookMessages();
    EXPECT_EQ(dialog->currentChoice().singleKeyIndex, store().codeToVk[210]);
    dialog->grab();
    EXPECT_EQ(caption(Id::KeyName), store().codeToName(210));
    // A click on the combination radio only ends the capture.
    mouse->click(Id::ComboRadio);
    EXPECT_FALSE(dialog->isCapturing());
    EXPECT_FALSE(KeyboardHook::processHook().installed());
    EXPECT_TRUE(dialog->currentChoice().singleMode);
    dialog->grab();
    EXPECT_FALSE(entry(Id::StopCaptureLabel).visible);
    // Keys pressed now change nothing.
    key(QEvent::KeyPress, Qt::Key_C, 0);
    deliverHookMessages();
    EXPECT_EQ(dialog->currentChoice().singleKeyIndex, store().codeToVk[210]);
    mouse->click(Id::ComboRadio);
    EXPECT_FALSE(dialog->currentChoice().singleMode);
    mouse->click(Id::ComboRadio);
    mouse->click(Id::Ok);
    EXPECT_EQ(kind(), kKindSingle);
    EXPECT_EQ(code(), 210);
    EXPECT_TRUE(platform().messageBoxes().empty());
}

TEST_F(KeyAssignmentDialogTest, TheKeypadEnterIsTakenAsItself) {
    open();
    mouse->click(Id::Capture);
    feedHookKeyEvent(13, false, true);
    deliverHookMessages();
    mouse->click(Id::Ok);
    EXPECT_EQ(code(), 107);
}

TEST_F(KeyAssignmentDialogTest, OkAndCancelEndACaptureAndRunAtOnce) {
    for (const Id command : {Id::Ok, Id::Cancel}) {
        SCOPED_TRACE(idOf(command));
        give(kKindPower, 77);
        open();
        mouse->click(tab(1));
        mouse->click(Id::Capture);
        feedHookKeyEvent(kVkA, false, false);
        deliverHookMessages();
        mouse->click(command);
        EXPECT_FALSE(KeyboardHook::processHook().installed());
        EXPECT_TRUE(closedWith(command == Id::Ok ? SkinnedWindow::kResultOk : SkinnedWindow::kResultCancel));
        EXPECT_EQ(kind(), command == Id::Ok ? kKindSingle : kKindPower);
    }
}

// During a capture Escape is a key like any other, from the window system or sent to the dialog;
// afterwards it closes the dialog again.
TEST_F(KeyAssignmentDialogTest, EscapeIsCapturedAndClosesTheDialogOnlyWhenNothingIsCaptured) {
    const KeyboardHookFilter hook(qApp);
    give(kKindPower, 77);
    open();
    mouse->click(tab(1));
    mouse->click(Id::Capture);
    key(QEvent::KeyPress, Qt::Key_Escape, 9);
    key(QEvent::KeyRelease, Qt::Key_Escape, 9);
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    deliverHookMessages();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->currentChoice().singleKeyIndex, 0x1B);
    mouse->click(Id::Capture);
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_TRUE(closedWith(SkinnedWindow::kResultCancel));
    EXPECT_EQ(kind(), kKindPower);
}

TEST_F(KeyAssignmentDialogTest, AKeyTheKeyboardCannotSendIsReportedAndNotStored) {
    open();
    mouse->click(Id::Capture);
    feedHookKeyEvent(0xE9, false, false);
    // The same key again, before another: not taken twice.
    feedHookKeyEvent(0xE9, false, false);
    deliverHookMessages();
    ASSERT_EQ(platform().messageBoxes().size(), 1U);
    EXPECT_EQ(platform().messageBoxes().back().text, "a=233, b=0, c=-1");
    dialog->grab();
    EXPECT_EQ(caption(Id::KeyName), "-- --");
    mouse->click(Id::Ok);
    EXPECT_EQ(kind(), kKindNotSet);
}

// The Enter that dismisses the box is the box's; the capture goes on after it.
TEST_F(KeyAssignmentDialogTest, TheKeyThatDismissesTheCapturesMessageIsNotCaptured) {
    const KeyboardHookFilter hook(qApp);
    open();
    platform().setWhileMessageShown([this] {
        key(QEvent::KeyPress, Qt::Key_Return, 36);
        key(QEvent::KeyRelease, Qt::Key_Return, 36);
    });
    mouse->click(Id::Capture);
    feedHookKeyEvent(0xE9, false, false);
    deliverHookMessages();
    platform().setWhileMessageShown({});
    deliverHookMessages();
    EXPECT_EQ(platform().messageBoxes().size(), 1U);
    EXPECT_EQ(dialog->currentChoice().singleKeyIndex, -1);
    EXPECT_TRUE(dialog->isCapturing());
    key(QEvent::KeyPress, Qt::Key_B, 56);
    deliverHookMessages();
    EXPECT_EQ(dialog->currentChoice().singleKeyIndex, 0x42);
    mouse->click(Id::Capture);
}

TEST_F(KeyAssignmentDialogTest, TheVirtualKeyboardPicksTheSingleKey) {
    std::vector<int> offered;
    int answer = SkinnedWindow::kResultOk;
    environment.opener.install(WindowId::VirtualKeys, [&](const WindowContext& context, QWidget*, int mode) {
        EXPECT_EQ(mode, 1);
        offered.push_back(context.store.virtualKeyState[0]);
        context.store.virtualKeyState[0] = kCodeB;
        return answer;
    });
    give(kKindSingle, kCodeA);
    open();
    mouse->click(Id::Capture);
    // The picker takes over from a capture.
    mouse->click(Id::PickSingleKey);
    EXPECT_FALSE(dialog->isCapturing());
    EXPECT_EQ(offered, std::vector<int>{kCodeA});
    EXPECT_EQ(dialog->currentChoice().singleKeyIndex, 'B');
    // Cancel and a failed run take nothing over.
    for (const int result : {SkinnedWindow::kResultCancel, WindowOpener::kNotOffered}) {
        answer = result;
        give(kKindSingle, kCodeA);
        open();
        mouse->click(Id::PickSingleKey);
        EXPECT_EQ(dialog->currentChoice().singleKeyIndex, kVkA);
    }
    // No key: the picker is told -1.
    answer = SkinnedWindow::kResultOk;
    give(kKindNotSet, 0);
    open();
    mouse->click(Id::PickSingleKey);
    EXPECT_EQ(offered.back(), -1);
    // In combination mode the single key's picker does not open.
    mouse->click(Id::ComboRadio);
    const std::size_t runs = offered.size();
    mouse->click(Id::PickSingleKey);
    EXPECT_EQ(offered.size(), runs);
}

TEST_F(KeyAssignmentDialogTest, RadiosSwitchBetweenSingleAndCombination) {
    open();
    struct Step {
        Id radio;
        bool single;
    };
    for (const Step& step : {Step{Id::SingleRadio, false}, Step{Id::SingleRadio, true},
                             Step{Id::ComboRadio, false}, Step{Id::ComboRadio, true}}) {
        mouse->click(step.radio);
        dialog->grab();
        EXPECT_EQ(dialog->currentChoice().singleMode, step.single);
        EXPECT_EQ(entry(Id::SingleRadio).selected, step.single);
        EXPECT_EQ(entry(Id::ComboLabel).selected, !step.single);
    }
    // Capturing belongs to single mode.
    mouse->click(Id::ComboRadio);
    mouse->click(Id::Capture);
    EXPECT_FALSE(dialog->isCapturing());
}

// ---- Default, Clear, OK, Cancel ----

TEST_F(KeyAssignmentDialogTest, DefaultShowsTheFactoryFunctionOnItsPageAndClearNothing) {
    struct Case {
        int key;
        int table;
        int page;
        int code;
        int kind;
    };
    const Case cases[] = {
        {1, 0, 1, 1, kKindSingle},          // Esc
        {2, 1, 4, 112, kKindMultimedia},    // F1 on the Fn layer
        {33, 2, 5, 158, kKindMouse},        // Fn2 layer
        {69, 1, 6, 203, kKindFunction},     // keypad 00 on the Fn layer
        {81, 0, 6, kFnCode, kKindFunction}, // the Fn key
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        store().currentKey = c.key;
        store().currentTable = c.table;
        const auto k = static_cast<std::size_t>(c.key);
        const auto t = static_cast<std::size_t>(c.table);
        store().keyKind[k][t] = kKindPower;
        store().keyCode[k][t] = 75;
        open();
        mouse->click(Id::Default);
        EXPECT_EQ(dialog->currentPage(), c.page);
        mouse->click(Id::Ok);
        EXPECT_EQ(store().keyKind[k][t], c.kind);
        EXPECT_EQ(store().keyCode[k][t], c.code);
    }
    // Clear: page 1 with nothing chosen; OK leaves the key unset.
    open();
    mouse->click(tab(6));
    mouse->click(Id::Clear);
    EXPECT_EQ(dialog->currentPage(), 1);
    mouse->click(Id::Ok);
    EXPECT_EQ(store().keyKind[81][0], kKindNotSet);
}

TEST_F(KeyAssignmentDialogTest, EveryWayOutButOkChangesNothing) {
    struct Way {
        const char* what;
        std::function<void()> leave;
    };
    const Way ways[] = {
        {"Cancel", [this] { mouse->click(Id::Cancel); }},
        {"close button", [this] { mouse->click(Id::Close); }},
        {"Escape", [this] { QTest::keyClick(dialog.get(), Qt::Key_Escape); }},
        {"window closed", [this] { dialog->close(); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        give(kKindMacro, 0, {"A Down", "A UP"});
        const auto kinds = store().keyKind;
        const auto codes = store().keyCode;
        open();
        mouse->click(tab(4));
        mouse->click(Id::MediaSelect);
        mouse->click(Id::Default);
        way.leave();
        EXPECT_TRUE(closedWith(SkinnedWindow::kResultCancel));
        EXPECT_EQ(store().keyKind, kinds);
        EXPECT_EQ(store().keyCode, codes);
        EXPECT_TRUE(store().predefinedMacros.empty());
    }
}

TEST_F(KeyAssignmentDialogTest, EnterInAnEditBoxNeverClosesTheDialog) {
    open();
    mouse->click(tab(2));
    auto& count = child<QLineEdit>("countEdit");
    count.setFocus();
    for (const int enter : {Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(&count, static_cast<Qt::Key>(enter));
        EXPECT_TRUE(dialog->isVisible());
    }
    mouse->click(tab(3));
    QTest::keyClick(&child<QLineEdit>("countEdit"), Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), 0);
}

// ---- clicks ----

TEST_F(KeyAssignmentDialogTest, AClickFollowedByADoubleClickRunsNoCommand) {
    open();
    const QPoint macroTab = mouse->centreOf(tab(2));
    mouse->pressAndRelease(macroTab);
    EXPECT_TRUE(dialog->hasPendingClick());
    mouse->secondPress(macroTab);
    EXPECT_FALSE(dialog->hasPendingClick());
    EXPECT_EQ(dialog->currentPage(), 1);
    // The release that ends the double-click is a click of its own.
    mouse->send(QEvent::MouseButtonRelease, macroTab);
    EXPECT_EQ(dialog->timers().interval(SkinnedWindow::kDeferredClickTimer), Dialog::kClickWaitMs);
    dialog->timers().fire(SkinnedWindow::kDeferredClickTimer);
    EXPECT_EQ(dialog->currentPage(), 2);
}

TEST_F(KeyAssignmentDialogTest, HoveringRepaintsOnlyTheControlsLeftAndEntered) {
    open();
    mouse->click(tab(4));
    mouse->moveTo(mouse->centreOf(Id::MediaSelect));
    QApplication::processEvents();
    struct Recorder : QObject {
        QRegion painted;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Paint)
                painted += static_cast<QPaintEvent*>(event)->region();
            return QObject::eventFilter(watched, event);
        }
    } recorder;
    dialog->installEventFilter(&recorder);
    mouse->moveTo(mouse->centreOf(Id::PlayPause));
    QApplication::processEvents();
    dialog->removeEventFilter(&recorder);
    EXPECT_EQ(recorder.painted,
              QRegion(mouse->rectOf(Id::MediaSelect)) + QRegion(mouse->rectOf(Id::PlayPause)));
}

} // namespace
