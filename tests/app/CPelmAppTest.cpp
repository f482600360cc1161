// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start-up as a whole: detection, the device checks and their messages, the scale.
#include "app/CPelmApp.h"

#include "device/CPelmHWI.h"
#include "device/VirtualKeyboardFile.h"
#include "model/ConfigStore.h"
#include "platform/ScriptedPlatformServices.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QString>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <unistd.h>

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
    VirtualKeyboardState unplugged = factoryState(4);
    unplugged.plugged = false;
    ASSERT_TRUE(keyboard.create(unplugged, true).ok());
    EXPECT_EQ(run(), SkinnedWindow::kResultCancel);
    EXPECT_FALSE(shown);
    EXPECT_EQ(waits, std::vector<int>(11, 1000));
    EXPECT_EQ(messages(), QStringList{QStringLiteral("未检测到键盘连接")});
    EXPECT_EQ(platform.messageBoxes()[0].title, "");
    EXPECT_EQ(platform.messageBoxes()[0].icon, MessageIcon::None);
}

// Only where no keyboard was ever made does the first start make one, and say so once.
TEST_F(StartupTest, TheFirstStartMakesTheFactoryKeyboardAndSaysSoOnce) {
    EXPECT_EQ(run(), SkinnedWindow::kResultOk);
    EXPECT_EQ(store.deviceVariant, 4);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].contains(QString::fromStdString(folder.file("keyboard.txt"))));
    EXPECT_EQ(platform.messageBoxes()[0].icon, MessageIcon::Information);
    EXPECT_EQ(run(), SkinnedWindow::kResultOk);
    EXPECT_EQ(messages().size(), 1);
}

TEST_F(StartupTest, AnythingAtTheStatePathIsLeftAsItIs) {
    struct Case {
        const char* what;
        std::function<void(const std::string& path)> plant;
        QString message;
    };
    const Case cases[] = {
        {"a dangling link",
         [](const std::string& path) { ASSERT_EQ(::symlink("gone.txt", path.c_str()), 0); },
         QStringLiteral("未检测到键盘连接")},
        {"a broken file", [](const std::string& path) { std::ofstream(path) << "not a keyboard\n"; },
         QStringLiteral("未检测到键盘连接")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TempDir home;
        CConfigStore other{home.file("keyboard.txt")};
        other.device.setSleeper([](std::chrono::milliseconds) {});
        c.plant(home.file("keyboard.txt"));
        ScriptedPlatformServices services;
        CPelmApp program(other, services);
        program.setDetectionWait([](int) {});
        EXPECT_EQ(program.run(), SkinnedWindow::kResultCancel);
        ASSERT_EQ(services.messageBoxes().size(), 1U);
        EXPECT_EQ(services.messageBoxes()[0].text, c.message);
    }
}

TEST_F(StartupTest, AKeyboardThatCannotBeMadeIsReportedWithTheReason) {
    CConfigStore blocked{folder.file("file-not-folder") + "/keyboard.txt"};
    blocked.device.setSleeper([](std::chrono::milliseconds) {});
    std::ofstream(folder.file("file-not-folder")) << "";
    CPelmApp program(blocked, platform);
    program.setDetectionWait([](int) {});
    EXPECT_EQ(program.run(), SkinnedWindow::kResultCancel);
    ASSERT_EQ(messages().size(), 2);
    EXPECT_TRUE(messages()[0].contains(QStringLiteral("could not be created")));
    EXPECT_TRUE(messages()[0].contains(QStringLiteral("Not a directory")));
    EXPECT_EQ(messages()[1], QStringLiteral("未检测到键盘连接"));
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
