// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/profile/ActionListXml.h"

#include "model/profile/ProfileFile.h"
#include "model/profile/XmlDocument.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>
#include <utility>

namespace {

// View fields far outside what a list view can show would only overflow later arithmetic.
constexpr int kMaxViewField = 1000000;

int viewField(std::string_view raw, int lowest) {
    return std::clamp(XmlDocument::attribInt(raw), lowest, kMaxViewField);
}

ActionListReadState::ListFields readListFields(const XmlDocument& doc) {
    static constexpr XmlAttribNames kListAttribs{"SizeOfView",     "ViewStartAt", "CursorPos", "Cycles",
                                                 "IsAutoInterval", "Delay",       "PlayMode"};
    std::string_view values[7];
    doc.getRawAttribs(kListAttribs, values);
    return listFieldsFromValues(values);
}

void readItems(XmlDocument& doc, ActionList& list, ActionListReadState& state, int depth) {
    static constexpr XmlAttribNames kItemAttribs{"ID", "t1"};
    std::string_view values[2];
    while (doc.findElem("x")) {
        doc.getRawAttribs(kItemAttribs, values);
        const int index = XmlDocument::attribInt(values[0]);
        if (index < 0 || index >= kMaxListItems) {
            state.skip("list item with ID " + std::to_string(index) + " (IDs run 0.." +
                       std::to_string(kMaxListItems - 1) + ")");
            continue;
        }
        const int gap = std::max(0, index - list.count());
        if (gap > state.gapItemsLeft) {
            state.skip("list item with ID " + std::to_string(index) + " (too many missing IDs before it)");
            continue;
        }
        state.gapItemsLeft -= gap;
        std::string text = XmlDocument::attribText(values[1]);
        ActionList child;
        // An item without elements inside has no list: the child stays as it was made.
        if (doc.hasChildElem()) {
            doc.intoElem();
            readActionList(doc, child, state, depth + 1);
            doc.outOfElem();
        }
        list.setAt(index, std::move(text), std::move(child));
    }
}

} // namespace

ActionListReadState::ListFields listFieldsFromValues(std::span<const std::string_view, 7> values) {
    ActionListReadState::ListFields fields;
    fields.sizeOfView = viewField(values[0], 0);
    fields.viewStartAt = viewField(values[1], 0);
    fields.cursorPos = viewField(values[2], -1);
    fields.cycles = XmlDocument::attribInt(values[3]);
    fields.isAutoInterval = XmlDocument::attribInt(values[4]) != 0;
    fields.delay = XmlDocument::attribInt(values[5]);
    fields.playMode = XmlDocument::attribInt(values[6]);
    return fields;
}

void setListFields(ActionList& list, const ActionListReadState::ListFields& fields) {
    list.SizeOfView = fields.sizeOfView;
    list.ViewStartAt = fields.viewStartAt;
    list.CursorPos = fields.cursorPos;
    list.Cycles = fields.cycles;
    list.IsAutoInterval = fields.isAutoInterval;
    list.Delay = fields.delay;
    list.PlayMode = fields.playMode;
}

void ActionListReadState::skip(std::string what) {
    if (skipped != nullptr && static_cast<int>(skipped->size()) < skippedLimit)
        skipped->push_back(std::move(what));
}

void writeActionList(XmlDocument& doc, const ActionList& list) {
    doc.addElemWithAttribs("List", {{"SizeOfView", list.SizeOfView},
                                    {"ViewStartAt", list.ViewStartAt},
                                    {"CursorPos", list.CursorPos},
                                    {"Cycles", list.Cycles},
                                    {"IsAutoInterval", list.IsAutoInterval ? 1 : 0},
                                    {"Delay", list.Delay},
                                    {"PlayMode", list.PlayMode}});
    doc.intoElem();
    const auto& items = list.items();
    const auto& children = list.children();
    for (std::size_t i = 0; i < items.size(); ++i) {
        doc.addElemWithAttribs("x", {{"ID", static_cast<int>(i)}, {"t1", items[i]}});
        doc.intoElem();
        writeActionList(doc, children[i]);
        doc.outOfElem();
    }
    doc.outOfElem();
}

TextWriter::TextWriter(std::size_t expected) {
    text_.resize(expected);
    at_ = text_.data();
    end_ = at_ + text_.size();
}

void TextWriter::grow(std::size_t bytes) {
    const auto used = static_cast<std::size_t>(at_ - text_.data());
    text_.resize(std::max(2 * text_.size(), used + bytes));
    at_ = text_.data() + used;
    end_ = text_.data() + text_.size();
}

void TextWriter::putLongNumber(int value) {
    at_ = std::to_chars(at_, at_ + kLongestNumber, value).ptr;
}

void TextWriter::putEscapedAttrib(std::string_view text) {
    // Each character becomes at most six: "&quot;".
    room(6 * text.size());
    for (const char c : text) {
        // All five markup characters lie at or below '>'; most text is above it.
        if (c > '>') {
            *at_++ = c;
            continue;
        }
        switch (c) {
        case '&':
            put("&amp;");
            break;
        case '<':
            put("&lt;");
            break;
        case '>':
            put("&gt;");
            break;
        case '"':
            put("&quot;");
            break;
        case '\'':
            put("&apos;");
            break;
        default:
            *at_++ = c;
            break;
        }
    }
}

std::string TextWriter::take() {
    text_.resize(static_cast<std::size_t>(at_ - text_.data()));
    at_ = end_ = nullptr;
    return std::move(text_);
}

void writeActionListText(TextWriter& out, const ActionList& list) {
    out.put("<List SizeOfView=\"");
    out.putNumber(list.SizeOfView);
    out.put("\" ViewStartAt=\"");
    out.putNumber(list.ViewStartAt);
    out.put("\" CursorPos=\"");
    out.putNumber(list.CursorPos);
    out.put("\" Cycles=\"");
    out.putNumber(list.Cycles);
    if (list.IsAutoInterval)
        out.put("\" IsAutoInterval=\"1\" Delay=\"");
    else
        out.put("\" IsAutoInterval=\"0\" Delay=\"");
    out.putNumber(list.Delay);
    out.put("\" PlayMode=\"");
    out.putNumber(list.PlayMode);
    const auto& items = list.items();
    if (items.empty()) {
        out.put("\"/>");
        return;
    }
    out.put("\">");
    const auto& children = list.children();
    for (std::size_t i = 0; i < items.size(); ++i) {
        out.put("\r\n<x ID=\"");
        out.putNumber(static_cast<int>(i));
        out.put("\" t1=\"");
        out.putEscapedAttrib(items[i]);
        out.put("\">\r\n");
        writeActionListText(out, children[i]);
        out.put("\r\n</x>");
    }
    out.put("\r\n</List>");
}

void readActionList(XmlDocument& doc, ActionList& list, ActionListReadState& state, int depth) {
    list.clear();
    if (!doc.findElem("List"))
        return;
    if (depth >= kMaxListDepth) {
        state.skip("list nested deeper than " + std::to_string(kMaxListDepth) + " levels");
        return;
    }
    const std::string_view tag = doc.getStartTag();
    if (tag != state.lastListTag) {
        state.lastListFields = readListFields(doc);
        state.lastListTag.assign(tag);
    }
    setListFields(list, state.lastListFields);
    // A list without elements inside has no items.
    if (!doc.hasChildElem())
        return;
    // Room for the items, which are mostly all that the list holds.
    const std::size_t room =
        std::min({doc.childElemCount(), static_cast<std::size_t>(kMaxListItems), state.roomItemsLeft});
    state.roomItemsLeft -= room;
    list.reserve(room);
    doc.intoElem();
    readItems(doc, list, state, depth);
    doc.outOfElem();
}
