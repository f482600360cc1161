// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/rules/MainWindowTexts.h"

#include "model/ConfigStore.h"

#include <gtest/gtest.h>

namespace {

using namespace MainWindowTexts;

class MainWindowTextsTest : public ::testing::Test {
protected:
    void SetUp() override {
        store.deviceVariant = 4;
        store.buildCatalogue();
        store.resetToDefaults();
        store.clearPressCounts();
    }

    CConfigStore store{"/nonexistent/keyboard.txt"};
};

TEST_F(MainWindowTextsTest, TitleNamesTheVariantAndTheCounterKeys) {
    EXPECT_EQ(title(store),
              "QelEC(RGB) 编程软件 [版本 1.0.10]\r\n\r\n高频键：      低频键：     \r\n敲击次数：");
    store.language = "en-US";
    store.deviceVariant = 2;
    store.highestKey = 1;
    store.lowestKey = 85;
    EXPECT_EQ(
        title(store),
        "QelEC(S)Ble Programming Software [Ver 1.0.10]\r\n\r\nHighest: Esc  Lowest: Right \r\nCounter: ");
    for (int variant : {0, 1, 7}) {
        store.deviceVariant = variant;
        EXPECT_EQ(title(store).rfind("QelEC(RGB)Ble Programming", 0), 0U) << variant;
    }
    store.deviceVariant = 3;
    store.highestKey = 86;
    EXPECT_EQ(title(store).substr(0, 8), "QelEC(S)");
    EXPECT_NE(title(store).find("Highest:       Lowest:"), std::string::npos);
}

TEST_F(MainWindowTextsTest, KeyInformationBeforeCountersWereRead) {
    store.language = "en-US";
    const std::string text = keyInformation(store, 1);
    // No count yet: the program line follows at once.
    EXPECT_EQ(text.rfind("\r\nProgram1:", 0), 0U) << text;
    EXPECT_NE(text.find("\r\nTopLayer Key:Single ESC"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nFnLayer Key:"), std::string::npos);
    EXPECT_NE(text.find("\r\nFn2Layer Key:"), std::string::npos);
    EXPECT_EQ(information(store, 0), title(store));
    EXPECT_EQ(keyInformation(store, 0), "");
    EXPECT_EQ(keyInformation(store, 86), "");
}

TEST_F(MainWindowTextsTest, KeyInformationShowsCountProgramAndNotes) {
    store.pressCounts[20] = 0;
    store.currentProgram = 2;
    // A mouse function on the Fn layer of program 3 carries its note.
    const auto slot = std::size_t{20};
    store.keyKind[slot][7] = kKindMouse;
    store.keyCode[slot][7] = 126;
    const std::string zh = keyInformation(store, 20);
    EXPECT_EQ(zh.rfind("0\r\n编程键盘3：", 0), 0U) << zh;
    const std::string note = " (" + store.notesZh[126] + ")";
    EXPECT_NE(zh.find("\r\nFn组合键：" + store.kindNamesZh[kKindMouse] + " " + store.codeToName(126) + note),
              std::string::npos)
        << zh;
    store.language = "en-US";
    const std::string en = keyInformation(store, 20);
    EXPECT_NE(en.find("\r\nFnLayer Key Key:Mouse " + store.codeToName(126) + " (" + store.notesEn[126] + ")"),
              std::string::npos)
        << en;
    store.pressCounts[20] = kNoPressCount;
    EXPECT_EQ(keyInformation(store, 20).rfind("\r\nProgram3:", 0), 0U);
}

TEST_F(MainWindowTextsTest, MessagesFollowTheLanguage) {
    EXPECT_EQ(unwrittenChangesQuestion("zh-CN"), "配置未写入，是否继续退出??");
    EXPECT_EQ(unwrittenChangesQuestion("en-US"), "Configuration don't be writted,continue to exit??");
    EXPECT_EQ(saveProfileQuestion("zh-CN"), "是否保存按键配置文件??");
    EXPECT_EQ(saveProfileQuestion("en-US"), "Save configuration file of key??");
    EXPECT_EQ(trayExitItem("zh-CN"), "关闭");
    EXPECT_EQ(trayExitItem("en-US"), "Exit");
    ProfileLoadReport wrong;
    wrong.status = ProfileLoadReport::Status::WrongVariant;
    wrong.rootName = "QelEC(S)";
    EXPECT_NE(profileNotOpened("en-US", "/a.pro", wrong).find("another keyboard (QelEC(S))"),
              std::string::npos);
    EXPECT_NE(profileNotOpened("zh-CN", "/a.pro", wrong).find("/a.pro"), std::string::npos);
    EXPECT_NE(profileNotSaved("zh-CN", "/b.pro").find("无法保存配置文件"), std::string::npos);
    const std::string why = "cannot create a file in /b: Permission denied";
    EXPECT_NE(profileNotSaved("en-US", "/b/c.pro", why).find("\n" + why + "\n"), std::string::npos);
    EXPECT_NE(profileNotSaved("zh-CN", "/b/c.pro", why).find("\n" + why + "\n"), std::string::npos);
    ProfileLoadReport unreadable;
    unreadable.status = ProfileLoadReport::Status::Unreadable;
    unreadable.reason = "not a regular file";
    EXPECT_NE(
        profileNotOpened("en-US", "/a.pro", unreadable).find("The file cannot be read: not a regular file"),
        std::string::npos);
    EXPECT_NE(profileNotOpened("zh-CN", "/a.pro", unreadable).find("not a regular file"), std::string::npos);
}

} // namespace
