// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/profile/XmlParser.h"

#include "model/profile/XmlTag.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string_view>
#include <unordered_map>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace xml {
namespace {

constexpr std::size_t kStop = std::string_view::npos;

struct OpenElement {
    std::uint32_t pos;
    std::uint32_t nameLength;
};

constexpr std::array<bool, 256> makeTagStops() {
    std::array<bool, 256> stops{};
    for (const char c : {'>', '<', '"', '\''})
        stops[static_cast<unsigned char>(c)] = true;
    return stops;
}

// The characters that end the plain stretches of a tag.
constexpr std::array<bool, 256> kTagStops = makeTagStops();

bool isTagStop(char c) {
    return kTagStops[static_cast<unsigned char>(c)];
}

#if defined(__SSE2__)
// The bits of the bytes of chunk equal to c, the first byte lowest.
unsigned bytesEqual(__m128i chunk, char c) {
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, _mm_set1_epi8(c))));
}

// For each bit, the parity of the bits up to and including it.
unsigned runningParity(unsigned bits) {
    bits ^= bits << 1;
    bits ^= bits << 2;
    bits ^= bits << 4;
    bits ^= bits << 8;
    return bits & 0xFFFF;
}
#endif

// Whether two names are equal, without a library call: names are short.
bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && sameBytes(a.data(), b.data(), a.size());
}

bool startsWith(std::string_view text, std::size_t at, std::string_view prefix) {
    return text.size() - at >= prefix.size() && text.compare(at, prefix.size(), prefix) == 0;
}

class Parser {
public:
    Parser(std::string_view text, XmlIndex& index, XmlReport& report)
        : text_(text), index_(index), report_(report) {}

    bool run() {
        index_.clear();
        std::size_t i = nextMarkup(0);
        while (i < text_.size())
            i = nextMarkup(parseMarkup(i));
        closeAllUnended(text_.size());
        if (topLevelCount_ == 0)
            fail("no_root_element", {});
        return wellFormed_;
    }

private:
    // The next '<' at or after from, or the end of the text. Most gaps between tags are a line break,
    // too short to be worth a call to memchr.
    std::size_t nextMarkup(std::size_t from) const {
        const std::size_t near = std::min(text_.size(), from + 8);
        for (std::size_t i = from; i < near; ++i) {
            if (text_[i] == '<')
                return i;
        }
        if (near == text_.size())
            return near;
        const void* found = std::memchr(text_.data() + near, '<', text_.size() - near);
        return found == nullptr ? text_.size()
                                : static_cast<std::size_t>(static_cast<const char*>(found) - text_.data());
    }

    void fail(std::string_view event, std::initializer_list<XmlReportAttr> attrs) {
        wellFormed_ = false;
        report_.add(event, attrs);
    }

    static long long number(std::size_t value) { return static_cast<long long>(value); }

    std::size_t parseMarkup(std::size_t at) {
        if (at + 1 < text_.size()) {
            const char kind = text_[at + 1];
            if (kind == '/')
                return parseEndTag(at);
            if (kind == '?')
                return parseProcessingInstruction(at);
            if (kind == '!')
                return parseExclamation(at);
            if (isNameStart(kind))
                return parseStartTag(at);
        }
        fail("first_tag_syntax", {{"offset", number(at)}});
        return at + 1;
    }

    // Returns the index just past the '>' of the tag starting at text_[at], or the index of a '<'
    // (or the end of the text) that cuts the tag short. Quoted values may hold '>' but never '<'.
    std::size_t scanTagEnd(std::size_t at, bool& closed) const {
        std::size_t end = 0;
        if (scanTagEndInBlocks(at, end, closed))
            return end;
        std::size_t i = at + 1;
        closed = false;
        while (i < text_.size()) {
            while (i < text_.size() && !isTagStop(text_[i]))
                ++i;
            if (i == text_.size())
                break;
            const char c = text_[i];
            if (c == '>') {
                closed = true;
                return i + 1;
            }
            if (c == '<')
                return i;
            if (c == '"' || c == '\'') {
                ++i;
                while (i < text_.size() && text_[i] != c && text_[i] != '<')
                    ++i;
                if (i == text_.size() || text_[i] == '<')
                    return i;
            }
            ++i;
        }
        return i;
    }

    // scanTagEnd sixteen bytes at a time, with a bit for each byte instead of a branch: a running
    // parity of the quotes tells which bytes are quoted, and the tag ends at the first '>' outside
    // them or at the first '<'. That holds while a block shows one kind of quote only; a block with
    // both, or a tag that reaches the last bytes of the text, is left to the byte-wise scan (false).
    bool scanTagEndInBlocks(std::size_t at, std::size_t& end, bool& closed) const {
#if defined(__SSE2__)
        const char* const text = text_.data();
        const std::size_t size = text_.size();
        char openQuote = 0; // the quote of a quoted stretch that runs on into the next block
        for (std::size_t i = at + 1; i + 16 <= size; i += 16) {
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
            const unsigned doubleQuotes = bytesEqual(chunk, '"');
            const unsigned singleQuotes = bytesEqual(chunk, '\'');
            if (doubleQuotes != 0 && singleQuotes != 0)
                return false;
            const unsigned quotes = doubleQuotes | singleQuotes;
            const char quote = doubleQuotes != 0 ? '"' : '\'';
            if (quotes != 0 && openQuote != 0 && quote != openQuote)
                return false;
            const unsigned quoted = runningParity(quotes) ^ (openQuote != 0 ? 0xFFFFu : 0u);
            const unsigned less = bytesEqual(chunk, '<');
            const unsigned stops = (bytesEqual(chunk, '>') & ~quoted) | less;
            if (stops != 0) {
                const unsigned first = stops & (0u - stops);
                closed = (less & first) == 0;
                end = i + static_cast<std::size_t>(std::countr_zero(stops)) + (closed ? 1 : 0);
                return true;
            }
            if ((quoted & 0x8000) == 0)
                openQuote = 0;
            else if (quotes != 0)
                openQuote = quote;
        }
#else
        (void)at;
        (void)end;
        (void)closed;
#endif
        return false;
    }

    std::size_t unterminatedTag(std::size_t at, std::size_t brokenAt) {
        fail("unterminated_tag_syntax", {{"offset", number(at)}, {"offset2", number(brokenAt)}});
        return brokenAt;
    }

    std::size_t parseStartTag(std::size_t at) {
        const std::size_t nameLength = xml::nameLength(text_, at + 1);
        bool closed = false;
        const std::size_t end = scanTagEnd(at, closed);
        if (!closed)
            return unterminatedTag(at, end);
        const std::uint32_t parent = stack_.empty() ? 0 : stack_.back().pos;
        const bool empty = text_[end - 2] == '/' && end - 2 > at + nameLength;
        const std::uint32_t pos = index_.appendUnset();
        XmlElement& element = index_.at(pos);
        element.start = static_cast<std::uint32_t>(at);
        element.tagLength = static_cast<std::uint32_t>(end - at);
        element.length = empty ? element.tagLength : 0;
        element.endTagLength = 0;
        element.firstChild = 0;
        element.lastChild = 0;
        element.state = empty ? XmlElement::kEmpty : 0;
        index_.linkLastChild(parent, pos); // sets parent, next and prev
        if (parent == 0 && ++topLevelCount_ == 2)
            fail("root_has_sibling", {{"tagname", text_.substr(at + 1, nameLength)}, {"offset", number(at)}});
        if (!empty)
            pushOpen({pos, static_cast<std::uint32_t>(nameLength)});
        return end;
    }

    std::size_t parseEndTag(std::size_t at) {
        const std::size_t nameLength = xml::nameLength(text_, at + 2);
        if (nameLength == 0) {
            fail("first_tag_syntax", {{"offset", number(at)}});
            return at + 1;
        }
        bool closed = false;
        const std::size_t end = scanTagEnd(at, closed);
        if (!closed)
            return unterminatedTag(at, end);
        closeByName(text_.substr(at + 2, nameLength), at, end);
        return end;
    }

    std::size_t parseProcessingInstruction(std::size_t at) {
        const std::size_t close = text_.find("?>", at + 2);
        if (close == kStop)
            return unterminatedTag(at, text_.size());
        return close + 2;
    }

    std::size_t parseExclamation(std::size_t at) {
        if (startsWith(text_, at, "<!--"))
            return skipTo(at, at + 4, "-->", "comment_tag_syntax");
        if (startsWith(text_, at, "<![CDATA["))
            return skipTo(at, at + 9, "]]>", "cdata_section_syntax");
        if (startsWith(text_, at, "<!DOCTYPE"))
            return parseDoctype(at);
        fail("exclamation_tag_syntax", {{"offset", number(at)}});
        return at + 1;
    }

    // Skips a section that ends with terminator; without one the rest of the text belongs to it.
    std::size_t skipTo(std::size_t at, std::size_t from, std::string_view terminator,
                       std::string_view event) {
        const std::size_t close = text_.find(terminator, from);
        if (close == kStop) {
            fail(event, {{"offset", number(at)}});
            return text_.size();
        }
        return close + terminator.size();
    }

    std::size_t parseDoctype(std::size_t at) {
        std::size_t i = at + 9;
        if (i >= text_.size() || !isSpace(text_[i])) {
            fail("doctype_tag_syntax", {{"offset", number(at)}});
            return at + 1;
        }
        while (i < text_.size()) {
            const char c = text_[i];
            if (c == '>')
                return i + 1;
            if (c == '"' || c == '\'')
                i = skipQuoted(i);
            else if (c == '[')
                i = skipInternalSubset(i + 1);
            else
                ++i;
        }
        fail("doctype_tag_syntax", {{"offset", number(at)}});
        return text_.size();
    }

    std::size_t skipQuoted(std::size_t quote) const {
        const std::size_t close = text_.find(text_[quote], quote + 1);
        return close == kStop ? text_.size() : close + 1;
    }

    // Skips the declarations between '[' and ']' of a document type; returns the index after ']'.
    std::size_t skipInternalSubset(std::size_t i) const {
        while (i < text_.size()) {
            const char c = text_[i];
            if (c == ']')
                return i + 1;
            if (c == '"' || c == '\'') {
                i = skipQuoted(i);
            } else if (startsWith(text_, i, "<!--")) {
                const std::size_t close = text_.find("-->", i + 4);
                i = close == kStop ? text_.size() : close + 3;
            } else if (startsWith(text_, i, "<?")) {
                const std::size_t close = text_.find("?>", i + 2);
                i = close == kStop ? text_.size() : close + 2;
            } else {
                ++i;
            }
        }
        return i;
    }

    std::string_view openName(const OpenElement& open) const {
        return text_.substr(index_.at(open.pos).start + 1, open.nameLength);
    }

    void pushOpen(const OpenElement& open) {
        stack_.push_back(open);
        if (countingNames_)
            ++openNames_[openName(open)];
    }

    void popOpen() {
        if (countingNames_) {
            const auto found = openNames_.find(openName(stack_.back()));
            if (--found->second == 0)
                openNames_.erase(found);
        }
        stack_.pop_back();
    }

    // Whether an element of that name is open. Well-formed text never asks; the first mismatched end
    // tag starts a count of open names, so that hostile text cannot make every end tag search a
    // deep stack.
    bool isOpen(std::string_view name) {
        if (!countingNames_) {
            countingNames_ = true;
            for (const OpenElement& open : stack_)
                ++openNames_[openName(open)];
        }
        return openNames_.count(name) != 0;
    }

    // An end tag closes the innermost open element of its name. Elements opened inside that one and
    // still open are closed with it, ending where the end tag starts, and are reported as unended.
    // An end tag whose name is not open at all is reported as lone and otherwise ignored.
    void closeByName(std::string_view name, std::size_t at, std::size_t end) {
        if (stack_.empty() || (!sameName(openName(stack_.back()), name) && !isOpen(name))) {
            fail("lone_end_tag", {{"tagname", name}, {"offset", number(at)}});
            return;
        }
        while (!sameName(openName(stack_.back()), name))
            closeUnended(at);
        XmlElement& element = index_.at(stack_.back().pos);
        element.length = static_cast<std::uint32_t>(end - element.start);
        element.endTagLength = static_cast<std::uint32_t>(end - at);
        popOpen();
    }

    void closeUnended(std::size_t end) {
        XmlElement& element = index_.at(stack_.back().pos);
        element.length = static_cast<std::uint32_t>(end - element.start);
        element.state |= XmlElement::kUnended;
        fail("unended_start_tag", {{"tagname", openName(stack_.back())},
                                   {"offset", number(element.start)},
                                   {"offset2", number(end)}});
        popOpen();
    }

    void closeAllUnended(std::size_t end) {
        while (!stack_.empty())
            closeUnended(end);
    }

    std::string_view text_;
    XmlIndex& index_;
    XmlReport& report_;
    std::vector<OpenElement> stack_;
    std::unordered_map<std::string_view, std::uint32_t> openNames_;
    bool countingNames_ = false;
    std::size_t topLevelCount_ = 0;
    bool wellFormed_ = true;
};

} // namespace

bool parseDocument(std::string_view text, XmlIndex& index, XmlReport& report) {
    return Parser(text, index, report).run();
}

} // namespace xml
