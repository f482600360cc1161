#include "model/profile/ActionListXml.h"

#include "model/profile/ProfileFile.h"
#include "model/profile/XmlDocument.h"

#include <algorithm>
#include <string>
#include <utility>

namespace {

// View fields far outside what a list view can show would only overflow later arithmetic.
constexpr int kMaxViewField = 1000000;

int viewField(const XmlDocument& doc, const char* name, int lowest) {
    return std::clamp(doc.getAttribInt(name), lowest, kMaxViewField);
}

void readItems(XmlDocument& doc, ActionList& list, ActionListReadState& state, int depth) {
    while (doc.findElem("x")) {
        const int index = doc.getAttribInt("ID");
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
        // Read before the child, whose attributes would otherwise displace this tag's from the cache.
        std::string text = doc.getAttrib("t1");
        ActionList child;
        doc.intoElem();
        readActionList(doc, child, state, depth + 1);
        doc.outOfElem();
        list.setAt(index, std::move(text), std::move(child));
    }
}

} // namespace

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

void readActionList(XmlDocument& doc, ActionList& list, ActionListReadState& state, int depth) {
    list.clear();
    if (!doc.findElem("List"))
        return;
    if (depth >= kMaxListDepth) {
        state.skip("list nested deeper than " + std::to_string(kMaxListDepth) + " levels");
        return;
    }
    list.SizeOfView = viewField(doc, "SizeOfView", 0);
    list.ViewStartAt = viewField(doc, "ViewStartAt", 0);
    list.CursorPos = viewField(doc, "CursorPos", -1);
    list.Cycles = doc.getAttribInt("Cycles");
    list.IsAutoInterval = doc.getAttribInt("IsAutoInterval") != 0;
    list.Delay = doc.getAttribInt("Delay");
    list.PlayMode = doc.getAttribInt("PlayMode");
    doc.intoElem();
    readItems(doc, list, state, depth);
    doc.outOfElem();
}
