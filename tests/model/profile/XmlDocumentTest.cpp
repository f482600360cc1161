// SPDX-License-Identifier: GPL-3.0-or-later
// Building documents with the cursor: line layout of edits, navigation and attributes.
#include "XmlTestSupport.h"

#include "model/profile/XmlDocument.h"

#include <gtest/gtest.h>

#include <climits>
#include <span>
#include <string>
#include <string_view>

using xmltest::kDeclaration;

namespace {

XmlDocument parsed(std::string_view text) {
    XmlDocument doc;
    doc.setDoc(text);
    return doc;
}

} // namespace

TEST(XmlLayout, WorkedExampleGivesOneElementPerLine) {
    XmlDocument doc;
    doc.setDoc(kDeclaration);
    ASSERT_TRUE(doc.addElem("A"));
    ASSERT_TRUE(doc.intoElem());
    ASSERT_TRUE(doc.addElem("B"));
    ASSERT_TRUE(doc.outOfElem());
    ASSERT_TRUE(doc.addElem("C"));
    EXPECT_EQ(doc.getDoc(), kDeclaration + "<A>\r\n<B/>\r\n</A>\r\n<C/>\r\n");
}

TEST(XmlLayout, ProfileShapeEndsEveryLineWithCrLf) {
    XmlDocument doc;
    doc.setDoc(kDeclaration);
    doc.addElem("QelEC(RGB)");
    doc.intoElem();
    doc.addElem("BackgroundLightSettings");
    doc.intoElem();
    for (int id = 1; id <= 2; ++id) {
        doc.addElem("AREA");
        doc.setAttrib("ID", id);
        doc.setAttrib("Red", 0);
    }
    doc.outOfElem();
    doc.addElem("CurrentSettings");
    doc.intoElem();
    doc.addElem("KEY");
    doc.setAttrib("ID", 1);
    doc.intoElem();
    doc.addElem("ComboKey");
    doc.intoElem();
    doc.addElem("List");
    doc.setAttrib("Delay", 30);
    EXPECT_EQ(doc.getDoc(), kDeclaration + "<QelEC(RGB)>\r\n"
                                           "<BackgroundLightSettings>\r\n"
                                           "<AREA ID=\"1\" Red=\"0\"/>\r\n"
                                           "<AREA ID=\"2\" Red=\"0\"/>\r\n"
                                           "</BackgroundLightSettings>\r\n"
                                           "<CurrentSettings>\r\n"
                                           "<KEY ID=\"1\">\r\n"
                                           "<ComboKey>\r\n"
                                           "<List Delay=\"30\"/>\r\n"
                                           "</ComboKey>\r\n"
                                           "</KEY>\r\n"
                                           "</CurrentSettings>\r\n"
                                           "</QelEC(RGB)>\r\n");
    EXPECT_TRUE(parsed(doc.getDoc()).isWellFormed());
}

TEST(XmlLayout, EmptyParentWithAttributesIsRewrittenAroundItsFirstChild) {
    XmlDocument doc = parsed("<r a=\"1\" />");
    doc.findElem("r");
    doc.intoElem();
    doc.addElem("c");
    EXPECT_EQ(doc.getDoc(), "<r a=\"1\" >\r\n<c/>\r\n</r>");
    doc.outOfElem();
    EXPECT_EQ(doc.getAttrib("a"), "1");
    doc.setAttrib("b", 2);
    EXPECT_EQ(doc.getDoc(), "<r a=\"1\" b=\"2\" >\r\n<c/>\r\n</r>");
}

TEST(XmlLayout, AddingIntoParsedElementsKeepsOneElementPerLine) {
    XmlDocument doc = parsed("<r><p></p><q>text</q></r>");
    doc.findElem("r");
    doc.intoElem();
    doc.findElem("p");
    doc.intoElem();
    doc.addElem("x");
    doc.outOfElem();
    doc.findElem("q");
    doc.intoElem();
    doc.addElem("y");
    EXPECT_EQ(doc.getDoc(), "<r><p>\r\n<x/>\r\n</p><q>text\r\n<y/>\r\n</q></r>");
}

TEST(XmlLayout, AddingAfterAnInnerElementShiftsWhatFollows) {
    XmlDocument doc = parsed("<r>\r\n<a/>\r\n<b k=\"v\"/>\r\n</r>\r\n");
    doc.findElem("r");
    doc.intoElem();
    doc.findElem("a");
    doc.addElem("n");
    doc.setAttrib("z", "1");
    EXPECT_EQ(doc.getDoc(), "<r>\r\n<a/>\r\n<n z=\"1\"/>\r\n<b k=\"v\"/>\r\n</r>\r\n");
    ASSERT_TRUE(doc.findElem());
    EXPECT_EQ(doc.getTagName(), "b");
    EXPECT_EQ(doc.getAttrib("k"), "v");
    doc.outOfElem();
    doc.addElem("after");
    EXPECT_EQ(doc.getDoc(), "<r>\r\n<a/>\r\n<n z=\"1\"/>\r\n<b k=\"v\"/>\r\n</r>\r\n<after/>\r\n");

    XmlDocument adjacent = parsed("<r><a/><b k=\"v\"/></r>");
    adjacent.findElem("r");
    adjacent.intoElem();
    adjacent.findElem("a");
    adjacent.addElem("n");
    ASSERT_TRUE(adjacent.findElem());
    EXPECT_EQ(adjacent.getAttrib("k"), "v") << "the element that started where the new one went moved too";
    adjacent.setAttrib("k", "w");
    EXPECT_EQ(adjacent.getDoc(), "<r><a/>\r\n<n/>\r\n<b k=\"w\"/></r>");
}

TEST(XmlLayout, AddingToAnEmptyDocument) {
    XmlDocument doc;
    ASSERT_TRUE(doc.addElem("root"));
    EXPECT_EQ(doc.getDoc(), "<root/>\r\n");
    XmlDocument noLineEnd = parsed("<?xml version=\"1.0\"?>");
    noLineEnd.addElem("root");
    EXPECT_EQ(noLineEnd.getDoc(), "<?xml version=\"1.0\"?>\r\n<root/>\r\n");
}

TEST(XmlLayout, InvalidNamesAreRefused) {
    XmlDocument doc;
    for (const char* name : {"", "1a", "a b", "a>", "a/", "<a", "a=b", "a\"", "-a", "a&b"})
        EXPECT_FALSE(doc.addElem(name)) << name;
    EXPECT_EQ(doc.getDoc(), "");
    doc.addElem("a");
    for (const char* name : {"", "x y", "x=", "x'"})
        EXPECT_FALSE(doc.setAttrib(name, "v")) << name;
    EXPECT_EQ(doc.getDoc(), "<a/>\r\n");
}

// Names of every length with a character no name may hold at every place in them.
TEST(XmlLayout, EveryCharacterOfANameIsChecked) {
    const char invalid[] = {' ', '\t', '\n', '\r', '<',    '>',    '/',
                            '=', '"',  '\'', '&',  '\x01', '\x1F', '\x7F'};
    const char valid[] = {'a', 'Z', '_', ':', '-', '.', '0', '9', '~', '{', '@', '[', '`', '\xC3', '\xA9'};
    for (std::size_t length = 1; length <= 40; ++length) {
        // Letters only in half of them, the other half with every other character allowed.
        std::string name(length, 'n');
        for (std::size_t i = 1; i < length; ++i)
            name[i] = length % 2 == 0 ? static_cast<char>('A' + i % 58)
                                      : valid[(i * 7 + length) % std::size(valid)];
        XmlDocument doc;
        EXPECT_TRUE(doc.addElem(name)) << name;
        EXPECT_TRUE(doc.setAttrib(name, 1)) << name;
        for (std::size_t at = 0; at < length; ++at) {
            for (const char c : invalid) {
                std::string bad = name;
                bad[at] = c;
                EXPECT_FALSE(doc.addElem(bad)) << length << " " << at << " " << static_cast<int>(c);
                EXPECT_FALSE(doc.setAttrib(bad, 1)) << length << " " << at << " " << static_cast<int>(c);
                EXPECT_FALSE(doc.addElemWithAttribs("x", {{"ok", 1}, {bad, 2}})) << length << " " << at;
            }
        }
        for (const char first : {'0', '-', '.', '~', '@'}) {
            std::string bad = name;
            bad[0] = first;
            EXPECT_FALSE(doc.addElem(bad)) << bad;
        }
    }
}

TEST(XmlCursor, FindGoesForwardOnlyAndNeverWraps) {
    XmlDocument doc = parsed("<r><a i=\"1\"/><b/><a i=\"2\"/></r>");
    ASSERT_TRUE(doc.findElem("r"));
    doc.intoElem();
    ASSERT_TRUE(doc.findElem("a"));
    EXPECT_EQ(doc.getAttribInt("i"), 1);
    ASSERT_TRUE(doc.findElem("a"));
    EXPECT_EQ(doc.getAttribInt("i"), 2);
    EXPECT_FALSE(doc.findElem("a"));
    EXPECT_FALSE(doc.findElem("b"));
    EXPECT_EQ(doc.getAttribInt("i"), 2) << "a failed find leaves the cursor";
}

TEST(XmlCursor, FindMatchesWholeNamesOnly) {
    XmlDocument doc = parsed("<r><ab/><a\tx=\"1\"/></r>");
    doc.findElem("r");
    doc.intoElem();
    ASSERT_TRUE(doc.findElem("a"));
    EXPECT_EQ(doc.getAttrib("x"), "1");
    doc.resetPos();
    EXPECT_FALSE(doc.findElem("ab")) << "only the top level is searched after a reset";
}

TEST(XmlCursor, NameOnlyDeeperInTheTreeIsNotFound) {
    XmlDocument doc = parsed("<r><s><deep/></s><t/></r>");
    doc.findElem("r");
    doc.intoElem();
    doc.findElem("s");
    EXPECT_FALSE(doc.findElem("deep"));
    EXPECT_EQ(doc.getTagName(), "s");
    EXPECT_TRUE(doc.findElem("t"));
}

TEST(XmlCursor, IntoAndOutOf) {
    XmlDocument doc = parsed("<r><a><b/></a><c/></r>");
    EXPECT_FALSE(doc.intoElem()) << "no current element";
    EXPECT_FALSE(doc.outOfElem()) << "already at the top level";
    doc.findElem("r");
    doc.intoElem();
    doc.findElem("a");
    doc.intoElem();
    EXPECT_EQ(doc.getTagName(), "");
    EXPECT_TRUE(doc.findElem("b"));
    EXPECT_TRUE(doc.outOfElem());
    EXPECT_EQ(doc.getTagName(), "a");
    EXPECT_TRUE(doc.findElem("c")) << "the search goes on after the element left";
    EXPECT_TRUE(doc.outOfElem());
    EXPECT_EQ(doc.getTagName(), "r");
    EXPECT_FALSE(doc.outOfElem());
    doc.resetPos();
    EXPECT_EQ(doc.getTagName(), "");
    EXPECT_TRUE(doc.findElem("r"));
}

TEST(XmlAttributes, SetTwiceKeepsOneAttributeWithTheSecondValue) {
    XmlDocument doc;
    doc.addElem("a");
    doc.setAttrib("n", "first");
    doc.setAttrib("n", "2nd");
    doc.setAttrib("n", "the third");
    EXPECT_EQ(doc.getDoc(), "<a n=\"the third\"/>\r\n");
    EXPECT_EQ(doc.getAttrib("n"), "the third");
}

TEST(XmlAttributes, QuotesAndMarkupAreEscapedAndComeBackUnchanged) {
    XmlDocument doc;
    doc.addElem("a");
    const std::string value = "say \"hi\" & <go> 'now'";
    doc.setAttrib("t1", value);
    EXPECT_EQ(doc.getDoc(), "<a t1=\"say &quot;hi&quot; &amp; &lt;go&gt; &apos;now&apos;\"/>\r\n");
    EXPECT_EQ(doc.getAttrib("t1"), value);
    XmlDocument reread = parsed(doc.getDoc());
    reread.findElem();
    EXPECT_EQ(reread.getAttrib("t1"), value);
}

TEST(XmlAttributes, ParsedFormsOfAttributes) {
    XmlDocument doc =
        parsed("<a one='1' two = \"2\" three=3 flag t1=\"x ID=9 >\" ID=\"5\" dup=\"a\" dup=\"b\"/>");
    doc.findElem();
    EXPECT_EQ(doc.getAttrib("one"), "1");
    EXPECT_EQ(doc.getAttrib("two"), "2");
    EXPECT_EQ(doc.getAttrib("three"), "3");
    EXPECT_EQ(doc.getAttrib("flag"), "");
    EXPECT_EQ(doc.getAttribInt("ID"), 5) << "text inside another value is no attribute";
    EXPECT_EQ(doc.getAttrib("t1"), "x ID=9 >");
    EXPECT_EQ(doc.getAttrib("dup"), "a") << "the first of two wins";
    EXPECT_EQ(doc.getAttrib("missing"), "");
    doc.setAttrib("one", "uno");
    doc.setAttrib("three", "tres");
    doc.setAttrib("flag", "on");
    EXPECT_EQ(
        doc.getDoc(),
        "<a one='uno' two = \"2\" three=\"tres\" flag=\"on\" t1=\"x ID=9 >\" ID=\"5\" dup=\"a\" dup=\"b\"/>");
}

// Quotes are found where the parser finds them, so no edit leaves one unmatched or eats "/>".
TEST(XmlAttributes, EditingMalformedAttributesKeepsTheTagIntact) {
    struct Case {
        const char* text;
        const char* attrib;
        const char* edited;
    };
    const Case cases[] = {
        {"<a b=c/>", "b", "<a b=\"v\"/>"},
        {"<a b= />", "b", "<a b=\"v\"/>"},
        {"<a 'b=\"' y/>", "b", "<a 'b=\"' y b=\"v\"/>"},
        {"<a b=c\"d>\" e/>", "b", "<a b=\"v\"\"d>\" e/>"},
        {"<a b=\"1\"c=\"2\"/>", "c", "<a b=\"1\"c=\"v\"/>"},
        {"<a x=/>", "b", "<a x=\"\" b=\"v\"/>"},
        {"<a x=1?/>", "b", "<a x=1? b=\"v\"/>"},
    };
    for (const Case& c : cases) {
        XmlDocument doc = parsed(c.text);
        ASSERT_TRUE(doc.isWellFormed()) << c.text;
        doc.findElem();
        doc.setAttrib(c.attrib, "v");
        EXPECT_EQ(doc.getDoc(), c.edited) << c.text;
        EXPECT_TRUE(parsed(doc.getDoc()).isWellFormed()) << c.text;
        EXPECT_EQ(doc.getAttrib(c.attrib), "v") << c.text;
    }
}

// Attributes read in one pass over the tag: values of every length, in either quote, up to the very
// end of the text, next to markup characters and references.
TEST(XmlAttributes, ValuesOfEveryLengthUpToTheEndOfTheText) {
    for (const char quote : {'"', '\''}) {
        for (std::size_t length = 0; length < 24; ++length) {
            std::string value;
            for (std::size_t i = 0; i < length; ++i)
                value += static_cast<char>(i % 3 == 2 ? '0' + i % 10 : 'a' + i % 26);
            const std::string q(1, quote);
            for (const char* close : {"/>", ">", " />", "\t>"}) {
                const std::string text = "<a first=" + q + "1" + q + " v=" + q + value + q + " last=" + q +
                                         "9" + q + close +
                                         (std::string_view(close).ends_with("/>") ? "" : "</a>");
                for (const std::string& whole : {text, text + std::string(20, ' ')}) {
                    XmlDocument doc = parsed(whole);
                    ASSERT_TRUE(doc.isWellFormed()) << whole;
                    doc.findElem();
                    EXPECT_EQ(doc.getAttrib("v"), value) << whole;
                    EXPECT_EQ(doc.getAttribInt("last"), 9) << whole;
                    EXPECT_EQ(doc.getAttribInt("first"), 1) << whole;
                    EXPECT_EQ(doc.getAttrib("v"), value) << "read again, out of order: " << whole;
                }
            }
            XmlDocument doc = parsed("<a v=" + q + value + q + "/>");
            doc.findElem();
            EXPECT_EQ(doc.getAttrib("v"), value) << "the tag ends the text";
        }
    }
    XmlDocument doc = parsed("<a e=\"&lt;5 ms&gt;\" q='say \"hi\"' s=\"it's\" m=\"a/b>c\" n=\"&amp;lt;\"/>");
    doc.findElem();
    EXPECT_EQ(doc.getAttrib("e"), "<5 ms>");
    EXPECT_EQ(doc.getAttrib("q"), "say \"hi\"");
    EXPECT_EQ(doc.getAttrib("s"), "it's");
    EXPECT_EQ(doc.getAttrib("m"), "a/b>c");
    EXPECT_EQ(doc.getAttrib("n"), "&lt;");
}

TEST(XmlAttributes, NamesAreReadWhole) {
    XmlDocument doc = parsed("<a t1=\"1\"\tdata-x=\"2\"\nxml:lang=\"3\"  a.b=\"4\" \xC3\xA9t\xC3\xA9=\"5\" "
                             "averyveryverylongattributename=\"6\" ab = \"7\" c=\"8\"d=\"9\"/>");
    doc.findElem();
    EXPECT_EQ(doc.getAttribInt("t1"), 1);
    EXPECT_EQ(doc.getAttribInt("data-x"), 2);
    EXPECT_EQ(doc.getAttribInt("xml:lang"), 3);
    EXPECT_EQ(doc.getAttribInt("a.b"), 4);
    EXPECT_EQ(doc.getAttribInt("\xC3\xA9t\xC3\xA9"), 5);
    EXPECT_EQ(doc.getAttribInt("averyveryverylongattributename"), 6);
    EXPECT_EQ(doc.getAttribInt("ab"), 7);
    EXPECT_EQ(doc.getAttribInt("c"), 8);
    EXPECT_EQ(doc.getAttribInt("d"), 9);
    for (const char* part :
         {"t", "data", "x", "xml", "lang", "a", "b", "averyveryverylongattributenam", "\xC3\xA9t"})
        EXPECT_EQ(doc.getAttrib(part), "") << part;
}

TEST(XmlAttributes, NothingWithoutACurrentElement) {
    XmlDocument doc = parsed("<a x=\"1\"/>");
    EXPECT_EQ(doc.getAttrib("x"), "");
    EXPECT_EQ(doc.getAttribInt("x"), 0);
    EXPECT_FALSE(doc.setAttrib("x", 2));
    EXPECT_EQ(doc.getDoc(), "<a x=\"1\"/>");
}

TEST(XmlAttributes, IntegerReading) {
    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {
        {"42", 42},
        {"  \t-17", -17},
        {"+8", 8},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {"- 5", 0},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"2147483648", INT_MAX},
        {"-99999999999999999999999999", INT_MIN},
        {"99999999999999999999999999999999999999999999", INT_MAX},
        {"&#52;&#50;", 42},
        {"0x10", 0},
        {"7", 7},
        {"0012", 12},
        {"9 ", 9},
        {"123456789", 123456789},
        {"999999999", 999999999},
        {"1234567890", 1234567890},
        {"000000000000000000042", 42},
        {"21474836470", INT_MAX},
    };
    for (const Case& c : cases) {
        XmlDocument doc = parsed(std::string("<a v=\"") + c.text + "\"/>");
        doc.findElem();
        EXPECT_EQ(doc.getAttribInt("v"), c.value) << c.text;
    }
    XmlDocument doc;
    doc.addElem("a");
    doc.setAttrib("n", INT_MIN);
    EXPECT_EQ(doc.getAttrib("n"), "-2147483648");
    EXPECT_EQ(doc.getAttribInt("n"), INT_MIN);
}

TEST(XmlDocumentState, SetDocReplacesEverythingAndResetsTheCursor) {
    XmlDocument doc = parsed("<a><b/></a>");
    doc.findElem("a");
    doc.intoElem();
    EXPECT_TRUE(doc.setDoc("<c/>"));
    EXPECT_EQ(doc.getTagName(), "");
    EXPECT_TRUE(doc.findElem("c"));
    EXPECT_FALSE(doc.setDoc(""));
    EXPECT_EQ(doc.getDoc(), "");
    EXPECT_FALSE(doc.findElem());
}

TEST(XmlDocumentState, TakeDocParsesAsSetDoc) {
    XmlDocument doc = parsed("<a><b/></a>");
    doc.findElem("a");
    doc.intoElem();
    EXPECT_TRUE(doc.takeDoc(std::string("<c><d/></c>")));
    EXPECT_EQ(doc.getDoc(), "<c><d/></c>");
    EXPECT_EQ(doc.getTagName(), "") << "the cursor is at the top level";
    ASSERT_TRUE(doc.findElem("c"));
    EXPECT_TRUE(doc.hasChildElem());
    EXPECT_FALSE(doc.takeDoc(std::string("<c><d></c>")));
    EXPECT_FALSE(doc.isWellFormed());
    EXPECT_NE(doc.getResult().find("unended_start_tag"), std::string::npos);
}

TEST(XmlDocumentState, SetDocOfItsOwnText) {
    XmlDocument doc = parsed("<a x=\"1\"/>");
    EXPECT_TRUE(doc.setDoc(doc.getDoc()));
    EXPECT_EQ(doc.getDoc(), "<a x=\"1\"/>");
    doc.findElem();
    doc.setAttrib("y", std::string_view(doc.getDoc()).substr(1, 1));
    EXPECT_EQ(doc.getAttrib("y"), "a");
}

TEST(XmlDocumentState, FlagsKeepTheFileGuards) {
    XmlDocument doc;
    doc.setFlags(XmlDocument::kReadingFile | XmlDocument::kWritingFile | XmlDocument::kAppendFile);
    EXPECT_EQ(doc.getFlags(), XmlDocument::kAppendFile);
}

namespace {

// Reads names from every element of text both ways, and checks that reading all at once gives what
// reading each alone does; returns how many elements were read.
int expectBulkReadAgrees(std::string_view text, const XmlAttribNames& names) {
    XmlDocument doc = parsed(text);
    int elements = 0;
    int depth = 0;
    while (true) {
        if (!doc.findElem()) {
            if (depth == 0)
                return elements;
            doc.outOfElem();
            --depth;
            continue;
        }
        ++elements;
        std::string_view values[XmlAttribNames::kMax];
        doc.getRawAttribs(names, values);
        for (std::size_t i = 0; i < names.size(); ++i) {
            EXPECT_EQ(XmlDocument::attribText(values[i]), doc.getAttrib(names[i])) << text << " " << names[i];
            EXPECT_EQ(XmlDocument::attribInt(values[i]), doc.getAttribInt(names[i]))
                << text << " " << names[i];
        }
        if (doc.hasChildElem()) {
            doc.intoElem();
            ++depth;
        }
    }
}

} // namespace

TEST(XmlAttributes, ReadingAllAtOnceGivesWhatReadingEachGives) {
    static constexpr XmlAttribNames kNames{"ID", "Red", "Green", "Blue"};
    for (const char* text : {
             "<a ID=\"1\" Red=\"2\" Green=\"3\" Blue=\"4\"/>",
             "<a ID=\"1\" Red=\"2\" Green=\"3\" Blue=\"4\">text</a>",
             "<a Blue=\"4\" Green=\"3\" Red=\"2\" ID=\"1\"/>",
             "<a Green=\"3\" ID=\"1\"/>",
             "<a/>",
             "<a>",
             "<a ID=\"1\" ID=\"2\" Red=\"3\" Red=\"4\"/>",
             "<a Red=\"5\" ID=\"1\" Red=\"6\" Blue=\"7\" Blue=\"8\" Green=\"9\"/>",
             "<a ID='1' Red='2\"' Green=\"3'\" Blue='4'/>",
             "<a ID = \"1\"\tRed=\"2\"\r\nGreen  =  \"3\"  Blue=\"4\"   />",
             "<a ID=1 Red=2 Green=3 Blue=4>",
             "<a ID=\"&#49;&#50;\" Red=\"&lt;5&gt;\" Green=\"1&amp;2\" Blue=\"&#x34;\"/>",
             "<a ID=\"12abc\" Red=\" 7\" Green=\"+8\" Blue=\"-9\"/>",
             "<a ID=\"99999999999\" Red=\"-99999999999\" Green=\"2147483648\" Blue=\"x\"/>",
             "<a ID=\"\" Red= Green Blue=\"4\"/>",
             "<a IDs=\"1\" Re=\"2\" GreenX=\"3\" xBlue=\"4\" Blue=\"5\"/>",
             "<a id=\"1\" RED=\"2\" Green=\"3\" Blue=\"4\"/>",
             "<a ID=\"1\"Red=\"2\"Green=\"3\"Blue=\"4\"/>",
             "<a ID=\"1\" Red=\"2 Green=\"3\" Blue=\"4\"/>",
             "<a ID=\"1\" Red=\"2\" / Green=\"3\" Blue=\"4\"/>",
             "<a \"ID=\"1\" Red=\"2\"/>",
             "<a ID=\"1\" Red=\"2\" Green=\"3\" Blue=\"4",
             "<a ID=\"1\" Red=\"2\" Green=\"3\" Blue=\"4\"",
             "<a ID=\"1\" Red=\"2\" Green=\"3\" Blue=\"4\"/",
             "<a ID=\"1\" Red=\"",
             "<a ID=\"1\" Red=\"2\"><b ID=\"7\" Red=\"8\"/></a>",
             "<a ID=\"1\" Red=\"2\" Green=\"3\" Blue=\"4\" ID=\"5\" Red=\"6\"/>",
         }) {
        // Tags cut short or with quotes astray, closed by what follows them in another element.
        const std::string inside = std::string("<r>") + text + "\"'></r>";
        EXPECT_GT(expectBulkReadAgrees(text, kNames) + expectBulkReadAgrees(inside, kNames), 0) << text;
    }
}

TEST(XmlAttributes, ReadingAllAtOnceTakesNamesThatCannotBeMatchedInOrder) {
    // Names given twice, names that no tag can hold, and names past the length matched in order are
    // all read the way getAttrib reads them.
    static constexpr XmlAttribNames kTwice{"b", "a", "b"};
    static constexpr XmlAttribNames kOdd{"a", "", "x=y", "c d", "b"};
    static constexpr XmlAttribNames kLong{"a", "averyveryveryveryverylongattributename", "b"};
    EXPECT_FALSE(kTwice.matchable());
    EXPECT_FALSE(kOdd.matchable());
    EXPECT_FALSE(kLong.matchable());
    for (const char* text :
         {"<t a=\"1\" b=\"2\"/>", "<t b=\"2\" a=\"1\" b=\"3\"/>", "<t x=y=\"4\" c d=\"5\"/>",
          "<t averyveryveryveryverylongattributename=\"6\" b=\"7\" a=\"8\"/>"}) {
        expectBulkReadAgrees(text, kTwice);
        expectBulkReadAgrees(text, kOdd);
        expectBulkReadAgrees(text, kLong);
    }
    XmlDocument doc = parsed("<t b=\"2\" a=\"1\" b=\"3\"/>");
    doc.findElem();
    std::string_view values[3];
    doc.getRawAttribs(kTwice, values);
    EXPECT_EQ(values[0], "2");
    EXPECT_EQ(values[2], "2") << "a name given twice gets the first attribute in both places";
}

TEST(XmlAttributes, ReadingAllAtOnceFillsOnlyTheValuesGiven) {
    static constexpr XmlAttribNames kNames{"a", "b", "c"};
    XmlDocument doc = parsed("<t a=\"1\" b=\"2\" c=\"3\"/>");
    std::string_view values[3] = {"x", "y", "z"};
    doc.getRawAttribs(kNames, values);
    EXPECT_EQ(values[0], "") << "nothing without a current element";
    EXPECT_EQ(values[2], "");
    doc.findElem();
    std::string_view two[2];
    doc.getRawAttribs(kNames, two);
    EXPECT_EQ(two[0], "1");
    EXPECT_EQ(two[1], "2");
    values[2] = "kept";
    doc.getRawAttribs(kNames, std::span<std::string_view>(values, 2));
    EXPECT_EQ(values[2], "kept");
}

TEST(XmlAttributes, ReadingAllAtOnceAfterEdits) {
    static constexpr XmlAttribNames kNames{"a", "b"};
    XmlDocument doc = parsed("<t a=\"1\"/>");
    doc.findElem();
    doc.setAttrib("b", "&2");
    doc.setAttrib("a", 10);
    std::string_view values[2];
    doc.getRawAttribs(kNames, values);
    EXPECT_EQ(XmlDocument::attribInt(values[0]), 10);
    EXPECT_EQ(XmlDocument::attribText(values[1]), "&2");
    EXPECT_EQ(values[1], "&amp;2") << "values come still escaped";
}

TEST(XmlAttributes, RawValuesReadAsIntegersAsAttributesAre) {
    for (const char* raw : {"42",
                            "  \t-17",
                            "+8",
                            "12abc",
                            "abc",
                            "",
                            "-",
                            "- 5",
                            "2147483647",
                            "-2147483648",
                            "2147483648",
                            "999999999",
                            "1234567890",
                            "0012",
                            "9 ",
                            "&#52;&#50;",
                            "1&#50;",
                            "12&",
                            "&amp;",
                            "1&#x30;",
                            "123456789&#48;",
                            "12345678&#57;",
                            "000000000000042"}) {
        XmlDocument doc = parsed(std::string("<a v=\"") + raw + "\"/>");
        doc.findElem();
        EXPECT_EQ(XmlDocument::attribInt(raw), doc.getAttribInt("v")) << raw;
    }
    EXPECT_EQ(XmlDocument::attribInt("1&#50;"), 12);
    EXPECT_EQ(XmlDocument::attribInt("12345678&#57;"), 123456789);
}

TEST(XmlCursor, StartTagAndChildren) {
    XmlDocument doc = parsed("<a x=\"1\">text<b/><c>\r\n<d/></c><b/></a>");
    EXPECT_EQ(doc.getStartTag(), "");
    EXPECT_EQ(doc.childElemCount(), 0U);
    EXPECT_FALSE(doc.hasChildElem());
    doc.findElem("a");
    EXPECT_EQ(doc.getStartTag(), "<a x=\"1\">");
    EXPECT_EQ(doc.childElemCount(), 3U) << "children only, not their children";
    EXPECT_TRUE(doc.hasChildElem());
    doc.intoElem();
    doc.findElem("b");
    EXPECT_EQ(doc.getStartTag(), "<b/>");
    EXPECT_EQ(doc.childElemCount(), 0U);
    EXPECT_FALSE(doc.hasChildElem());
    doc.findElem("c");
    EXPECT_EQ(doc.childElemCount(), 1U);
    doc.setAttrib("y", "2");
    EXPECT_EQ(doc.getStartTag(), "<c y=\"2\">");
}
