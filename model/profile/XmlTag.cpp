// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/profile/XmlTag.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace xml {
namespace {

constexpr std::size_t kDeclarationSearchLimit = 1024;

std::size_t skipSpace(std::string_view text, std::size_t i) {
    while (i < text.size() && hasClass(text[i], kSpaceClass))
        ++i;
    return i;
}

// tag.find(c, from), eight bytes at a time and without a library call for the short values that
// attributes mostly hold.
std::size_t findChar(std::string_view tag, char c, std::size_t from) {
    const std::size_t size = tag.size();
    std::size_t i = from;
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t kOnes = 0x0101010101010101u;
        constexpr std::uint64_t kHighs = 0x8080808080808080u;
        const std::uint64_t pattern = kOnes * static_cast<unsigned char>(c);
        for (; i + 8 <= size; i += 8) {
            std::uint64_t chunk = 0;
            std::memcpy(&chunk, tag.data() + i, 8);
            const std::uint64_t x = chunk ^ pattern;
            // The lowest byte flagged is the first byte equal to c; later flags may be false.
            const std::uint64_t found = (x - kOnes) & ~x & kHighs;
            if (found != 0)
                return i + static_cast<std::size_t>(std::countr_zero(found) >> 3);
        }
    }
    for (; i < size; ++i) {
        if (tag[i] == c)
            return i;
    }
    return std::string_view::npos;
}

// Reads the value after '=' at tag[i]; fills the value fields of span and returns the index after
// it. A value never takes in the "/>" or ">" that closes the tag, even when its quote is not closed,
// so that replacing it cannot break the tag; an unquoted value ends at a quote.
std::size_t readValue(std::string_view tag, std::size_t i, AttribSpan& span) {
    std::size_t limit = !tag.empty() && tag.back() == '>' ? tag.size() - 1 : tag.size();
    if (limit > 0 && tag[limit - 1] == '/')
        --limit;
    if (i < limit && (tag[i] == '"' || tag[i] == '\'')) {
        const std::size_t close = findChar(tag.substr(0, limit), tag[i], i + 1);
        span.quoted = true;
        span.valueBegin = static_cast<std::uint32_t>(i + 1);
        span.valueEnd = static_cast<std::uint32_t>(close == std::string_view::npos ? limit : close);
        return close == std::string_view::npos ? limit : close + 1;
    }
    span.quoted = false;
    span.valueBegin = static_cast<std::uint32_t>(std::min(i, limit));
    while (i < limit && !isSpace(tag[i]) && tag[i] != '"' && tag[i] != '\'')
        ++i;
    span.valueEnd = static_cast<std::uint32_t>(std::max<std::size_t>(span.valueBegin, std::min(i, limit)));
    return span.valueEnd;
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::size_t findIgnoringCase(std::string_view text, std::string_view word, std::size_t from = 0) {
    if (word.size() > text.size())
        return std::string_view::npos;
    for (std::size_t i = from; i + word.size() <= text.size(); ++i) {
        if (std::equal(word.begin(), word.end(), text.begin() + static_cast<std::ptrdiff_t>(i),
                       [](char a, char b) { return lowerAscii(a) == lowerAscii(b); }))
            return i;
    }
    return std::string_view::npos;
}

// Skips a character that belongs to no attribute. A stray quote opens a quoted stretch, as it does
// when the parser looks for the end of the tag; both must agree where quotes are, or an edit could
// leave a quote unmatched.
std::size_t skipStray(std::string_view tag, std::size_t i) {
    if (tag[i] != '"' && tag[i] != '\'')
        return i + 1;
    const std::size_t close = findChar(tag, tag[i], i + 1);
    return close == std::string_view::npos ? tag.size() : close + 1;
}

} // namespace

bool isNameStart(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' || byte >= 0x80;
}

namespace {

// Whether the bytes of word all lie in 0x41..0x7E: letters and other characters allowed in a name.
template <typename Word>
bool allLetterLike(Word word) {
    constexpr Word kOnes = static_cast<Word>(~Word{0}) / 0xFF;
    constexpr Word kHighs = kOnes * 0x80;
    // Bytes below 0x80 only, so that no sum below carries into the next byte.
    return (word & kHighs) == 0 && ((word + kOnes * 0x3F) & kHighs) == kHighs &&
           ((word + kOnes) & kHighs) == 0;
}

template <typename Word>
bool allLetterLikeAt(const char* bytes) {
    Word word = 0;
    std::memcpy(&word, bytes, sizeof word);
    return allLetterLike(word);
}

} // namespace

bool isValidName(std::string_view name) {
    if (name.empty() || !isNameStart(name[0]))
        return false;
    const char* const bytes = name.data();
    const std::size_t size = name.size();
    // Names are mostly letters: those need no look-up, eight or four at a time (the last word
    // overlapping the one before).
    std::size_t i = 0;
    if (size >= 8) {
        while (i + 8 <= size && allLetterLikeAt<std::uint64_t>(bytes + i))
            i += 8;
        if (i + 8 > size && allLetterLikeAt<std::uint64_t>(bytes + size - 8))
            return true;
    } else if (size >= 4 && allLetterLikeAt<std::uint32_t>(bytes) &&
               allLetterLikeAt<std::uint32_t>(bytes + size - 4)) {
        return true;
    }
    for (; i < size; ++i) {
        if (hasClass(bytes[i], kInvalidClass))
            return false;
    }
    return true;
}

bool nextAttrib(std::string_view tag, std::size_t& i, AttribSpan& span) {
    // Works on copies, so that the scanning loops need not store through the references: the text is
    // of char, which may alias them.
    const char* const text = tag.data();
    const std::size_t size = tag.size();
    std::size_t at = i;
    while (true) {
        while (at < size && hasClass(text[at], kSpaceClass))
            ++at;
        if (at >= size || text[at] == '>') {
            i = at;
            return false;
        }
        const std::size_t begin = at;
        if (text[size - 1] == '>') {
            // The closing '>' ends every name: no bound to check on the way.
            while (!endsName(text[at]))
                ++at;
        } else {
            while (at < size && !endsName(text[at]))
                ++at;
        }
        if (at == begin) {
            at = skipStray(tag, at);
            continue;
        }
        AttribSpan found{};
        found.begin = static_cast<std::uint32_t>(begin);
        found.nameLength = static_cast<std::uint32_t>(at - begin);
        found.end = static_cast<std::uint32_t>(at);
        const std::size_t afterName = skipSpace(tag, at);
        if (afterName < size && text[afterName] == '=') {
            at = readValue(tag, skipSpace(tag, afterName + 1), found);
            found.end = static_cast<std::uint32_t>(at);
        }
        span = found;
        i = at;
        return true;
    }
}

AttribSpan findAttrib(std::string_view tag, std::string_view name) {
    std::size_t i = attribsBegin(tag);
    AttribSpan span;
    while (readAttrib(tag, i, span)) {
        if (isAttribNamed(tag, span, name)) {
            span.found = true;
            return span;
        }
    }
    return {};
}

std::size_t attribInsertPoint(std::string_view tag) {
    std::size_t close = tag.size() - 1; // the '>'
    if (close > 0 && tag[close - 1] == '/')
        --close;
    while (close > 1 && isSpace(tag[close - 1]))
        --close;
    return close;
}

std::string_view declaredEncoding(std::string_view text) {
    const std::string_view head = text.substr(0, kDeclarationSearchLimit);
    if (head.substr(0, 5) != "<?xml" || head.size() < 6 || !isSpace(head[5]))
        return {};
    const std::size_t close = head.find("?>");
    if (close == std::string_view::npos)
        return {};
    const std::string_view declaration = head.substr(0, close + 2);
    const AttribSpan span = findAttrib(declaration, "encoding");
    if (!span.found || !span.quoted)
        return {};
    return declaration.substr(span.valueBegin, span.valueEnd - span.valueBegin);
}

std::string_view metaCharset(std::string_view head) {
    std::size_t meta = findIgnoringCase(head, "<meta");
    while (meta != std::string_view::npos) {
        const std::size_t close = head.find('>', meta);
        const std::string_view tag =
            head.substr(meta, close == std::string_view::npos ? head.size() : close - meta);
        const std::size_t charset = findIgnoringCase(tag, "charset");
        if (charset != std::string_view::npos) {
            std::size_t i = skipSpace(tag, charset + 7);
            if (i < tag.size() && tag[i] == '=') {
                i = skipSpace(tag, i + 1);
                if (i < tag.size() && (tag[i] == '"' || tag[i] == '\''))
                    ++i;
                std::size_t end = i;
                while (end < tag.size() && !isSpace(tag[end]) && tag[end] != '"' && tag[end] != '\'' &&
                       tag[end] != ';' && tag[end] != '/')
                    ++end;
                if (end > i)
                    return tag.substr(i, end - i);
            }
        }
        meta = findIgnoringCase(head, "<meta", meta + 5);
    }
    return {};
}

} // namespace xml
