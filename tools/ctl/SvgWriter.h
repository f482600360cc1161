// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// An attribute of an SVG element: its name and its value, escaped when written.
struct SvgAttribute {
    std::string_view name;
    std::string value;
};

// A number as SVG writes it: at most two decimals, without trailing zeros ("12", "12.5").
std::string svgNumber(double value);

// Writes an SVG document element by element, one element a line, indented by depth. Every attribute
// value and text is made printable() (XML 1.0 takes no control character but tab and line breaks,
// not even as a reference) and escaped, so any key legend or file name can go in.
class SvgWriter {
public:
    // Starts the document: the XML declaration and the svg element with a view box of width by height
    // user units, shown at scale times that size.
    SvgWriter(double width, double height, double scale);

    // Opens an element that holds others; close() ends it.
    void open(std::string_view name, std::initializer_list<SvgAttribute> attributes = {});
    // An element without content.
    void element(std::string_view name, std::initializer_list<SvgAttribute> attributes);
    // An element holding only text.
    void text(std::string_view name, std::initializer_list<SvgAttribute> attributes,
              std::string_view content);
    // Ends the element opened last.
    void close();
    // Ends every element still open and hands out the document.
    std::string finish();

private:
    void startTag(std::string_view name, std::initializer_list<SvgAttribute> attributes);

    std::string svg_;
    std::vector<std::string> open_;
};
