// SPDX-License-Identifier: GPL-3.0-or-later
// Escaping on set and unescaping on get: predefined, numeric and HTML named references.
#include "model/profile/XmlDocument.h"
#include "model/profile/XmlEncoding.h"

#include <gtest/gtest.h>

TEST(XmlEscape, AttributeValuesEscapeAllFiveTextOnlyThree) {
    EXPECT_EQ(XmlDocument::escapeAttrib("a\"b&c'd<e>f"), "a&quot;b&amp;c&apos;d&lt;e&gt;f");
    EXPECT_EQ(XmlDocument::escapeText("a\"b&c'd<e>f"), "a\"b&amp;c'd&lt;e&gt;f");
    EXPECT_EQ(XmlDocument::escapeAttrib("plain Grüße"), "plain Grüße");
}

TEST(XmlEscape, EscapeThenUnescapeGivesTheTextBack) {
    for (const char* text : {"", "&", "&amp;", "<a href=\"x\">'it'</a>", "&#65;", "100% & more;"})
        EXPECT_EQ(XmlDocument::unescape(XmlDocument::escapeAttrib(text)), text) << text;
}

TEST(XmlUnescape, PredefinedAndNumericReferences) {
    EXPECT_EQ(XmlDocument::unescape("&lt;&gt;&amp;&quot;&apos;"), "<>&\"'");
    EXPECT_EQ(XmlDocument::unescape("&#65;&#x42;&#X43;&#0068;"), "ABCD");
    EXPECT_EQ(XmlDocument::unescape("&#233;&#x20AC;&#x1D11E;"), "é€\xF0\x9D\x84\x9E");
    EXPECT_EQ(XmlDocument::unescape("&#x10FFFF;"), "\xF4\x8F\xBF\xBF");
}

TEST(XmlUnescape, ReferencesToNoValidCharacterAreKeptAsTheyAre) {
    for (const char* text :
         {"&#0;", "&#xD800;", "&#xDFFF;", "&#x110000;", "&#1114112;", "&#99999999999999999999;",
          "&#xFFFFFFFFFFFFFFFFFFFF;", "&#;", "&#x;", "&#12a;", "&#-5;", "&#65", "&#x41 ;"})
        EXPECT_EQ(XmlDocument::unescape(text), text) << text;
    const std::string huge = "&#" + std::string(100000, '9') + ";";
    EXPECT_EQ(XmlDocument::unescape(huge), huge);
}

TEST(XmlUnescape, HtmlNamedEntities) {
    struct Case {
        const char* reference;
        const char* text;
    };
    const Case cases[] = {
        {"&nbsp;", "\xC2\xA0"}, {"&copy;", "©"},     {"&reg;", "®"},   {"&trade;", "™"},  {"&mdash;", "—"},
        {"&ndash;", "–"},       {"&hellip;", "…"},   {"&euro;", "€"},  {"&lsquo;", "‘"},  {"&rsquo;", "’"},
        {"&ldquo;", "“"},       {"&rdquo;", "”"},    {"&bull;", "•"},  {"&iexcl;", "¡"},  {"&yuml;", "ÿ"},
        {"&Agrave;", "À"},      {"&agrave;", "à"},   {"&szlig;", "ß"}, {"&frac12;", "½"}, {"&sup2;", "²"},
        {"&AElig;", "Æ"},       {"&thetasym;", "ϑ"}, {"&Omega;", "Ω"}, {"&omega;", "ω"},  {"&there4;", "∴"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(XmlDocument::unescape(c.reference), c.text) << c.reference;
}

TEST(XmlUnescape, UnknownOrUnterminatedNamesAreKept) {
    for (const char* text :
         {"&nosuch;", "&Copy;", "&copy", "& copy;", "&;", "&verylongentityname;", "a&b", "&"})
        EXPECT_EQ(XmlDocument::unescape(text), text) << text;
    EXPECT_EQ(XmlDocument::unescape("&&amp;&"), "&&&");
}

TEST(XmlUnescape, OutputIsValidUtf8ForAnyReference) {
    std::string text;
    for (int value = 0; value < 0x11000; value += 7)
        text += "&#" + std::to_string(value) + ";&#x" + std::to_string(value * 16 + 13) + ";";
    EXPECT_TRUE(xml::isValidUtf8(XmlDocument::unescape(text)));
}

TEST(XmlUnescape, PredefinedNamesMatchWholeAndInTheirCase) {
    EXPECT_EQ(XmlDocument::unescape("&lt;&gt;&amp;&quot;&apos;&lt;"), "<>&\"'<");
    for (const char* text :
         {"&l;", "&t;", "&gl;", "&lg;", "&tt;", "&ltt;", "&LT;", "&Lt;", "&lT;", "&am;", "&ampp;", "&amP;",
          "&AMP;", "&quo;", "&quott;", "&QUOT;", "&apo;", "&apoS;", "&aposs;"})
        EXPECT_EQ(XmlDocument::unescape(text), text) << text;
}

// ASCII is checked in long runs; a byte that is not ASCII must be seen wherever it stands.
TEST(XmlEncodingCheck, NonAsciiIsFoundAtEveryOffset) {
    for (std::size_t size = 1; size < 150; ++size) {
        for (std::size_t at = 0; at < size; ++at) {
            std::string text(size, 'a');
            text[at] = '\xFF';
            EXPECT_FALSE(xml::isValidUtf8(text)) << size << " " << at;
            text[at] = '\xC3';
            EXPECT_FALSE(xml::isValidUtf8(text)) << "cut short: " << size << " " << at;
            text.insert(at + 1, 1, '\xA9');
            EXPECT_TRUE(xml::isValidUtf8(text)) << size << " " << at;
        }
    }
}

// References are replaced within the room of the text itself: each is at least as long as its
// character, even the shortest of each kind.
TEST(XmlUnescape, ShortestReferencesOfEachLength) {
    EXPECT_EQ(XmlDocument::unescape("&#9;&#99;&#x7F;"), "\tc\x7F");
    EXPECT_EQ(XmlDocument::unescape("&#128;&#x80;&#x7FF;"), "\xC2\x80\xC2\x80\xDF\xBF");
    EXPECT_EQ(XmlDocument::unescape("&#x800;&#xFFFF;&ne;&mu;"),
              "\xE0\xA0\x80\xEF\xBF\xBF\xE2\x89\xA0\xCE\xBC");
    EXPECT_EQ(XmlDocument::unescape("&#x10000;"), "\xF0\x90\x80\x80");
    EXPECT_EQ(XmlDocument::unescape("&lt;&gt;"), "<>");
    EXPECT_EQ(XmlDocument::unescape("a&lt;b&#0;c&gt;d&nosuch;e"), "a<b&#0;c>d&nosuch;e");
}

TEST(XmlUnescape, ReferencesAnywhereInLongTexts) {
    for (std::size_t at = 0; at < 80; ++at) {
        std::string text(80, 'x');
        text.replace(at, 1, "&amp;");
        std::string expected(80, 'x');
        expected[at] = '&';
        EXPECT_EQ(XmlDocument::unescape(text), expected) << at;
        text += "&lt;&";
        EXPECT_EQ(XmlDocument::unescape(text), expected + "<&") << at;
    }
}
