// SPDX-License-Identifier: GPL-3.0-or-later
// What qelec-ctl and qelec-vkbd share on their command lines: the option parser, whole numbers,
// trimmed words, wrapped help lines and the list of key names.
#include "TextLines.h"
#include "model/KeyboardVariant.h"
#include "tools/cli/ArgumentParser.h"
#include "tools/cli/CommandTable.h"
#include "tools/cli/KeyLegends.h"
#include "tools/cli/KeyNameList.h"
#include "tools/cli/KeySelection.h"
#include "tools/cli/TextWords.h"
#include "tools/cli/WholeNumber.h"
#include "tools/cli/WordWrap.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>

namespace {

const std::vector<OptionSpec> kRules = {{"--state", true}, {"--csv", false}};

TEST(ArgumentParser, SortsOptionsFlagsAndWordsAndTakesTheLastValue) {
    std::string error;
    const auto parsed = parseArguments(
        {"lights", "--state", "a.txt", "-", "-5", "--", "--csv", "--state=b.txt"}, kRules, error);
    ASSERT_TRUE(parsed) << error;
    EXPECT_EQ(parsed->positionals, (std::vector<std::string>{"lights", "-", "-5", "--"}));
    ASSERT_NE(parsed->value("--state"), nullptr);
    EXPECT_EQ(*parsed->value("--state"), "b.txt");
    EXPECT_TRUE(parsed->has("--csv"));
    EXPECT_EQ(parsed->value("--csv"), nullptr);
}

TEST(ArgumentParser, SaysWhatItCannotSort) {
    const std::pair<std::vector<std::string>, const char*> wrong[] = {
        {{"--colour", "red"}, "unknown option '--colour'"},
        {{"--colour=red"}, "unknown option '--colour'"},
        {{"lights", "--state"}, "--state needs a value"},
        {{"--csv=yes"}, "--csv takes no value"},
    };
    for (const auto& [words, message] : wrong) {
        std::string error;
        EXPECT_FALSE(parseArguments(words, kRules, error)) << message;
        EXPECT_EQ(error, message);
    }
}

TEST(WholeNumber, ReadsTheWholeTextWithinItsRange) {
    const struct {
        const char* text;
        std::optional<std::int64_t> value;
    } cases[] = {
        {"7", 7},   {"007", 7},  {"1", 1},   {"85", 85},   {"0", {}},
        {"86", {}}, {"+7", {}},  {"7 ", {}}, {" 7", {}},   {"", {}},
        {"7x", {}}, {"1.0", {}}, {"-1", {}}, {"0x10", {}}, {"99999999999999999999999", {}},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(parseWholeNumber(text, 1, 85), value) << "'" << text << "'";
    EXPECT_EQ(parseWholeNumber("-3", -5, 5), -3);
    std::string error;
    EXPECT_FALSE(parseInteger("86", 1, 85, "key", error));
    EXPECT_EQ(error, "bad key '86' (expected a number 1..85)");
}

TEST(TextWords, TrimCompareAndTellDigits) {
    EXPECT_EQ(trimmed(" \tCaps Lock \n"), "Caps Lock");
    EXPECT_EQ(trimmed("   "), "");
    EXPECT_TRUE(sameIgnoringCase("caps LOCK", "Caps Lock"));
    EXPECT_FALSE(sameIgnoringCase("Caps", "Caps Lock"));
    EXPECT_TRUE(allDigits("0085"));
    for (const char* notDigits : {"", "8.5", "-8", " 8", "8a"})
        EXPECT_FALSE(allDigits(notDigits)) << notDigits;
}

TEST(WordWrap, KeepsEveryLineWithinTheWidthAndIndentsTheRest) {
    const std::string text = wrapped("one two three four five six", 2, 4, 14);
    EXPECT_EQ(text, "  one two\n    three four\n    five six\n");
    EXPECT_EQ(wrapped("unbreakable-word x", 0, 2, 5), "unbreakable-word\n  x\n");
    EXPECT_EQ(joinedAsList({"defaults"}), "defaults");
    EXPECT_EQ(joinedAsList({"defaults", "check"}), "defaults and check");
    EXPECT_EQ(joinedAsList({"a", "b", "c"}), "a, b and c");
}

// The keys of the list's rows ("  33 Q             34 W ..."): the number, a space, and a name that
// holds single spaces only.
std::map<int, std::string> listedKeys(const std::string& list) {
    static const std::regex row(R"(^ +\d+ )");
    static const std::regex cell(R"((\d+) ((?:\S| (?=\S))+))");
    std::map<int, std::string> keys;
    for (const std::string& line : linesOf(list)) {
        if (!std::regex_search(line, row))
            continue;
        for (auto it = std::sregex_iterator(line.begin(), line.end(), cell); it != std::sregex_iterator();
             ++it)
            EXPECT_TRUE(keys.emplace(std::stoi((*it)[1]), (*it)[2]).second) << "listed twice: " << (*it)[0];
    }
    return keys;
}

// The list shows every key with the name the commands print, and each name either names its key or
// is said to need the number.
TEST(KeyNameList, ListsEveryKeyByTheNameTheCommandsTakeOrSaysToUseItsNumber) {
    const std::string list = keyNameListText(100);
    for (const std::string& line : linesOf(list))
        EXPECT_LE(line.size(), 100U) << line;
    const std::map<int, std::string> keys = listedKeys(list);
    ASSERT_EQ(keys.size(), 85U) << list;
    for (const auto& [key, name] : keys) {
        EXPECT_EQ(name, KeyLegends::keyLegend(KeyboardVariant::kRgb, key)) << key;
        const KeySelection selection = parseKeySelection(name, KeyboardVariant::kRgb);
        if (selection.ok() && selection.keys == std::vector<int>{key})
            continue;
        const bool shared = list.find(name + " (") != std::string::npos &&
                            list.find(std::to_string(key), list.find(name + " (")) != std::string::npos;
        EXPECT_TRUE(shared || allDigits(name)) << "key " << key << " '" << name << "' cannot be named so";
    }
    EXPECT_NE(list.find("Shift (61, 72)"), std::string::npos) << list;
    EXPECT_NE(list.find("Space (78, 79)"), std::string::npos) << list;
    EXPECT_NE(list.find("The legends 1 to 0 read as key numbers: give those keys by theirs (keys 18-27)"),
              std::string::npos)
        << list;
    EXPECT_NE(list.find("the same on all four variants"), std::string::npos) << list;
}

TEST(KeyLegends, AreTheKeyboardViewsOnEveryVariant) {
    for (int variant = KeyboardVariant::kRgbBle; variant <= KeyboardVariant::kRgb; ++variant) {
        EXPECT_EQ(KeyLegends::keyLegend(variant, 14), "PrtSc");
        EXPECT_EQ(KeyLegends::keyLegend(variant, 81), "RFn");
        EXPECT_EQ(KeyLegends::keyLabel(variant, 78), "key 78 (Space)");
        EXPECT_EQ(KeyLegends::keyLegend(variant, 0), "");
        EXPECT_EQ(KeyLegends::keyLegend(variant, 86), "");
    }
}

} // namespace
