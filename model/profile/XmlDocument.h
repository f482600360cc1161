// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/profile/XmlIndex.h"
#include "model/profile/XmlTag.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// An attribute to write with XmlDocument::addElemWithAttribs: a name and a value, given as text or
// as an int written in decimal. A text value is not copied: it must outlive the call.
class XmlAttrib {
public:
    XmlAttrib(std::string_view name, std::string_view value) : name_(name), text_(value) {}
    XmlAttrib(std::string_view name, int value);

    std::string_view name() const { return name_; }
    // Whether the value is the decimal form of an int, which never needs escaping.
    bool isNumber() const { return digitCount_ != 0; }
    std::string_view value() const {
        return digitCount_ != 0 ? std::string_view(digits_, digitCount_) : text_;
    }

private:
    std::string_view name_;
    std::string_view text_;
    char digits_[12] = {};
    std::uint8_t digitCount_ = 0;
};

// The names of the attributes that a reader takes together from each of many tags, with
// XmlDocument::getRawAttribs; made once, as a constant. Holds at most kMax names; more are ignored.
class XmlAttribNames {
public:
    static constexpr std::size_t kMax = 16;
    // Longest text of an attribute as the document writes it up to its value: ' ', name, '=', '"'.
    static constexpr std::size_t kMaxLead = 32;

    constexpr XmlAttribNames(std::initializer_list<std::string_view> names) {
        for (const std::string_view name : names) {
            if (count_ == kMax)
                break;
            matchable_ = matchable_ && isPlain(name) && name.size() + 3 <= kMaxLead;
            for (std::size_t i = 0; i < count_; ++i)
                matchable_ = matchable_ && names_[i] != name;
            names_[count_] = name;
            if (name.size() + 3 <= kMaxLead) {
                std::array<char, kMaxLead>& lead = leads_[count_];
                lead[0] = ' ';
                for (std::size_t i = 0; i < name.size(); ++i)
                    lead[i + 1] = name[i];
                lead[name.size() + 1] = '=';
                lead[name.size() + 2] = '"';
            }
            ++count_;
        }
    }

    std::size_t size() const { return count_; }
    std::string_view operator[](std::size_t i) const { return names_[i]; }
    // Whether each name is given once, and is one that a tag can hold: not empty, and without a
    // character that ends a name. Such names can be matched where a tag holds them in this order.
    bool matchable() const { return matchable_; }
    // The text that starts attribute i as the document writes it: ' ', name, '=' and '"'.
    std::string_view lead(std::size_t i) const { return {leads_[i].data(), names_[i].size() + 3}; }

private:
    static constexpr bool isPlain(std::string_view name) {
        if (name.empty())
            return false;
        for (const char c : name) {
            switch (c) {
            case ' ':
            case '\t':
            case '\n':
            case '\r':
            case '/':
            case '>':
            case '<':
            case '=':
            case '"':
            case '\'':
                return false;
            default:
                break;
            }
        }
        return true;
    }

    std::array<std::string_view, kMax> names_{};
    std::array<std::array<char, kMaxLead>, kMax> leads_{};
    std::size_t count_ = 0;
    bool matchable_ = true;
};

// An XML document held as UTF-8 text together with an index of its elements, read and edited through
// a cursor: a parent element and a current element among its children (position 0 is the document
// level, or no current element). Edits splice the text in place and shift the index; nothing is parsed
// again. Files are read and written in UTF-8, UTF-16 and the 8-bit encodings that the C library
// converts, and every load, save and parse is reported in a result text. Nothing throws: failures
// return false, or empty text.
class XmlDocument {
public:
    // Flag: the file read started with a UTF-16 little-endian byte-order mark.
    static constexpr int kUtf16LeMark = 0x01;
    // Flag: the file read started with a UTF-8 byte-order mark; a save in UTF-8 writes it back.
    static constexpr int kUtf8Mark = 0x04;
    // Flag: a file is being read; no load or save starts meanwhile.
    static constexpr int kReadingFile = 0x10;
    // Flag: a file is being written; no load or save starts meanwhile.
    static constexpr int kWritingFile = 0x20;
    // Flag: save appends to the file ("ab") instead of replacing it.
    static constexpr int kAppendFile = 0x40;
    // Flag: the file read started with a UTF-16 big-endian byte-order mark.
    static constexpr int kUtf16BeMark = 0x80;
    // Largest document text held, in bytes; longer texts and files are refused.
    static constexpr std::size_t kMaxTextSize = 0x7FFFFFFF;

    // An empty document, cursor at the top level.
    XmlDocument() = default;
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;
    XmlDocument(XmlDocument&&) noexcept = default;
    XmlDocument& operator=(XmlDocument&&) noexcept = default;
    ~XmlDocument() = default;

    // Replaces the text and parses it; true when it is well-formed. The cursor goes to the top level.
    bool setDoc(std::string_view text);
    // Same as setDoc, but takes the text over instead of copying it.
    bool takeDoc(std::string&& text);
    // The document text, UTF-8.
    const std::string& getDoc() const { return doc_; }
    // The report of the last load, save or parse: entries like <lone_end_tag tagname="a" offset="9"/>,
    // offsets counted in bytes of the document text. No entry is added once it exceeds 999 characters.
    const std::string& getResult() const { return result_; }
    // Whether the last parse found the text well-formed.
    bool isWellFormed() const { return wellFormed_; }
    // The document flags (k... constants above).
    int getFlags() const { return flags_; }
    // Sets the document flags; the reading and writing guards are kept as they are.
    void setFlags(int flags);

    // Adds an empty element after the current one, or as the last child of the parent when there is
    // no current element, on a line of its own; it becomes current. False for an invalid name.
    bool addElem(std::string_view name);
    // Same as addElem followed by setAttrib for each attribute in order, but the start tag is written
    // in one edit. False when the element is not added, or when any attribute is refused (the others
    // are still set).
    bool addElemWithAttribs(std::string_view name, std::initializer_list<XmlAttrib> attribs);
    // Makes room for a document text of that many bytes, so that building it does not reallocate.
    void reserve(std::size_t textBytes);
    // Makes the current element the parent, with no current element; false when there is none.
    bool intoElem();
    // Makes the parent the current element and its parent the parent; false at the top level.
    bool outOfElem();
    // Makes current the next element after the current one (or the first child of the parent) whose
    // name is name, or of any name when name is empty. Never wraps; on failure the cursor stays.
    bool findElem(std::string_view name = {});
    // Sets an attribute of the current element, escaping the value; false without a current element
    // or for an invalid name.
    bool setAttrib(std::string_view name, std::string_view value);
    // Sets an attribute of the current element to the decimal form of value.
    bool setAttrib(std::string_view name, int value);
    // The unescaped value of an attribute of the current element, or "" when either is absent.
    std::string getAttrib(std::string_view name) const;
    // The attribute read as a decimal integer: optional leading white space and sign, then the digits
    // up to the first other character; 0 without digits. Values past the int range saturate to
    // INT_MAX or INT_MIN.
    int getAttribInt(std::string_view name) const;
    // Finds several attributes of the current element in one scan of its tag, for a reader that
    // needs each of them: values[i] becomes the value of the attribute called names[i], the one that
    // getAttrib reads (the first of that name), still escaped; empty when the tag has none, or when
    // there is no current element. Names beyond the size of values are not looked for. The scan
    // stops once every name is found, and is quickest for tags that hold the names in their order.
    // The views point into the document text: read them with attribText or attribInt before the
    // next edit.
    void getRawAttribs(const XmlAttribNames& names, std::span<std::string_view> values) const;
    // A value from getRawAttribs, read as getAttrib reads it.
    static std::string attribText(std::string_view raw) { return unescape(raw); }
    // A value from getRawAttribs, read as getAttribInt reads it.
    static int attribInt(std::string_view raw);
    // The start tag of the current element as the text holds it, '<' to '>', or "" when there is
    // none. Points into the document text, until the next edit.
    std::string_view getStartTag() const { return main_ != 0 ? startTag(main_) : std::string_view(); }
    // How many elements the current element holds (not counting theirs).
    std::size_t childElemCount() const;
    // Whether the current element holds other elements.
    bool hasChildElem() const { return main_ != 0 && index_.at(main_).firstChild != 0; }
    // The name of the current element, or "" when there is none.
    std::string getTagName() const;
    // Moves the cursor to the top level, with no current element.
    void resetPos();

    // Reads a file, converting it to UTF-8, and parses it; false (and an empty document) when the
    // file cannot be read: when it is no regular file or holds more than maxFileBytes. A document
    // that is not well-formed still loads.
    bool load(const std::string& path, std::size_t maxFileBytes = kMaxTextSize);
    // Why the last load or save failed, one line for a person; "" after one that succeeded.
    const std::string& getFileError() const { return fileError_; }
    // How many zero characters the last load removed from the text (see "nulls_removed").
    std::size_t getNullsRemoved() const { return nullsRemoved_; }
    // Writes the document in the encoding its XML declaration names (UTF-8 when none); false when the
    // file cannot be opened or fully written.
    bool save(const std::string& path);

    // Text with " & ' < > replaced by their entity references, for an attribute value.
    static std::string escapeAttrib(std::string_view text);
    // Text with & < > replaced by their entity references, for text content.
    static std::string escapeText(std::string_view text);
    // Text with entity and character references replaced by their characters; references that are
    // unknown or name no valid character are kept as they are.
    static std::string unescape(std::string_view text);

private:
    bool parse();
    void clearDocument();
    std::string_view startTag(std::uint32_t pos) const;
    std::string_view rawAttrib(std::string_view name) const;
    xml::AttribSpan lookupAttrib(std::string_view tag, std::string_view name) const;
    const xml::AttribSpan* cachedAttrib(std::string_view tag, std::string_view name) const;
    void fillAttribCache(std::string_view tag) const;
    bool isCached(std::string_view tag, const xml::AttribSpan& span, std::size_t count) const;
    bool nameIs(std::uint32_t pos, std::string_view name) const;
    bool addElemTag(std::string_view tag);
    bool insertElement(std::string_view tag);
    bool insertFirstChildOfEmpty(std::string_view tag);
    bool replaceAttrib(std::string_view name, std::string_view escapedValue);
    void prepareEdit(std::size_t growth);
    std::uint32_t parentPos() const { return path_.empty() ? 0 : path_.back().pos; }
    std::uint32_t parentEnd() const;
    void payOwedLength();
    void dropCursor();
    void splice(std::uint32_t at, std::uint32_t oldLength, std::string_view replacement, bool insideCurrent);
    bool readDocumentFile(const std::string& path, std::size_t maxFileBytes);
    bool writeDocumentFile(const std::string& path);

    std::string doc_;
    std::string result_;
    std::string fileError_;
    std::size_t nullsRemoved_ = 0;
    std::string scratch_;    // reused for the text of an edit
    std::string tagScratch_; // reused for the start tag of a new element
    XmlIndex index_;
    // One level of the cursor's path: an element that holds the cursor. Edits inside it change its
    // length; rather than walk every level for every edit, each level keeps the change still owed to
    // its element and to every level above it, and pays it when the cursor leaves the level.
    struct PathLevel {
        std::uint32_t pos;
        std::int64_t owedLength;
        bool followedByElements; // it or a level above it has later siblings, which edits must move
    };
    // The cursor: the parent's ancestors and the parent itself, outermost first (empty at the top
    // level), and the current element (0 for none).
    std::vector<PathLevel> path_;
    std::uint32_t main_ = 0;
    int flags_ = 0;
    bool wellFormed_ = false;

    // The attribute spans of one element, so that reading its attributes one after another scans the
    // tag once. Reads fill it, so even reading is not for concurrent use; every edit empties it.
    // Each name is held once, for its first attribute, so that a lookup may start where the last one
    // ended: attributes are mostly read in the order they were written.
    struct AttribCache {
        std::uint32_t pos = 0;
        bool complete = false;
        std::size_t nextLookup = 0;
        std::size_t count = 0;              // spans held, at the front of spans
        std::vector<xml::AttribSpan> spans; // slots, made once when the cache is first filled
    };
    mutable AttribCache attribCache_;
};
