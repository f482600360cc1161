// SPDX-License-Identifier: GPL-3.0-or-later
// Parsing: every token kind, every fault with its offset, the result cap, and hostile input.
#include "model/profile/XmlDocument.h"
#include "model/profile/XmlReport.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>

namespace {

struct ParseCase {
    const char* name;
    std::string text;
    bool wellFormed;
    std::string result;
};

void PrintTo(const ParseCase& c, std::ostream* out) {
    *out << c.name;
}

std::string repeated(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

// Visits every element the cursor can reach; returns how many there were.
int walkAll(XmlDocument& doc) {
    doc.resetPos();
    int depth = 0;
    int count = 0;
    while (true) {
        if (doc.findElem()) {
            ++count;
            (void)doc.getAttrib("a");
            doc.intoElem();
            ++depth;
        } else if (depth > 0) {
            doc.outOfElem();
            --depth;
        } else {
            return count;
        }
    }
}

} // namespace

class XmlParseResult : public testing::TestWithParam<ParseCase> {};

TEST_P(XmlParseResult, ReportsEveryFaultWithItsOffset) {
    const ParseCase& c = GetParam();
    XmlDocument doc;
    EXPECT_EQ(doc.setDoc(c.text), c.wellFormed);
    EXPECT_EQ(doc.isWellFormed(), c.wellFormed);
    EXPECT_EQ(doc.getResult(), c.result);
    EXPECT_EQ(doc.getDoc(), c.text) << "faults leave the text as it was";
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, XmlParseResult,
    testing::Values(
        ParseCase{"EmptyElement", "<a/>", true, ""},
        ParseCase{"LessThanInsideAValue", "<r b='<'/>", false,
                  "<unterminated_tag_syntax offset=\"0\" offset2=\"6\"/><first_tag_syntax offset=\"6\"/>"
                  "<no_root_element/>"},
        ParseCase{"DoctypeAndComments",
                  "<!DOCTYPE r [ <!ELEMENT r ANY> <!ATTLIST r a CDATA \"x>]y\"> <!-- ] > --> <?pi ]>?> ]>"
                  "<r a=\"x>y\"><![CDATA[ </r> <x> ]]><!-- <b> --><?p <c> ?>text &amp; > more</r>",
                  true, ""},
        ParseCase{"LoneEndTag", "<a/></b>", false, "<lone_end_tag tagname=\"b\" offset=\"4\"/>"},
        ParseCase{"UnendedStartTags", "<a><b>", false,
                  "<unended_start_tag tagname=\"b\" offset=\"3\" offset2=\"6\"/>"
                  "<unended_start_tag tagname=\"a\" offset=\"0\" offset2=\"6\"/>"},
        ParseCase{"MismatchedEndTagClosesTheInnerElement", "<a><b></a>", false,
                  "<unended_start_tag tagname=\"b\" offset=\"3\" offset2=\"6\"/>"},
        ParseCase{"MismatchedEndTagOfNothingOpenIsLone", "<a><b></c></b></a>", false,
                  "<lone_end_tag tagname=\"c\" offset=\"6\"/>"},
        ParseCase{"SpaceAfterLessThan", "<a>< b/></a>", false, "<first_tag_syntax offset=\"3\"/>"},
        ParseCase{"DigitAfterLessThan", "<a>1 <2</a>", false, "<first_tag_syntax offset=\"5\"/>"},
        ParseCase{"EndTagWithoutName", "<a></ ></a>", false, "<first_tag_syntax offset=\"3\"/>"},
        ParseCase{"LessThanAtTheEnd", "<a/><", false, "<first_tag_syntax offset=\"4\"/>"},
        ParseCase{"UnknownExclamation", "<a><!foo></a>", false, "<exclamation_tag_syntax offset=\"3\"/>"},
        ParseCase{"DoctypeWithoutName", "<!DOCTYPEr><r/>", false, "<doctype_tag_syntax offset=\"0\"/>"},
        ParseCase{"UnterminatedDoctype", "<!DOCTYPE r [ <!ELEMENT r ANY> <r/>", false,
                  "<doctype_tag_syntax offset=\"0\"/><no_root_element/>"},
        ParseCase{"UnterminatedComment", "<a/><!-- never closed <b/>", false,
                  "<comment_tag_syntax offset=\"4\"/>"},
        ParseCase{"UnterminatedCdata", "<a><![CDATA[ x", false,
                  "<cdata_section_syntax offset=\"3\"/><unended_start_tag tagname=\"a\" offset=\"0\" "
                  "offset2=\"14\"/>"},
        ParseCase{"UnterminatedStartTag", "<a b=\"1\"", false,
                  "<unterminated_tag_syntax offset=\"0\" offset2=\"8\"/><no_root_element/>"},
        ParseCase{"QuoteCutShortByTheNextTag", "<a b=\"x<c/>", false,
                  "<unterminated_tag_syntax offset=\"0\" offset2=\"7\"/>"},
        ParseCase{"UnterminatedEndTag", "<a></a", false,
                  "<unterminated_tag_syntax offset=\"3\" offset2=\"6\"/>"
                  "<unended_start_tag tagname=\"a\" offset=\"0\" offset2=\"6\"/>"},
        ParseCase{"UnterminatedProcessingInstruction", "<a/><?pi never", false,
                  "<unterminated_tag_syntax offset=\"4\" offset2=\"14\"/>"},
        ParseCase{"DeclarationOnly", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n", false,
                  "<no_root_element/>"},
        ParseCase{"Empty", "", false, "<no_root_element/>"},
        ParseCase{"RootWithSiblings", "<a/><b/><c/>", false,
                  "<root_has_sibling tagname=\"b\" offset=\"4\"/>"}),
    [](const testing::TestParamInfo<ParseCase>& param) { return std::string(param.param.name); });

namespace {

// Offsets in a result moved by shift, for those at or past from.
std::string shiftedOffsets(const std::string& result, std::size_t from, std::size_t shift) {
    std::string out;
    std::size_t i = 0;
    while (i < result.size()) {
        const std::size_t quote = result.find("offset", i);
        if (quote == std::string::npos)
            break;
        const std::size_t digits = result.find('"', quote) + 1;
        const std::size_t end = result.find('"', digits);
        const std::size_t value = std::stoul(result.substr(digits, end - digits));
        out += result.substr(i, digits - i);
        out += std::to_string(value >= from ? value + shift : value);
        i = end;
    }
    return out + result.substr(i);
}

} // namespace

// Long tags are scanned a block at a time where the text allows it and byte by byte near its end; both
// find the same end, with any quotes, '>' inside values and '<' cutting a value short, wherever the
// tag starts relative to the blocks.
TEST(XmlParse, LongTagsEndAtTheSamePlaceWhereverTheyStand) {
    struct Case {
        const char* tag;
        bool wellFormed;
        const char* result; // for the tag right after "<r>"
    };
    const Case cases[] = {
        {"<e a=\"x>y\" b='q\"w>' c=\"0123456789abcdef>ghij\" d='>'/>", true, ""},
        {"<e a=\"0123456789<abcdef\"/>", false,
         "<unterminated_tag_syntax offset=\"3\" offset2=\"19\"/>"
         "<unterminated_tag_syntax offset=\"19\" offset2=\"29\"/>"},
        {"<e a='0123456789abcdef' b=\"it's\" c='say \"hi\"' d=\"0123456789abcdefghij\">x</e>", true, ""},
        {"<e a=\"0123456789abcdef0123456789\" b=\"1\" c='2' \n\t/>", true, ""},
        {"<e a=\"unclosed value that runs on and on/>", false,
         "<unterminated_tag_syntax offset=\"3\" offset2=\"45\"/>"},
        {"<e 'stray quote with > inside' b=\"1\" c=\"a'b\" d='a\"b'/>", true, ""},
    };
    for (const Case& c : cases) {
        for (std::size_t shift = 0; shift < 34; ++shift) {
            for (const std::size_t tail : {0, 5, 40}) {
                const std::string text =
                    "<r>" + std::string(shift, ' ') + c.tag + "</r>" + std::string(tail, '\n');
                XmlDocument doc;
                EXPECT_EQ(doc.setDoc(text), c.wellFormed) << text;
                EXPECT_EQ(doc.getResult(), shiftedOffsets(c.result, 3, shift)) << text;
            }
        }
    }
    XmlDocument doc;
    ASSERT_TRUE(doc.setDoc(std::string("<r>") + cases[0].tag + "</r>" + std::string(40, ' ')));
    doc.findElem("r");
    doc.intoElem();
    ASSERT_TRUE(doc.findElem("e"));
    EXPECT_EQ(doc.getAttrib("a"), "x>y");
    EXPECT_EQ(doc.getAttrib("b"), "q\"w>");
    EXPECT_EQ(doc.getAttrib("c"), "0123456789abcdef>ghij");
    EXPECT_EQ(doc.getAttrib("d"), ">");
}

// A quote of either kind inside a value of the other kind, a value that crosses a block and every
// length of tag up to the end of the text.
TEST(XmlParse, TagsOfEveryLengthWithEitherQuote) {
    for (const char quote : {'"', '\''}) {
        const char other = quote == '"' ? '\'' : '"';
        for (std::size_t length = 0; length < 40; ++length) {
            std::string value;
            for (std::size_t i = 0; i < length; ++i)
                value += i % 7 == 3 ? other : i % 5 == 4 ? '>' : static_cast<char>('a' + i % 26);
            const std::string tag = std::string("<e v=") + quote + value + quote + "/>";
            for (const std::string& text :
                 {"<r>" + tag + "</r>", "<r>" + tag + "</r>" + std::string(20, ' ')}) {
                XmlDocument doc;
                ASSERT_TRUE(doc.setDoc(text)) << text << doc.getResult();
                doc.findElem("r");
                doc.intoElem();
                ASSERT_TRUE(doc.findElem("e")) << text;
                EXPECT_EQ(doc.getAttrib("v"), value) << text;
            }
            // The same tag cut short at every byte is unterminated there.
            for (std::size_t cut = 2; cut < tag.size(); ++cut) {
                const std::string text = "<r>" + tag.substr(0, cut);
                XmlDocument doc;
                EXPECT_FALSE(doc.setDoc(text));
                EXPECT_NE(doc.getResult().find("<unterminated_tag_syntax offset=\"3\" offset2=\"" +
                                               std::to_string(text.size()) + "\"/>"),
                          std::string::npos)
                    << text << " " << doc.getResult();
            }
        }
    }
}

TEST(XmlParse, MarkupInsideCommentsAndCdataHoldsNoElements) {
    XmlDocument doc;
    ASSERT_TRUE(doc.setDoc("<r><!-- <a/> --><![CDATA[<b/>]]><?pi <c/>?><d/></r>"));
    doc.findElem("r");
    doc.intoElem();
    ASSERT_TRUE(doc.findElem());
    EXPECT_EQ(doc.getTagName(), "d");
    EXPECT_FALSE(doc.findElem());
}

// A mismatched end tag closes the innermost open element of its name; the elements opened inside it
// end where that end tag starts, so later edits inside them land before it.
TEST(XmlParse, RecoveryFromAMismatchedEndTagKeepsTheTreeEditable) {
    XmlDocument doc;
    doc.setDoc("<r><a>text</r><s/>");
    doc.findElem("r");
    doc.intoElem();
    doc.findElem("a");
    doc.intoElem();
    doc.addElem("n");
    EXPECT_EQ(doc.getDoc(), "<r><a>text\r\n<n/>\r\n</r><s/>");
    doc.outOfElem();
    doc.outOfElem();
    EXPECT_TRUE(doc.findElem("s"));
}

TEST(XmlParse, ResultStopsGrowingPastItsCap) {
    XmlDocument doc;
    doc.setDoc("<a/>" + repeated("</bb>", 500));
    const std::string& result = doc.getResult();
    EXPECT_GT(result.size(), XmlReport::kCap);
    EXPECT_LT(result.size(), XmlReport::kCap + 60);
    EXPECT_EQ(result.substr(result.size() - 2), "/>");
    EXPECT_EQ(result.find("offset=\"2499\""), std::string::npos) << "the last entries are dropped";
}

TEST(XmlHostile, HugeNestingDepth) {
    constexpr int depth = 300000;
    XmlDocument doc;
    EXPECT_FALSE(doc.setDoc(repeated("<a>", depth)));
    EXPECT_LE(doc.getResult().size(), XmlReport::kCap + 100);
    for (int i = 0; i < depth; ++i) {
        ASSERT_TRUE(doc.findElem("a"));
        ASSERT_TRUE(doc.intoElem());
    }
    EXPECT_TRUE(doc.addElem("leaf"));
    EXPECT_TRUE(doc.setAttrib("k", "v"));
    EXPECT_TRUE(doc.getDoc().ends_with("<a><a>\r\n<leaf k=\"v\"/>\r\n"));
    EXPECT_EQ(walkAll(doc), depth + 1);

    const std::string closed = repeated("<a>", depth) + repeated("</a>", depth);
    EXPECT_TRUE(doc.setDoc(closed));
    EXPECT_EQ(walkAll(doc), depth);
}

TEST(XmlHostile, LoneEndTagsUnderADeepStackStayLinear) {
    XmlDocument doc;
    EXPECT_FALSE(doc.setDoc(repeated("<a>", 200000) + repeated("</b>", 200000) + repeated("</a>", 200000)));
    EXPECT_EQ(doc.getResult().find("unended"), std::string::npos);
    EXPECT_EQ(walkAll(doc), 200000);
}

TEST(XmlHostile, UnterminatedEverything) {
    for (const char* piece :
         {"<!--", "<![CDATA[", "<!DOCTYPE x [", "<?", "<a", "<a b=\"", "<", "</", "<!", "</a"}) {
        XmlDocument doc;
        EXPECT_FALSE(doc.setDoc(repeated(piece, 100000))) << piece;
        EXPECT_LE(doc.getResult().size(), XmlReport::kCap + 100) << piece;
        walkAll(doc);
    }
}

TEST(XmlHostile, RandomMarkupNeverBreaksTheCursor) {
    const std::string_view pieces[] = {"<a>",  "</a>", "<b x='1'>", "</b>", "<c/>",
                                       "<!--", "-->",  "<![CDATA[", "]]>",  "<?",
                                       "?>",   "\"",   "'",         "=",    ">",
                                       "<",    "&#",   "&amp;",     "\xC3", std::string_view("\0", 1)};
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i)
            text += pieces[random() % std::size(pieces)];
        XmlDocument doc;
        const bool wellFormed = doc.setDoc(text);
        const int before = walkAll(doc);
        doc.resetPos();
        bool added = false;
        if (doc.findElem()) {
            doc.setAttrib("a", "v");
            doc.intoElem();
            added = doc.addElem("n");
            doc.setAttrib("t1", 5);
        }
        EXPECT_EQ(walkAll(doc), before + (added ? 1 : 0)) << text;
        XmlDocument reparsed;
        EXPECT_TRUE(reparsed.setDoc(doc.getDoc()) || !wellFormed) << "edits broke " << text;
        walkAll(reparsed);
    }
}
