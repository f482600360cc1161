// Building documents with the cursor: line layout of edits, navigation and attributes.
#include "XmlTestSupport.h"

#include "model/profile/XmlDocument.h"

#include <gtest/gtest.h>

#include <climits>
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
