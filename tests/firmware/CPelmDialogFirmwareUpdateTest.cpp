// SPDX-License-Identifier: GPL-3.0-or-later
// The firmware window driven as a user drives it: clicks on its buttons, files picked in the scripted
// file dialog, downloads to a virtual QelEC(S) at 2.10.
#include "FirmwareWindowTestSupport.h"

#include "device/DeviceMessages.h"
#include "firmware/FirmwareDownload.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPaintEvent>
#include <QTimer>

#include <filesystem>
#include <iostream>
#include <sys/stat.h>
#include <thread>

namespace {

using namespace FirmwareWindowTest;
using Dialog = CPelmDialogFirmwareUpdate;
using Record = ScriptedPlatformServices::MessageBoxRecord;

const QString kSuccessZh = QStringLiteral("固件下载完成。\n请勿插拔USB直至直至重启键盘，则固件更新完成。");
const QString kFailedZh = QStringLiteral("固件下载失败!");
const QString kCannotOpenZh = QStringLiteral("打开固件文件失败");
const QString kMismatchZh = QStringLiteral("固件不匹配，请选择QelEC(S)");
const QString kLowerZh = QStringLiteral("更新版本低于本机版本，存在不匹配风险，请更新比本机高的版本");
const QString kUpdateMismatch = QStringLiteral("The firmware does not match");

class FirmwareDialogTest : public FirmwareWindowFixture {
protected:
    // Runs the dialog modally over owner; during(dialog) runs inside its modal loop.
    int run(const std::function<void(Dialog&)>& during, QWidget* owner = nullptr) {
        Dialog dialog(context(), owner);
        QTimer::singleShot(0, &dialog, [&dialog, &during] { during(dialog); });
        // Only a fault can leave the dialog open this long; end it then instead of hanging.
        QTimer::singleShot(30000, &dialog, [&dialog] { dialog.done(-1); });
        return dialog.exec();
    }
    // Picks path, presses Update and waits for the download to end.
    void download(Dialog& dialog, const std::string& path) {
        openFile(dialog, path);
        click(dialog, FirmwareControlId::Update);
        EXPECT_TRUE(waitFor([&dialog] { return !dialog.isDownloading(); }));
    }
    const Record& lastMessage() const { return platform.messageBoxes().back(); }
};

// ---- opening ----

TEST_F(FirmwareDialogTest, OpensWithTheKeyboardsVersionAndPlacesItsBoxesAtTheScale) {
    run([this](Dialog& dialog) {
        EXPECT_EQ(dialog.versionBox().text(), "QelEC(S);V2.10");
        EXPECT_EQ(dialog.localVersion(), (FirmwareChecks::FirmwareVersion{2, 10}));
        EXPECT_TRUE(dialog.isReady());
        EXPECT_EQ(dialog.barPercentage(), 0);
        EXPECT_EQ(dialog.size(), QSize(555, 375));
        // left 44 s, top 1 + 78 s, right 206 s, bottom 1 + 96 s (right and bottom outside).
        EXPECT_EQ(dialog.versionBox().geometry(), QRect(QPoint(66, 118), QPoint(308, 144)));
        EXPECT_EQ(dialog.fileBox().geometry(), QRect(QPoint(168, 175), QPoint(381, 202)));
        EXPECT_EQ(dialog.versionBox().font().pixelSize(), 22);
        EXPECT_EQ(dialog.barArea(), QRect(QPoint(60, 226), QPoint(494, 258)));
        EXPECT_EQ(dialog.windowTitle(), "键盘固件升级");
        dialog.done(0);
    });
    EXPECT_TRUE(platform.messageBoxes().empty());
}

TEST_F(FirmwareDialogTest, AnUnreadVersionSaysSoInItsLanguageAndLetsOlderFilesThrough) {
    changeKeyboard([](VirtualKeyboardState& state) { state.setFailure(Failure::Version, true); });
    for (const auto& [language, text] :
         {std::pair{"zh-CN", "读取键盘版本失败"},
          std::pair{"en-US", "Failed on reading keyboard version infomation"}, std::pair{"fr-FR", ""}}) {
        store.language = language;
        run([this, text = text](Dialog& dialog) {
            EXPECT_EQ(dialog.versionBox().text(), QString::fromUtf8(text));
            EXPECT_EQ(dialog.localVersion(), (FirmwareChecks::FirmwareVersion{0, 0}));
            openFile(dialog, folder.file("QelEC(S)_V0.01.bin"));
            EXPECT_EQ(dialog.chosenPath(), folder.file("QelEC(S)_V0.01.bin"));
            dialog.done(0);
        });
    }
    EXPECT_TRUE(platform.messageBoxes().empty());
}

// Get Version shows the version again; the version the checks compare with stays the one read when
// the window opened.
TEST_F(FirmwareDialogTest, GetVersionReadsAgainWithoutChangingTheComparedVersion) {
    run([this](Dialog& dialog) {
        changeKeyboard([](VirtualKeyboardState& state) { state.version = "QelEC(S);V2.50"; });
        click(dialog, FirmwareControlId::GetVersion);
        EXPECT_EQ(dialog.versionBox().text(), "QelEC(S);V2.50");
        EXPECT_EQ(dialog.localVersion(), (FirmwareChecks::FirmwareVersion{2, 10}));
        changeKeyboard([](VirtualKeyboardState& state) { state.setFailure(Failure::Version, true); });
        click(dialog, FirmwareControlId::GetVersion);
        EXPECT_EQ(dialog.versionBox().text(), "读取键盘版本失败");
        dialog.done(0);
    });
}

// ---- picking a file ----

struct PickCase {
    const char* name;
    const char* language;
    // The message shown, or null when the file is accepted.
    const char* message;
};

class FirmwarePickTest : public FirmwareDialogTest, public ::testing::WithParamInterface<PickCase> {};

TEST_P(FirmwarePickTest, NameAndVersionChecks) {
    const PickCase& pick = GetParam();
    store.language = pick.language;
    const std::string accepted = folder.file("QelEC(S)_V2.10.bin");
    const std::string picked = folder.file(pick.name);
    run([&](Dialog& dialog) {
        openFile(dialog, accepted);
        openFile(dialog, picked);
        EXPECT_EQ(dialog.chosenName(), pick.name);
        // A refused file leaves the last accepted one chosen.
        const std::string chosen = pick.message == nullptr ? picked : accepted;
        EXPECT_EQ(dialog.chosenPath(), chosen);
        EXPECT_EQ(dialog.fileBox().text().toStdString(), chosen);
        EXPECT_TRUE(dialog.isReady());
        dialog.done(0);
    });
    const auto& dialogs = platform.fileDialogs();
    ASSERT_EQ(dialogs.size(), 2U);
    EXPECT_EQ(dialogs[1].filter, "bin(*.bin)|*.bin");
    EXPECT_EQ(dialogs[1].defaultExtension, "bin");
    if (pick.message == nullptr) {
        EXPECT_TRUE(platform.messageBoxes().empty());
        return;
    }
    ASSERT_EQ(platform.messageBoxes().size(), 1U);
    EXPECT_EQ(lastMessage().text, QString::fromUtf8(pick.message));
    EXPECT_EQ(lastMessage().title, "QelEC");
    EXPECT_EQ(lastMessage().icon, MessageIcon::Error);
}

INSTANTIATE_TEST_SUITE_P(
    NamesAgainstVersion210, FirmwarePickTest,
    ::testing::Values(
        PickCase{"QelEC(S)_V3.00.bin", "zh-CN", nullptr}, PickCase{"QelEC(S)_test.bin", "zh-CN", nullptr},
        PickCase{"QelEC(S)_V2.10.bin", "en-US", nullptr},
        PickCase{"QelEC(S)_V2.05.bin", "zh-CN", "更新版本低于本机版本，存在不匹配风险，请更新比本机高的版本"},
        PickCase{"QelEC(S)_v1.99.bin", "en-US",
                 "The updated version is lower than the local version,and there is a risk of mismatch.Please "
                 "update the version higher than the local verion."},
        PickCase{"new QelEC(S)_V3.00.bin", "zh-CN", "固件不匹配，请选择QelEC(S)"},
        PickCase{"QelEC(RGB)_V3.00.bin", "en-US", "The firmware does not match,please select QelEC(S)"},
        PickCase{"QelEC(S)BLe_V3.00.bin", "zh-CN", "固件不匹配，请选择QelEC(S)"},
        // A version number that would wrap around to 0.0 is not taken for one, nor for a wrong model.
        PickCase{"QelEC(S)_V4294967296.00.bin", "en-US",
                 "The version in the firmware file name cannot be read"},
        PickCase{"QelEC(S)_V99999999999.bin", "zh-CN", "无法读取固件文件名中的版本号"}));

TEST_F(FirmwareDialogTest, UpdateWithoutAFileNamedForTheKeyboardSaysItDoesNotMatch) {
    run([this](Dialog& dialog) {
        click(dialog, FirmwareControlId::Update);
        openFile(dialog, folder.file("QelEC(RGB)_V3.00.bin"));
        click(dialog, FirmwareControlId::Update);
        EXPECT_FALSE(dialog.isDownloading());
        dialog.done(0);
    });
    EXPECT_EQ(messages(), (QStringList{kUpdateMismatch, kMismatchZh, kUpdateMismatch}));
    EXPECT_EQ(keyboardVersion(), "QelEC(S);V2.10");
}

// ---- downloading ----

TEST_F(FirmwareDialogTest, ADownloadFillsTheBarAndSaysItWorked) {
    std::vector<int> bars;
    run([&](Dialog& dialog) {
        gate.close();
        openFile(dialog, image("QelEC(S)_V3.00.bin"));
        click(dialog, FirmwareControlId::Update);
        EXPECT_TRUE(dialog.isDownloading());
        EXPECT_FALSE(dialog.isReady());
        EXPECT_EQ(dialog.barPercentage(), 1);
        EXPECT_EQ(store.firmwarePath, folder.file("QelEC(S)_V3.00.bin"));
        EXPECT_TRUE(store.progressWindow);
        auto* watch = new QTimer(&dialog);
        QObject::connect(watch, &QTimer::timeout, &dialog, [&bars, &dialog] {
            if (bars.empty() || bars.back() != dialog.barPercentage())
                bars.push_back(dialog.barPercentage());
        });
        watch->start(0);
        gate.open();
        EXPECT_TRUE(waitFor([&dialog] { return !dialog.isDownloading(); }));
        watch->stop();
        EXPECT_TRUE(dialog.isReady());
        EXPECT_EQ(dialog.barPercentage(), 100);
        dialog.done(0);
    });
    EXPECT_TRUE(std::is_sorted(bars.begin(), bars.end()));
    EXPECT_EQ(bars.back(), 100);
    EXPECT_EQ(keyboardVersion(), "QelEC(S);V3.00");
    ASSERT_EQ(messages(), QStringList{kSuccessZh});
    EXPECT_EQ(lastMessage().icon, MessageIcon::Information);
    EXPECT_EQ(lastMessage().title, "QelEC");
    EXPECT_FALSE(store.progressWindow);
}

// The bar takes count x 100 / 150 of each progress message, whatever the count.
TEST_F(FirmwareDialogTest, TheBarFollowsTheProgressCounts) {
    std::vector<int> bars;
    run([&](Dialog& dialog) {
        gate.close();
        openFile(dialog, image("QelEC(S)_V3.00.bin"));
        click(dialog, FirmwareControlId::Update);
        const WindowHandle window = store.progressWindow;
        for (std::uintptr_t count : {75U, 150U, 151U, 30U, 1000000U, 0U}) {
            postMessage(window, DeviceMessages::WM_TRANSFER_PROGRESS, count);
            QApplication::processEvents();
            bars.push_back(dialog.barPercentage());
        }
        gate.open();
        EXPECT_TRUE(waitFor([&dialog] { return !dialog.isDownloading(); }));
        dialog.done(0);
    });
    EXPECT_EQ(bars, (std::vector<int>{50, 100, 100, 20, 100, 0}));
}

// The bar is copied from the selected picture's strip, as wide as the download has come.
TEST_F(FirmwareDialogTest, TheBarIsDrawnFromTheSelectedPicture) {
    run([&](Dialog& dialog) {
        gate.close();
        openFile(dialog, image("QelEC(S)_V3.00.bin"));
        click(dialog, FirmwareControlId::Update);
        postMessage(store.progressWindow, DeviceMessages::WM_TRANSFER_PROGRESS, 75);
        QApplication::processEvents();
        const QImage painted = dialog.grab().toImage();
        const QRect bar = dialog.barArea();
        const int middle = bar.center().y();
        EXPECT_EQ(painted.pixelColor(bar.left() + bar.width() / 4, middle), kSelected);
        EXPECT_EQ(painted.pixelColor(bar.left() + bar.width() * 3 / 4, middle), kBackground);
        EXPECT_EQ(painted.pixelColor(bar.left() + bar.width() / 4, bar.top() - 3), kBackground);
        gate.open();
        EXPECT_TRUE(waitFor([&dialog] { return !dialog.isDownloading(); }));
        dialog.done(0);
    });
}

// Each progress step repaints the bar alone, once; a count that does not move it repaints nothing.
TEST_F(FirmwareDialogTest, ProgressRepaintsOnlyTheBarOncePerStep) {
    // Records the region of every paint of the window and how long each took.
    struct PaintWatch : QObject {
        std::vector<QRect> regions;
        std::vector<qint64> nanoseconds;
        QElapsedTimer timer;
        bool eventFilter(QObject* /*watched*/, QEvent* event) override {
            if (event->type() == QEvent::Paint) {
                regions.push_back(static_cast<QPaintEvent*>(event)->rect());
                timer.start();
            }
            return false;
        }
    } watch;
    QRect bar;
    run([&](Dialog& dialog) {
        bar = dialog.barArea();
        gate.close();
        openFile(dialog, image("QelEC(S)_V3.00.bin"));
        click(dialog, FirmwareControlId::Update);
        QObject::connect(&dialog, &SkinnedWindow::painted, &dialog,
                         [&watch] { watch.nanoseconds.push_back(watch.timer.nsecsElapsed()); });
        dialog.installEventFilter(&watch);
        for (int twice = 0; twice < 2; ++twice) {
            postMessage(store.progressWindow, DeviceMessages::WM_TRANSFER_PROGRESS, 75);
            QApplication::processEvents();
        }
        gate.open();
        EXPECT_TRUE(waitFor([&dialog] { return !dialog.isDownloading(); }));
        dialog.removeEventFilter(&watch);
        dialog.done(0);
    });
    // One for 75, then one for each of the ten steps at most; the bar alone each time.
    ASSERT_GE(watch.regions.size(), 1U);
    EXPECT_LE(watch.regions.size(), 11U);
    for (const QRect& region : watch.regions)
        EXPECT_TRUE(bar.contains(region));
    std::sort(watch.nanoseconds.begin(), watch.nanoseconds.end());
    std::cout << "bar repaints: " << watch.regions.size() << ", slowest "
              << static_cast<double>(watch.nanoseconds.back()) / 1e6 << " ms (offscreen, scale 1.5)\n";
}

// Images the keyboard verifies and refuses leave it as it was; the window offers a new attempt.
TEST_F(FirmwareDialogTest, DamagedAndForeignImagesAreRefusedByTheKeyboard) {
    std::vector<char> damaged = *FirmwareImage::build(3, 3, 0, FirmwareImage::samplePayload(2000, 9));
    damaged[700] = static_cast<char>(damaged[700] ^ 0x40);
    std::vector<char> cutOff = damaged;
    cutOff.resize(1000);
    const std::vector<std::string> refused = {file("QelEC(S)_V3.00.bin", damaged),
                                              file("QelEC(S)_V3.01.bin", cutOff),
                                              image("QelEC(S)_V3.02.bin", 4)};
    run([&](Dialog& dialog) {
        for (const std::string& path : refused) {
            download(dialog, path);
            EXPECT_TRUE(dialog.isReady());
        }
        download(dialog, image("QelEC(S)_V3.03.bin"));
        dialog.done(0);
    });
    EXPECT_EQ(messages(), (QStringList{kFailedZh, kFailedZh, kFailedZh, kSuccessZh}));
    EXPECT_EQ(keyboardVersion(), "QelEC(S);V3.00");
}

// A file that cannot be read whole is never read or sent; Update then waits for the next accepted
// file.
TEST_F(FirmwareDialogTest, AFileThatCannotBeReadIsSaidAndWaitsForAnotherFile) {
    const std::string pipe = folder.file("QelEC(S)_V3.00.bin");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string folderNamedLikeAFile = folder.file("QelEC(S)_V3.01.bin");
    std::filesystem::create_directory(folderNamedLikeAFile);
    run([&](Dialog& dialog) {
        for (const std::string& path : {pipe, folderNamedLikeAFile, folder.file("QelEC(S)_V3.02.bin")}) {
            download(dialog, path);
            EXPECT_FALSE(dialog.isReady());
            click(dialog, FirmwareControlId::Update);
            EXPECT_FALSE(dialog.isDownloading());
        }
        download(dialog, image("QelEC(S)_V3.03.bin"));
        dialog.done(0);
    });
    EXPECT_EQ(messages(), (QStringList{kCannotOpenZh, kCannotOpenZh, kCannotOpenZh, kSuccessZh}));
    EXPECT_EQ(keyboardVersion(), "QelEC(S);V3.00");
}

// During a download nothing else reaches the keyboard: a second Update, an Update after another file
// was accepted, and Get Version all wait.
TEST_F(FirmwareDialogTest, ASecondUpdateOrVersionReadDuringADownloadDoesNothing) {
    const std::string second = image("QelEC(S)_V4.00.bin", 3, 4, 0);
    run([&](Dialog& dialog) {
        gate.close();
        openFile(dialog, image("QelEC(S)_V3.00.bin"));
        click(dialog, FirmwareControlId::Update);
        ASSERT_TRUE(waitFor([this] { return gate.waits() > 0; }));
        click(dialog, FirmwareControlId::Update);
        openFile(dialog, second);
        EXPECT_EQ(dialog.chosenPath(), second);
        EXPECT_FALSE(dialog.isReady());
        click(dialog, FirmwareControlId::Update);
        changeKeyboard([](VirtualKeyboardState& state) { state.setFailure(Failure::Version, true); });
        click(dialog, FirmwareControlId::GetVersion);
        EXPECT_EQ(dialog.versionBox().text(), "QelEC(S);V2.10");
        changeKeyboard([](VirtualKeyboardState& state) { state.setFailure(Failure::Version, false); });
        gate.open();
        EXPECT_TRUE(waitFor([&dialog] { return !dialog.isDownloading(); }));
        EXPECT_EQ(keyboardVersion(), "QelEC(S);V3.00");
        // Once it has ended, the file accepted meanwhile goes.
        click(dialog, FirmwareControlId::Update);
        EXPECT_TRUE(waitFor([&dialog] { return !dialog.isDownloading(); }));
        dialog.done(0);
    });
    EXPECT_EQ(messages(), (QStringList{kSuccessZh, kSuccessZh}));
    EXPECT_EQ(keyboardVersion(), "QelEC(S);V4.00");
}

// ---- closing ----

// Close ends the window at once; the download goes on under the owner, which says its result and
// lets the keyboard go when it ends.
TEST_F(FirmwareDialogTest, ClosingDuringADownloadLeavesItToTheOwnerWhichSaysTheResult) {
    for (const int closer : {idOf(FirmwareControlId::Close), idOf(FirmwareControlId::Cancel), 0}) {
        SCOPED_TRACE(closer);
        const qsizetype shownBefore = messages().size();
        changeKeyboard([](VirtualKeyboardState& state) { state.version = "QelEC(S);V2.10"; });
        QWidget owner;
        const int result = run(
            [&](Dialog& dialog) {
                gate.close();
                openFile(dialog, image("QelEC(S)_V3.00.bin"));
                click(dialog, FirmwareControlId::Update);
                ASSERT_TRUE(waitFor([this] { return gate.waits() > 0; }));
                if (closer == 0)
                    QTest::keyClick(&dialog, Qt::Key_Escape);
                else
                    click(dialog, closer);
            },
            &owner);
        EXPECT_EQ(result, SkinnedWindow::kResultCancel);
        // The window is gone and the keyboard still held by the download.
        EXPECT_TRUE(store.progressWindow);
        EXPECT_EQ(owner.findChildren<FirmwareDownload*>().size(), 1);
        EXPECT_EQ(messages().size(), shownBefore);
        gate.open();
        EXPECT_TRUE(waitFor([this] { return !store.progressWindow; }));
        EXPECT_EQ(messages().mid(shownBefore), QStringList{kSuccessZh});
        EXPECT_EQ(keyboardVersion(), "QelEC(S);V3.00");
        EXPECT_TRUE(waitFor([&owner] { return owner.findChildren<FirmwareDownload*>().isEmpty(); }));
    }
}

// An owner that goes away during the download waits for its worker; the keyboard is let go after.
TEST_F(FirmwareDialogTest, AnOwnerDestroyedDuringADownloadWaitsForItsWorker) {
    auto owner = std::make_unique<QWidget>();
    run(
        [&](Dialog& dialog) {
            gate.close();
            openFile(dialog, image("QelEC(S)_V3.00.bin"));
            click(dialog, FirmwareControlId::Update);
            ASSERT_TRUE(waitFor([this] { return gate.waits() > 0; }));
            dialog.done(0);
        },
        owner.get());
    ASSERT_TRUE(store.progressWindow);
    std::thread release([this] { gate.open(); });
    owner.reset();
    release.join();
    EXPECT_FALSE(store.progressWindow);
    EXPECT_EQ(keyboardVersion(), "QelEC(S);V3.00");
    QApplication::processEvents();
    EXPECT_TRUE(platform.messageBoxes().empty());
}

} // namespace
