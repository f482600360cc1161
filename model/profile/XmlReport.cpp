// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/profile/XmlReport.h"

#include "model/profile/XmlEntities.h"

#include <charconv>

void XmlReport::add(std::string_view event, std::initializer_list<XmlReportAttr> attrs) {
    if (full())
        return;
    text_ += '<';
    text_ += event;
    for (const XmlReportAttr& attr : attrs) {
        text_ += ' ';
        text_ += attr.name;
        text_ += "=\"";
        if (attr.isNumber) {
            char digits[24];
            const auto converted = std::to_chars(digits, digits + sizeof digits, attr.number);
            text_.append(digits, converted.ptr);
        } else {
            xml::appendEscaped(text_, attr.text, xml::EscapeMode::Attribute);
        }
        text_ += '"';
    }
    text_ += "/>";
}
