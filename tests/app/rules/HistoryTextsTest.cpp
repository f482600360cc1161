// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/rules/HistoryTexts.h"
#include "app/rules/MainWindowTexts.h"

#include "model/ConfigStore.h"

#include <gtest/gtest.h>

namespace {

class HistoryTextsTest : public ::testing::Test {
protected:
    void SetUp() override {
        store.deviceVariant = 4;
        store.buildCatalogue();
        store.resetToDefaults();
    }

    CConfigStore store{"/nonexistent/keyboard.txt"};
};

TEST_F(HistoryTextsTest, AKeyEditNamesTheKeyTableAndBothAssignmentsInBothLanguages) {
    const StepName before = HistoryTexts::assignment(store, 34, 4);
    store.keyKind[34][4] = kKindNotSet;
    const StepName edit = HistoryTexts::keyEdit(store, 34, 4, before);
    EXPECT_EQ(edit.en, "key W, program 2, Fn layer: Mouse Move Up → Not set");
    EXPECT_EQ(edit.zh, "按键 W，编程键盘2，Fn层：鼠标键 Move Up → 未设置");
}

TEST_F(HistoryTextsTest, NamesFromFilesPrintOnOneLine) {
    EXPECT_EQ(HistoryTexts::openProfile("/home/u/a\nb\x1b.pro").en, "Open profile a\\x0Ab\\x1B.pro");
}

TEST_F(HistoryTextsTest, TheRestoreQuestionListsTheLastStepsInTheCurrentLanguage) {
    std::vector<StepName> steps;
    for (int i = 1; i <= 7; ++i)
        steps.push_back({"步骤" + std::to_string(i), "step " + std::to_string(i)});
    const std::string question = HistoryTexts::restoreQuestion("en-US", steps);
    EXPECT_NE(question.find("(2 more)\n  step 3\n"), std::string::npos) << question;
    EXPECT_EQ(question.find("step 2"), std::string::npos);
    EXPECT_NE(HistoryTexts::restoreQuestion("zh-CN", steps).find("  步骤7\n是否恢复这些更改？"),
              std::string::npos);
}

TEST_F(HistoryTextsTest, TheNoticeTakesTheBlankLineUnderTheTitle) {
    const std::string text = MainWindowTexts::information(
        store, 0, HistoryTexts::undone(store.language, HistoryTexts::defaults()));
    EXPECT_EQ(text.rfind("QelEC(RGB) 编程软件 [版本 1.0.10]\r\n已撤销：恢复默认\r\n高频键：", 0), 0U) << text;
}

} // namespace
