// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/catalogue/DeviceCodeTable.h"
#include "model/catalogue/FunctionNotes.h"
#include "model/catalogue/KeyNameTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <set>
#include <string_view>
#include <utility>

namespace {

constexpr std::string_view kReservedEn = "Function Notes:None,Reserved";
constexpr std::string_view kReservedZh = "功能注释：无，保留备用";

// Codes in 126..209 whose function is reserved.
std::set<int> reservedNoteCodes() {
    std::set<int> codes{140, 141, 151, 176, 179, 200, 201, 202, 205, 206};
    for (int c = 160; c <= 165; ++c)
        codes.insert(c);
    for (int c = 183; c <= 197; ++c)
        codes.insert(c);
    return codes;
}

// Device codes that no key index carries.
std::set<int> unusedCodes() {
    std::set<int> codes{200, 201, 202, 205, 206};
    for (int c = 184; c <= 197; ++c)
        codes.insert(c);
    return codes;
}

const char* nameOf(int index) {
    const auto names = keyNameTable();
    const auto it = std::ranges::find(names, index, &KeyNameEntry::index);
    return it == names.end() ? nullptr : it->name;
}

int codeOf(int index) {
    const auto table = deviceCodeTable();
    const auto it = std::ranges::find(table, index, &DeviceCodeEntry::keyIndex);
    return it == table.end() ? 0 : it->code;
}

bool startsWith(const char* text, std::string_view prefix) {
    return text != nullptr && std::string_view(text).starts_with(prefix);
}

TEST(KeyNameTable, HasAllNamesInStrictlyAscendingIndexOrder) {
    const auto names = keyNameTable();
    ASSERT_EQ(names.size(), 262u);
    int previous = -1;
    for (const KeyNameEntry& e : names) {
        EXPECT_GT(e.index, previous) << "index " << e.index;
        EXPECT_GE(e.index, 0);
        EXPECT_LE(e.index, 1023);
        ASSERT_NE(e.name, nullptr) << "index " << e.index;
        EXPECT_STRNE(e.name, "") << "index " << e.index;
        previous = e.index;
    }
}

TEST(KeyNameTable, SpotChecks) {
    const std::pair<int, std::string_view> expected[] = {
        {1, "Left mouse button"},
        {48, "0"},
        {57, "9"},
        {65, "A"},
        {90, "Z"},
        {96, "(0)"},
        {105, "(9)"},
        {112, "F1"},
        {135, "F24"},
        {192, "`"},
        {220, "\\"},
        {223, "Used for miscellaneous characters; it can vary by keyboard."},
        {226, "`(> Europe2)"},
        {269, "(Enter)"},
        {332, "Sleep"},
        {381, "WWW Favorities"},
        {421, "Reserved"},
        {433, "Backspace and /| Exchange"},
        {438, "Low Latency Dongle"},
        {465, "Screen Brightness+"},
    };
    for (const auto& [index, name] : expected) {
        ASSERT_NE(nameOf(index), nullptr) << "index " << index;
        EXPECT_EQ(nameOf(index), name) << "index " << index;
    }
    EXPECT_TRUE(startsWith(nameOf(231), "Used to pass Unicode characters as if they were keystrokes."));
    for (int absent : {0, 7, 14, 58, 64, 136, 143, 255, 439, 453, 466, 999})
        EXPECT_EQ(nameOf(absent), nullptr) << "index " << absent;
}

TEST(DeviceCodeTable, IsAscendingByKeyIndexWithCodesInRange) {
    const auto table = deviceCodeTable();
    ASSERT_EQ(table.size(), 203u);
    int previous = -1;
    for (const DeviceCodeEntry& e : table) {
        EXPECT_GT(e.keyIndex, previous) << "index " << e.keyIndex;
        EXPECT_GE(e.code, 1) << "index " << e.keyIndex;
        EXPECT_LE(e.code, 221) << "index " << e.keyIndex;
        if (e.keyIndex != 439 && e.keyIndex != 999) {
            EXPECT_NE(nameOf(e.keyIndex), nullptr) << "index " << e.keyIndex << " has no name";
        }
        previous = e.keyIndex;
    }
}

TEST(DeviceCodeTable, EveryUsedCodeIsCarriedOnceExceptPower) {
    std::multiset<int> carried;
    for (const DeviceCodeEntry& e : deviceCodeTable())
        carried.insert(e.code);
    const std::set<int> unused = unusedCodes();
    for (int code = 1; code <= 221; ++code) {
        const std::size_t expected = unused.contains(code) ? 0u : code == 77 ? 2u : 1u;
        EXPECT_EQ(carried.count(code), expected) << "code " << code;
    }
}

TEST(DeviceCodeTable, SpotChecks) {
    const std::pair<int, int> expected[] = {
        {27, 1},    {112, 2},   {123, 13},  {192, 14},  {49, 15},   {48, 24},   {8, 27},
        {220, 41},  {65, 43},   {13, 54},   {160, 55},  {90, 56},   {161, 66},  {91, 68},
        {163, 74},  {331, 75},  {332, 76},  {333, 77},  {999, 77},  {44, 78},   {40, 89},
        {144, 91},  {111, 92},  {103, 94},  {96, 103},  {107, 106}, {269, 107}, {364, 108},
        {381, 125}, {382, 126}, {390, 134}, {391, 135}, {438, 182}, {439, 183}, {454, 198},
        {455, 199}, {459, 203}, {226, 204}, {463, 207}, {465, 209}, {124, 210}, {135, 221},
    };
    for (const auto& [index, code] : expected)
        EXPECT_EQ(codeOf(index), code) << "index " << index;
    EXPECT_EQ(codeOf(95), 0) << "the first \"Sleep\" has no device code";
}

TEST(FunctionNotes, OneNotePerCodeWithBothLanguages) {
    const auto notes = functionNotes();
    ASSERT_EQ(notes.size(), 84u);
    const std::set<int> reserved = reservedNoteCodes();
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const FunctionNote& n = notes[i];
        EXPECT_EQ(n.code, 126 + static_cast<int>(i));
        EXPECT_TRUE(startsWith(n.en, "Function Notes:")) << "code " << n.code;
        EXPECT_TRUE(startsWith(n.zh, "功能注释：")) << "code " << n.code;
        if (n.en == nullptr || n.zh == nullptr)
            continue;
        const bool isReserved = reserved.contains(n.code);
        EXPECT_EQ(n.en == kReservedEn, isReserved) << "code " << n.code;
        EXPECT_EQ(n.zh == kReservedZh, isReserved) << "code " << n.code;
    }
    EXPECT_STREQ(notes[199 - 126].en, "Function Notes:The Left key of mouse to Double Click");
    EXPECT_STREQ(notes[204 - 126].en, "Function Notes:European key,Europe2(`~or>|)");
    EXPECT_STREQ(notes[156 - 126].en,
                 "Function Notes:Fn key,Key's 3 layer must be set to Fn,It's position can be moved");
}

TEST(FunctionNotes, WiredIndicatorNotesReplaceThreeWirelessOnes) {
    const auto wired = wiredIndicatorNotes();
    ASSERT_EQ(wired.size(), 3u);
    const int codes[] = {150, 153, 155};
    for (std::size_t i = 0; i < wired.size(); ++i) {
        const FunctionNote& w = wired[i];
        EXPECT_EQ(w.code, codes[i]);
        ASSERT_TRUE(startsWith(w.en, "Function Notes:")) << "code " << w.code;
        ASSERT_TRUE(startsWith(w.zh, "功能注释：")) << "code " << w.code;
        const FunctionNote& wireless = functionNotes()[static_cast<std::size_t>(w.code - 126)];
        EXPECT_STRNE(w.en, wireless.en) << "code " << w.code;
        EXPECT_STRNE(w.zh, wireless.zh) << "code " << w.code;
    }
    EXPECT_STREQ(wired[0].en, "Function Notes:Keyboard Lock(Lock,the keylock indicator is on and Unlock,"
                              "keylock indicator is off;Power down don't memory)");
}

} // namespace
