// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

// One attribute of a result entry: a text or a number.
struct XmlReportAttr {
    XmlReportAttr(std::string_view attrName, std::string_view attrText) : name(attrName), text(attrText) {}
    XmlReportAttr(std::string_view attrName, long long attrNumber)
        : name(attrName), number(attrNumber), isNumber(true) {}
    std::string_view name;
    std::string_view text;
    long long number = 0;
    bool isNumber = false;
};

// Appends event entries such as <lone_end_tag tagname="a" offset="9"/> to a result text, and stops
// once the text has grown past its cap.
class XmlReport {
public:
    // The result text takes no more entries once it is longer than this.
    static constexpr std::size_t kCap = 999;

    explicit XmlReport(std::string& text) : text_(text) {}

    // Whether further entries are dropped.
    bool full() const { return text_.size() > kCap; }
    // Appends one entry named after the event, unless the text is full.
    void add(std::string_view event, std::initializer_list<XmlReportAttr> attrs = {});

private:
    std::string& text_;
};
