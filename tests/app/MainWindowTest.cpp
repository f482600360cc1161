// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven as a user drives it: mouse moves and clicks, answers from the scripted
// platform, transfers through the progress dialog against a virtual keyboard.
#include "app/CPelmDlg.h"

#include "app/ConfigurationHistory.h"
#include "app/ProgramWindows.h"
#include "app/RecoverySaver.h"
#include "app/rules/MainWindowControls.h"
#include "controls/KeyboardKeys.h"
#include "device/AtomicFileWrite.h"
#include "device/VirtualKeyboardFile.h"
#include "keymap/CPelmDialogKeyMapSettings.h"
#include "keymap/rules/KeyAssignmentControls.h"
#include "model/ConfigStore.h"
#include "model/history/RecoveryFile.h"
#include "model/profile/ProfileFile.h"
#include "platform/ScriptedPlatformServices.h"
#include "res/SharedResources.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

namespace {

using Id = MainWindowControlId;

using namespace std::chrono_literals;
using Answer = MessageAnswer;

constexpr QSize kDesign{1040, 680};
const QColor kBackground{50, 50, 50};
const QColor kHover{0, 200, 0};
const QColor kPressed{200, 0, 0};

PictureDrawer flat(const QColor& colour) {
    return [colour] {
        QImage image(kDesign, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    };
}

// Plain one-colour pictures, so that every look can be read back from the painted window.
PictureLibrary flatPictures() {
    PictureDrawers drawers;
    for (int variant : {1, 2, 3, 4}) {
        drawers[PictureSet::pictureNumber(0, variant)] = flat(kBackground);
        drawers[PictureSet::pictureNumber(1, variant)] = flat(kHover);
        drawers[PictureSet::pictureNumber(2, variant)] = flat(kPressed);
    }
    return PictureLibrary(std::move(drawers));
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        VirtualKeyboardState state = factoryState(4);
        state.transferMs = 0;
        for (int key = 1; key <= kLastKey; ++key)
            state.counts[static_cast<std::size_t>(key - 1)] = key * 10;
        ASSERT_TRUE(keyboard.create(state, true).ok());
        store.device.setSleeper([](std::chrono::milliseconds) {});
        store.deviceVariant = store.device.DetectDeviceType();
        store.buildCatalogue();
        store.scaleFactor = 1.5F;
    }

    // The main window after its initialisation, shown; with a recovery file in recoveryFolder when given.
    CPelmDlg& open(const std::string& recoveryFolder = {}) {
        installProgramWindows(opener, [](std::chrono::milliseconds) {});
        window =
            std::make_unique<CPelmDlg>(WindowContext{store, resources, QSize(1920, 1080), platform, opener});
        window->setHelpPath(QStringLiteral("/opt/qelec/QelEC.html"));
        window->setRecoveryFolder(recoveryFolder);
        window->show();
        QApplication::processEvents();
        return *window;
    }

    QRect rectOf(int id) const {
        const SkinControl& control = window->controls()[window->findById(id)];
        return {control.rect.left, control.rect.top, control.rect.width(), control.rect.height()};
    }
    QPoint centreOf(int id) const { return rectOf(id).center(); }
    const SkinControl& control(Id id) const { return window->controls()[window->findById(id)]; }

    void moveTo(QPoint point) {
        QMouseEvent move(QEvent::MouseMove, point, window->mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(window.get(), &move);
        QApplication::processEvents();
    }
    void click(int id) {
        QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, centreOf(id));
        QApplication::processEvents();
    }
    void click(Id id) { click(idOf(id)); }
    QImage painted() { return window->grab().toImage(); }

    void failOnKeyboard(Failure failure) {
        ASSERT_TRUE(keyboard
                        .update([failure](VirtualKeyboardState& state) {
                            state.setFailure(failure, true);
                            return true;
                        })
                        .ok());
    }
    const ScriptedPlatformServices::MessageBoxRecord& lastMessage() const {
        return platform.messageBoxes().back();
    }

    TempDir folder;
    VirtualKeyboardFile keyboard{folder.file("keyboard.txt")};
    CConfigStore store{folder.file("keyboard.txt")};
    SharedResources resources{flatPictures(), 4};
    ScriptedPlatformServices platform;
    WindowOpener opener;
    std::unique_ptr<CPelmDlg> window;
};

TEST_F(MainWindowTest, OpensOnTheTopLayerOfTheFirstProgramWithFactoryKeys) {
    open();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->size(), QSize(1560, 1020));
    EXPECT_TRUE(control(Id::TopLayer).selected);
    EXPECT_TRUE(control(Id::TopLayerLabel).selected);
    EXPECT_TRUE(control(Id::Program1Label).selected);
    EXPECT_FALSE(control(Id::FnLayer).selected);
    EXPECT_EQ(store.currentTable, 0);
    EXPECT_EQ(store.keyKind[1][0], kKindSingle);
    EXPECT_EQ(store.configDirty, 0);
    EXPECT_TRUE(window->watchesDevice());
    // The information box: 47, 506 to 1000, 653 design units, one pixel lower once scaled.
    EXPECT_EQ(window->informationBox().geometry(), QRect(QPoint(70, 760), QPoint(1499, 979)));
    EXPECT_EQ(window->informationBox().font().pixelSize(), 19);
    EXPECT_TRUE(platform.messageBoxes().empty());
}

TEST_F(MainWindowTest, LayerAndProgramButtonsKeepTheirOffsets) {
    open();
    click(Id::FnLayer);
    EXPECT_EQ(store.currentTable, 1);
    EXPECT_TRUE(control(Id::FnLayerLabel).selected);
    EXPECT_FALSE(control(Id::TopLayerLabel).selected);
    click(Id::Program);
    EXPECT_EQ(store.currentProgram, 1);
    EXPECT_EQ(store.currentTable, 4);
    EXPECT_TRUE(control(Id::Program2Label).selected);
    click(Id::Program);
    EXPECT_EQ(store.currentTable, 7);
    click(Id::Fn2Layer);
    EXPECT_EQ(store.currentTable, 8);
    EXPECT_TRUE(control(Id::Fn2LayerLabel).selected);
    click(Id::Program);
    EXPECT_EQ(store.currentProgram, 0);
    EXPECT_EQ(store.currentTable, 2);
    EXPECT_TRUE(control(Id::Program1Label).selected);
    EXPECT_FALSE(control(Id::Program3Label).selected);
    // The selected layer again: nothing changes.
    click(Id::Fn2Layer);
    EXPECT_EQ(store.currentTable, 2);
    EXPECT_TRUE(control(Id::Fn2Layer).selected);
}

TEST_F(MainWindowTest, HoveringAKeyDescribesItAndRewritesTheBoxOnlyWhenTheTextChanges) {
    open();
    painted();
    EXPECT_EQ(window->informationText(),
              "QelEC(RGB) 编程软件 [版本 1.0.10]\r\n\r\n高频键：      低频键：     \r\n敲击次数：");
    const int writes = window->informationWrites();
    moveTo(centreOf(keyboardKeyId(1)));
    painted();
    // Counters not read yet: nothing after the counter caption but the program line.
    EXPECT_NE(window->informationText().find("敲击次数：\r\n编程键盘1：\r\n顶层键：单键 ESC"),
              std::string::npos)
        << window->informationText();
    EXPECT_EQ(window->informationWrites(), writes + 1);
    moveTo(centreOf(keyboardKeyId(1)) + QPoint(3, 2));
    painted();
    EXPECT_EQ(window->informationWrites(), writes + 1);
    moveTo(centreOf(keyboardKeyId(2)));
    painted();
    EXPECT_EQ(window->informationWrites(), writes + 2);
    EXPECT_EQ(window->informationBox().toPlainText().count(QLatin1Char('\r')), 0);
}

// Collects the regions the window is asked to repaint.
class PaintRecorder : public QObject {
public:
    QRegion painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return QObject::eventFilter(watched, event);
    }
};

TEST_F(MainWindowTest, MovingFromKeyToKeyRepaintsOnlyTheTwoKeys) {
    open();
    moveTo(centreOf(keyboardKeyId(1)));
    QApplication::processEvents();
    PaintRecorder recorder;
    window->installEventFilter(&recorder);
    moveTo(centreOf(keyboardKeyId(2)));
    QApplication::processEvents();
    window->removeEventFilter(&recorder);
    EXPECT_EQ(recorder.painted, QRegion(rectOf(keyboardKeyId(1))) + QRegion(rectOf(keyboardKeyId(2))));
}

TEST_F(MainWindowTest, LanguageButtonSwitchesEveryTextAndBack) {
    open();
    click(Id::Language);
    EXPECT_EQ(store.language, "en-US");
    moveTo(centreOf(keyboardKeyId(1)));
    painted();
    EXPECT_EQ(window->informationText().rfind("QelEC(RGB) Programming Software", 0), 0U);
    EXPECT_NE(window->informationText().find("Counter: \r\nProgram1:\r\nTopLayer Key:Single ESC"),
              std::string::npos);
    click(Id::Language);
    EXPECT_EQ(store.language, "zh-CN");
}

TEST_F(MainWindowTest, KeysShowTheirKindAsPressedLookOrColouredBar) {
    open();
    store.keyKind[35][0] = kKindNotSet; // R
    store.keyKind[36][0] = kKindCombo;  // T
    store.keyKind[37][0] = kKindPower;  // Y
    store.keyKind[38][1] = kKindMacro;  // U, on the Fn layer only
    moveTo(QPoint(2, 2));
    const QImage image = painted();
    const auto barPixel = [this](int id) {
        const QRect key = rectOf(id);
        return QPoint(key.center().x(), key.bottom() - 2);
    };
    EXPECT_EQ(image.pixelColor(centreOf(keyboardKeyId(35))), kPressed);
    EXPECT_EQ(image.pixelColor(barPixel(keyboardKeyId(36))), QColor(255, 255, 0));
    EXPECT_EQ(image.pixelColor(centreOf(keyboardKeyId(36))), kBackground);
    EXPECT_EQ(image.pixelColor(barPixel(keyboardKeyId(37))), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(barPixel(keyboardKeyId(38))), kBackground);
    // The bar is about 14 design units wide: its ends stay inside the key.
    EXPECT_EQ(image.pixelColor(rectOf(keyboardKeyId(36)).left() + 3, rectOf(keyboardKeyId(36)).bottom() - 2),
              kBackground);
    click(Id::FnLayer);
    moveTo(QPoint(2, 2));
    EXPECT_EQ(painted().pixelColor(barPixel(keyboardKeyId(38))), QColor(0, 255, 0));
    // The mouse over a key gives it the hover look, over its pressed look too.
    moveTo(centreOf(keyboardKeyId(35)));
    store.keyKind[35][1] = kKindNotSet;
    EXPECT_EQ(painted().pixelColor(centreOf(keyboardKeyId(35))), kHover);
}

TEST_F(MainWindowTest, WrittenKeysReadBackThroughTheProgressDialog) {
    open();
    const std::string a = store.keyNames.at(0x41);
    const std::string c = store.keyNames.at(0x43);
    store.keyKind[5][0] = kKindCombo;
    store.keyActions[5][0].setOrAppend(ActionList::kAppend, a);
    store.keyActions[5][0].setOrAppend(ActionList::kAppend, c);
    store.configDirty = 1;
    click(Id::WriteKeys);
    ASSERT_FALSE(platform.messageBoxes().empty());
    EXPECT_EQ(lastMessage().text, "OK!!");
    EXPECT_EQ(lastMessage().title, "Qel");
    EXPECT_EQ(lastMessage().icon, MessageIcon::Warning);
    EXPECT_EQ(store.configDirty, 0);
    click(Id::Defaults);
    EXPECT_EQ(store.keyKind[5][0], kKindSingle);
    click(Id::ReadAll);
    EXPECT_EQ(lastMessage().text, "OK!!");
    EXPECT_EQ(store.keyKind[5][0], kKindCombo);
    EXPECT_EQ(store.keyActions[5][0].items(), (std::vector<std::string>{a, c}));
    moveTo(centreOf(keyboardKeyId(5)));
    painted();
    EXPECT_NE(window->informationText().find("顶层键：组合键 " + a + " | " + c), std::string::npos)
        << window->informationText();
}

// The program's own key assignment dialog, clicked through while it runs over the main window.
TEST_F(MainWindowTest, AKeyAssignedInItsDialogShowsItsNewKindAndHoverText) {
    open();
    bool answered = false;
    QTimer::singleShot(0, window.get(), [this, &answered] {
        auto* dialog = window->findChild<CPelmDialogKeyMapSettings*>();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->currentPage(), 1);
        // The multimedia tab, Play/Pause, OK.
        for (const int id : {keyAssignmentTabId(kPageMultimedia), idOf(KeyAssignmentControlId::PlayPause),
                             idOf(KeyAssignmentControlId::Ok)}) {
            const SkinRect& rect = dialog->controls()[dialog->findById(id)].rect;
            QTest::mouseClick(dialog, Qt::LeftButton, Qt::NoModifier,
                              QPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2));
            dialog->timers().fire(SkinnedWindow::kDeferredClickTimer);
        }
        answered = true;
    });
    click(keyboardKeyId(35)); // E
    ASSERT_TRUE(answered);
    EXPECT_EQ(store.keyKind[35][0], kKindMultimedia);
    EXPECT_EQ(store.keyCode[35][0], 111);
    EXPECT_EQ(store.configDirty, 1);
    moveTo(centreOf(keyboardKeyId(35)));
    const QImage image = painted();
    const QRect key = rectOf(keyboardKeyId(35));
    const Rgb magenta = mainWindowKindPalette()[kKindMultimedia];
    EXPECT_EQ(image.pixelColor(key.center().x(), key.bottom() - 2),
              QColor(redOf(magenta), greenOf(magenta), blueOf(magenta)));
    EXPECT_NE(window->informationText().find("顶层键：" + store.kindNamesZh[kKindMultimedia] + " " +
                                             store.codeToName(111)),
              std::string::npos)
        << window->informationText();
}

TEST_F(MainWindowTest, CountersAreReadAndShown) {
    open();
    click(Id::ReadCounters);
    EXPECT_EQ(lastMessage().text, "OK!!");
    EXPECT_EQ(lastMessage().title, "QelEC");
    moveTo(centreOf(keyboardKeyId(3)));
    painted();
    EXPECT_NE(window->informationText().find("高频键：Right  低频键：Esc \r\n敲击次数：30\r\n"),
              std::string::npos)
        << window->informationText();
}

TEST_F(MainWindowTest, FailedTransfersSayFailedAndKeepTheChangesUnwritten) {
    open();
    store.configDirty = 1;
    failOnKeyboard(Failure::WriteKeys);
    click(Id::WriteKeys);
    EXPECT_EQ(lastMessage().text, "Failed!");
    EXPECT_EQ(lastMessage().title, "");
    EXPECT_EQ(store.configDirty, 1);
    failOnKeyboard(Failure::Counters);
    click(Id::ReadCounters);
    EXPECT_EQ(lastMessage().text, "Failed!");
    failOnKeyboard(Failure::ReadKeys);
    click(Id::ReadAll);
    EXPECT_EQ(lastMessage().text, "Failed!");
    EXPECT_EQ(platform.messageBoxes().size(), 3U);
}

// The worker fetches while the window goes on painting; every paint sees the old keys or the new
// ones, and a read-all whose light read fails shows neither the keys nor the lights it read.
TEST_F(MainWindowTest, PaintsDuringAReadAllSeeTheOldOrTheNewConfigurationOnly) {
    open();
    const auto oldKinds = store.keyKind;
    auto newKinds = oldKinds;
    for (auto& row : newKinds)
        row.fill(kKindNotSet);
    int observations = 0;
    int mixed = 0;
    QTimer painter;
    QObject::connect(&painter, &QTimer::timeout, window.get(), [&] {
        window->repaint();
        ++observations;
        if (store.keyKind != oldKinds && store.keyKind != newKinds)
            ++mixed;
    });
    // Slow the keyboard down so that many paints fall inside the transfer.
    store.device.setSleeper([](std::chrono::milliseconds) { std::this_thread::sleep_for(50us); });
    painter.start(0);
    click(Id::ReadAll);
    painter.stop();
    EXPECT_EQ(lastMessage().text, "OK!!");
    EXPECT_EQ(store.keyKind, newKinds);
    EXPECT_GT(observations, 1);
    EXPECT_EQ(mixed, 0);

    click(Id::Defaults);
    store.lightArea[7] = {1, 2, 3};
    failOnKeyboard(Failure::ReadLights);
    click(Id::ReadAll);
    EXPECT_EQ(lastMessage().text, "Failed!");
    EXPECT_EQ(store.keyKind, oldKinds);
    EXPECT_EQ(store.lightArea[7], (std::array<int, 3>{1, 2, 3}));
}

// A device change noticed while a transfer holds the keyboard is not lost: it is checked as soon as
// the transfer ends.
TEST_F(MainWindowTest, UnpluggingDuringATransferIsNoticedWhenItEnds) {
    for (const Id command : {Id::ReadCounters, Id::WriteKeys, Id::ReadAll}) {
        SCOPED_TRACE(idOf(command));
        ASSERT_TRUE(keyboard
                        .update([](VirtualKeyboardState& state) {
                            state.plugged = true;
                            return true;
                        })
                        .ok());
        open();
        opener.install(WindowId::Transfer, [this](const WindowContext& context, QWidget* parent, int mode) {
            QTimer::singleShot(0, window.get(), [this] {
                ASSERT_TRUE(keyboard
                                .update([](VirtualKeyboardState& state) {
                                    state.plugged = false;
                                    return true;
                                })
                                .ok());
                window->checkDeviceAfterChange();
            });
            return CPelmDialogProgress::runner([](std::chrono::milliseconds) {})(context, parent, mode);
        });
        click(command);
        EXPECT_FALSE(window->isVisible());
        ASSERT_FALSE(platform.messageBoxes().empty());
        EXPECT_EQ(lastMessage().text, "键盘已断开");
        EXPECT_EQ(window->result(), SkinnedWindow::kResultCancel);
    }
}

TEST_F(MainWindowTest, ProfilesSaveAndOpenThroughTheFileDialogs) {
    open();
    const std::string path = folder.file("mine.pro");
    store.keyKind[9][3] = kKindMacro;
    store.keyActions[9][3].setOrAppend(ActionList::kAppend, "A Down");
    platform.queueFileName(QString::fromStdString(path));
    click(Id::SaveProfile);
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(platform.fileDialogs().back().filter, CPelmDlg::kProfileFilter);
    EXPECT_EQ(platform.fileDialogs().back().defaultExtension, "pro");
    click(Id::Defaults);
    EXPECT_EQ(store.keyKind[9][3], kKindSingle);
    platform.queueFileName(QString::fromStdString(path));
    click(Id::OpenProfile);
    EXPECT_EQ(store.keyKind[9][3], kKindMacro);
    EXPECT_TRUE(platform.messageBoxes().empty());
}

TEST_F(MainWindowTest, ClicksRightAfterOpeningAProfileAreIgnored) {
    open();
    platform.queueFileCancel();
    click(Id::OpenProfile);
    EXPECT_EQ(store.clickGuard, 1);
    EXPECT_EQ(window->timers().interval(CPelmDlg::kClickGuardTimer), 500);
    click(Id::FnLayer);
    EXPECT_EQ(store.currentTable, 0);
    ASSERT_TRUE(window->timers().fire(CPelmDlg::kClickGuardTimer));
    EXPECT_EQ(store.clickGuard, 0);
    EXPECT_FALSE(window->timers().isActive(CPelmDlg::kClickGuardTimer));
    click(Id::FnLayer);
    EXPECT_EQ(store.currentTable, 1);
}

TEST_F(MainWindowTest, ProfilesThatCannotBeOpenedOrSavedAreReportedAndChangeNothing) {
    open();
    const std::string broken = folder.file("broken.pro");
    std::ofstream(broken) << "<QelEC(RGB)><KEY ID=\"1\"";
    store.keyKind[9][0] = kKindPower;
    platform.queueFileName(QString::fromStdString(broken));
    click(Id::OpenProfile);
    EXPECT_EQ(store.keyKind[9][0], kKindPower);
    ASSERT_EQ(platform.messageBoxes().size(), 1U);
    EXPECT_TRUE(lastMessage().text.startsWith("无法打开配置文件"));
    EXPECT_TRUE(lastMessage().text.contains(QString::fromStdString(broken)));
    window->timers().fire(CPelmDlg::kClickGuardTimer);

    click(Id::Language);
    const std::string nowhere = folder.file("missing-folder/mine.pro");
    platform.queueFileName(QString::fromStdString(nowhere));
    click(Id::SaveProfile);
    ASSERT_EQ(platform.messageBoxes().size(), 2U);
    EXPECT_TRUE(lastMessage().text.startsWith("The profile could not be saved"));
    EXPECT_TRUE(lastMessage().text.contains("No such file or directory")) << lastMessage().text.toStdString();
    EXPECT_FALSE(std::filesystem::exists(nowhere));
}

TEST_F(MainWindowTest, ExitAsksAboutUnwrittenChangesFirst) {
    open();
    store.configDirty = 1;
    platform.queueMessageAnswer(Answer::No);
    click(Id::Exit);
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(platform.messageBoxes().size(), 1U);
    EXPECT_EQ(lastMessage().text, "配置未写入，是否继续退出??");
    EXPECT_EQ(lastMessage().buttons, MessageButtons::YesNo);
    EXPECT_EQ(lastMessage().icon, MessageIcon::Question);

    platform.queueMessageAnswer(Answer::Yes);
    platform.queueMessageAnswer(Answer::Yes);
    const std::string path = folder.file("on-exit.pro");
    platform.queueFileName(QString::fromStdString(path));
    click(Id::Exit);
    EXPECT_EQ(platform.messageBoxes().size(), 3U);
    EXPECT_EQ(lastMessage().text, "是否保存按键配置文件??");
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), SkinnedWindow::kResultOk);
}

// A save on the way out that fails keeps the program open so the user can save elsewhere; a
// cancelled file dialog still ends it.
TEST_F(MainWindowTest, ExitStaysWhenTheSaveFailsAndEndsWhenTheFileDialogIsCancelled) {
    open();
    platform.queueMessageAnswer(Answer::Yes);
    const std::string nowhere = folder.file("missing-folder/on-exit.pro");
    platform.queueFileName(QString::fromStdString(nowhere));
    click(Id::Exit);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(lastMessage().text.startsWith("无法保存配置文件"));

    platform.queueMessageAnswer(Answer::Yes);
    platform.queueFileCancel();
    click(Id::Exit);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), SkinnedWindow::kResultOk);
}

// Any other XML file is not taken for a profile of another keyboard.
TEST_F(MainWindowTest, ForeignDocumentsAreNotProfilesAndOtherKeyboardsAreNamed) {
    struct Case {
        const char* content;
        const char* reason;
    };
    for (const Case& file :
         {Case{"<html><body>hello</body></html>", "该文件不是本程序的配置文件。"},
          Case{"<QelEC(S)><KEY ID=\"1\"/></QelEC(S)>", "该配置文件属于另一款键盘（QelEC(S)）。"}}) {
        open();
        const std::string path = folder.file("foreign.pro");
        std::ofstream(path) << file.content;
        platform.queueFileName(QString::fromStdString(path));
        click(Id::OpenProfile);
        EXPECT_TRUE(lastMessage().text.contains(QString::fromUtf8(file.reason)))
            << lastMessage().text.toStdString();
    }
}

// The toolkit's own texts follow the program's language from the start and with the language button.
TEST_F(MainWindowTest, TheToolkitSpeaksTheProgramsLanguage) {
    open();
    EXPECT_EQ(platform.toolkitLanguage(), "zh-CN");
    click(Id::Language);
    EXPECT_EQ(platform.toolkitLanguage(), "en-US");
    click(Id::Language);
    EXPECT_EQ(platform.toolkitLanguage(), "zh-CN");
}

TEST_F(MainWindowTest, ExitWithoutChangesAsksOnlyAboutSaving) {
    open();
    platform.queueMessageAnswer(Answer::No);
    click(Id::Exit);
    ASSERT_EQ(platform.messageBoxes().size(), 1U);
    EXPECT_EQ(lastMessage().text, "是否保存按键配置文件??");
    EXPECT_TRUE(platform.fileDialogs().empty());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, TrayHoldsTheWindowAndItsMenuEndsTheProgramWithoutQuestions) {
    open();
    click(Id::Language);
    click(Id::Language);
    click(Id::Minimise);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(platform.trayVisible());
    EXPECT_EQ(platform.trayToolTip(), "QelEC");
    ASSERT_EQ(platform.trayMenu().size(), 1U);
    EXPECT_EQ(platform.trayMenu()[0], (TrayMenuEntry{2, QStringLiteral("关闭")}));
    ASSERT_TRUE(platform.doubleClickTray());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(platform.trayVisible());

    store.configDirty = 1;
    click(Id::Minimise);
    ASSERT_TRUE(platform.chooseTrayMenuEntry(CPelmDlg::kTrayExitEntry));
    EXPECT_TRUE(platform.messageBoxes().empty());
    EXPECT_FALSE(platform.trayVisible());
    EXPECT_EQ(window->result(), SkinnedWindow::kResultCancel);
}

TEST_F(MainWindowTest, WithoutATrayTheWindowIsMinimisedInstead) {
    platform.setTrayAvailable(false);
    open();
    click(Id::Minimise);
    EXPECT_FALSE(platform.trayVisible());
    EXPECT_TRUE(window->isMinimized() || window->isVisible());
}

TEST_F(MainWindowTest, HelpOpensTheHelpDocument) {
    open();
    click(Id::Help);
    EXPECT_EQ(platform.openedFiles(), QStringList{QStringLiteral("/opt/qelec/QelEC.html")});
    platform.setOpenSucceeds(false);
    click(Id::Help);
    EXPECT_TRUE(platform.messageBoxes().empty());
}

TEST_F(MainWindowTest, AcceptedKeyEditsMarkTheChangesUnwritten) {
    int answer = SkinnedWindow::kResultCancel;
    std::vector<std::pair<int, int>> edited;
    // The program's own windows are installed as the window opens; this runner answers in their place.
    open();
    opener.install(WindowId::KeyAssignment, [&](const WindowContext& context, QWidget*, int) {
        edited.emplace_back(context.store.currentKey, context.store.currentTable);
        return answer;
    });
    click(Id::FnLayer);
    click(keyboardKeyId(34));
    EXPECT_EQ(edited, (std::vector<std::pair<int, int>>{{34, 1}}));
    EXPECT_EQ(store.configDirty, 0);
    answer = SkinnedWindow::kResultOk;
    click(keyboardKeyId(34));
    EXPECT_EQ(store.configDirty, 1);
}

TEST_F(MainWindowTest, UnpluggingTheKeyboardEndsTheProgram) {
    open();
    // Another device changed: the keyboard is still there.
    window->checkDeviceAfterChange();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(platform.messageBoxes().empty());

    ASSERT_TRUE(keyboard
                    .update([](VirtualKeyboardState& state) {
                        state.plugged = false;
                        return true;
                    })
                    .ok());
    // The watcher notices the state file change by itself.
    QElapsedTimer waited;
    waited.start();
    while (window->isVisible() && waited.elapsed() < 10000)
        QTest::qWait(20);
    EXPECT_FALSE(window->isVisible());
    ASSERT_EQ(platform.messageBoxes().size(), 1U);
    EXPECT_EQ(lastMessage().text, "键盘已断开");
    EXPECT_EQ(window->result(), SkinnedWindow::kResultCancel);
}

} // namespace

namespace {

// ---- the edit history ----

void pressKeys(QWidget& target, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(&target, key, modifiers);
    QApplication::processEvents();
}

class MainWindowHistoryTest;
// One command that changes the working configuration, as a test drives it.
struct HistoryCommand {
    const char* stepName;
    std::function<void(CConfigStore&)> prepare;
    std::function<void(MainWindowHistoryTest&)> run;
};

class MainWindowHistoryTest : public MainWindowTest, public testing::WithParamInterface<HistoryCommand> {
public:
    void prepareCommand() {
        if (GetParam().prepare)
            GetParam().prepare(store);
    }
    void runCommand() { GetParam().run(*this); }
    using MainWindowTest::click;
    using MainWindowTest::folder;
    using MainWindowTest::opener;
    using MainWindowTest::platform;
    using MainWindowTest::store;
    using MainWindowTest::window;

    // The window opened by kind, answering with result after change.
    void answerWindow(WindowId id, int result, std::function<void(CConfigStore&)> change) {
        opener.install(id, [result, change](const WindowContext& context, QWidget*, int) {
            change(context.store);
            return result;
        });
    }
    void undo() { pressKeys(*window, Qt::Key_Z, Qt::ControlModifier); }
    void redoWithY() { pressKeys(*window, Qt::Key_Y, Qt::ControlModifier); }
    void redoWithShiftZ() { pressKeys(*window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }
    std::string shownInformation() {
        painted();
        return window->informationText();
    }
};

void writeProfileWithMacroOn9(MainWindowHistoryTest& test, const std::string& path) {
    CConfigStore other{test.folder.file("keyboard.txt")};
    other.deviceVariant = 4;
    other.buildCatalogue();
    other.resetToDefaults();
    other.keyKind[9][3] = kKindMacro;
    other.keyActions[9][3].setOrAppend(ActionList::kAppend, "A Down");
    other.lightArea[9] = {4, 5, 6};
    ASSERT_TRUE(saveProfile(other, path));
}

const HistoryCommand kHistoryCommands[] = {
    {"key W, program 1, top layer: Single W → Multimedia Play/Pause",
     {},
     [](MainWindowHistoryTest& test) {
         test.answerWindow(WindowId::KeyAssignment, SkinnedWindow::kResultOk, [](CConfigStore& store) {
             store.keyKind[34][0] = kKindMultimedia;
             store.keyCode[34][0] = 111;
         });
         test.click(keyboardKeyId(34));
     }},
    {"Default",
     [](CConfigStore& store) {
         store.keyKind[20][5] = kKindPower;
         store.lightArea[20] = {1, 1, 1};
     },
     [](MainWindowHistoryTest& test) { test.click(MainWindowControlId::Defaults); }},
    {"Open profile mine.pro",
     {},
     [](MainWindowHistoryTest& test) {
         const std::string path = test.folder.file("mine.pro");
         writeProfileWithMacroOn9(test, path);
         test.platform.queueFileName(QString::fromStdString(path));
         test.click(MainWindowControlId::OpenProfile);
         test.window->timers().fire(CPelmDlg::kClickGuardTimer);
     }},
    {"Read All",
     [](CConfigStore& store) {
         store.keyKind[7][0] = kKindNotSet;
         store.lightArea[7] = {9, 9, 9};
     },
     [](MainWindowHistoryTest& test) { test.click(MainWindowControlId::ReadAll); }},
    {"Backlight: 4 keys",
     {},
     [](MainWindowHistoryTest& test) {
         test.answerWindow(WindowId::Backlight, SkinnedWindow::kResultOk, [](CConfigStore& store) {
             for (const int key : {1, 2, 3, 85})
                 store.lightArea[key] = {255, 0, key};
         });
         test.click(MainWindowControlId::Backlight);
     }},
    {"Rapid trigger: 85 keys",
     {},
     [](MainWindowHistoryTest& test) {
         test.answerWindow(WindowId::RapidTrigger, SkinnedWindow::kResultOk, [](CConfigStore& store) {
             for (int key = kFirstKey; key <= kLastKey; ++key)
                 store.triggerValues[key] = {30, 40, 3};
         });
         test.click(MainWindowControlId::RapidTrigger);
     }},
};

void expectSameTables(const StoreConfiguration& a, const StoreConfiguration& b) {
    EXPECT_EQ(a.keyKind, b.keyKind);
    EXPECT_EQ(a.keyCode, b.keyCode);
    EXPECT_EQ(a.lightArea, b.lightArea);
    EXPECT_EQ(a.triggerValues, b.triggerValues);
    for (std::size_t key = 0; key < kKeySlots; ++key) {
        for (std::size_t table = 0; table < kTables; ++table)
            ASSERT_EQ(a.keyActions[key][table].items(), b.keyActions[key][table].items())
                << key << " " << table;
    }
}

TEST_P(MainWindowHistoryTest, EachCommandIsOneNamedStepThatCtrlZUndoesAndCtrlYRedoes) {
    open();
    prepareCommand();
    const auto before = std::make_unique<StoreConfiguration>(store.configuration());
    runCommand();
    const auto after = std::make_unique<StoreConfiguration>(store.configuration());
    ASSERT_EQ(window->history().steps().size(), 1U);
    EXPECT_EQ(window->history().steps().doneNames().back().en, GetParam().stepName);

    undo();
    expectSameTables(store.configuration(), *before);
    EXPECT_NE(shownInformation().find("\r\n已撤销："), std::string::npos) << window->informationText();
    redoWithY();
    expectSameTables(store.configuration(), *after);
    undo();
    redoWithShiftZ();
    expectSameTables(store.configuration(), *after);
    click(MainWindowControlId::Language);
    EXPECT_NE(shownInformation().find(std::string("Redone: ") + GetParam().stepName), std::string::npos)
        << window->informationText();
    EXPECT_TRUE(platform.messageBoxes().empty() || platform.messageBoxes().back().text == "OK!!");
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfStep, MainWindowHistoryTest, testing::ValuesIn(kHistoryCommands));

TEST_F(MainWindowTest, CancelledWindowsAndFailedCommandsLeaveNoStep) {
    open();
    opener.install(WindowId::KeyAssignment, [](const WindowContext& context, QWidget*, int) {
        context.store.keyKind[34][0] = kKindPower; // changed, then cancelled
        return SkinnedWindow::kResultCancel;
    });
    click(keyboardKeyId(34));
    opener.install(WindowId::Backlight,
                   [](const WindowContext&, QWidget*, int) { return SkinnedWindow::kResultCancel; });
    click(Id::Backlight);
    platform.queueFileCancel();
    click(Id::OpenProfile);
    window->timers().fire(CPelmDlg::kClickGuardTimer);
    const std::string broken = folder.file("broken.pro");
    std::ofstream(broken) << "<QelEC(RGB)><KEY ID=\"1\"";
    platform.queueFileName(QString::fromStdString(broken));
    click(Id::OpenProfile);
    window->timers().fire(CPelmDlg::kClickGuardTimer);
    failOnKeyboard(Failure::ReadLights);
    click(Id::ReadAll);
    EXPECT_EQ(lastMessage().text, "Failed!");
    EXPECT_EQ(window->history().steps().size(), 0U);
    pressKeys(*window, Qt::Key_Z, Qt::ControlModifier);
    painted();
    EXPECT_NE(window->informationText().find("没有可撤销的操作"), std::string::npos);
}

TEST_F(MainWindowTest, UndoMarksTheKeysUnwrittenUnlessTheyAreBackToWhatWasWritten) {
    open();
    opener.install(WindowId::KeyAssignment, [](const WindowContext& context, QWidget*, int) {
        context.store.keyKind[34][0] = kKindPower;
        return SkinnedWindow::kResultOk;
    });
    click(keyboardKeyId(34));
    EXPECT_EQ(store.configDirty, 1);
    click(Id::WriteKeys);
    EXPECT_EQ(store.configDirty, 0);
    pressKeys(*window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(store.configDirty, 1);
    pressKeys(*window, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(store.configDirty, 0);
    // A change of colours alone leaves the written keys as they were.
    opener.install(WindowId::Backlight, [](const WindowContext& context, QWidget*, int) {
        context.store.lightArea[3] = {7, 7, 7};
        return SkinnedWindow::kResultOk;
    });
    click(Id::Backlight);
    pressKeys(*window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(store.configDirty, 0);
}

// ---- the recovery file ----

std::string recoveryFileOf(const std::string& folder, const CConfigStore& store) {
    return recoveryFilePath(folder, store.device.statePath());
}

// The names of the steps the recovery file holds, or "missing" / "corrupt".
std::vector<std::string> recoveredSteps(const std::string& path) {
    const RecoveryReading reading = readRecoveryFile(path);
    if (reading.status != RecoveryReading::Status::Read)
        return {reading.status == RecoveryReading::Status::Missing ? "missing" : "corrupt"};
    std::vector<std::string> names;
    for (const StepName& step : reading.content.steps)
        names.push_back(step.en);
    return names;
}

bool waitForSteps(const std::string& path, const std::vector<std::string>& steps) {
    return QTest::qWaitFor([&] { return recoveredSteps(path) == steps; }, 10000);
}

TEST_F(MainWindowTest, TheRecoveryFileFollowsTheStepsButIsNotWrittenWhileATransferRuns) {
    const std::string state = folder.file("state");
    open(state);
    const std::string path = recoveryFileOf(state, store);
    store.keyKind[20][0] = kKindPower;
    click(Id::Defaults);
    ASSERT_TRUE(waitForSteps(path, {"Default"}));

    store.keyKind[7][0] = kKindNotSet;
    click(Id::Defaults); // a second step, due while the next transfer runs
    std::vector<std::string> seenDuringTransfer;
    opener.install(WindowId::Transfer, [&](const WindowContext& context, QWidget* parent, int mode) {
        QTest::qWait(3 * RecoverySaver::kCoalesceMs);
        seenDuringTransfer = recoveredSteps(path);
        return CPelmDialogProgress::runner([](std::chrono::milliseconds) {})(context, parent, mode);
    });
    click(Id::ReadAll);
    EXPECT_EQ(seenDuringTransfer, (std::vector<std::string>{"Default"}));
    EXPECT_TRUE(waitForSteps(path, {"Default", "Default", "Read All"}));
}

TEST_F(MainWindowTest, UnsecuredChangesLeftByARunThatDidNotEndAreOfferedAtTheNextStart) {
    const std::string state = folder.file("state");
    const std::string path = recoveryFileOf(state, store);
    const std::string step = "key W, program 1, top layer: Single W → Power W";
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        open(state);
        opener.install(WindowId::KeyAssignment, [](const WindowContext& context, QWidget*, int) {
            context.store.keyKind[34][0] = kKindPower;
            return SkinnedWindow::kResultOk;
        });
        click(keyboardKeyId(34));
        ASSERT_TRUE(waitForSteps(path, {step})) << recoveredSteps(path).front();
        window.reset(); // as a kill leaves it: no exit sequence

        const std::size_t shown = platform.messageBoxes().size();
        platform.queueMessageAnswer(answer);
        open(state);
        ASSERT_TRUE(QTest::qWaitFor([&] { return platform.messageBoxes().size() > shown; }, 10000));
        EXPECT_TRUE(lastMessage().text.startsWith("上次运行结束时")) << lastMessage().text.toStdString();
        EXPECT_TRUE(lastMessage().text.contains("按键 W，编程键盘1，顶层：单键 W → 电源键 W"))
            << lastMessage().text.toStdString();
        EXPECT_EQ(lastMessage().buttons, MessageButtons::YesNo);
        if (answer == Answer::No) {
            EXPECT_EQ(store.keyKind[34][0], kKindSingle);
            EXPECT_FALSE(std::filesystem::exists(path));
            window.reset();
            continue;
        }
        EXPECT_EQ(store.keyKind[34][0], kKindPower);
        EXPECT_EQ(store.configDirty, 1);
        ASSERT_EQ(window->history().steps().size(), 1U);
        pressKeys(*window, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(store.keyKind[34][0], kKindSingle);
    }
}

TEST_F(MainWindowTest, ACutOrForeignRecoveryFileIsSetAsideWithoutAQuestion) {
    const std::string state = folder.file("state");
    std::filesystem::create_directories(state);
    const std::string path = recoveryFileOf(state, store);
    RecoveryContent foreign;
    foreign.keyboard = "/elsewhere/keyboard.txt";
    foreign.variant = 4;
    foreign.unsecured = true;
    const std::string whole = recoveryText(foreign);
    for (const std::string& text : {whole.substr(0, whole.size() / 2), whole}) {
        ASSERT_TRUE(writeFileAtomically(path, text, nullptr));
        open(state);
        QApplication::processEvents();
        EXPECT_TRUE(platform.messageBoxes().empty());
        EXPECT_FALSE(std::filesystem::exists(path));
        std::filesystem::remove_all(state);
        std::filesystem::create_directories(state);
        window.reset();
    }
}

TEST_F(MainWindowTest, ANormalEndRemovesTheRecoveryFileOnlyWhenNothingIsUnwrittenAndUnsaved) {
    const std::string state = folder.file("state");
    open(state);
    const std::string path = recoveryFileOf(state, store);
    store.keyKind[20][0] = kKindPower;
    click(Id::Defaults);
    click(Id::WriteKeys);
    ASSERT_TRUE(waitForSteps(path, {"Default"}));
    platform.queueMessageAnswer(Answer::No); // no save
    QTimer::singleShot(0, window.get(), [this] { click(Id::Exit); });
    window->exec();
    EXPECT_FALSE(std::filesystem::exists(path));

    open(state);
    store.keyKind[20][0] = kKindPower;
    click(Id::Defaults);
    click(Id::Minimise);
    QTimer::singleShot(0, window.get(), [this] { platform.chooseTrayMenuEntry(CPelmDlg::kTrayExitEntry); });
    window->exec();
    EXPECT_EQ(recoveredSteps(path), (std::vector<std::string>{"Default"}));
}

TEST(RecoverySaver, TwoProgramsNeverShareOneFile) {
    TempDir folder;
    const std::string path = folder.file("recovery.txt");
    RecoverySaver first(
        path, [] { return std::string("one"); }, [] { return false; });
    RecoverySaver second(
        path, [] { return std::string("two"); }, [] { return false; });
    EXPECT_TRUE(first.usable());
    EXPECT_FALSE(second.usable());
    second.stepTaken();
    second.flush();
    EXPECT_FALSE(std::filesystem::exists(path));
    first.stepTaken();
    first.flush();
    EXPECT_TRUE(std::filesystem::exists(path));
}

} // namespace
