// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ActionItem.h"

#include <climits>

namespace {

constexpr std::string_view kDelayStart = "<";
constexpr std::string_view kDelayEnd = " ms>";
// What marks an item as a delay.
constexpr std::string_view kDelayMark = "ms>";
constexpr std::string_view kPressSuffix = " Down";
constexpr std::string_view kReleaseSuffix = " UP";

// Decimal number at the start of text: optional white space and sign, then digits; saturates.
int leadingDecimal(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    long long value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > INT_MAX)
            return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}

// item without suffix, when it ends in suffix after something.
std::optional<std::string_view> beforeSuffix(std::string_view item, std::string_view suffix) {
    if (item.size() <= suffix.size() || !item.ends_with(suffix))
        return std::nullopt;
    return item.substr(0, item.size() - suffix.size());
}

} // namespace

namespace ActionItem {

std::string delay(int milliseconds) {
    return std::string(kDelayStart) + std::to_string(milliseconds) + std::string(kDelayEnd);
}

std::string keyEvent(std::string_view key, bool press) {
    return std::string(key) + std::string(press ? kPressSuffix : kReleaseSuffix);
}

bool isDelay(std::string_view item) {
    return item.find(kDelayMark) != std::string_view::npos;
}

bool isBracketedDelay(std::string_view item) {
    if (item.size() <= kDelayStart.size() + kDelayMark.size())
        return false;
    return item.starts_with(kDelayStart) && item.ends_with(kDelayMark) && item.find('>') == item.size() - 1;
}

std::string_view delayNumberText(std::string_view item) {
    const std::size_t framing = kDelayStart.size() + kDelayEnd.size();
    if (item.size() < framing)
        return {};
    return item.substr(kDelayStart.size(), item.size() - framing);
}

int delayMilliseconds(std::string_view item) {
    return leadingDecimal(delayNumberText(item));
}

std::optional<std::string_view> keyOfEvent(std::string_view item) {
    if (const auto key = beforeSuffix(item, kPressSuffix))
        return key;
    return beforeSuffix(item, kReleaseSuffix);
}

} // namespace ActionItem
