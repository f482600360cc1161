// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ActionList.h"

#include <cstddef>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class XmlDocument;

// Writes list as a "List" element after the document's current element, its items as "x" children
// holding their own lists.
void writeActionList(XmlDocument& doc, const ActionList& list);

// Builds a text through a pointer into room made ahead, which spares appending piece by piece its
// checks and library calls: each piece makes sure of room for itself.
class TextWriter {
public:
    // Makes room for a text of about that many bytes.
    explicit TextWriter(std::size_t expected);

    template <std::size_t N>
    void put(const char (&literal)[N]) {
        putBytes(literal, N - 1);
    }
    void put(std::string_view text) { putBytes(text.data(), text.size()); }
    // The decimal form of value.
    void putNumber(int value) {
        room(kLongestNumber);
        if (value >= 0 && value < 10)
            *at_++ = static_cast<char>('0' + value);
        else
            putLongNumber(value);
    }
    // Text as an attribute value: " & ' < > replaced by their entity references.
    void putEscapedAttrib(std::string_view text);
    // The text written, which the writer gives up.
    std::string take();

private:
    static constexpr std::size_t kLongestNumber = 11; // "-2147483648"

    void room(std::size_t bytes) {
        if (static_cast<std::size_t>(end_ - at_) < bytes)
            grow(bytes);
    }
    void grow(std::size_t bytes);
    void putBytes(const char* bytes, std::size_t count) {
        room(count);
        std::memcpy(at_, bytes, count);
        at_ += count;
    }
    void putLongNumber(int value);

    std::string text_;
    char* at_ = nullptr;
    char* end_ = nullptr;
};

// Writes the text of list as writeActionList puts it in a document: the "List" element and its
// items, one element a line, lines joined by "\r\n", with no line break before the first line or
// after the last.
void writeActionListText(TextWriter& out, const ActionList& list);

// Bounds and findings shared by every list read during one profile load.
struct ActionListReadState {
    // The fields a "List" tag gives.
    struct ListFields {
        int sizeOfView = 0;
        int viewStartAt = 0;
        int cursorPos = 0;
        int cycles = 0;
        bool isAutoInterval = false;
        int delay = 0;
        int playMode = 0;
    };

    int gapItemsLeft;
    std::vector<std::string>* skipped;
    int skippedLimit;
    // Items that lists may still make room for ahead, from the count of elements they hold: bounded
    // so that a hostile file of many short elements cannot make the reader hold much more memory than
    // the items it loads.
    std::size_t roomItemsLeft = 0;
    // The last "List" tag read and its fields: most lists are empty ones with the same tag as the
    // one before, which need not be read again.
    std::string lastListTag = {};
    ListFields lastListFields = {};

    void skip(std::string what);
};

// The fields of a "List" tag from its raw attribute values (as XmlDocument::getRawAttribs gives
// them, empty for an absent one), in the order SizeOfView, ViewStartAt, CursorPos, Cycles,
// IsAutoInterval, Delay, PlayMode.
ActionListReadState::ListFields listFieldsFromValues(std::span<const std::string_view, 7> values);
// Gives list the fields that its "List" tag holds.
void setListFields(ActionList& list, const ActionListReadState::ListFields& fields);

// Reads the next "List" element among the document's current children into list: cleared first
// (SizeOfView kept), left clear when there is none. depth counts the lists above this one.
void readActionList(XmlDocument& doc, ActionList& list, ActionListReadState& state, int depth = 0);
