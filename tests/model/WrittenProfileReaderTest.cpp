// SPDX-License-Identifier: GPL-3.0-or-later
// The one-pass reader of the written form against the document reader: whatever the one pass takes,
// it must load exactly as the document reader does, and anything else is left to the document.
#include "model/profile/WrittenProfileReader.h"
#include "model/ConfigStore.h"
#include "model/KeyboardVariant.h"
#include "model/profile/ProfileFile.h"
#include "model/profile/XmlDocument.h"
#include "support/ActionLists.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

std::unique_ptr<CConfigStore> freshStore(int variant = KeyboardVariant::kRgb) {
    auto store = std::make_unique<CConfigStore>("/nonexistent/qelec-test-keyboard.txt");
    store->deviceVariant = variant;
    store->buildCatalogue();
    store->resetToDefaults();
    return store;
}

// Something in every part a profile holds: a recorded macro, a combination, texts with every
// character that needs escaping, fields of either sign.
std::unique_ptr<CConfigStore> filledStore() {
    auto store = freshStore();
    ActionList macro = listOf({"A Down", "<50 ms>", "A UP", "<7 ms>"}, 9);
    macro.Cycles = 3;
    macro.PlayMode = 2;
    ActionList::addToLibrary(store->predefinedMacros, macro);
    ActionList::addToLibrary(store->predefinedCombos, listOf({"LCTRL", "C"}, 6));
    ActionList odd = listOf({"\"quoted\" & <odd>", "'single'", "名字", ""}, 9);
    odd.IsAutoInterval = true;
    odd.Delay = 120;
    odd.CursorPos = -1;
    ActionList::addToLibrary(store->predefinedEmulations, odd);
    for (int key = kFirstKey; key <= kLastKey; ++key)
        store->lightArea[key] = {key, 255 - key, key * 2 % 256};
    store->keyKind[34][4] = kKindMacro;
    store->keyCode[34][4] = 0;
    store->keyActions[34][4] = macro;
    store->keyKind[10][8] = kKindCombo;
    store->keyActions[10][8] = listOf({"LALT", "TAB"}, 6);
    store->keyKind[5][0] = kKindMouse;
    store->keyCode[5][0] = 199;
    return store;
}

// The written form of store with the colour and key entries of the given keys alone, in that order.
std::string writtenForm(const CConfigStore& store, const std::vector<int>& keys) {
    const std::string full = profileText(store);
    const std::size_t areasBegin = full.find("\r\n<AREA ");
    const std::size_t areasEnd = full.find("\r\n</BackgroundLightSettings>");
    const std::size_t keysBegin = full.find("\r\n<KEY ");
    const std::size_t keysEnd = full.find("\r\n</CurrentSettings>");
    std::string areas;
    std::string keyEntries;
    for (const int key : keys) {
        const std::size_t area = full.find("\r\n<AREA ID=\"" + std::to_string(key) + "\" ", areasBegin);
        areas += full.substr(area, full.find("/>", area) + 2 - area);
        for (int level = 0; level < kTables; ++level) {
            const std::size_t entry = full.find("\r\n<KEY ID=\"" + std::to_string(key) + "\" Level=\"" +
                                                    std::to_string(level) + "\"",
                                                keysBegin);
            keyEntries += full.substr(entry, full.find("</KEY>", entry) + 6 - entry);
        }
    }
    return full.substr(0, areasBegin) + areas + full.substr(areasEnd, keysBegin - areasEnd) + keyEntries +
           full.substr(keysEnd);
}

bool readsInOnePass(const std::string& text) {
    auto store = freshStore();
    const std::unique_ptr<ProfileContent> content = emptyContentFor(*store);
    return readWrittenProfile(text, KeyboardVariant::name(store->deviceVariant), *content);
}

struct Load {
    ProfileLoadReport report;
    std::string content; // the store written out again
};

Load loadText(const std::string& text) {
    auto store = freshStore();
    Load load{loadProfileText(*store, text), {}};
    load.content = profileText(*store);
    return load;
}

Load loadThroughDocument(const std::string& text) {
    auto store = freshStore();
    XmlDocument doc;
    doc.setDoc(text);
    Load load{loadProfileDocument(*store, doc), {}};
    load.content = profileText(*store);
    return load;
}

// Whether loading text gives what the document reader gives, report and store alike.
::testing::AssertionResult loadsAsTheDocumentReads(const std::string& text) {
    const Load quick = loadText(text);
    const Load document = loadThroughDocument(text);
    if (quick.report.status != document.report.status || quick.report.rootName != document.report.rootName ||
        quick.report.skipped != document.report.skipped)
        return ::testing::AssertionFailure() << "the reports differ";
    if (quick.content != document.content)
        return ::testing::AssertionFailure() << "the stores differ";
    return ::testing::AssertionSuccess();
}

std::string replaced(std::string text, const std::string& from, const std::string& to, bool all = false) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
        if (!all)
            break;
    }
    return text;
}

} // namespace

TEST(WrittenProfileReader, EveryWrittenProfileLoadsInOnePassAsTheDocumentReadsIt) {
    auto deep = filledStore();
    ActionList third = listOf({"bottom"}, 9);
    ActionList second = listOf({"middle"}, 9);
    second.setChild(0, third);
    ActionList first = listOf({"top"}, 9);
    first.setChild(0, second);
    deep->predefinedMacros.setChild(0, first);
    ASSERT_FALSE(readsInOnePass(profileText(*deep))) << "a list below the third level is the document's";
    EXPECT_TRUE(loadsAsTheDocumentReads(profileText(*deep)));

    for (int variant = KeyboardVariant::kRgbBle; variant <= KeyboardVariant::kRgb; ++variant) {
        const auto store = freshStore(variant);
        const std::string text = profileText(*store);
        auto loaded = freshStore(variant);
        ASSERT_TRUE(loadProfileText(*loaded, text).loaded());
        EXPECT_EQ(profileText(*loaded), text) << "variant " << variant;
    }
    const std::string filled = profileText(*filledStore());
    ASSERT_TRUE(readsInOnePass(filled));
    EXPECT_TRUE(loadsAsTheDocumentReads(filled));
    EXPECT_EQ(loadText(filled).content, filled);
}

TEST(WrittenProfileReader, TextsBesideTheWrittenFormLoadAsTheDocumentReadsThem) {
    const std::string base = writtenForm(*filledStore(), {1, 5, 10, 34});
    const std::string emptyList = "<List SizeOfView=\"0\" ViewStartAt=\"0\" CursorPos=\"0\" Cycles=\"1\" "
                                  "IsAutoInterval=\"0\" Delay=\"30\" PlayMode=\"0\"/>";
    const std::string key = "<KEY ID=\"1\" Level=\"0\" Mode=\"1\" HWCode=\"1\">";
    const std::string keyAgain = key + "\r\n<ComboKey>\r\n" + emptyList + "\r\n</ComboKey>\r\n</KEY>\r\n" +
                                 replaced(key, "HWCode=\"1\"", "HWCode=\"7\"");
    const std::string end = "</QelEC(RGB)>\r\n";
    struct Case {
        std::string what, from, to;
        bool everywhere, onePass;
    };
    const Case cases[] = {
        // Taken in one pass.
        {"lines ended by LF alone", "\r\n", "\n", true, true},
        {"no declaration", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n", "", false, true},
        {"blank lines and indentation", "\r\n<", "\r\n\r\n \t<", true, true},
        {"a key given twice, the later counting", key, keyAgain, false, true},
        {"a raw '>' and apostrophe in a text", "t1=\"LCTRL\"", "t1=\"a>b'c\"", false, true},
        {"references at either end of eight-byte stretches", "t1=\"LCTRL\"",
         "t1=\"&lt;234567&amp;9abcdef&gt;&quot;\"", false, true},
        {"unknown references in a text", "t1=\"LCTRL\"", "t1=\"&nbsp;&bogus;&#x41;&\"", false, true},
        {"a number with a reference", "Delay=\"30\"", "Delay=\"&#51;1\"", false, true},
        {"a number with a sign", "Cycles=\"1\"", "Cycles=\"-4\"", false, true},
        {"a number with space, zeros and more", "Delay=\"30\"", "Delay=\" 0031x\"", false, true},
        {"a number past the int range", "PlayMode=\"0\"", "PlayMode=\"99999999999\"", false, true},
        {"a ten-digit number", "Delay=\"30\"", "Delay=\"2147483647\"", false, true},
        {"an empty number", "Delay=\"30\"", "Delay=\"\"", false, true},
        {"a view field out of its range", "ViewStartAt=\"0\"", "ViewStartAt=\"-3\"", false, true},
        // The document's to read.
        {"attributes in another order", "ViewStartAt=\"0\" CursorPos=\"0\"",
         "CursorPos=\"0\" ViewStartAt=\"0\"", false, false},
        {"single quotes", "Delay=\"30\"", "Delay='30'", false, false},
        {"a comment", "<CurrentSettings>", "<CurrentSettings><!-- c -->", false, false},
        {"an element the reader does not know", "<CurrentSettings>", "<CurrentSettings><Other/>", false,
         false},
        {"an item without its list", "t1=\"LCTRL\">\r\n" + emptyList + "\r\n</x>", "t1=\"LCTRL\"/>", false,
         false},
        {"another variant's root", "QelEC(RGB)", "QelEC(S)", true, false},
        {"an end tag missing", "\r\n</CurrentSettings>", "", false, false},
        {"a '<' in a value", "t1=\"LCTRL\"", "t1=\"a<b\"", false, false},
        {"an element after the root", end, end + "<extra/>", false, false},
        {"text after the root", end, end + "trailing", false, false},
        {"a colour out of its range", "Red=\"1\"", "Red=\"300\"", false, false},
        {"a key that is none of the 85", "<KEY ID=\"1\"", "<KEY ID=\"86\"", false, false},
        {"a level out of range", "ID=\"1\" Level=\"0\"", "ID=\"1\" Level=\"9\"", false, false},
        {"a mode out of range", "Mode=\"1\"", "Mode=\"12\"", false, false},
        {"a macro whose items do not alternate", "&lt;7 ms&gt;", "B Down", true, false},
        {"an item ID out of order", "<x ID=\"1\" t1=\"C\"", "<x ID=\"2\" t1=\"C\"", false, false},
        {"an item ID repeated", "<x ID=\"1\" t1=\"C\"", "<x ID=\"0\" t1=\"C\"", false, false},
    };
    for (const Case& c : cases) {
        const std::string text = replaced(base, c.from, c.to, c.everywhere);
        ASSERT_NE(text, base) << c.what << ": the edit changes nothing";
        EXPECT_EQ(readsInOnePass(text), c.onePass) << c.what;
        EXPECT_TRUE(loadsAsTheDocumentReads(text)) << c.what;
    }
}

TEST(WrittenProfileReader, AListOfMoreItemsThanTakenIsTheDocumentsToBound) {
    auto store = freshStore();
    ActionList many(9);
    for (int i = 0; i <= kMaxListItems; ++i)
        many.setOrAppend(ActionList::kAppend, "item " + std::to_string(i));
    store->predefinedCombos.setOrAppend(ActionList::kAppend, "many");
    store->predefinedCombos.setChild(0, many);
    const std::string text = writtenForm(*store, {1});
    EXPECT_FALSE(readsInOnePass(text));
    const Load load = loadText(text);
    EXPECT_EQ(load.report.skipped.size(), 1U);
    EXPECT_TRUE(loadsAsTheDocumentReads(text));
}

TEST(WrittenProfileReader, AnyChangeToAWrittenProfileLoadsAsTheDocumentReadsIt) {
    const std::string base = writtenForm(*filledStore(), {5, 34});
    const std::string inserted = "<>/=\"'&; \r\n#x0123456789-ALtg";
    std::mt19937 random(20240611);
    int readInOnePass = 0;
    for (int round = 0; round < 400; ++round) {
        std::string text = base;
        const int changes = 1 + static_cast<int>(random() % 3);
        for (int change = 0; change < changes; ++change) {
            const std::size_t at = random() % text.size();
            const char character = inserted[random() % inserted.size()];
            const std::size_t digit = text.find_first_of("0123456789", at);
            const std::size_t lineBreak = text.find("\r\n", at);
            switch (random() % 5) {
            case 0:
                text.erase(at, 1 + random() % 4);
                break;
            case 1:
                text.insert(at, 1, character);
                break;
            case 2:
                text[at] = character;
                break;
            case 3: // a value changed, which the written form takes when it is in range
                if (digit != std::string::npos)
                    text[digit] = static_cast<char>('0' + random() % 10);
                break;
            default: // more white space between tags, which the written form takes
                if (lineBreak != std::string::npos)
                    text.insert(lineBreak, random() % 2 == 0 ? " " : "\t\n");
                break;
            }
        }
        readInOnePass += readsInOnePass(text) ? 1 : 0;
        ASSERT_TRUE(loadsAsTheDocumentReads(text)) << "round " << round << ":\n" << text;
    }
    EXPECT_GT(readInOnePass, 50)
        << "changes the written form takes, to values and white space, are tried too";
}
