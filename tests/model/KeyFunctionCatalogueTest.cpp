// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ConfigStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class KeyFunctionCatalogueTest : public ::testing::Test {
protected:
    std::unique_ptr<CConfigStore> built(int variant) {
        auto store = std::make_unique<CConfigStore>(dir.file("no-keyboard.txt"));
        store->deviceVariant = variant;
        store->buildCatalogue();
        return store;
    }
    TempDir dir;
};

} // namespace

TEST_F(KeyFunctionCatalogueTest, BuildFillsEveryTableAndStartsInChinese) {
    auto store = built(4);
    EXPECT_EQ(store->language, "zh-CN");
    EXPECT_EQ(store->keyNames.size(), 262U);
    EXPECT_EQ(store->kindNamesEn[7], "Function");
    EXPECT_EQ(store->kindNamesZh[4], "模拟击键");
    EXPECT_EQ(store->programNamesZh[0], "编程键盘1：");
    EXPECT_EQ(store->programNamesEn[4], "Program5:");
    for (int code = 0; code < kNoteCount; ++code) {
        const bool hasNote = code >= 126 && code <= 209;
        EXPECT_EQ(!store->notesEn[code].empty(), hasNote) << "code " << code;
        EXPECT_EQ(!store->notesZh[code].empty(), hasNote) << "code " << code;
    }
}

TEST_F(KeyFunctionCatalogueTest, CodeToVkKeepsTheHighestIndex) {
    auto store = built(4);
    EXPECT_EQ(store->codeToVk[77], 999);
    EXPECT_EQ(store->codeToVk[0], 1023) << "every unmapped key index carries code 0";
    EXPECT_EQ(store->codeToVk[184], 0);
    EXPECT_EQ(store->codeToVk[43], 65);
    EXPECT_EQ(store->vkToCode[269], 107);
}

TEST_F(KeyFunctionCatalogueTest, CodeToNameNamesDeviceCodes) {
    auto store = built(4);
    EXPECT_EQ(store->codeToName(43), "A");
    EXPECT_EQ(store->codeToName(76), "Sleep");
    EXPECT_EQ(store->codeToName(107), "(Enter)");
    EXPECT_EQ(store->codeToName(199), "Double click left key");
    EXPECT_EQ(store->codeToName(210), "F13");
    // 77 maps back to index 999, whose low nine bits name nothing; 183 and 0 have no name.
    EXPECT_EQ(store->codeToName(77), "-- --");
    EXPECT_EQ(store->codeToName(183), "-- --");
    EXPECT_EQ(store->codeToName(0), "-- --");
    // Codes read back from a keyboard are untrusted.
    EXPECT_EQ(store->codeToName(-1), "-- --");
    EXPECT_EQ(store->codeToName(1024), "-- --");
    EXPECT_EQ(store->codeToName(-2147483647 - 1), "-- --");
    EXPECT_EQ(store->codeToName(2147483647), "-- --");
}

TEST_F(KeyFunctionCatalogueTest, KeyEventNamesCarryPressAndRelease) {
    auto store = built(4);
    EXPECT_EQ(store->keyEventName(65, true), "A Down");
    EXPECT_EQ(store->keyEventName(65 + 512, true), "A UP");
    EXPECT_EQ(store->keyEventName(65 + 512, false), "A");
    EXPECT_EQ(store->keyEventName(13 + 256, false), "(Enter)");
    EXPECT_EQ(store->keyEventName(13 + 256 + 512, true), "(Enter) UP");
    EXPECT_EQ(store->keyEventName(7, true), "-- --");
    EXPECT_EQ(store->keyEventName(-5, true), "-- --");
}

TEST_F(KeyFunctionCatalogueTest, NameToCodeReadsNamesAndDelays) {
    auto store = built(4);
    EXPECT_EQ(store->nameToCode("A"), 43);
    EXPECT_EQ(store->nameToCode("A Down"), 43);
    EXPECT_EQ(store->nameToCode("A UP"), 43);
    EXPECT_EQ(store->nameToCode("a"), 0) << "names compare case-sensitively";
    EXPECT_EQ(store->nameToCode("A up"), 0);
    EXPECT_EQ(store->nameToCode("Sleep"), 0) << "index 95 is the first Sleep and has no device code";
    EXPECT_EQ(store->nameToCode("(Enter) UP"), 107);
    EXPECT_EQ(store->nameToCode("Low Latency Dongle"), 182);
    EXPECT_EQ(store->nameToCode("unknown"), 0);
    EXPECT_EQ(store->nameToCode(""), 0);

    EXPECT_EQ(store->nameToCode("<120 ms>"), 120);
    EXPECT_EQ(store->nameToCode("<30 ms>"), 30);
    EXPECT_EQ(store->nameToCode("<0 ms>"), 0);
    EXPECT_EQ(store->nameToCode("ms>"), 0);
    EXPECT_EQ(store->nameToCode("<99999999999 ms>"), 2147483647);
}

TEST_F(KeyFunctionCatalogueTest, NameToCodeAndCodeToNameAgreeWhereNamesAreUnique) {
    auto store = built(4);
    int agreeing = 0;
    for (int code = 1; code <= 221; ++code) {
        const std::string name = store->codeToName(code);
        // Repeated names ("Reserved", "Sleep") resolve to their lowest index, which may carry no code.
        if (name == "-- --" || store->nameToIndex(name) != (store->codeToVk[code] & 511))
            continue;
        EXPECT_EQ(store->nameToCode(name), code) << name;
        ++agreeing;
    }
    EXPECT_EQ(agreeing, 188);
}

TEST_F(KeyFunctionCatalogueTest, IndicatorNotesFollowTheVariant) {
    auto wireless = built(1);
    auto wired = built(3);
    EXPECT_NE(wireless->notesEn[150], wired->notesEn[150]);
    EXPECT_NE(wireless->notesZh[153], wired->notesZh[153]);
    EXPECT_NE(wireless->notesEn[155], wired->notesEn[155]);
    EXPECT_EQ(wireless->notesEn[156], wired->notesEn[156]);
    EXPECT_EQ(wired->notesEn[150], "Function Notes:Keyboard Lock(Lock,the keylock indicator is on and Unlock,"
                                   "keylock indicator is off;Power down don't memory)");
    EXPECT_EQ(wireless->notesEn[199], "Function Notes:The Left key of mouse to Double Click");
    EXPECT_EQ(built(2)->notesEn[150], wireless->notesEn[150]);
    EXPECT_EQ(built(4)->notesEn[150], wired->notesEn[150]);
}
