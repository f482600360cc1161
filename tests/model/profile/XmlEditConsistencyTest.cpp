// SPDX-License-Identifier: GPL-3.0-or-later
// Edits shift the element index in place; after any sequence of them the index must describe the
// text exactly as a fresh parse of that text does.
#include "model/profile/XmlDocument.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

namespace {

constexpr std::array<const char*, 4> kNames = {"a", "b", "List", "x"};
constexpr std::array<const char*, 4> kAttribs = {"ID", "t1", "k", "Delay"};
constexpr std::array<const char*, 5> kValues = {"", "1", "a \"q\" & <b>", "long value with several words",
                                                "'"};

// Walks both documents in the same order and compares every element's name and attributes.
void expectSameTree(XmlDocument& edited, XmlDocument& reparsed) {
    edited.resetPos();
    reparsed.resetPos();
    int depth = 0;
    int elements = 0;
    while (true) {
        const bool found = edited.findElem();
        ASSERT_EQ(found, reparsed.findElem()) << "after " << elements << " elements";
        if (found) {
            ++elements;
            ASSERT_EQ(edited.getTagName(), reparsed.getTagName());
            for (const char* attrib : kAttribs)
                ASSERT_EQ(edited.getAttrib(attrib), reparsed.getAttrib(attrib)) << edited.getTagName();
            edited.intoElem();
            reparsed.intoElem();
            ++depth;
        } else if (depth > 0) {
            edited.outOfElem();
            reparsed.outOfElem();
            --depth;
        } else {
            break;
        }
    }
}

std::string withoutRootCountEntries(std::string result) {
    for (const std::string entry : {"<no_root_element/>", "<root_has_sibling "}) {
        const std::size_t at = result.find(entry);
        if (at != std::string::npos)
            result.erase(at, result.find("/>", at) + 2 - at);
    }
    return result;
}

void randomEdits(XmlDocument& doc, std::mt19937& random, int count) {
    const auto pick = [&random](auto& table) { return table[random() % table.size()]; };
    for (int i = 0; i < count; ++i) {
        switch (random() % 7) {
        case 0:
        case 1:
            doc.addElem(pick(kNames));
            break;
        case 2:
            doc.setAttrib(pick(kAttribs), pick(kValues));
            break;
        case 3:
            doc.setAttrib(pick(kAttribs), static_cast<int>(random() % 2000) - 1000);
            break;
        case 4:
            doc.intoElem();
            break;
        case 5:
            doc.outOfElem();
            break;
        default:
            doc.findElem(random() % 2 == 0 ? "" : pick(kNames));
            break;
        }
    }
}

} // namespace

TEST(XmlEditConsistency, RandomEditsMatchAFreshParse) {
    const char* starts[] = {
        "",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n",
        "<?xml version=\"1.0\"?>\n<!-- note --><r a='1'>text<![CDATA[<x/>]]><x/><List k=\"v\"></List>"
        "<?pi data?><b/>tail</r>\n<!-- end -->",
        "<r><a><b><List/></b></a><x ID=\"3\"/></r>",
    };
    std::mt19937 random(20240611);
    for (const char* start : starts) {
        XmlDocument doc;
        doc.setDoc(start);
        for (int round = 0; round < 60; ++round) {
            doc.resetPos();
            randomEdits(doc, random, 25);
            XmlDocument reparsed;
            reparsed.setDoc(doc.getDoc());
            // Edits may add top-level elements, but never break the markup.
            EXPECT_EQ(withoutRootCountEntries(reparsed.getResult()), "") << doc.getDoc();
            expectSameTree(doc, reparsed);
            if (testing::Test::HasFatalFailure())
                FAIL() << "start " << start << ", round " << round << ", text:\n" << doc.getDoc();
        }
    }
}

TEST(XmlEditConsistency, ProfileSizedBuildNeedsNoReparse) {
    XmlDocument doc;
    doc.setDoc("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n");
    doc.addElem("QelEC(RGB)");
    doc.intoElem();
    doc.addElem("CurrentSettings");
    doc.intoElem();
    for (int id = 1; id <= 85; ++id) {
        for (int level = 0; level < 9; ++level) {
            doc.addElem("KEY");
            doc.setAttrib("ID", id);
            doc.setAttrib("Level", level);
            doc.intoElem();
            doc.addElem("ComboKey");
            doc.intoElem();
            doc.addElem("List");
            doc.setAttrib("Delay", 30);
            doc.outOfElem();
            doc.outOfElem();
        }
    }
    XmlDocument reparsed;
    ASSERT_TRUE(reparsed.setDoc(doc.getDoc())) << reparsed.getResult();
    expectSameTree(doc, reparsed);
}
