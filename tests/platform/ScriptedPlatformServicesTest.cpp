// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ScriptedPlatformServices.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using Mode = ScriptedPlatformServices::FileDialogMode;

TEST(ScriptedPlatformServices, MessageBoxesTakeQueuedAnswersInOrderAndRecordWhatWasShown) {
    ScriptedPlatformServices services;
    services.queueMessageAnswer(MessageAnswer::No);
    services.queueMessageAnswer(MessageAnswer::Yes); // not a button of the OK box that follows
    EXPECT_EQ(services.showMessage(nullptr, "Save?", "QelEC", MessageButtons::YesNo, MessageIcon::Question),
              MessageAnswer::No);
    EXPECT_EQ(services.showMessage(nullptr, "OK!!", "Qel", MessageButtons::Ok, MessageIcon::Warning),
              MessageAnswer::Ok);
    EXPECT_EQ(services.showMessage(nullptr, "Go?", "", MessageButtons::YesNoCancel, MessageIcon::None),
              MessageAnswer::Yes);

    const auto& shown = services.messageBoxes();
    ASSERT_EQ(shown.size(), 3U);
    EXPECT_EQ(shown[0].text, "Save?");
    EXPECT_EQ(shown[0].title, "QelEC");
    EXPECT_EQ(shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(shown[0].icon, MessageIcon::Question);
    EXPECT_FALSE(shown[0].defaulted);
    EXPECT_TRUE(shown[1].defaulted);
    EXPECT_TRUE(shown[2].defaulted);
    EXPECT_EQ(services.unusedAnswers(), 0U);
}

TEST(ScriptedPlatformServices, FileDialogsCompleteNamesCancelAndRecordTheirRequest) {
    ScriptedPlatformServices services;
    services.queueFileName("/tmp/mine");
    services.queueFileCancel();
    services.queueFileName("/tmp/fw.bin");
    const QString filter = "pro(*.pro)|*.pro|All Files(*.*)|*.*||";
    EXPECT_EQ(services.chooseSaveFile(nullptr, filter, "pro"), std::optional<QString>("/tmp/mine.pro"));
    EXPECT_EQ(services.chooseOpenFile(nullptr, filter, "pro"), std::nullopt);
    EXPECT_EQ(services.chooseOpenFile(nullptr, "bin(*.bin)|*.bin", "bin"),
              std::optional<QString>("/tmp/fw.bin"));
    EXPECT_EQ(services.chooseOpenFile(nullptr, filter, "pro"), std::nullopt);

    const auto& dialogs = services.fileDialogs();
    ASSERT_EQ(dialogs.size(), 4U);
    EXPECT_EQ(dialogs[0].mode, Mode::Save);
    EXPECT_EQ(dialogs[0].filter, filter);
    EXPECT_EQ(dialogs[0].defaultExtension, "pro");
    EXPECT_EQ(dialogs[1].mode, Mode::Open);
    EXPECT_EQ(dialogs[2].filter, "bin(*.bin)|*.bin");
    EXPECT_TRUE(dialogs[3].defaulted);
}

TEST(ScriptedPlatformServices, ColoursAreTwentyFourBitAndCancelChangesNothing) {
    ScriptedPlatformServices services;
    services.queueColour(0xFF123456);
    services.queueColourCancel();
    EXPECT_EQ(services.chooseColour(nullptr, 0x00FF00), std::optional<std::uint32_t>(0x123456));
    EXPECT_EQ(services.chooseColour(nullptr, 0x000000), std::nullopt);
    EXPECT_EQ(services.chooseColour(nullptr, 0xABCDEF), std::nullopt);
    ASSERT_EQ(services.colourDialogs().size(), 3U);
    EXPECT_EQ(services.colourDialogs()[0].initial, 0x00FF00U);
    EXPECT_TRUE(services.colourDialogs()[2].defaulted);
}

TEST(ScriptedPlatformServices, TrayMenuAndDoubleClickWorkOnlyWhileShownAndMayHideTheIcon) {
    ScriptedPlatformServices services;
    std::vector<int> chosen;
    int doubleClicks = 0;
    services.setTrayMenu({{2, "Exit"}}, [&](int id) {
        chosen.push_back(id);
        services.setTrayMenu({}, {});
    });
    services.setTrayDoubleClickHandler([&] {
        ++doubleClicks;
        services.hideTrayIcon();
    });
    EXPECT_FALSE(services.chooseTrayMenuEntry(2));
    EXPECT_FALSE(services.doubleClickTray());

    services.showTrayIcon(QIcon(), "QelEC");
    EXPECT_TRUE(services.trayVisible());
    EXPECT_EQ(services.trayToolTip(), "QelEC");
    EXPECT_EQ(services.trayMenu(), (std::vector<TrayMenuEntry>{{2, "Exit"}}));
    EXPECT_FALSE(services.chooseTrayMenuEntry(3));
    EXPECT_TRUE(services.chooseTrayMenuEntry(2));
    EXPECT_EQ(chosen, std::vector<int>{2});
    EXPECT_TRUE(services.trayMenu().empty());
    EXPECT_TRUE(services.doubleClickTray());
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_FALSE(services.trayVisible());
}
