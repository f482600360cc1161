// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/SvgWriter.h"

#include "model/profile/XmlDocument.h"
#include "tools/ctl/PrintableText.h"

#include <cmath>
#include <cstdio>

std::string svgNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", std::round(value * 100.0) / 100.0);
    std::string number = text;
    while (number.back() == '0')
        number.pop_back();
    if (number.back() == '.')
        number.pop_back();
    return number == "-0" ? "0" : number;
}

SvgWriter::SvgWriter(double width, double height, double scale) {
    svg_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    open("svg", {{"xmlns", "http://www.w3.org/2000/svg"},
                 {"width", svgNumber(width * scale)},
                 {"height", svgNumber(height * scale)},
                 {"viewBox", "0 0 " + svgNumber(width) + " " + svgNumber(height)}});
}

void SvgWriter::startTag(std::string_view name, std::initializer_list<SvgAttribute> attributes) {
    svg_.append(2 * open_.size(), ' ');
    svg_ += '<';
    svg_ += name;
    for (const SvgAttribute& attribute : attributes) {
        svg_ += ' ';
        svg_ += attribute.name;
        svg_ += "=\"";
        svg_ += XmlDocument::escapeAttrib(printable(attribute.value));
        svg_ += '"';
    }
}

void SvgWriter::open(std::string_view name, std::initializer_list<SvgAttribute> attributes) {
    startTag(name, attributes);
    svg_ += ">\n";
    open_.emplace_back(name);
}

void SvgWriter::element(std::string_view name, std::initializer_list<SvgAttribute> attributes) {
    startTag(name, attributes);
    svg_ += "/>\n";
}

void SvgWriter::text(std::string_view name, std::initializer_list<SvgAttribute> attributes,
                     std::string_view content) {
    startTag(name, attributes);
    svg_ += '>';
    svg_ += XmlDocument::escapeText(printable(content));
    svg_ += "</";
    svg_ += name;
    svg_ += ">\n";
}

void SvgWriter::close() {
    if (open_.empty())
        return;
    const std::string name = std::move(open_.back());
    open_.pop_back();
    svg_.append(2 * open_.size(), ' ');
    svg_ += "</" + name + ">\n";
}

std::string SvgWriter::finish() {
    while (!open_.empty())
        close();
    return std::move(svg_);
}
