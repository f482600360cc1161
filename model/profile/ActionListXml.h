#pragma once

#include "model/ActionList.h"

#include <string>
#include <vector>

class XmlDocument;

// Writes list as a "List" element after the document's current element, its items as "x" children
// holding their own lists.
void writeActionList(XmlDocument& doc, const ActionList& list);

// Bounds and findings shared by every list read during one profile load.
struct ActionListReadState {
    int gapItemsLeft;
    std::vector<std::string>* skipped;
    int skippedLimit;
    void skip(std::string what);
};

// Reads the next "List" element among the document's current children into list: cleared first
// (SizeOfView kept), left clear when there is none. depth counts the lists above this one.
void readActionList(XmlDocument& doc, ActionList& list, ActionListReadState& state, int depth = 0);
