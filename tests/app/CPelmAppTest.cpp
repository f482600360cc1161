// The program's start-up as a whole: detection, the device checks and their messages, the scale.
#include "app/CPelmApp.h"

#include "device/CPelmHWI.h"
#include "device/VirtualKeyboardFile.h"
#include "model/ConfigStore.h"
#include "platform/ScriptedPlatformServices.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        store.device.setSleeper([](std::chrono::milliseconds) {});
    }

    void createKeyboard(int variant, bool macMode = false) {
        VirtualKeyboardState state = factoryState(variant);
        state.transferMs = 0;
        state.macMode = macMode;
        ASSERT_TRUE(keyboard.create(state, true).ok());
    }

    // Runs the program; a main window that comes up is looked at by inspect, then ended.
    int run(const std::function<void(CPelmDlg&)>& inspect = {}) {
        CPelmApp program(store, platform);
        program.setDetectionWait([this](int milliseconds) { waits.push_back(milliseconds); });
        program.setMainWindowHook([this, inspect](CPelmDlg& window) {
            QTimer::singleShot(0, &window, [this, &window, inspect] {
                shown = window.isVisible();
                if (inspect)
                    inspect(window);
                window.done(SkinnedWindow::kResultOk);
            });
        });
        return program.run();
    }

    QStringList messages() const {
        QStringList texts;
        for (const auto& box : platform.messageBoxes())
            texts << box.text;
        return texts;
    }

    TempDir folder;
    VirtualKeyboardFile keyboard{folder.file("keyboard.txt")};
    CConfigStore store{folder.file("keyboard.txt")};
    ScriptedPlatformServices platform;
    std::vector<int> waits;
    bool shown = false;
};

TEST_F(StartupTest, AttachedKeyboardOpensTheMainWindowInChineseScaledForTheScreen) {
    createKeyboard(3);
    store.language = "en-US";
    platform.setScreenSize(QSize(3840, 2160));
    QSize size;
    EXPECT_EQ(run([&size](CPelmDlg& window) { size = window.size(); }), SkinnedWindow::kResultOk);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(waits.empty());
    EXPECT_EQ(store.deviceVariant, 3);
    EXPECT_EQ(store.language, "zh-CN");
    EXPECT_FLOAT_EQ(store.scaleFactor, 2.0F);
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(StartupTest, NoKeyboardIsLookedForTwelveTimesThenReported) {
    EXPECT_EQ(run(), SkinnedWindow::kResultCancel);
    EXPECT_FALSE(shown);
    EXPECT_EQ(waits, std::vector<int>(11, 1000));
    EXPECT_EQ(messages(), QStringList{QStringLiteral("未检测到键盘连接")});
    EXPECT_EQ(platform.messageBoxes()[0].title, "");
    EXPECT_EQ(platform.messageBoxes()[0].icon, MessageIcon::None);
}

TEST_F(StartupTest, KeyboardInMacModeIsToldHowToSwitch) {
    createKeyboard(4, true);
    EXPECT_EQ(run(), SkinnedWindow::kResultCancel);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].startsWith(QStringLiteral("未找到键盘连接；键盘可能处于Mac系统模式")));
}

TEST_F(StartupTest, KeyboardHeldByAnotherProgramIsReportedAsOccupied) {
    createKeyboard(4);
    CPelmHWI otherProgram(folder.file("keyboard.txt"));
    ASSERT_TRUE(otherProgram.__createDev());
    EXPECT_EQ(run(), SkinnedWindow::kResultCancel);
    EXPECT_EQ(messages(), QStringList{QStringLiteral("键盘被其他软件占用,请先关闭其他软件再重新打开")});
}

} // namespace
