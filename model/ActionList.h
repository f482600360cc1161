// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// An ordered list of text items, each with a child list of its own, plus the fields of the list view
// that shows it and of the keyboard playing it. Used for the three libraries (items are entry names,
// children the recorded actions) and for each key's combination, macro or emulation (items are key
// names, key events and delay entries; children stay empty).
//
// Index arguments count from ViewStartAt, the first visible row. The public fields keep the names of
// their profile attributes.
class ActionList {
public:
    // Index that callers pass to setOrAppend and insert to append.
    static constexpr int kAppend = 20000;

    int SizeOfView = 0;
    int ViewStartAt = 0;
    int CursorPos = 0;
    int Cycles = 1;
    bool IsAutoInterval = false;
    int Delay = 30;
    int PlayMode = 0;

    ActionList() = default;
    explicit ActionList(int sizeOfView) : SizeOfView(sizeOfView) {}

    int count() const { return static_cast<int>(items_.size()); }
    bool empty() const { return items_.empty(); }
    const std::vector<std::string>& items() const { return items_; }
    const std::vector<ActionList>& children() const { return children_; }

    // Removes every item; view and play fields back to their defaults, SizeOfView kept.
    void clear();
    // Deep copy of every field, item and child.
    void assign(const ActionList& other);

    // The item at row i of the view, or an empty text when there is none.
    const std::string& item(int i) const;
    // A copy of the child at row i, or a new list with this list's SizeOfView when there is none.
    ActionList child(int i) const;
    void setChild(int i, const ActionList& list);
    // Replaces the text at row i, or appends it (with an empty child) and scrolls to the end.
    void setOrAppend(int i, std::string text);
    // Inserts the text (with an empty child) before row i, or appends and scrolls to the end.
    void insert(int i, std::string text);
    // Removes the item at row i (the last one when i is past the end) and keeps the view in range.
    void remove(int i);
    // Selects absolute index n (clamped): moves the cursor, or scrolls so that n is the first row.
    void select(int n);

    // Absolute index of the first item equal to text, or -1.
    int find(std::string_view text) const;
    // Same items in order and the same play fields; view fields and children are not compared.
    bool equals(const ActionList& other) const;

    // Selects the library entry whose actions equal list, or appends a new entry "default" holding a
    // copy of list.
    static void addToLibrary(ActionList& library, const ActionList& list);

    // Makes room for that many items and children, for a reader that knows how many follow.
    void reserve(std::size_t items);
    // Fills items and children at an absolute index, growing both with empty entries as needed. Used
    // by readers that take indices from a file; the caller bounds index.
    void setAt(int index, std::string text, ActionList child);
    // Appends an empty item with a new child list, for a reader that fills both in place through
    // lastItem and lastChild.
    void appendEmptyItem();
    std::string& lastItem() { return items_.back(); }
    ActionList& lastChild() { return children_.back(); }

private:
    // Absolute index of row i, or -1 when out of range.
    int absoluteIndex(int row) const;
    void append(std::string text);
    void scrollToEnd();

    std::vector<std::string> items_;
    std::vector<ActionList> children_;
};
