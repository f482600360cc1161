// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/profile/ProfileFile.h"
#include "model/ConfigStore.h"
#include "model/KeyboardVariant.h"
#include "model/profile/ActionListXml.h"
#include "model/profile/XmlDocument.h"
#include "support/ActionLists.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

int occurrences(const std::string& text, const std::string& what) {
    int count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

// The profile text as the document's editing calls build it, one element after another.
std::string textBuiltInADocument(const CConfigStore& store) {
    XmlDocument doc;
    doc.setDoc("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n");
    doc.addElem(KeyboardVariant::name(store.deviceVariant));
    doc.intoElem();
    const std::pair<const char*, const ActionList*> libraries[] = {
        {"PredefinedCombo", &store.predefinedCombos},
        {"PredefinedMacro", &store.predefinedMacros},
        {"PredefinedEmu", &store.predefinedEmulations},
    };
    for (const auto& [name, library] : libraries) {
        doc.addElem(name);
        doc.intoElem();
        writeActionList(doc, *library);
        doc.outOfElem();
    }
    doc.addElem("BackgroundLightSettings");
    doc.intoElem();
    for (int id = kFirstKey; id <= kLastKey; ++id) {
        doc.addElemWithAttribs("AREA", {{"ID", id},
                                        {"Red", store.lightArea[id][0]},
                                        {"Green", store.lightArea[id][1]},
                                        {"Blue", store.lightArea[id][2]}});
    }
    doc.outOfElem();
    doc.addElem("CurrentSettings");
    doc.intoElem();
    for (int id = kFirstKey; id <= kLastKey; ++id) {
        for (int level = 0; level < kTables; ++level) {
            doc.addElemWithAttribs("KEY", {{"ID", id},
                                           {"Level", level},
                                           {"Mode", store.keyKind[id][level]},
                                           {"HWCode", store.keyCode[id][level]}});
            doc.intoElem();
            doc.addElem("ComboKey");
            doc.intoElem();
            writeActionList(doc, store.keyActions[id][level]);
            doc.outOfElem();
            doc.outOfElem();
        }
    }
    doc.outOfElem();
    doc.outOfElem();
    return doc.getDoc();
}

class ProfileFile : public ::testing::Test {
protected:
    std::unique_ptr<CConfigStore> freshStore(int variant = 4) const {
        auto store = std::make_unique<CConfigStore>(dir.file("no-keyboard.txt"));
        store->deviceVariant = variant;
        store->buildCatalogue();
        store->resetToDefaults();
        return store;
    }

    // A store with something in every part a profile holds.
    std::unique_ptr<CConfigStore> filledStore() const {
        auto store = freshStore();
        ActionList macro = listOf({"A Down", "<50 ms>", "A UP"}, 9);
        macro.Cycles = 3;
        macro.PlayMode = 2;
        ActionList::addToLibrary(store->predefinedMacros, macro);
        ActionList::addToLibrary(store->predefinedCombos, listOf({"LCTRL", "C"}, 6));
        ActionList emulation = listOf({"H", "I", "\"quoted\" & <odd>"}, 9);
        emulation.IsAutoInterval = true;
        emulation.Delay = 120;
        ActionList::addToLibrary(store->predefinedEmulations, emulation);
        store->predefinedEmulations.setOrAppend(0, "名字");
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

    TempDir dir;
};

void expectSameContent(const CConfigStore& a, const CConfigStore& b) {
    EXPECT_EQ(profileText(a), profileText(b));
    EXPECT_EQ(a.lightArea, b.lightArea);
    EXPECT_EQ(a.keyKind, b.keyKind);
    EXPECT_EQ(a.keyCode, b.keyCode);
}

} // namespace

TEST_F(ProfileFile, AFreshStoreIsWrittenLineByLine) {
    auto store = freshStore();
    const std::string path = dir.file("fresh.pro");
    ASSERT_TRUE(saveProfile(*store, path));
    const std::string text = readFile(path);

    EXPECT_EQ(
        text.rfind(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<QelEC(RGB)>\r\n<PredefinedCombo>\r\n"
            "<List SizeOfView=\"6\" ViewStartAt=\"0\" CursorPos=\"0\" Cycles=\"1\" IsAutoInterval=\"0\" "
            "Delay=\"30\" PlayMode=\"0\"/>\r\n</PredefinedCombo>\r\n<PredefinedMacro>\r\n",
            0),
        0U);
    EXPECT_EQ(occurrences(text, "<AREA "), 85);
    EXPECT_EQ(occurrences(text, "<KEY "), 765);
    EXPECT_EQ(occurrences(text, "<x "), 0);
    EXPECT_EQ(occurrences(text, "\n"), occurrences(text, "\r\n")) << "every line ends with CR LF";
    EXPECT_EQ(occurrences(text, "\r\n "), 0) << "no indentation";
    EXPECT_NE(text.find("<BackgroundLightSettings>\r\n<AREA ID=\"1\" Red=\"0\" Green=\"0\" Blue=\"0\"/>\r\n"),
              std::string::npos);
    EXPECT_NE(
        text.find(
            "<KEY ID=\"1\" Level=\"0\" Mode=\"1\" HWCode=\"1\">\r\n<ComboKey>\r\n<List SizeOfView=\"0\" "
            "ViewStartAt=\"0\" CursorPos=\"0\" Cycles=\"1\" IsAutoInterval=\"0\" Delay=\"30\" "
            "PlayMode=\"0\"/>\r\n</ComboKey>\r\n</KEY>\r\n<KEY ID=\"1\" Level=\"1\""),
        std::string::npos);
    EXPECT_NE(text.find("<KEY ID=\"85\" Level=\"8\""), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 15), "</QelEC(RGB)>\r\n");
}

TEST_F(ProfileFile, TheRootNamesTheVariant) {
    EXPECT_NE(profileText(*freshStore(1)).find("\r\n<QelEC(RGB)Ble>\r\n"), std::string::npos);
    EXPECT_NE(profileText(*freshStore(2)).find("\r\n<QelEC(S)Ble>\r\n"), std::string::npos);
    EXPECT_NE(profileText(*freshStore(3)).find("\r\n<QelEC(S)>\r\n"), std::string::npos);
    EXPECT_NE(profileText(*freshStore(0)).find("\r\n<QelEC(RGB)Ble>\r\n"), std::string::npos);
}

TEST_F(ProfileFile, SavingAndLoadingReproducesEverything) {
    auto original = filledStore();
    const std::string path = dir.file("filled.pro");
    ASSERT_TRUE(saveProfile(*original, path));

    auto loaded = freshStore();
    loaded->pressCounts[3] = 17;
    loaded->highestKey = 3;
    const ProfileLoadReport report = loadProfile(*loaded, path);
    ASSERT_TRUE(report.loaded());
    EXPECT_TRUE(report.skipped.empty());
    expectSameContent(*original, *loaded);

    const ActionList& macro = loaded->keyActions[34][4];
    EXPECT_EQ(macro.items(), (std::vector<std::string>{"A Down", "<50 ms>", "A UP"}));
    EXPECT_EQ(macro.Cycles, 3);
    EXPECT_EQ(macro.PlayMode, 2);
    EXPECT_EQ(macro.ViewStartAt, original->keyActions[34][4].ViewStartAt);
    EXPECT_EQ(macro.CursorPos, original->keyActions[34][4].CursorPos);
    EXPECT_EQ(loaded->predefinedEmulations.items()[0], "名字");
    EXPECT_EQ(loaded->predefinedEmulations.child(0).items()[2], "\"quoted\" & <odd>");
    EXPECT_TRUE(loaded->predefinedEmulations.child(0).IsAutoInterval);
    EXPECT_EQ(loaded->keyCode[5][0], 199);
    EXPECT_EQ(loaded->pressCounts[3], kNoPressCount) << "loading clears the press counters";
    EXPECT_EQ(loaded->highestKey, -1);
}

TEST_F(ProfileFile, AFailedLoadChangesNothing) {
    auto store = filledStore();
    store->pressCounts[7] = 42;
    const std::string before = profileText(*store);

    const std::string otherVariant = dir.file("s.pro");
    ASSERT_TRUE(saveProfile(*freshStore(3), otherVariant));
    const std::string broken = dir.file("broken.pro");
    writeFile(broken, "<?xml version=\"1.0\"?>\r\n<QelEC(RGB)>\r\n<PredefinedCombo>\r\n");
    const std::string notXml = dir.file("garbage.pro");
    constexpr char kGarbage[] = "\x00\x01\x02 not a profile";
    writeFile(notXml, std::string(kGarbage, sizeof kGarbage - 1));

    const ProfileLoadReport wrong = loadProfile(*store, otherVariant);
    EXPECT_EQ(wrong.status, ProfileLoadReport::Status::WrongVariant);
    EXPECT_EQ(wrong.rootName, "QelEC(S)");
    EXPECT_EQ(loadProfile(*store, broken).status, ProfileLoadReport::Status::NotWellFormed);
    EXPECT_FALSE(loadProfile(*store, notXml).loaded());
    EXPECT_EQ(loadProfile(*store, dir.file("missing.pro")).status, ProfileLoadReport::Status::Unreadable);
    EXPECT_FALSE(loadProfile(*store, dir.path()).loaded()) << "a folder is no profile";

    EXPECT_EQ(profileText(*store), before);
    EXPECT_EQ(store->pressCounts[7], 42);
}

TEST_F(ProfileFile, AFailedSaveLeavesTheOldFileAndNoLitter) {
    auto store = filledStore();
    const std::string path = dir.file("keep.pro");
    writeFile(path, "the user's old profile");
    EXPECT_FALSE(saveProfile(*store, dir.file("no-such-folder/new.pro")));

    std::filesystem::create_directory(dir.file("a-folder"));
    EXPECT_FALSE(saveProfile(*store, dir.file("a-folder")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("a-folder")));

    ASSERT_TRUE(saveProfile(*store, path));
    EXPECT_EQ(readFile(path), profileText(*store)) << "a successful save replaces the old file whole";
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 2) << "no temporary file is left behind";
}

TEST_F(ProfileFile, EntriesOutOfRangeAreSkippedAndReported) {
    auto store = freshStore();
    const std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<QelEC(RGB)>\r\n"
        "<PredefinedCombo><List SizeOfView=\"6\"><x ID=\"5\" t1=\"sixth\"/>"
        "<x ID=\"99999\" t1=\"far\"/><x ID=\"-1\" t1=\"negative\"/></List></PredefinedCombo>"
        "<BackgroundLightSettings><AREA ID=\"0\" Red=\"1\"/><AREA ID=\"86\" Red=\"1\"/>"
        "<AREA ID=\"2\" Red=\"9\" Green=\"8\"/></BackgroundLightSettings>"
        "<CurrentSettings><KEY ID=\"3\" Level=\"9\" Mode=\"1\" HWCode=\"4\"/>"
        "<KEY ID=\"-4\" Level=\"0\" Mode=\"1\" HWCode=\"4\"/>"
        "<KEY ID=\"3\" Level=\"2\" Mode=\"12\" HWCode=\"4\"/>"
        "<KEY ID=\"4\" Level=\"1\" Mode=\"1\" HWCode=\"100000\"/>"
        "<KEY ID=\"5\" Level=\"1\" Mode=\"5\" HWCode=\"110\"><ComboKey><List Cycles=\"2\">"
        "<x ID=\"0\" t1=\"A\"/></List></ComboKey></KEY>"
        "</CurrentSettings></QelEC(RGB)>\r\n";
    const ProfileLoadReport report = loadProfileText(*store, text);
    ASSERT_TRUE(report.loaded());
    EXPECT_EQ(report.skipped.size(), 8U);

    const ActionList& combos = store->predefinedCombos;
    ASSERT_EQ(combos.count(), 6) << "an item with ID 5 alone loads as six items, the first five empty";
    EXPECT_EQ(combos.items()[0], "");
    EXPECT_EQ(combos.items()[5], "sixth");
    EXPECT_TRUE(store->predefinedMacros.empty()) << "a missing section loads empty";

    EXPECT_EQ(store->lightArea[2], (std::array<int, 3>{9, 8, 0})) << "an absent attribute reads as 0";
    EXPECT_EQ(store->lightArea[1], (std::array<int, 3>{0, 0, 0})) << "an entry the file lacks is 0";
    EXPECT_EQ(store->keyKind[3][2], kKindNotSet);
    EXPECT_EQ(store->keyKind[4][1], kKindNotSet);
    EXPECT_EQ(store->keyKind[5][1], kKindMultimedia);
    EXPECT_EQ(store->keyCode[5][1], 110);
    EXPECT_EQ(store->keyActions[5][1].Cycles, 2);
    EXPECT_EQ(store->keyActions[5][1].Delay, 0) << "absent list attributes read as 0";
    EXPECT_EQ(store->keyKind[1][0], kKindNotSet) << "keys the file lacks are not set";
}

TEST_F(ProfileFile, HostileNestingAndGapsAreBounded) {
    std::string deep = "<?xml version=\"1.0\"?>\r\n<QelEC(RGB)><PredefinedMacro>";
    for (int level = 0; level < 200; ++level)
        deep += "<List><x ID=\"0\" t1=\"deeper\">";
    for (int level = 0; level < 200; ++level)
        deep += "</x></List>";
    // Every list asks for the largest gap allowed; together they would make millions of empty items.
    deep += "</PredefinedMacro><CurrentSettings>";
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        deep += "<KEY ID=\"" + std::to_string(key) +
                "\" Level=\"0\" Mode=\"3\" HWCode=\"0\"><ComboKey><List>"
                "<x ID=\"" +
                std::to_string(kMaxListItems - 1) + "\" t1=\"end\"/></List></ComboKey></KEY>";
    }
    deep += "</CurrentSettings></QelEC(RGB)>";

    auto store = freshStore();
    const ProfileLoadReport report = loadProfileText(*store, deep);
    ASSERT_TRUE(report.loaded());
    EXPECT_FALSE(report.skipped.empty());

    int depth = 0;
    for (ActionList list = store->predefinedMacros; !list.empty(); list = list.child(0))
        ++depth;
    EXPECT_EQ(depth, kMaxListDepth);

    long long items = 0;
    for (int key = kFirstKey; key <= kLastKey; ++key)
        items += store->keyActions[key][0].count();
    EXPECT_LE(items, kMaxGapItems + kLastKey);
    EXPECT_EQ(store->keyActions[1][0].count(), kMaxListItems);
}

TEST_F(ProfileFile, TheTextIsTheOneTheDocumentBuilds) {
    EXPECT_EQ(profileText(*freshStore()), textBuiltInADocument(*freshStore()));
    EXPECT_EQ(profileText(*freshStore(2)), textBuiltInADocument(*freshStore(2)));
    auto store = filledStore();
    EXPECT_EQ(profileText(*store), textBuiltInADocument(*store));

    // Lists inside lists, every character that needs escaping, numbers of every length and sign.
    ActionList recording = listOf({"a&b", "'single'", "<>", "", "&amp;", "tab\there", "\xE2\x82\xAC"}, 9);
    recording.setChild(1, listOf({"inner \"one\"", "inner two"}, 4));
    recording.Cycles = -2147483647 - 1;
    recording.Delay = 2147483647;
    recording.PlayMode = -1;
    recording.IsAutoInterval = true;
    ActionList::addToLibrary(store->predefinedMacros, recording);
    ActionList::addToLibrary(store->predefinedMacros, listOf({}, 0));
    store->keyActions[85][8] = recording;
    store->keyKind[85][8] = -7;
    store->keyCode[85][8] = 123456;
    store->lightArea[85] = {-1, 1000, 99999};
    EXPECT_EQ(profileText(*store), textBuiltInADocument(*store));

    const std::string path = dir.file("odd.pro");
    ASSERT_TRUE(saveProfile(*store, path));
    EXPECT_EQ(readFile(path), textBuiltInADocument(*store));
}

TEST_F(ProfileFile, ListTagsAreReadAloneWhetherTheyRepeatOrNot) {
    // Tags alike but for one field, then the same again; attributes in another order, given twice,
    // absent, with entities and with numbers badly formed.
    const char* const lists[] = {
        "<List SizeOfView=\"0\" ViewStartAt=\"0\" CursorPos=\"0\" Cycles=\"1\" IsAutoInterval=\"0\" "
        "Delay=\"30\" PlayMode=\"0\"/>",
        "<List SizeOfView=\"0\" ViewStartAt=\"0\" CursorPos=\"0\" Cycles=\"1\" IsAutoInterval=\"0\" "
        "Delay=\"31\" PlayMode=\"0\"/>",
        "<List SizeOfView=\"0\" ViewStartAt=\"0\" CursorPos=\"0\" Cycles=\"1\" IsAutoInterval=\"0\" "
        "Delay=\"31\" PlayMode=\"0\"/>",
        "<List PlayMode=\"4\" Delay=\"5\" IsAutoInterval=\"1\" Cycles=\"6\" CursorPos=\"2\" "
        "ViewStartAt=\"3\" SizeOfView=\"7\"/>",
        "<List Cycles=\"8\" Cycles=\"9\" Delay=\"&#52;&#50;\" PlayMode=\"1&#50;\"/>",
        "<List SizeOfView=\"-5\" ViewStartAt=\"99999999999\" CursorPos=\"-9\" Cycles=\"12abc\" "
        "IsAutoInterval=\" 7\" Delay=\"+3\" PlayMode=\"x\"/>",
        "<List SizeOfView='2' ViewStartAt = \"1\"\tCursorPos=\"1\" Cycles=3/>",
        "<List/>",
    };
    struct Fields {
        int sizeOfView, viewStartAt, cursorPos, cycles;
        bool isAutoInterval;
        int delay, playMode;
    };
    const Fields expected[] = {
        {0, 0, 0, 1, false, 30, 0}, {0, 0, 0, 1, false, 31, 0},  {0, 0, 0, 1, false, 31, 0},
        {7, 3, 2, 6, true, 5, 4},   {0, 0, 0, 8, false, 42, 12}, {0, 1000000, -1, 12, true, 3, 0},
        {2, 1, 1, 3, false, 0, 0},  {0, 0, 0, 0, false, 0, 0},
    };
    std::string text = "<?xml version=\"1.0\"?>\r\n<QelEC(RGB)><PredefinedMacro><List>";
    for (std::size_t i = 0; i < std::size(lists); ++i)
        text += "<x ID=\"" + std::to_string(i) + "\" t1=\"item\">" + lists[i] + "</x>";
    text += "</List></PredefinedMacro><CurrentSettings>";
    for (std::size_t i = 0; i < std::size(lists); ++i) {
        text += "<KEY ID=\"" + std::to_string(i + 1) + "\" Level=\"0\" Mode=\"0\" HWCode=\"0\"><ComboKey>" +
                lists[i] + "</ComboKey></KEY>";
    }
    text += "</CurrentSettings></QelEC(RGB)>";

    auto store = freshStore();
    const ProfileLoadReport report = loadProfileText(*store, text);
    ASSERT_TRUE(report.loaded());
    EXPECT_TRUE(report.skipped.empty());
    ASSERT_EQ(store->predefinedMacros.count(), static_cast<int>(std::size(lists)));
    for (std::size_t i = 0; i < std::size(lists); ++i) {
        const ActionList* const read[] = {&store->predefinedMacros.children()[i],
                                          &store->keyActions[i + 1][0]};
        for (const ActionList* list : read) {
            const Fields& want = expected[i];
            EXPECT_EQ(list->SizeOfView, want.sizeOfView) << lists[i];
            EXPECT_EQ(list->ViewStartAt, want.viewStartAt) << lists[i];
            EXPECT_EQ(list->CursorPos, want.cursorPos) << lists[i];
            EXPECT_EQ(list->Cycles, want.cycles) << lists[i];
            EXPECT_EQ(list->IsAutoInterval, want.isAutoInterval) << lists[i];
            EXPECT_EQ(list->Delay, want.delay) << lists[i];
            EXPECT_EQ(list->PlayMode, want.playMode) << lists[i];
            EXPECT_TRUE(list->empty());
        }
    }
}

TEST_F(ProfileFile, ItemsReadAsBeforeWithAndWithoutListsInside) {
    const std::string sameEmptyList = "<List SizeOfView=\"0\" ViewStartAt=\"0\" CursorPos=\"0\" Cycles=\"1\" "
                                      "IsAutoInterval=\"0\" Delay=\"30\" PlayMode=\"0\"/>";
    const std::string text = "<?xml version=\"1.0\"?>\r\n<QelEC(RGB)><PredefinedEmu><List SizeOfView=\"9\">"
                             "<x ID=\"0\" t1=\"&lt;50 ms&gt;\">" +
                             sameEmptyList +
                             "</x>"
                             "<x t1=\"no ID\" ID=\"1\"/>"
                             "<x ID=\"2\" t1=\"text only\">some text</x>"
                             "<x ID=\"3\" ID=\"9\" t1=\"first\" t1=\"second\"><other/>" +
                             sameEmptyList +
                             "</x>"
                             "<x ID=\"1\" t1=\"again\"><List Cycles=\"4\"><x ID=\"0\" t1=\"deep\">"
                             "<List><x ID=\"0\" t1=\"too deep\">" +
                             sameEmptyList +
                             "</x></List></x></List></x>"
                             "<x ID=\"5000\" t1=\"far\">" +
                             sameEmptyList +
                             "</x>"
                             "<x ID=\"5\" t1=\"&#x41;&amp;&unknown;\"/>"
                             "</List></PredefinedEmu></QelEC(RGB)>";
    auto store = freshStore();
    const ProfileLoadReport report = loadProfileText(*store, text);
    ASSERT_TRUE(report.loaded());
    EXPECT_EQ(report.skipped, (std::vector<std::string>{"list nested deeper than 3 levels",
                                                        "list item with ID 5000 (IDs run 0..4095)"}));
    const ActionList& library = store->predefinedEmulations;
    EXPECT_EQ(library.items(),
              (std::vector<std::string>{"<50 ms>", "again", "text only", "first", "", "A&&unknown;"}));
    EXPECT_EQ(library.children()[0].Delay, 30);
    EXPECT_EQ(library.children()[2].Delay, 30) << "an item without a list has a new one";
    EXPECT_EQ(library.children()[2].Cycles, 1);
    EXPECT_EQ(library.children()[3].Delay, 30) << "the list is found after other elements";
    const ActionList& again = library.children()[1];
    EXPECT_EQ(again.Cycles, 4);
    ASSERT_EQ(again.count(), 1);
    EXPECT_EQ(again.items()[0], "deep");
    ASSERT_EQ(again.children()[0].count(), 1);
    EXPECT_EQ(again.children()[0].items()[0], "too deep");
    EXPECT_EQ(again.children()[0].children()[0].Delay, 30) << "the list below the third level is not read";
}

TEST_F(ProfileFile, ManyShortElementsInAListLoadAsFewItems) {
    std::string text = "<?xml version=\"1.0\"?>\r\n<QelEC(RGB)><PredefinedCombo><List>";
    for (int i = 0; i < 20000; ++i)
        text += i % 2 == 0 ? "<x/>" : "<y/>";
    text += "<x ID=\"2\" t1=\"last\"/></List></PredefinedCombo></QelEC(RGB)>";
    auto store = freshStore();
    const ProfileLoadReport report = loadProfileText(*store, text);
    ASSERT_TRUE(report.loaded());
    EXPECT_TRUE(report.skipped.empty());
    EXPECT_EQ(store->predefinedCombos.items(), (std::vector<std::string>{"", "", "last"}));
}

TEST_F(ProfileFile, ColoursOutsideTheirRangeAreBoundedAndReported) {
    auto store = freshStore();
    const std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<QelEC(RGB)>\r\n"
                             "<BackgroundLightSettings>"
                             "<AREA ID=\"1\" Red=\"300\" Green=\"-5\" Blue=\"255\"/>"
                             "<AREA ID=\"2\" Red=\"0\" Green=\"128\" Blue=\"99999999999\"/>"
                             "<AREA ID=\"3\" Red=\"10\" Green=\"20\" Blue=\"30\"/>"
                             "</BackgroundLightSettings></QelEC(RGB)>\r\n";
    const ProfileLoadReport report = loadProfileText(*store, text);
    ASSERT_TRUE(report.loaded());
    EXPECT_EQ(store->lightArea[1], (std::array<int, 3>{255, 0, 255}));
    EXPECT_EQ(store->lightArea[2], (std::array<int, 3>{0, 128, 255}));
    EXPECT_EQ(store->lightArea[3], (std::array<int, 3>{10, 20, 30}));
    ASSERT_EQ(report.skipped.size(), 2U);
    EXPECT_EQ(report.skipped[0],
              "AREA with ID 1: Red 300, Green -5 (colours run 0..255; set to 255, 0, 255)");
    EXPECT_EQ(report.skipped[1], "AREA with ID 2: Blue 2147483647 (colours run 0..255; set to 0, 128, 255)");
}

TEST_F(ProfileFile, AMacroWhoseItemsDoNotAlternateKeyAndDelayIsLeftNotSet) {
    auto store = freshStore();
    const auto key = [](int id, int autoInterval, const std::string& items) {
        return "<KEY ID=\"" + std::to_string(id) + "\" Level=\"0\" Mode=\"3\" HWCode=\"0\"><ComboKey>" +
               "<List SizeOfView=\"9\" Cycles=\"1\" IsAutoInterval=\"" + std::to_string(autoInterval) +
               "\" Delay=\"30\" PlayMode=\"0\">" + items + "</List></ComboKey></KEY>";
    };
    const auto x = [](int id, const char* text) {
        return "<x ID=\"" + std::to_string(id) + "\" t1=\"" + text + "\"/>";
    };
    const std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<QelEC(RGB)>\r\n<CurrentSettings>" +
        key(1, 0, x(0, "A Down") + x(1, "&lt;50 ms&gt;") + x(2, "A UP") + x(3, "&lt;50 ms&gt;")) +
        key(2, 0, x(0, "A Down") + x(1, "B Down") + x(2, "&lt;50 ms&gt;")) +
        key(3, 0, x(0, "&lt;50 ms&gt;") + x(1, "A Down")) +
        key(4, 1, x(0, "A Down") + x(1, "&lt;50 ms&gt;") + x(2, "A UP")) +
        key(5, 1, x(0, "A Down") + x(1, "A UP")) + key(6, 0, x(0, "A Down") + x(2, "A UP")) +
        "</CurrentSettings></QelEC(RGB)>\r\n";
    const ProfileLoadReport report = loadProfileText(*store, text);
    ASSERT_TRUE(report.loaded());
    EXPECT_EQ(store->keyKind[1][0], kKindMacro) << "key, delay, key, delay alternate";
    EXPECT_EQ(store->keyKind[5][0], kKindMacro) << "an automatic delay needs no delay entries";
    for (const int refused : {2, 3, 4, 6}) {
        EXPECT_EQ(store->keyKind[refused][0], kKindNotSet) << "key " << refused;
        EXPECT_FALSE(store->keyActions[refused][0].empty()) << "the user's list is kept as it was";
    }
    EXPECT_EQ(store->keyActions[2][0].items(), (std::vector<std::string>{"A Down", "B Down", "<50 ms>"}));
    ASSERT_EQ(report.skipped.size(), 4U);
    EXPECT_EQ(report.skipped[0], "KEY with ID 2 and Level 0: macro item 2 (\"B Down\") should be a delay "
                                 "entry, as recorded delays alternate key and delay (left not set)");
    EXPECT_EQ(report.skipped[1], "KEY with ID 3 and Level 0: macro item 1 (\"<50 ms>\") should be a key "
                                 "event, as recorded delays alternate key and delay (left not set)");
    EXPECT_EQ(report.skipped[2], "KEY with ID 4 and Level 0: macro item 2 (\"<50 ms>\") is a delay entry "
                                 "in a macro with an automatic delay (left not set)");
    EXPECT_EQ(report.skipped[3], "KEY with ID 6 and Level 0: macro item 2 (\"\") should be a delay entry, "
                                 "as recorded delays alternate key and delay (left not set)");
}
