// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <type_traits>
#include <vector>

// One element of the document: where its tags lie in the text and its place in the tree. Positions
// of other elements are index positions; 0 means none (or, as a parent, the document itself).
// Trivial on purpose, so that a new block of the index is not written before it is used: create
// entries value-initialised (XmlElement{}).
struct XmlElement {
    // State bits.
    static constexpr std::uint32_t kEmpty = 0x01;   // written as an empty-element tag "<a/>"
    static constexpr std::uint32_t kUnended = 0x02; // start tag never matched by an end tag

    std::uint32_t start;        // offset of the '<' of the start tag
    std::uint32_t tagLength;    // length of the start tag, '<' to '>'
    std::uint32_t length;       // length of the whole element, start tag to end tag
    std::uint32_t endTagLength; // 0 for an empty or unended element
    std::uint32_t parent;
    std::uint32_t firstChild;
    std::uint32_t lastChild;
    std::uint32_t next;
    std::uint32_t prev;
    std::uint32_t state;

    std::uint32_t end() const { return start + length; }
    std::uint32_t tagEnd() const { return start + tagLength; }
    bool isEmpty() const { return (state & kEmpty) != 0; }
};
static_assert(std::is_trivially_default_constructible_v<XmlElement>);

// The element index: entries in blocks of 65,536, a position number addressing block (high 16 bits)
// and slot (low 16 bits). Position 0 is the document, whose children are the top-level elements.
class XmlIndex {
public:
    static constexpr std::uint32_t kBlockSize = 0x10000;
    static constexpr std::uint32_t kMaxCount = 0xFFFFFFFF;

    // Drops every element; the first block is kept for reuse.
    void clear();
    // Makes sure the next append cannot fail for lack of memory; throws std::bad_alloc otherwise.
    void reserveOne() {
        if (count_ >> 16 >= blocks_.size() || count_ == kMaxCount)
            addBlock();
    }
    // Stores a new element (not yet linked to a parent) and returns its position.
    std::uint32_t append(const XmlElement& element) {
        reserveOne();
        const std::uint32_t pos = count_++;
        at(pos) = element;
        return pos;
    }
    // Takes the slot of a new element and returns its position; the caller sets every field of it
    // through at(), and then links it. Writing the fields in place spares the copy of a whole element
    // just written, which the processor is slow to read back.
    std::uint32_t appendUnset() {
        reserveOne();
        return count_++;
    }
    // The element at a position; position 0 is the document.
    XmlElement& at(std::uint32_t pos) { return pos == 0 ? document_ : blocks_[pos >> 16][pos & 0xFFFF]; }
    const XmlElement& at(std::uint32_t pos) const {
        return pos == 0 ? document_ : blocks_[pos >> 16][pos & 0xFFFF];
    }
    // Links pos as the last child of parent.
    void linkLastChild(std::uint32_t parent, std::uint32_t pos);
    // Links pos as the next sibling of sibling.
    void linkAfter(std::uint32_t sibling, std::uint32_t pos);
    // Follows an edit of the text inside container (0 for the document level) that replaced the
    // characters before editEnd with delta more (or fewer) characters: moves every child of the
    // container, with its subtree, that starts at or after editEnd. Children before the edit are not
    // visited.
    void shiftChildrenFrom(std::uint32_t container, std::uint32_t editEnd, std::int64_t delta);
    // Moves every later sibling of pos, with its subtree, by delta characters.
    void shiftFollowingSiblings(std::uint32_t pos, std::int64_t delta);

private:
    void addBlock();
    void shiftSubtree(std::uint32_t root, std::int64_t delta);

    XmlElement document_{};
    std::vector<std::unique_ptr<XmlElement[]>> blocks_;
    std::uint32_t count_ = 1;
};
