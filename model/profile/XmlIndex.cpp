// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/profile/XmlIndex.h"

#include <new>

namespace {

std::uint32_t shifted(std::uint32_t value, std::int64_t delta) {
    return static_cast<std::uint32_t>(static_cast<std::int64_t>(value) + delta);
}

} // namespace

void XmlIndex::clear() {
    document_ = XmlElement{};
    if (blocks_.size() > 1)
        blocks_.resize(1);
    count_ = 1;
}

void XmlIndex::addBlock() {
    if (count_ == kMaxCount)
        throw std::bad_alloc();
    blocks_.reserve(blocks_.size() + 1);
    blocks_.push_back(std::make_unique_for_overwrite<XmlElement[]>(kBlockSize));
}

void XmlIndex::linkLastChild(std::uint32_t parent, std::uint32_t pos) {
    XmlElement& parentElement = at(parent);
    XmlElement& element = at(pos);
    element.parent = parent;
    element.prev = parentElement.lastChild;
    element.next = 0;
    if (parentElement.lastChild != 0)
        at(parentElement.lastChild).next = pos;
    else
        parentElement.firstChild = pos;
    parentElement.lastChild = pos;
}

void XmlIndex::linkAfter(std::uint32_t sibling, std::uint32_t pos) {
    XmlElement& siblingElement = at(sibling);
    XmlElement& element = at(pos);
    element.parent = siblingElement.parent;
    element.prev = sibling;
    element.next = siblingElement.next;
    if (siblingElement.next != 0)
        at(siblingElement.next).prev = pos;
    else
        at(siblingElement.parent).lastChild = pos;
    siblingElement.next = pos;
}

void XmlIndex::shiftChildrenFrom(std::uint32_t container, std::uint32_t editEnd, std::int64_t delta) {
    // From the last child backwards, so that an edit at the end of a long child list costs nothing.
    for (std::uint32_t child = at(container).lastChild; child != 0 && at(child).start >= editEnd;
         child = at(child).prev)
        shiftSubtree(child, delta);
}

void XmlIndex::shiftFollowingSiblings(std::uint32_t pos, std::int64_t delta) {
    for (std::uint32_t sibling = at(pos).next; sibling != 0; sibling = at(sibling).next)
        shiftSubtree(sibling, delta);
}

void XmlIndex::shiftSubtree(std::uint32_t root, std::int64_t delta) {
    std::uint32_t pos = root;
    while (true) {
        XmlElement& element = at(pos);
        element.start = shifted(element.start, delta);
        if (element.firstChild != 0) {
            pos = element.firstChild;
            continue;
        }
        while (pos != root && at(pos).next == 0)
            pos = at(pos).parent;
        if (pos == root)
            return;
        pos = at(pos).next;
    }
}
