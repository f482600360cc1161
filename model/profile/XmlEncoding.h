// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/profile/XmlReport.h"

#include <string>
#include <string_view>

// Conversion between the bytes of a file and the UTF-8 document text.
namespace xml {

// Byte-order marks found on reading, with the values of the matching document flags.
constexpr int kUtf16LeMarkFlag = 0x01;
constexpr int kUtf8MarkFlag = 0x04;
constexpr int kUtf16BeMarkFlag = 0x80;

// The file bytes to write for a document: an optional byte-order mark and the body. When the body is
// the document text itself (UTF-8), converted is false and body is left empty.
struct EncodedFile {
    std::string mark;
    std::string body;
    bool converted = false;
};

// Turns the raw bytes of a file into document text: detects the encoding (byte-order mark, then the
// XML declaration or an HTML meta charset in the first 1024 bytes, then a UTF-8 validity test),
// converts, drops NUL characters and reports each step. Sets markFlags to the mark found, and
// *nullsRemoved (when given) to the number of NUL characters dropped. UTF-16 without a mark is
// recognised by its zero bytes: a first character '<', or white space followed by '<', as a 16-bit
// unit.
std::string decodeFile(std::string bytes, int& markFlags, XmlReport& report,
                       std::size_t* nullsRemoved = nullptr);
// Converts document text to the bytes of a file in the named encoding; markFlags decide the mark.
EncodedFile encodeFile(std::string_view text, std::string_view encoding, int markFlags, XmlReport& report);
// Whether the bytes are valid UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool isValidUtf8(std::string_view bytes);
// The character set of the system's locale ("ANSI"), as the C library names it.
std::string systemCodePage();

} // namespace xml
