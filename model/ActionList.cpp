// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ActionList.h"

#include <algorithm>
#include <cstdint>

namespace {
const std::string kEmptyText;
} // namespace

void ActionList::clear() {
    items_.clear();
    children_.clear();
    ViewStartAt = 0;
    CursorPos = 0;
    Cycles = 1;
    IsAutoInterval = false;
    Delay = 30;
    PlayMode = 0;
}

void ActionList::assign(const ActionList& other) {
    if (this == &other)
        return;
    *this = other;
}

int ActionList::absoluteIndex(int row) const {
    const std::int64_t index = std::int64_t{ViewStartAt} + row;
    if (index < 0 || index >= count())
        return -1;
    return static_cast<int>(index);
}

const std::string& ActionList::item(int i) const {
    const int index = absoluteIndex(i);
    return index < 0 ? kEmptyText : items_[static_cast<std::size_t>(index)];
}

ActionList ActionList::child(int i) const {
    const int index = absoluteIndex(i);
    if (index < 0)
        return ActionList(SizeOfView);
    return children_[static_cast<std::size_t>(index)];
}

void ActionList::setChild(int i, const ActionList& list) {
    const int index = absoluteIndex(i);
    if (index >= 0)
        children_[static_cast<std::size_t>(index)] = list;
}

void ActionList::setOrAppend(int i, std::string text) {
    const int index = absoluteIndex(i);
    if (index >= 0)
        items_[static_cast<std::size_t>(index)] = std::move(text);
    else
        append(std::move(text));
}

void ActionList::insert(int i, std::string text) {
    const int index = absoluteIndex(i);
    if (index < 0) {
        append(std::move(text));
        return;
    }
    items_.insert(items_.begin() + index, std::move(text));
    children_.insert(children_.begin() + index, ActionList());
}

void ActionList::append(std::string text) {
    items_.push_back(std::move(text));
    children_.emplace_back();
    scrollToEnd();
}

void ActionList::scrollToEnd() {
    const int rest = count() - ViewStartAt;
    if (rest - SizeOfView < 1) {
        CursorPos = rest - 1;
    } else {
        ViewStartAt += rest - SizeOfView;
        CursorPos = SizeOfView - 1;
    }
}

void ActionList::remove(int i) {
    if (items_.empty())
        return;
    const std::int64_t wanted = std::int64_t{ViewStartAt} + i;
    if (wanted < 0)
        return;
    const auto index = static_cast<std::size_t>(std::min<std::int64_t>(wanted, count() - 1));
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    children_.erase(children_.begin() + static_cast<std::ptrdiff_t>(index));
    if (items_.empty()) {
        ViewStartAt = 0;
        CursorPos = 0;
        return;
    }
    if (ViewStartAt > count() - 1)
        ViewStartAt = count() - 1;
    if (CursorPos > count() - ViewStartAt - 1)
        CursorPos = count() - ViewStartAt - 1;
}

void ActionList::select(int n) {
    if (items_.empty())
        return;
    n = std::clamp(n, 0, count() - 1);
    if (n >= ViewStartAt && std::int64_t{n} < std::int64_t{ViewStartAt} + SizeOfView) {
        CursorPos = n - ViewStartAt;
    } else {
        ViewStartAt = n;
        CursorPos = 0;
    }
}

int ActionList::find(std::string_view text) const {
    const auto found = std::find(items_.begin(), items_.end(), text);
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

bool ActionList::equals(const ActionList& other) const {
    return items_ == other.items_ && Cycles == other.Cycles && IsAutoInterval == other.IsAutoInterval &&
           Delay == other.Delay && PlayMode == other.PlayMode;
}

void ActionList::addToLibrary(ActionList& library, const ActionList& list) {
    const auto& entries = library.children_;
    const auto same = std::find_if(entries.begin(), entries.end(),
                                   [&list](const ActionList& entry) { return entry.equals(list); });
    if (same != entries.end()) {
        library.select(static_cast<int>(same - entries.begin()));
        return;
    }
    library.append("default");
    library.children_.back() = list;
}

void ActionList::reserve(std::size_t items) {
    items_.reserve(items);
    children_.reserve(items);
}

void ActionList::appendEmptyItem() {
    children_.emplace_back();
    try {
        items_.emplace_back();
    } catch (...) {
        children_.pop_back();
        throw;
    }
}

void ActionList::setAt(int index, std::string text, ActionList child) {
    if (index < 0)
        return;
    const auto at = static_cast<std::size_t>(index);
    // Readers mostly fill the items in order.
    if (at == items_.size()) {
        items_.push_back(std::move(text));
        children_.push_back(std::move(child));
        return;
    }
    if (at > items_.size()) {
        items_.resize(at + 1);
        children_.resize(at + 1);
    }
    items_[at] = std::move(text);
    children_[at] = std::move(child);
}
