// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/HeatmapSvg.h"
#include "ReportStores.h"
#include "model/KeyboardVariant.h"
#include "model/profile/XmlDocument.h"
#include "support/TempDir.h"
#include "tools/cli/KeyLegends.h"
#include "tools/ctl/ColourScale.h"
#include "tools/ctl/HexColour.h"
#include "tools/ctl/KeyboardPicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

// One key as the picture draws it.
struct DrawnKey {
    int count = 0;
    std::string fill;
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    std::vector<std::string> texts; // the title, the legend and the count
};

double number(const XmlDocument& svg, const char* name) {
    return std::strtod(svg.getAttrib(name).c_str(), nullptr);
}

// The unescaped text of the current element, which holds text only.
std::string textOf(const XmlDocument& svg) {
    const std::string_view tag = svg.getStartTag();
    const std::string& document = svg.getDoc();
    const std::size_t start = static_cast<std::size_t>(tag.data() - document.data()) + tag.size();
    return XmlDocument::unescape(document.substr(start, document.find('<', start) - start));
}

// Moves into the first element named name whose attribute has value, among the current parent's.
bool enter(XmlDocument& svg, const char* name, const char* attribute, const char* value) {
    while (svg.findElem(name)) {
        if (svg.getAttrib(attribute) == value)
            return svg.intoElem();
    }
    return false;
}

DrawnKey readKey(XmlDocument& svg) {
    DrawnKey key;
    key.count = svg.getAttribInt("data-count");
    svg.intoElem();
    while (svg.findElem()) {
        if (svg.getTagName() == "rect") {
            key.fill = svg.getAttrib("fill");
            key.x = number(svg, "x");
            key.y = number(svg, "y");
            key.width = number(svg, "width");
            key.height = number(svg, "height");
        } else {
            key.texts.push_back(textOf(svg));
        }
    }
    svg.outOfElem();
    return key;
}

// The keys of a heatmap by key number; fails the test when the document is not well-formed.
std::map<int, DrawnKey> drawnKeys(const std::string& document) {
    XmlDocument svg;
    EXPECT_TRUE(svg.setDoc(document)) << svg.getResult();
    std::map<int, DrawnKey> keys;
    if (!svg.findElem("svg") || !svg.intoElem() || !svg.findElem("g") || !svg.intoElem())
        ADD_FAILURE() << "no drawing group";
    if (!enter(svg, "g", "id", "keys"))
        ADD_FAILURE() << "no group of keys";
    while (svg.findElem("g")) {
        const int number = svg.getAttribInt("data-key");
        EXPECT_TRUE(keys.emplace(number, readKey(svg)).second) << "key " << number << " drawn twice";
    }
    return keys;
}

Rgb colourOf(const std::string& hex) {
    return static_cast<Rgb>(std::stoul(hex.substr(1), nullptr, 16));
}

// Counts with ties, a zero and a key the keyboard gave no count for.
std::unique_ptr<CConfigStore> countedStore(int variant) {
    auto store = readyStore(variant);
    for (int key = kFirstKey; key <= kLastKey; ++key)
        store->pressCounts[key] = (key * 37) % 50;
    store->pressCounts[34] = 120;
    store->pressCounts[69] = kNoPressCount;
    store->findHighestAndLowestKeys();
    return store;
}

} // namespace

TEST(HeatmapSvg, DrawsEveryKeyOnceWhereThePictureHasItWithItsLegendAndCount) {
    for (int variant = KeyboardVariant::kRgbBle; variant <= KeyboardVariant::kRgb; ++variant) {
        SCOPED_TRACE(variant);
        auto store = countedStore(variant);
        const std::map<int, DrawnKey> keys = drawnKeys(heatmapSvg(*store));
        ASSERT_EQ(keys.size(), 85U);
        EXPECT_EQ(keys.begin()->first, 1);
        EXPECT_EQ(keys.rbegin()->first, 85);
        // Every key sits where the keyboard picture has it, all shifted alike and inset alike.
        const SkinRect esc = KeyboardPicture::keyRect(variant, 1);
        const double shiftX = keys.at(1).x - esc.left;
        const double shiftY = keys.at(1).y - esc.top;
        for (const auto& [number, key] : keys) {
            const SkinRect rect = KeyboardPicture::keyRect(variant, number);
            EXPECT_DOUBLE_EQ(key.x - rect.left, shiftX) << "key " << number;
            EXPECT_DOUBLE_EQ(key.y - rect.top, shiftY) << "key " << number;
            EXPECT_DOUBLE_EQ(rect.width() - key.width, esc.width() - keys.at(1).width) << "key " << number;
            EXPECT_DOUBLE_EQ(rect.height() - key.height, esc.height() - keys.at(1).height)
                << "key " << number;
            ASSERT_EQ(key.texts.size(), 3U) << "key " << number;
            EXPECT_EQ(key.texts[1], KeyLegends::keyLegend(variant, number));
            EXPECT_EQ(key.texts[2], std::to_string(key.count));
            EXPECT_EQ(key.count, std::max(0, store->pressCounts[number]));
        }
        EXPECT_EQ(keys.at(69).texts[1], "<") << "legends are escaped and read back";
        EXPECT_EQ(keys.at(58).texts[0], "' (key 58): " + std::to_string(keys.at(58).count) + " presses");
    }
}

TEST(HeatmapSvg, FillsFollowTheCountsFromDarkToLight) {
    auto store = countedStore(KeyboardVariant::kRgb);
    const std::map<int, DrawnKey> keys = drawnKeys(heatmapSvg(*store));
    std::vector<DrawnKey> byCount;
    for (const auto& entry : keys)
        byCount.push_back(entry.second);
    std::sort(byCount.begin(), byCount.end(),
              [](const DrawnKey& a, const DrawnKey& b) { return a.count < b.count; });
    ASSERT_EQ(byCount.size(), 85U);
    EXPECT_EQ(byCount.front().fill, hexColour(ColourScale::at(0.0)));
    EXPECT_EQ(byCount.back().fill, hexColour(ColourScale::at(1.0)));
    for (std::size_t i = 1; i < byCount.size(); ++i) {
        const DrawnKey& lower = byCount[i - 1];
        const DrawnKey& higher = byCount[i];
        if (lower.count == higher.count)
            EXPECT_EQ(lower.fill, higher.fill);
        else
            EXPECT_LT(ColourScale::luminance(colourOf(lower.fill)),
                      ColourScale::luminance(colourOf(higher.fill)))
                << lower.count << " and " << higher.count << " presses";
    }
}

TEST(HeatmapSvg, NamesTheHighestAndLowestKeys) {
    auto store = countedStore(KeyboardVariant::kS);
    const std::string svg = heatmapSvg(*store);
    EXPECT_NE(svg.find(">QelEC(S) press counts<"), std::string::npos);
    EXPECT_NE(svg.find(">Highest: key 34 (W), 120 presses<"), std::string::npos);
    EXPECT_NE(svg.find(">Lowest: key 23 (6), 1 press<"), std::string::npos) << "the fewest presses above 0";
    EXPECT_NE(svg.find(">2244 presses on 85 keys (2 never pressed), each key"), std::string::npos) << svg;

    store->pressCounts.fill(0);
    store->findHighestAndLowestKeys();
    const std::string unpressed = heatmapSvg(*store);
    EXPECT_NE(unpressed.find(">Highest: none, no key has been pressed<"), std::string::npos);
    EXPECT_EQ(drawnKeys(unpressed).size(), 85U);
}

TEST(HeatmapSvg, RendersToAPictureOfItsSize) {
    if (std::system("command -v rsvg-convert >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "rsvg-convert is not installed";
    TempDir dir;
    std::ofstream(dir.file("heat.svg"), std::ios::binary) << heatmapSvg(*countedStore(KeyboardVariant::kRgb));
    const std::string command =
        "rsvg-convert '" + dir.file("heat.svg") + "' -o '" + dir.file("heat.png") + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream png(dir.file("heat.png"), std::ios::binary);
    unsigned char header[24] = {};
    png.read(reinterpret_cast<char*>(header), sizeof header);
    ASSERT_TRUE(png) << "no picture written";
    const auto width = (header[16] << 24) | (header[17] << 16) | (header[18] << 8) | header[19];
    EXPECT_EQ(std::string(reinterpret_cast<char*>(header) + 1, 3), "PNG");
    EXPECT_EQ(width, 1134) << "756 units shown one and a half times as large";
}

TEST(ColourScale, RunsFromItsFirstAnchorToItsLastGettingLighterAllTheWay) {
    const auto anchors = ColourScale::anchors();
    EXPECT_EQ(ColourScale::at(0.0), anchors.front());
    EXPECT_EQ(ColourScale::at(1.0), anchors.back());
    EXPECT_EQ(ColourScale::at(-3.0), anchors.front());
    EXPECT_EQ(ColourScale::at(7.0), anchors.back());
    EXPECT_EQ(ColourScale::at(0.5), anchors[anchors.size() / 2]);
    double previous = -1.0;
    for (int step = 0; step <= 64; ++step) {
        const double lightness = ColourScale::luminance(ColourScale::at(step / 64.0));
        EXPECT_GT(lightness, previous) << "at step " << step;
        previous = lightness;
    }
}
