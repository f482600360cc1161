// SPDX-License-Identifier: GPL-3.0-or-later
// Parses arbitrary bytes as a document, walks every element it found and edits it.
#include "model/profile/XmlDocument.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void walk(XmlDocument& doc, int depth) {
    while (doc.findElem()) {
        (void)doc.getTagName();
        (void)doc.getAttrib("ID");
        (void)doc.getAttribInt("t1");
        if (depth < 64 && doc.intoElem()) {
            walk(doc, depth + 1);
            doc.outOfElem();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    XmlDocument doc;
    doc.setDoc(std::string_view(reinterpret_cast<const char*>(data), size));
    walk(doc, 0);
    doc.resetPos();
    if (doc.findElem()) {
        doc.setAttrib("ID", 7);
        doc.intoElem();
        doc.addElem("x");
        doc.setAttrib("t1", "\"&<>'");
    }
    (void)doc.getResult();
    return 0;
}
