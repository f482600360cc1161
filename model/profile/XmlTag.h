#pragma once

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
std::size_t nameLength(std::string_view text, std::size_t from);

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
std::size_t attribsBegin(std::string_view tag);
// Reads the attribute at or after tag[i] into span and moves i past it; false at the end of the tag.
bool nextAttrib(std::string_view tag, std::size_t& i, AttribSpan& span);
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
