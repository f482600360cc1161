// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/profile/XmlDocument.h"

#include "model/profile/XmlEntities.h"
#include "model/profile/XmlParser.h"
#include "model/profile/XmlReport.h"
#include "model/profile/XmlTag.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <climits>
#include <cstring>
#include <exception>
#include <stdexcept>
#include <utility>

namespace {

constexpr std::string_view kLineBreak = "\r\n";
// Attributes beyond this many are not cached but found by scanning the tag again.
constexpr std::size_t kCachedAttribs = 32;

bool isCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Reads a decimal integer the way the profile stores numbers; saturates instead of overflowing.
int parseDecimal(std::string_view text) {
    // Most values are a few digits: no sign, and too few digits to overflow.
    if (!text.empty() && text.size() <= 9 && text[0] >= '0' && text[0] <= '9') {
        int value = 0;
        for (const char c : text) {
            if (c < '0' || c > '9')
                break;
            value = value * 10 + (c - '0');
        }
        return value;
    }
    std::size_t i = 0;
    while (i < text.size() && isCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value >= limit) {
            value = limit;
            break;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}

} // namespace

void XmlDocument::setFlags(int flags) {
    constexpr int guards = kReadingFile | kWritingFile;
    flags_ = (flags & ~guards) | (flags_ & guards);
}

bool XmlDocument::setDoc(std::string_view text) {
    try {
        result_.clear();
        if (text.size() > kMaxTextSize) {
            clearDocument();
            XmlReport(result_).add("file_error", {{"msg", "document too large"}});
            return false;
        }
        doc_.assign(text);
        return parse();
    } catch (const std::exception&) {
        clearDocument();
        return false;
    }
}

bool XmlDocument::takeDoc(std::string&& text) {
    result_.clear();
    if (text.size() > kMaxTextSize) {
        clearDocument();
        try {
            XmlReport(result_).add("file_error", {{"msg", "document too large"}});
        } catch (const std::exception&) {
            // The result text stays empty.
        }
        return false;
    }
    doc_ = std::move(text);
    return parse();
}

bool XmlDocument::parse() {
    attribCache_.pos = 0;
    dropCursor();
    try {
        XmlReport report(result_);
        wellFormed_ = xml::parseDocument(doc_, index_, report);
    } catch (const std::exception&) {
        index_.clear();
        wellFormed_ = false;
    }
    return wellFormed_;
}

void XmlDocument::clearDocument() {
    attribCache_.pos = 0;
    doc_.clear();
    dropCursor();
    index_.clear();
    wellFormed_ = false;
}

void XmlDocument::resetPos() {
    while (!path_.empty())
        payOwedLength();
    main_ = 0;
}

// Forgets the cursor without paying what its levels owe, for an index that is about to be rebuilt.
void XmlDocument::dropCursor() {
    path_.clear();
    main_ = 0;
}

// Leaves the innermost level: its element gets its true length, and the levels above still owe it.
void XmlDocument::payOwedLength() {
    const PathLevel level = path_.back();
    path_.pop_back();
    XmlElement& element = index_.at(level.pos);
    element.length = static_cast<std::uint32_t>(element.length + level.owedLength);
    if (!path_.empty())
        path_.back().owedLength += level.owedLength;
}

std::uint32_t XmlDocument::parentEnd() const {
    return static_cast<std::uint32_t>(index_.at(path_.back().pos).end() + path_.back().owedLength);
}

bool XmlDocument::intoElem() {
    if (main_ == 0)
        return false;
    try {
        const bool followed =
            (!path_.empty() && path_.back().followedByElements) || index_.at(main_).next != 0;
        path_.push_back({main_, 0, followed});
    } catch (const std::exception&) {
        return false;
    }
    main_ = 0;
    return true;
}

bool XmlDocument::outOfElem() {
    if (path_.empty())
        return false;
    main_ = path_.back().pos;
    payOwedLength();
    return true;
}

std::string_view XmlDocument::startTag(std::uint32_t pos) const {
    const XmlElement& element = index_.at(pos);
    return std::string_view(doc_.data() + element.start, element.tagLength);
}

bool XmlDocument::nameIs(std::uint32_t pos, std::string_view name) const {
    const std::string_view tag = startTag(pos);
    return tag.size() > name.size() + 1 && xml::sameBytes(tag.data() + 1, name.data(), name.size()) &&
           xml::nameLength(tag, 1) == name.size();
}

bool XmlDocument::findElem(std::string_view name) {
    std::uint32_t pos = main_ != 0 ? index_.at(main_).next : index_.at(parentPos()).firstChild;
    for (; pos != 0; pos = index_.at(pos).next) {
        if (name.empty() || nameIs(pos, name)) {
            main_ = pos;
            return true;
        }
    }
    return false;
}

std::size_t XmlDocument::childElemCount() const {
    if (main_ == 0)
        return 0;
    std::size_t count = 0;
    for (std::uint32_t pos = index_.at(main_).firstChild; pos != 0; pos = index_.at(pos).next)
        ++count;
    return count;
}

std::string XmlDocument::getTagName() const {
    try {
        if (main_ == 0)
            return {};
        const std::string_view tag = startTag(main_);
        return std::string(tag.substr(1, xml::nameLength(tag, 1)));
    } catch (const std::exception&) {
        return {};
    }
}

std::string_view XmlDocument::rawAttrib(std::string_view name) const {
    if (main_ == 0)
        return {};
    const std::string_view tag = startTag(main_);
    // Attributes read in the order of the tag: the next cached one is the one asked for.
    if (attribCache_.pos == main_ && attribCache_.nextLookup < attribCache_.count) {
        const xml::AttribSpan& next = attribCache_.spans[attribCache_.nextLookup];
        if (xml::isAttribNamed(tag, next, name)) {
            ++attribCache_.nextLookup;
            return tag.substr(next.valueBegin, next.valueEnd - next.valueBegin);
        }
    }
    const xml::AttribSpan* const span = cachedAttrib(tag, name);
    if (span != nullptr)
        return tag.substr(span->valueBegin, span->valueEnd - span->valueBegin);
    if (attribCache_.pos == main_ && attribCache_.complete)
        return {};
    const xml::AttribSpan found = xml::findAttrib(tag, name);
    if (!found.found)
        return {};
    return tag.substr(found.valueBegin, found.valueEnd - found.valueBegin);
}

xml::AttribSpan XmlDocument::lookupAttrib(std::string_view tag, std::string_view name) const {
    const xml::AttribSpan* const span = cachedAttrib(tag, name);
    if (span != nullptr) {
        xml::AttribSpan found = *span;
        found.found = true;
        return found;
    }
    if (attribCache_.pos == main_ && attribCache_.complete)
        return {};
    return xml::findAttrib(tag, name);
}

// The cached span of the current element's attribute of that name, filling the cache first if it
// holds another element; null when the cache does not hold the name, or could not be filled.
// Attributes are mostly read in the order of the tag, so the search starts after the last one found.
const xml::AttribSpan* XmlDocument::cachedAttrib(std::string_view tag, std::string_view name) const {
    if (attribCache_.pos != main_) {
        try {
            fillAttribCache(tag);
        } catch (const std::exception&) {
            attribCache_.pos = 0;
            return nullptr;
        }
    }
    const std::size_t count = attribCache_.count;
    const xml::AttribSpan* const spans = attribCache_.spans.data();
    std::size_t i = attribCache_.nextLookup < count ? attribCache_.nextLookup : 0;
    for (std::size_t tried = 0; tried < count; ++tried) {
        const xml::AttribSpan& span = spans[i];
        i = i + 1 == count ? 0 : i + 1;
        if (xml::isAttribNamed(tag, span, name)) {
            attribCache_.nextLookup = i;
            return &span;
        }
    }
    return nullptr;
}

void XmlDocument::fillAttribCache(std::string_view tag) const {
    attribCache_.pos = 0;
    attribCache_.nextLookup = 0;
    attribCache_.count = 0;
    attribCache_.complete = true;
    if (attribCache_.spans.size() != kCachedAttribs + 1)
        attribCache_.spans.resize(kCachedAttribs + 1);
    // Each attribute is read straight into the first free slot, and kept there when its name is new:
    // there is one slot more than the cache holds, for the attribute that finds it full.
    xml::AttribSpan* const spans = attribCache_.spans.data();
    std::size_t count = 0;
    std::size_t i = xml::attribsBegin(tag);
    // A bit for each name cached, chosen by its length and end letters: a name whose bit is clear is
    // cached for certain not yet, and needs no comparison with the others.
    std::uint64_t seen = 0;
    while (xml::readAttrib(tag, i, spans[count])) {
        const xml::AttribSpan& span = spans[count];
        const auto first = static_cast<unsigned char>(tag[span.begin]);
        const auto last = static_cast<unsigned char>(tag[span.begin + span.nameLength - 1]);
        const std::uint64_t bit = std::uint64_t{1} << ((span.nameLength * 7 + first + last * 3) & 63);
        if ((seen & bit) != 0 && isCached(tag, span, count))
            continue;
        seen |= bit;
        if (count == kCachedAttribs) {
            attribCache_.complete = false;
            break;
        }
        ++count;
    }
    attribCache_.count = count;
    attribCache_.pos = main_;
}

// Whether an attribute of that name is among the first count cached; a later one of the same name is
// never read.
bool XmlDocument::isCached(std::string_view tag, const xml::AttribSpan& span, std::size_t count) const {
    const std::string_view name = tag.substr(span.begin, span.nameLength);
    const xml::AttribSpan* const spans = attribCache_.spans.data();
    return std::any_of(spans, spans + count,
                       [&](const xml::AttribSpan& cached) { return xml::isAttribNamed(tag, cached, name); });
}

std::string XmlDocument::getAttrib(std::string_view name) const {
    try {
        return unescape(rawAttrib(name));
    } catch (const std::exception&) {
        return {};
    }
}

void XmlDocument::getRawAttribs(const XmlAttribNames& names, std::span<std::string_view> values) const {
    const std::size_t count = std::min(names.size(), values.size());
    for (std::size_t j = 0; j < count; ++j)
        values[j] = {};
    if (main_ == 0 || count == 0)
        return;
    const std::string_view tag = startTag(main_);
    const char* const text = tag.data();
    const std::size_t size = tag.size();
    std::size_t i = xml::attribsBegin(tag);
    // A bit for each name still looked for. A name given twice is filled in both places by the
    // same, first attribute.
    std::uint32_t wanted = (std::uint32_t{1} << count) - 1;
    // The name that the next attribute most likely has: the one after the last found.
    std::size_t expected = 0;
    const bool matchable = names.matchable() && tag.back() == '>';
    xml::AttribSpan span;
    while (wanted != 0) {
        if (matchable) {
            // The attribute as the document writes it, when it has the expected name: one space, the
            // name, '=' and a value in double quotes, before the '>' that closes the tag. It is what
            // readAttrib would read there: a name without characters that end a name, followed by
            // '=', is the whole name readAttrib finds.
            const std::string_view lead = names.lead(expected);
            const std::size_t limit = size - 1;
            if (i + lead.size() < limit && xml::sameBytes(text + i, lead.data(), lead.size())) {
                const std::size_t valueBegin = i + lead.size();
                std::size_t close = valueBegin;
                while (close < limit && text[close] != '"')
                    ++close;
                if (close < limit) {
                    values[expected] = tag.substr(valueBegin, close - valueBegin);
                    wanted &= ~(std::uint32_t{1} << expected);
                    i = close + 1;
                    const std::uint32_t later = wanted & ~((std::uint32_t{2} << expected) - 1);
                    expected = static_cast<std::size_t>(std::countr_zero(later != 0 ? later : wanted));
                    continue;
                }
            }
        }
        if (!xml::readAttrib(tag, i, span))
            break;
        for (std::uint32_t left = wanted; left != 0; left &= left - 1) {
            const auto j = static_cast<std::size_t>(std::countr_zero(left));
            if (xml::isAttribNamed(tag, span, names[j])) {
                values[j] = tag.substr(span.valueBegin, span.valueEnd - span.valueBegin);
                wanted &= ~(std::uint32_t{1} << j);
                if (wanted != 0) {
                    const std::uint32_t later = wanted & ~((std::uint32_t{2} << j) - 1);
                    expected = static_cast<std::size_t>(std::countr_zero(later != 0 ? later : wanted));
                }
            }
        }
    }
}

int XmlDocument::getAttribInt(std::string_view name) const {
    return attribInt(rawAttrib(name));
}

int XmlDocument::attribInt(std::string_view raw) {
    // Most values are a few digits and nothing else.
    if (!raw.empty() && raw.size() <= 9) {
        int value = 0;
        std::size_t i = 0;
        for (; i < raw.size() && raw[i] >= '0' && raw[i] <= '9'; ++i)
            value = value * 10 + (raw[i] - '0');
        if (i == raw.size())
            return value;
    }
    if (std::none_of(raw.begin(), raw.end(), [](char c) { return c == '&'; }))
        return parseDecimal(raw);
    try {
        return parseDecimal(unescape(raw));
    } catch (const std::exception&) {
        return 0;
    }
}

XmlAttrib::XmlAttrib(std::string_view name, int value) : name_(name) {
    const auto converted = std::to_chars(digits_, digits_ + sizeof digits_, value);
    digitCount_ = static_cast<std::uint8_t>(converted.ptr - digits_);
}

bool XmlDocument::addElem(std::string_view name) {
    if (!xml::isValidName(name))
        return false;
    try {
        std::string& tag = tagScratch_;
        tag.clear();
        tag += '<';
        tag += name;
        tag += "/>";
        return addElemTag(tag);
    } catch (const std::exception&) {
        return false;
    }
}

bool XmlDocument::addElemWithAttribs(std::string_view name, std::initializer_list<XmlAttrib> attribs) {
    if (!xml::isValidName(name))
        return false;
    // Invalid or repeated names take the way of single edits, which refuses or replaces them.
    bool plain = true;
    // The length of the tag when no value needs escaping: "<name", ' ' name="value" for each, "/>".
    std::size_t plainLength = 1 + name.size() + 2;
    bool escapes = false;
    for (auto it = attribs.begin(); it != attribs.end() && plain; ++it) {
        const std::string_view attribName = it->name();
        plain = xml::isValidName(attribName);
        for (auto before = attribs.begin(); before != it && plain; ++before) {
            const std::string_view beforeName = before->name();
            plain = beforeName.size() != attribName.size() ||
                    !xml::sameBytes(beforeName.data(), attribName.data(), attribName.size());
        }
        const std::string_view value = it->value();
        plainLength += attribName.size() + value.size() + 4;
        escapes = escapes || (!it->isNumber() && xml::needsEscape(value, xml::EscapeMode::Attribute));
    }
    if (!plain) {
        if (!addElem(name))
            return false;
        bool all = true;
        for (const XmlAttrib& attrib : attribs)
            all = setAttrib(attrib.name(), attrib.value()) && all;
        return all;
    }
    try {
        std::string& tag = tagScratch_;
        if (!escapes) {
            // Written in place, in a text sized once.
            tag.resize(plainLength);
            char* out = tag.data();
            const auto put = [&out](std::string_view piece) {
                std::memcpy(out, piece.data(), piece.size());
                out += piece.size();
            };
            *out++ = '<';
            put(name);
            for (const XmlAttrib& attrib : attribs) {
                *out++ = ' ';
                put(attrib.name());
                *out++ = '=';
                *out++ = '"';
                put(attrib.value());
                *out++ = '"';
            }
            *out++ = '/';
            *out = '>';
            return addElemTag(tag);
        }
        tag.clear();
        tag += '<';
        tag += name;
        for (const XmlAttrib& attrib : attribs) {
            tag += ' ';
            tag += attrib.name();
            tag += "=\"";
            const std::string_view value = attrib.value();
            if (attrib.isNumber() || !xml::needsEscape(value, xml::EscapeMode::Attribute))
                tag += value;
            else
                xml::appendEscaped(tag, value, xml::EscapeMode::Attribute);
            tag += '"';
        }
        tag += "/>";
        return addElemTag(tag);
    } catch (const std::exception&) {
        return false;
    }
}

void XmlDocument::reserve(std::size_t textBytes) {
    try {
        if (textBytes > doc_.capacity() && textBytes <= kMaxTextSize)
            doc_.reserve(textBytes);
    } catch (const std::exception&) {
        // The edits reserve for themselves.
    }
}

// Adds the empty-element tag "<name .../>" as addElem places a new element.
bool XmlDocument::addElemTag(std::string_view tag) {
    if (parentPos() != 0 && index_.at(parentPos()).isEmpty())
        return insertFirstChildOfEmpty(tag);
    return insertElement(tag);
}

// Puts the new element on a line of its own: a line break goes before it unless it starts a line,
// and after it unless a line break already follows.
bool XmlDocument::insertElement(std::string_view tag) {
    const std::uint32_t parentAt = parentPos();
    const XmlElement& parent = index_.at(parentAt);
    std::uint32_t at = 0;
    if (main_ != 0)
        at = index_.at(main_).end();
    else if (parent.lastChild != 0)
        at = index_.at(parent.lastChild).end();
    else if (parentAt == 0)
        at = static_cast<std::uint32_t>(doc_.size());
    else
        at = parentEnd() - parent.endTagLength;
    const bool breakBefore = at > 0 && doc_[at - 1] != '\n';
    const bool breakAfter = at >= doc_.size() || !isLineBreak(doc_[at]);
    std::string& text = scratch_;
    text.clear();
    if (breakBefore)
        text += kLineBreak;
    text += tag;
    if (breakAfter)
        text += kLineBreak;
    prepareEdit(text.size());
    splice(at, 0, text, false);
    XmlElement element{};
    element.start = at + (breakBefore ? static_cast<std::uint32_t>(kLineBreak.size()) : 0);
    element.tagLength = element.length = static_cast<std::uint32_t>(tag.size());
    element.state = XmlElement::kEmpty;
    const std::uint32_t pos = index_.append(element);
    if (main_ != 0)
        index_.linkAfter(main_, pos);
    else
        index_.linkLastChild(parentAt, pos);
    main_ = pos;
    return true;
}

// "<P a="1"/>" becomes "<P a="1">", line break, the child, line break, "</P>".
bool XmlDocument::insertFirstChildOfEmpty(std::string_view tag) {
    const std::uint32_t parentAt = parentPos();
    const std::string_view parentTag = startTag(parentAt);
    const std::string_view parentName = parentTag.substr(1, xml::nameLength(parentTag, 1));
    const auto endTagLength = static_cast<std::uint32_t>(parentName.size() + 3);
    std::string& text = scratch_;
    text.clear();
    text += '>';
    text += kLineBreak;
    text += tag;
    text += kLineBreak;
    text += "</";
    text += parentName;
    text += '>';
    prepareEdit(text.size());
    const std::uint32_t slash = index_.at(parentAt).tagEnd() - 2;
    splice(slash, 2, text, false);
    XmlElement& parent = index_.at(parentAt);
    parent.tagLength -= 1;
    parent.state &= ~XmlElement::kEmpty;
    parent.endTagLength = endTagLength;
    XmlElement element{};
    element.start = slash + 1 + static_cast<std::uint32_t>(kLineBreak.size());
    element.tagLength = element.length = static_cast<std::uint32_t>(tag.size());
    element.state = XmlElement::kEmpty;
    const std::uint32_t pos = index_.append(element);
    index_.linkLastChild(parentAt, pos);
    main_ = pos;
    return true;
}

bool XmlDocument::setAttrib(std::string_view name, std::string_view value) {
    if (main_ == 0 || !xml::isValidName(name))
        return false;
    try {
        if (!xml::needsEscape(value, xml::EscapeMode::Attribute))
            return replaceAttrib(name, value);
        std::string escaped;
        xml::appendEscaped(escaped, value, xml::EscapeMode::Attribute);
        return replaceAttrib(name, escaped);
    } catch (const std::exception&) {
        return false;
    }
}

bool XmlDocument::setAttrib(std::string_view name, int value) {
    char digits[16];
    const auto converted = std::to_chars(digits, digits + sizeof digits, value);
    return setAttrib(name, std::string_view(digits, static_cast<std::size_t>(converted.ptr - digits)));
}

bool XmlDocument::replaceAttrib(std::string_view name, std::string_view escapedValue) {
    const std::string_view tag = startTag(main_);
    const xml::AttribSpan span = lookupAttrib(tag, name);
    const std::uint32_t tagStart = index_.at(main_).start;
    std::uint32_t at = 0;
    std::uint32_t oldLength = 0;
    std::string& text = scratch_;
    text.clear();
    if (span.found && span.quoted && span.valueEnd < tag.size()) {
        at = tagStart + static_cast<std::uint32_t>(span.valueBegin);
        oldLength = static_cast<std::uint32_t>(span.valueEnd - span.valueBegin);
        text = escapedValue;
    } else {
        if (span.found) {
            at = tagStart + static_cast<std::uint32_t>(span.begin);
            oldLength = static_cast<std::uint32_t>(span.end - span.begin);
        } else {
            const std::size_t insertPoint = xml::attribInsertPoint(tag);
            at = tagStart + static_cast<std::uint32_t>(insertPoint);
            // After a dangling "name=" the new attribute would read as its value: close it first.
            if (tag[insertPoint - 1] == '=')
                text += "\"\"";
            text += ' ';
        }
        text += name;
        text += "=\"";
        text += escapedValue;
        text += '"';
    }
    prepareEdit(text.size() > oldLength ? text.size() - oldLength : 0);
    // An appended attribute moves none of the others, so the cache of the tag stays right once the
    // new attribute is added to it; the slot for it was made when the cache was filled.
    const bool cacheStaysValid = !span.found && text[0] == ' ' && attribCache_.pos == main_ &&
                                 attribCache_.complete && attribCache_.count < kCachedAttribs;
    splice(at, oldLength, text, true);
    XmlElement& element = index_.at(main_);
    element.tagLength = static_cast<std::uint32_t>(element.tagLength + text.size() - oldLength);
    if (cacheStaysValid) {
        xml::AttribSpan appended;
        appended.quoted = true;
        appended.begin = at - tagStart + 1;
        appended.nameLength = name.size();
        appended.valueBegin = appended.begin + name.size() + 2;
        appended.valueEnd = appended.valueBegin + escapedValue.size();
        appended.end = appended.valueEnd + 1;
        attribCache_.spans[attribCache_.count++] = appended;
        attribCache_.pos = main_;
    }
    return true;
}

// Makes sure the edit that follows cannot fail half way: text capacity and an index slot are taken
// first, so that an allocation failure leaves the document as it was.
void XmlDocument::prepareEdit(std::size_t growth) {
    if (doc_.size() + growth > kMaxTextSize)
        throw std::length_error("document too large");
    if (doc_.size() + growth > doc_.capacity())
        doc_.reserve(std::max(doc_.size() + growth, 2 * doc_.capacity()));
    index_.reserveOne();
}

// Replaces text inside the current element's start tag (insideCurrent) or else among the parent's
// children, and moves what follows. The elements of the cursor's path grow or shrink by the same
// amount; that is owed at the innermost level, and their later siblings, when there are any, move now.
void XmlDocument::splice(std::uint32_t at, std::uint32_t oldLength, std::string_view replacement,
                         bool insideCurrent) {
    attribCache_.pos = 0;
    doc_.replace(at, oldLength, replacement);
    const std::int64_t delta =
        static_cast<std::int64_t>(replacement.size()) - static_cast<std::int64_t>(oldLength);
    const std::uint32_t editEnd = at + oldLength;
    if (insideCurrent) {
        index_.shiftChildrenFrom(main_, editEnd, delta);
        XmlElement& current = index_.at(main_);
        current.length = static_cast<std::uint32_t>(current.length + delta);
        index_.shiftFollowingSiblings(main_, delta);
    } else {
        index_.shiftChildrenFrom(parentPos(), editEnd, delta);
    }
    if (path_.empty())
        return;
    path_.back().owedLength += delta;
    if (path_.back().followedByElements) {
        for (const PathLevel& level : path_)
            index_.shiftFollowingSiblings(level.pos, delta);
    }
}

std::string XmlDocument::escapeAttrib(std::string_view text) {
    try {
        std::string out;
        xml::appendEscaped(out, text, xml::EscapeMode::Attribute);
        return out;
    } catch (const std::exception&) {
        return {};
    }
}

std::string XmlDocument::escapeText(std::string_view text) {
    try {
        std::string out;
        xml::appendEscaped(out, text, xml::EscapeMode::Text);
        return out;
    } catch (const std::exception&) {
        return {};
    }
}

std::string XmlDocument::unescape(std::string_view text) {
    try {
        std::string out;
        xml::appendUnescaped(out, text);
        return out;
    } catch (const std::exception&) {
        return {};
    }
}
