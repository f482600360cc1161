// SPDX-License-Identifier: GPL-3.0-or-later
// How qelec-ctl reads keys (lights, triggers set and track alike) and colours from its command line.
#include "tools/cli/KeySelection.h"
#include "model/KeyboardVariant.h"
#include "tools/ctl/ColourText.h"

#include <gtest/gtest.h>

namespace {

struct Selected {
    const char* text;
    std::vector<int> keys;
};

TEST(KeySelection, NumbersNamesAndRangesNameKeysInAscendingOrderOnce) {
    std::vector<int> every;
    for (int key = 1; key <= 85; ++key)
        every.push_back(key);
    const Selected cases[] = {
        {"1", {1}},
        {"85", {85}},
        {"1-4", {1, 2, 3, 4}},
        {"16,1-3, 2", {1, 2, 3, 16}},
        {"Esc", {1}},
        {"esc,W", {1, 34}},
        {"Caps Lock", {47}},
        {" caps lock ", {47}},
        {"Q-P", {33, 34, 35, 36, 37, 38, 39, 40, 41, 42}},
        {"Esc-F2", {1, 2, 3}},
        {"-", {28}},
        {"+", {29}},
        {"-,+", {28, 29}},
        {"\\", {45}},
        {"RFn", {81}},
        {"78,79", {78, 79}},
        {"007", {7}},
        {"0085,07-009", {7, 8, 9, 85}},
        {"all", every},
        {"ALL,5", every},
    };
    for (const Selected& selected : cases) {
        const KeySelection selection = parseKeySelection(selected.text, KeyboardVariant::kRgb);
        EXPECT_TRUE(selection.ok()) << selected.text << ": " << selection.error;
        EXPECT_EQ(selection.keys, selected.keys) << selected.text;
    }
}

struct Refused {
    const char* text;
    const char* reason;
};

TEST(KeySelection, AnythingElseNamesNoKeyAndSaysWhy) {
    const Refused cases[] = {
        {"0", "there is no key 0"},
        {"86", "there is no key 86"},
        {"123456789012", "there is no key 123456789012"},
        {"Shift", "'Shift' names keys 61 and 72; give the number of one"},
        {"space", "'space' names keys 78 and 79"},
        {"Fn2", "'Fn2' is not a key"},
        {"", "no keys given: give all, key numbers 1 to 85"},
        {"  ", "no keys given"},
        {"000", "there is no key 000"},
        {"1,,2", "an empty key between commas"},
        {"3,", "an empty key between commas"},
        {"16-1", "the range '16-1' runs backwards"},
        {"1-99", "there is no key 99"},
        {"1-Shift", "'Shift' names keys 61 and 72"},
        {"#ff0000", "'#ff0000' is not a key"},
        {"1.5", "'1.5' is not a key"},
    };
    for (const Refused& refused : cases) {
        const KeySelection selection = parseKeySelection(refused.text, KeyboardVariant::kRgb);
        EXPECT_FALSE(selection.ok()) << refused.text;
        EXPECT_TRUE(selection.keys.empty()) << refused.text;
        EXPECT_NE(selection.error.find(refused.reason), std::string::npos)
            << refused.text << ": " << selection.error;
    }
}

TEST(ColourText, HexAndDecimalFormsGiveTheColour) {
    const std::pair<const char*, Rgb> cases[] = {
        {"#ff0000", 0xFF0000}, {"#FF8000", 0xFF8000}, {"00c0ff", 0x00C0FF},         {"#000000", 0},
        {"255,0,0", 0xFF0000}, {"1,2,3", 0x010203},   {" 0 , 128 ,255 ", 0x0080FF},
    };
    for (const auto& [text, colour] : cases)
        EXPECT_EQ(parseColourText(text), std::optional<Rgb>(colour)) << text;
}

TEST(ColourText, AnythingElseIsNoColour) {
    for (const char* text : {"", "#", "#ff00", "#ff00000", "#gg0000", "ff 000", "0xff0000", "red", "256,0,0",
                             "-1,0,0", "1,2", "1,2,3,4", "1,,3", "+1,2,3", "1.5,2,3", "#+f0000"})
        EXPECT_EQ(parseColourText(text), std::nullopt) << text;
}

} // namespace
