// SPDX-License-Identifier: GPL-3.0-or-later
// How qelec-ctl shows a text it did not write itself, on a terminal and in the heatmap's XML.
#include "tools/ctl/PrintableText.h"
#include "model/profile/XmlDocument.h"
#include "tools/ctl/SvgWriter.h"

#include <gtest/gtest.h>

TEST(PrintableText, ControlCharactersAndBrokenUtf8AreEscapedByteByByte) {
    const std::pair<std::string_view, const char*> cases[] = {
        {"Jump \\ 宏 Grüße", "Jump \\ 宏 Grüße"},
        {"\x1b[2J\x1b]0;title\x07", "\\x1b[2J\\x1b]0;title\\x07"},
        {"a\nb\tc\x7f", "a\\x0ab\\x09c\\x7f"},
        {"\xc2\x9b"
         "31m",
         "\\xc2\\x9b31m"},                                                     // U+009B, the one-byte CSI
        {"\xff \xe5\xae", "\\xff \\xe5\\xae"},                                 // a stray byte, a cut sequence
        {"\xc0\xaf \xed\xa0\x80", "\\xc0\\xaf \\xed\\xa0\\x80"},               // an overlong '/', a surrogate
        {"\xef\xbf\xbf \xf4\x8f\xbf\xbd", "\\xef\\xbf\\xbf \xf4\x8f\xbf\xbd"}, // U+FFFF, U+10FFFD
    };
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(printable(text), shown);
}

// XML 1.0 takes no control character but tab and line breaks, not even as a reference.
TEST(SvgWriter, TextsAndAttributesNeverCarryAControlCharacter) {
    SvgWriter svg(10, 10, 1);
    svg.text("title", {{"data-name", "a\x01"}}, "\x1b[2J <&>");
    const std::string document = svg.finish();
    EXPECT_NE(document.find("<title data-name=\"a\\x01\">\\x1b[2J &lt;&amp;&gt;</title>"), std::string::npos)
        << document;
    XmlDocument parsed;
    EXPECT_TRUE(parsed.setDoc(document)) << parsed.getResult();
}
