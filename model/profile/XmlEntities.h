// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace xml {

// Which characters escaping replaces: all five in attribute values, only & < > in text content.
enum class EscapeMode { Attribute, Text };

// Whether escaping would change text.
bool needsEscape(std::string_view text, EscapeMode mode);
// Appends text to out with the markup characters of mode replaced by entity references.
void appendEscaped(std::string& out, std::string_view text, EscapeMode mode);
// Appends text to out with the predefined entities, numeric character references and HTML named
// entities replaced by their characters. A reference that is unknown, unterminated or names no valid
// character is kept as it is.
void appendUnescaped(std::string& out, std::string_view text);
// Appends the UTF-8 form of a Unicode scalar value; false (nothing appended) for a surrogate or a value
// past U+10FFFF.
bool appendUtf8(std::string& out, std::uint32_t codePoint);
// The character of an HTML or XML named entity (without & and ;), or 0 when the name is unknown.
std::uint32_t namedEntity(std::string_view name);

} // namespace xml
