// How qelec-ctl shows a text it did not write itself.
#include "tools/ctl/PrintableText.h"
#include "model/profile/XmlDocument.h"
#include "tools/ctl/SvgWriter.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(PrintableText, ControlCharactersAndBrokenUtf8AreEscapedByteByByte) {
    const struct {
        std::string_view text;
        const char* shown;
    } cases[] = {
        {"Jump 2 \\ back", "Jump 2 \\ back"},
        {"宏 Grüße €", "宏 Grüße €"},
        {"\x1b[2J\x1b]0;title\x07", "\\x1b[2J\\x1b]0;title\\x07"},
        {"a\nb\tc\rd", "a\\x0ab\\x09c\\x0dd"},
        {std::string_view("nul\0end", 7), "nul\\x00end"},
        {"del\x7f", "del\\x7f"},
        {"c1 \xc2\x9b"
         "31m",
         "c1 \\xc2\\x9b31m"}, // U+009B, the one-character CSI
        {"stray \xff \x80", "stray \\xff \\x80"},
        {"cut \xe5\xae", "cut \\xe5\\xae"},           // a sequence missing its last byte
        {"overlong \xc0\xaf", "overlong \\xc0\\xaf"}, // '/' in two bytes
        {"surrogate \xed\xa0\x80", "surrogate \\xed\\xa0\\x80"},
        {"\xef\xbf\xbe\xef\xbf\xbf", "\\xef\\xbf\\xbe\\xef\\xbf\\xbf"}, // U+FFFE, U+FFFF
        {"\xf4\x8f\xbf\xbd", "\xf4\x8f\xbf\xbd"},                       // U+10FFFD is a character
        {"\xf4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"},                   // beyond U+10FFFF
    };
    for (const auto& c : cases)
        EXPECT_EQ(printable(c.text), c.shown) << c.shown;
}

// XML 1.0 takes no control character but tab and line breaks, not even as a reference: a legend or
// title holding one still gives a document that parses.
TEST(SvgWriter, TextsAndAttributesNeverCarryAControlCharacter) {
    SvgWriter svg(10, 10, 1);
    svg.text("title",
             {{"data-name", "a\x01"
                            "b\x1b"}},
             "\x1b[2J <&> \x0c\xc2\x85");
    const std::string document = svg.finish();
    EXPECT_TRUE(std::none_of(document.begin(), document.end(), [](char c) {
        return (static_cast<unsigned char>(c) < 0x20 && c != '\n') || c == 0x7f;
    })) << document;
    EXPECT_NE(document.find("data-name=\"a\\x01b\\x1b\""), std::string::npos) << document;
    EXPECT_NE(document.find(">\\x1b[2J &lt;&amp;&gt; \\x0c\\xc2\\x85</title>"), std::string::npos)
        << document;
    XmlDocument parsed;
    EXPECT_TRUE(parsed.setDoc(document)) << parsed.getResult();
}

} // namespace
