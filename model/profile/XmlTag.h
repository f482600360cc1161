// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

// Scanning of names and attributes inside one tag of the document text.
namespace xml {

// XML white space.
inline bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Character classes, looked up by byte: scanning tags is the hot path of reading and editing.
inline constexpr unsigned char kSpaceClass = 0x01;   // XML white space
inline constexpr unsigned char kNameEndClass = 0x02; // ends a name: white space / > < = " '
inline constexpr unsigned char kInvalidClass = 0x04; // not allowed in a name given to add or set

constexpr std::array<unsigned char, 256> makeCharClasses() {
    std::array<unsigned char, 256> classes{};
    for (const char c : {' ', '\t', '\n', '\r'})
        classes[static_cast<unsigned char>(c)] |= kSpaceClass | kNameEndClass;
    for (const char c : {'/', '>', '<', '=', '"', '\''})
        classes[static_cast<unsigned char>(c)] |= kNameEndClass;
    for (std::size_t c = 0; c < 0x20; ++c)
        classes[c] |= kInvalidClass;
    classes[0x7F] |= kInvalidClass;
    for (const char c : {'&', ' ', '/', '>', '<', '=', '"', '\''})
        classes[static_cast<unsigned char>(c)] |= kInvalidClass;
    return classes;
}

inline constexpr std::array<unsigned char, 256> kCharClasses = makeCharClasses();

inline bool hasClass(char c, unsigned char charClass) {
    return (kCharClasses[static_cast<unsigned char>(c)] & charClass) != 0;
}

// Element and attribute names end alike, and at every quote: the parser takes any quote in a tag to
// open a quoted stretch, and the attribute scan must agree with it.
inline bool endsName(char c) {
    return hasClass(c, kNameEndClass);
}

// Whether the n bytes at a and b are equal; compares eight or four bytes at a time, faster than a
// library call for names, which are short.
inline bool sameBytes(const char* a, const char* b, std::size_t n) {
    if (n >= 8) {
        std::uint64_t x = 0;
        std::uint64_t y = 0;
        for (std::size_t i = 0; i + 8 < n; i += 8) {
            std::memcpy(&x, a + i, 8);
            std::memcpy(&y, b + i, 8);
            if (x != y)
                return false;
        }
        // The last eight bytes, overlapping those compared already.
        std::memcpy(&x, a + n - 8, 8);
        std::memcpy(&y, b + n - 8, 8);
        return x == y;
    }
    if (n >= 4) {
        std::uint32_t x = 0;
        std::uint32_t y = 0;
        std::uint32_t u = 0;
        std::uint32_t v = 0;
        std::memcpy(&x, a, 4);
        std::memcpy(&y, b, 4);
        std::memcpy(&u, a + n - 4, 4);
        std::memcpy(&v, b + n - 4, 4);
        return x == y && u == v;
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (a[i] != b[i])
            return false;
    }
    return true;
}

// Whether c can begin an element or attribute name: an ASCII letter, '_', ':' or any byte of a
// non-ASCII character.
bool isNameStart(char c);
// Whether name can be given to a new element or attribute: it begins with a name start and holds no
// white space, control character or character that ends a name in a tag (< > / = " ' &).
bool isValidName(std::string_view name);
// Length of the name that starts at text[from]: up to white space, '/', '>', '<', '=', a quote or
// the end.
inline std::size_t nameLength(std::string_view text, std::size_t from) {
    std::size_t i = from;
    while (i < text.size() && !endsName(text[i]))
        ++i;
    return i - from;
}

// Where an attribute lies in a tag; offsets are relative to the start of the tag.
struct AttribSpan {
    bool found = false;
    bool quoted = false;
    std::uint32_t begin = 0; // first character of the attribute name
    std::uint32_t nameLength = 0;
    std::uint32_t end = 0;        // just past the value (or the name, when there is no value)
    std::uint32_t valueBegin = 0; // first character of the value, inside the quotes if quoted
    std::uint32_t valueEnd = 0;
};

// Index in a tag where its attributes begin, just after the tag name.
inline std::size_t attribsBegin(std::string_view tag) {
    return 1 + nameLength(tag, 1);
}
// Reads the attribute at or after tag[i] into span and moves i past it; false at the end of the tag.
bool nextAttrib(std::string_view tag, std::size_t& i, AttribSpan& span);
// Fills span with the attribute of name at text[begin..nameEnd) and the quoted value whose quotes are
// at text[nameEnd + 1] and text[close], and moves i past it.
inline void setQuotedSpan(AttribSpan& span, std::size_t& i, std::size_t begin, std::size_t nameEnd,
                          std::size_t close) {
    span.found = false;
    span.quoted = true;
    span.begin = static_cast<std::uint32_t>(begin);
    span.nameLength = static_cast<std::uint32_t>(nameEnd - begin);
    span.valueBegin = static_cast<std::uint32_t>(nameEnd + 2);
    span.valueEnd = static_cast<std::uint32_t>(close);
    span.end = static_cast<std::uint32_t>(close + 1);
    i = close + 1;
}

// Same as nextAttrib, but quicker for the attribute that tags mostly hold: white space, a name, '=' and
// a quoted value, in a tag closed by '>'. Anything else takes the way of nextAttrib.
inline bool readAttrib(std::string_view tag, std::size_t& i, AttribSpan& span) {
    const char* const text = tag.data();
    const std::size_t size = tag.size();
    std::size_t at = i;
    // The closing '>' ends every run of white space and every name: no bound to check on the way.
    if (at < size && text[size - 1] == '>') {
        while (hasClass(text[at], kSpaceClass))
            ++at;
        // The end of the tag, as nextAttrib finds it: at the '>', or past the '/' before it.
        if (text[at] == '>' || (text[at] == '/' && at + 2 == size)) {
            i = size - 1;
            return false;
        }
        const std::size_t begin = at;
        while (!endsName(text[at]))
            ++at;
        // Past a name, '=' is never the closing '>', so a character follows it.
        if (at != begin && text[at] == '=' && (text[at + 1] == '"' || text[at + 1] == '\'')) {
            const char quote = text[at + 1];
            // A value stops short of the "/>" or ">" that closes the tag, as nextAttrib's does; a
            // closing quote found before the '>' is never the '/' before it.
            const std::size_t limit = size - 1;
            std::size_t close = at + 2;
            while (close < limit && text[close] != quote)
                ++close;
            if (close < limit) {
                setQuotedSpan(span, i, begin, at, close);
                return true;
            }
        }
    }
    return nextAttrib(tag, i, span);
}
// Whether the attribute in span is called name.
inline bool isAttribNamed(std::string_view tag, const AttribSpan& span, std::string_view name) {
    return span.nameLength == name.size() && sameBytes(tag.data() + span.begin, name.data(), name.size());
}
// Finds the first attribute called name in a tag ("<name attr="v" ...>" or "<?xml ...?>").
AttribSpan findAttrib(std::string_view tag, std::string_view name);
// Where a new attribute is inserted in a start tag: after the last non-blank character before the
// closing "/>" or ">".
std::size_t attribInsertPoint(std::string_view tag);
// The encoding named by the XML declaration at the start of text (only its first 1024 bytes are
// looked at), or empty.
std::string_view declaredEncoding(std::string_view text);
// The charset named by an HTML meta element in head, or empty.
std::string_view metaCharset(std::string_view head);

} // namespace xml
