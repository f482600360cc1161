// SPDX-License-Identifier: GPL-3.0-or-later
// The firmware window opened from the main window's button as the program installs it: a download
// the user closed the window on, the program's exit during it, and the keyboard unplugged during it.
#include "FirmwareWindowTestSupport.h"

#include "app/CPelmDlg.h"
#include "app/ProgramWindows.h"
#include "app/rules/MainWindowControls.h"
#include "firmware/FirmwareDownload.h"

#include <QTimer>

namespace {

using namespace FirmwareWindowTest;
using Dialog = CPelmDialogFirmwareUpdate;
using Answer = MessageAnswer;

const QString kSuccessZh = QStringLiteral("固件下载完成。\n请勿插拔USB直至直至重启键盘，则固件更新完成。");

// Flat main-window pictures of the QelEC(S) beside the firmware window's.
PictureLibrary flatProgramPictures() {
    PictureDrawers drawers;
    const auto flat = [](QSize size) {
        return [size] {
            QImage image(size, QImage::Format_RGB32);
            image.fill(kBackground);
            return image;
        };
    };
    for (int slot : {0, 1, 2})
        drawers[PictureSet::pictureNumber(slot, 3)] = flat({1040, 680});
    for (int number : {128, 129, 130})
        drawers[number] = flat({370, 250});
    return PictureLibrary(std::move(drawers));
}

class FirmwareInProgramTest : public FirmwareWindowFixture {
protected:
    void SetUp() override {
        FirmwareWindowFixture::SetUp();
        installProgramWindows(opener, [](std::chrono::milliseconds) {});
        window = std::make_unique<CPelmDlg>(
            WindowContext{store, programResources, {1920, 1080}, platform, opener});
    }
    void TearDown() override {
        gate.open();
        window.reset();
    }

    // Presses the firmware button; inside(dialog) runs in the firmware window's modal loop.
    void updateFirmware(const std::function<void(Dialog&)>& inside) {
        QTimer::singleShot(0, window.get(), [this, inside] {
            auto* dialog = window->findChild<Dialog*>();
            ASSERT_NE(dialog, nullptr);
            inside(*dialog);
        });
        click(*window, MainWindowControlId::FirmwareUpdate);
    }
    // Starts downloading a 3.00 image and waits until the keyboard holds it at the gate.
    void startHeldDownload(Dialog& dialog) {
        gate.close();
        openFile(dialog, image("QelEC(S)_V3.00.bin"));
        click(dialog, FirmwareControlId::Update);
        ASSERT_TRUE(waitFor([this] { return gate.waits() > 0; }));
    }

    SharedResources programResources{flatProgramPictures(), 3};
    std::unique_ptr<CPelmDlg> window;
};

// Closed during a download, the window leaves the keyboard held: the main window's keyboard
// commands do nothing until the download has said its result; the others still work.
TEST_F(FirmwareInProgramTest, AfterClosingDuringADownloadTheKeyboardCommandsWait) {
    window->show();
    QApplication::processEvents();
    updateFirmware([this](Dialog& dialog) {
        startHeldDownload(dialog);
        click(dialog, FirmwareControlId::Close);
    });
    EXPECT_EQ(store.firmwareUpdating, 0);
    ASSERT_TRUE(store.progressWindow);
    bool transferOpened = false;
    opener.install(WindowId::Transfer, [&transferOpened](const WindowContext&, QWidget*, int) {
        transferOpened = true;
        return SkinnedWindow::kResultOk;
    });
    using enum MainWindowControlId;
    for (const MainWindowControlId command :
         {ReadCounters, WriteKeys, ReadAll, FirmwareUpdate, Backlight, RapidTrigger}) {
        SCOPED_TRACE(idOf(command));
        // The QelEC(S) has no backlight button.
        if (window->controls()[window->findById(command)].id != idOf(command))
            continue;
        click(*window, command);
        EXPECT_FALSE(transferOpened);
        EXPECT_EQ(window->findChild<Dialog*>(), nullptr);
        const std::string before = store.language;
        click(*window, MainWindowControlId::Language);
        EXPECT_NE(store.language, before);
    }
    EXPECT_TRUE(platform.messageBoxes().empty());
    if (store.language != "en-US")
        click(*window, MainWindowControlId::Language);
    ASSERT_EQ(store.language, "en-US");

    gate.open();
    ASSERT_TRUE(waitFor([this] { return !store.progressWindow; }));
    // The result in the language of the moment it is said.
    EXPECT_EQ(messages(),
              QStringList{"The Firmware is downloaded successfully.\nPlease keep the USB plug in until "
                          "the keyboard restart.\nThen firmware updated completely."});
    click(*window, MainWindowControlId::ReadCounters);
    EXPECT_TRUE(transferOpened);
}

// Exiting right after closing the window during a download: the program asks its exit question,
// then waits for the download, says its result and only then ends.
TEST_F(FirmwareInProgramTest, ExitingDuringADownloadWaitsForItsResult) {
    platform.queueMessageAnswer(Answer::No); // no profile to save
    QTimer::singleShot(0, window.get(), [this] {
        updateFirmware([this](Dialog& dialog) {
            startHeldDownload(dialog);
            click(dialog, FirmwareControlId::Close);
        });
        click(*window, MainWindowControlId::Exit);
        EXPECT_FALSE(window->isVisible());
        EXPECT_TRUE(store.progressWindow);
        // The download ends only once the main window's run is over.
        QTimer::singleShot(0, [this] { gate.open(); });
    });
    EXPECT_EQ(window->exec(), SkinnedWindow::kResultOk);
    EXPECT_FALSE(store.progressWindow);
    EXPECT_EQ(keyboardVersion(), "QelEC(S);V3.00");
    ASSERT_EQ(messages().size(), 2);
    EXPECT_EQ(messages()[0], "是否保存按键配置文件??");
    EXPECT_EQ(messages()[1], kSuccessZh);
}

// Unplugged during a download: the download fails with its message, then the program notices the
// keyboard has gone, says so and ends, closing the firmware window.
TEST_F(FirmwareInProgramTest, UnpluggingDuringADownloadFailsItThenEndsTheProgram) {
    window->show();
    QApplication::processEvents();
    updateFirmware([this](Dialog& dialog) {
        startHeldDownload(dialog);
        changeKeyboard([](VirtualKeyboardState& state) { state.plugged = false; });
        // What the device watcher calls on the change: the check waits for the download.
        window->checkDeviceAfterChange();
        EXPECT_TRUE(window->isVisible());
        gate.open();
    });
    ASSERT_TRUE(waitFor([this] { return !window->isVisible(); }));
    EXPECT_EQ(messages(), (QStringList{"固件下载失败!", "键盘已断开"}));
    EXPECT_EQ(window->result(), SkinnedWindow::kResultCancel);
    EXPECT_EQ(keyboardVersion(), "QelEC(S);V2.10");
    EXPECT_FALSE(store.progressWindow);
}

// With the window open and no download, the keyboard going away is noticed at once.
TEST_F(FirmwareInProgramTest, UnpluggingWithTheWindowOpenEndsTheProgram) {
    window->show();
    QApplication::processEvents();
    updateFirmware([this](Dialog&) {
        changeKeyboard([](VirtualKeyboardState& state) { state.plugged = false; });
        window->checkDeviceAfterChange();
    });
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(messages(), QStringList{"键盘已断开"});
}

} // namespace
