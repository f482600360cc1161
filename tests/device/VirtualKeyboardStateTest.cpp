// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/VirtualKeyboardState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>

namespace {
// A state that uses every feature of the format, with values at the edges of their ranges.
VirtualKeyboardState busyState() {
    VirtualKeyboardState state = factoryState(2, {}, "Custom build ;v9.99 (x)");
    state.macMode = true;
    state.plugged = false;
    state.setFailure(Failure::Open, true);
    state.setFailure(Failure::Firmware, true);
    state.countdown = CallCountdown{VirtualKeyboard::kMaxCountdownCall, true, INT_MAX};
    state.transferMs = VirtualKeyboard::kMaxTransferMs;
    state.travel = TravelMode::Idle;
    for (std::size_t i = 0; i < state.lights.size(); ++i) {
        state.lights[i] = static_cast<int>(i % 256);
        state.triggers[i] = static_cast<int>(i) * -1000;
    }
    state.triggers[0] = INT_MIN;
    state.triggers[254] = INT_MAX;
    state.counts[0] = INT_MAX;
    state.counts[84] = 7;
    state.presses[33] = {LLONG_MAX, VirtualKeyboard::kMaxPressTimes};
    state.keys.set(0, 1, {0, 1, 43});
    state.keys.set(8, 85, {INT_MIN, INT_MAX, -1});
    state.keys.set(4, 40, std::vector<int>(VirtualKeyboard::kMaxKeyInts, 5));
    return state;
}

std::string replaceLine(std::string text, const std::string& line, const std::string& replacement) {
    const std::size_t at = text.find(line + "\n");
    EXPECT_NE(at, std::string::npos) << line;
    return text.replace(at, line.size() + 1, replacement);
}

int lineOf(const std::string& text, const std::string& line) {
    const std::size_t at = text.find(line + "\n");
    return 1 +
           static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
}
} // namespace

TEST(VirtualKeyboardStateFormat, RoundTripsEveryFeature) {
    for (const VirtualKeyboardState& state : {factoryState(4), factoryState(3), busyState()}) {
        const std::string text = serialiseVirtualKeyboardState(state);
        const StateParseResult parsed = parseVirtualKeyboardState(text);
        ASSERT_TRUE(parsed.ok()) << parsed.error.describe();
        EXPECT_EQ(*parsed.state, state);
        EXPECT_EQ(serialiseVirtualKeyboardState(*parsed.state), text);
    }
}

TEST(VirtualKeyboardStateFormat, FactoryContentsFollowTheVariant) {
    KeyTables keys;
    keys.set(3, 12, {0, 1, 4});
    const VirtualKeyboardState rgb = factoryState(1, keys);
    const VirtualKeyboardState plain = factoryState(3);
    EXPECT_EQ(rgb.version, "QelEC(RGB)Ble;V2.10");
    EXPECT_EQ(plain.version, "QelEC(S);V2.10");
    EXPECT_EQ(rgb.lights[100], 255);
    EXPECT_EQ(plain.lights[100], 0);
    EXPECT_EQ((std::vector<int>{rgb.triggers[3], rgb.triggers[4], rgb.triggers[5]}),
              (std::vector<int>{8, 20, 0}));
    EXPECT_EQ(rgb.keys.at(3, 12), (std::vector<int>{0, 1, 4}));
    EXPECT_EQ(plain.keys.totalInts(), 0U);
    EXPECT_EQ(rgb.travel, TravelMode::Wave);
    EXPECT_TRUE(rgb.plugged);
}

TEST(VirtualKeyboardStateFormat, AcceptsCommentsBlankLinesTabsAndCrLf) {
    std::string text = serialiseVirtualKeyboardState(factoryState(4));
    text = replaceLine(text, "variant 4", "\n# a note\n\tvariant\t4  \n");
    std::string crlf;
    for (char c : text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const StateParseResult parsed = parseVirtualKeyboardState(crlf);
    ASSERT_TRUE(parsed.ok()) << parsed.error.describe();
    EXPECT_EQ(*parsed.state, factoryState(4));
}

struct CorruptCase {
    const char* name;
    const char* line;        // the line of the valid file to replace
    const char* replacement; // what comes in its place
    const char* message;     // part of the expected message
    int lineOffset = 0;      // the line at fault, counted from the first line of the replacement
};

class CorruptStateTest : public ::testing::TestWithParam<CorruptCase> {};

TEST_P(CorruptStateTest, IsRefusedAtTheLineAtFault) {
    const CorruptCase& c = GetParam();
    const std::string valid = serialiseVirtualKeyboardState(factoryState(4));
    const std::string text = replaceLine(valid, c.line, c.replacement);
    const StateParseResult parsed = parseVirtualKeyboardState(text);
    ASSERT_FALSE(parsed.ok());
    EXPECT_NE(parsed.error.message.find(c.message), std::string::npos) << parsed.error.message;
    // A missing line is noticed at the end line (or the last line when the end line is missing).
    const bool removed = std::string(c.replacement).empty();
    const int lastLine = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    const bool hasEnd = text.find("\nend\n") != std::string::npos;
    const int expectedLine =
        removed ? (hasEnd ? lineOf(text, "end") : lastLine) : lineOf(valid, c.line) + c.lineOffset;
    EXPECT_EQ(parsed.error.line, expectedLine) << parsed.error.describe();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CorruptStateTest,
    ::testing::Values(
        CorruptCase{"WrongHeader", "qelec-virtual-keyboard 1", "qelec-keyboard 1\n",
                    "not a virtual keyboard state"},
        CorruptCase{"NewerFormat", "qelec-virtual-keyboard 1", "qelec-virtual-keyboard 2\n",
                    "format version 2"},
        CorruptCase{"UnknownKeyword", "mac 0", "colour 0\n", "unknown keyword 'colour'"},
        CorruptCase{"BadNumber", "light 5 255 255 255", "light 5 25x 255 255\n", "bad number '25x'"},
        CorruptCase{"ColourTooHigh", "light 5 255 255 255", "light 5 256 255 255\n", "out of range 0..255"},
        CorruptCase{"KeyOutOfRange", "light 5 255 255 255", "light 86 255 255 255\n", "key 86"},
        CorruptCase{"TooFewValues", "trigger 7 8 20 0", "trigger 7 8 20\n", "takes 4 values, found 3"},
        CorruptCase{"HugeNumber", "count 3 0", "count 3 99999999999999999999\n", "out of range"},
        CorruptCase{"NegativeCount", "count 3 0", "count 3 -1\n", "out of range"},
        CorruptCase{"SecondScalar", "mac 0", "mac 0\nvariant 3\n",
                    "second 'variant' line (the first is line 3)", 1},
        CorruptCase{"SecondLight", "light 6 255 255 255", "light 5 1 2 3\n", "second 'light' line for key 5"},
        CorruptCase{"VariantOutOfRange", "variant 4", "variant 5\n", "out of range 1..4"},
        CorruptCase{"TransferTooLong", "transfer-ms 800", "transfer-ms 10001\n", "out of range 0..10000"},
        CorruptCase{"BadTravel", "travel wave", "travel sine\n", "'wave' or 'idle'"},
        CorruptCase{"UnknownFailure", "fail", "fail version sometimes\n", "unknown failure 'sometimes'"},
        CorruptCase{"FailureTwice", "fail", "fail track track\n", "named twice"},
        CorruptCase{"CountdownAtZero", "fail", "fail\nfail-call 0 fail 1\n", "out of range 1..1000000", 1},
        CorruptCase{"CountdownNeitherFailNorCut", "fail", "fail\nfail-call 3 drop 1\n", "'fail' or 'cut'", 1},
        CorruptCase{"SecondCountdown", "fail", "fail-call 3 cut 1\nfail\nfail-call 2 fail 2\n",
                    "second 'fail-call' line", 2},
        CorruptCase{"VersionTooLong", "version QelEC(RGB);V2.10",
                    "version xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\\n",
                    "version text"},
        CorruptCase{"EmptyVersion", "version QelEC(RGB);V2.10", "version\n", "version text"},
        CorruptCase{"TableOutOfRange", "end", "key 9 1 0 1 4\nend\n", "table 9"},
        CorruptCase{"KeyWithoutValues", "end", "key 0 1\nend\n", "at least one value"},
        CorruptCase{"SecondKeyLine", "end", "key 0 1 0 1 4\nkey 0 1 0 1 5\nend\n", "second 'key' line", 1},
        CorruptCase{"PressZeroTimes", "end", "press 3 1000 0\nend\n", "out of range 1..1000"},
        CorruptCase{"ControlCharacter", "mac 0", "mac 0\x01\n", "control character 0x01"},
        CorruptCase{"NonAscii", "mac 0", "mac \xC3\xA9\n", "non-ASCII byte 0xC3"},
        CorruptCase{"TextAfterEnd", "end", "end\nvariant 4\n", "after the 'end' line", 1},
        CorruptCase{"NoEnd", "end", "", "without an 'end' line"},
        CorruptCase{"MissingScalar", "plugged 1", "", "no 'plugged' line"},
        CorruptCase{"MissingLight", "light 17 255 255 255", "", "no 'light' line for key 17"},
        CorruptCase{"MissingCount", "count 85 0", "", "no 'count' line for key 85"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(VirtualKeyboardStateFormat, RefusesEmptyNulAndOversizedInput) {
    EXPECT_EQ(parseVirtualKeyboardState("").error.line, 1);
    std::string text = serialiseVirtualKeyboardState(factoryState(4));
    text[text.find("mac 0") + 3] = '\0';
    EXPECT_NE(parseVirtualKeyboardState(text).error.message.find("control character 0x00"),
              std::string::npos);

    const std::string head = serialiseVirtualKeyboardState(factoryState(4));
    std::string tooLong = head.substr(0, head.size() - 4) + "key 0 1";
    for (int i = 0; i <= VirtualKeyboard::kMaxKeyInts; ++i)
        tooLong += " 1";
    EXPECT_NE(parseVirtualKeyboardState(tooLong + "\nend\n").error.message.find("at most 65536"),
              std::string::npos);

    // Sixteen full arrays fill the flash; a seventeenth does not fit.
    std::string full = head.substr(0, head.size() - 4);
    std::string array;
    for (int i = 0; i < VirtualKeyboard::kMaxKeyInts; ++i)
        array += " 0";
    for (int key = 1; key <= 17; ++key)
        full += "key 0 " + std::to_string(key) + array + "\n";
    const StateParseResult parsed = parseVirtualKeyboardState(full + "end\n");
    ASSERT_FALSE(parsed.ok());
    EXPECT_NE(parsed.error.message.find("more than 1048576 ints"), std::string::npos) << parsed.error.message;
}

TEST(VirtualKeyboardStateFormat, EveryTruncationIsNoticed) {
    VirtualKeyboardState state = factoryState(4);
    state.presses[9] = {1000, 2};
    state.keys.set(2, 30, {2, 0, 1, 1, 0, 2, 43, 50, 43});
    const std::string text = serialiseVirtualKeyboardState(state);
    // Every cut before the end line's last letter loses the end line.
    const std::size_t whole = text.rfind("end\n") + 3;
    for (std::size_t length = 0; length < whole; ++length)
        EXPECT_FALSE(parseVirtualKeyboardState(std::string_view(text).substr(0, length)).ok())
            << "cut at " << length;
    EXPECT_TRUE(parseVirtualKeyboardState(std::string_view(text).substr(0, whole)).ok());
}

TEST(VirtualKeyboardStateFormat, RandomDamageNeverCrashesAndWhatParsesIsStable) {
    const std::string valid = serialiseVirtualKeyboardState(factoryState(4));
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        std::string text = valid;
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < edits; ++i) {
            const std::size_t at = random() % text.size();
            switch (random() % 3) {
            case 0:
                text[at] = static_cast<char>(random() % 256);
                break;
            case 1:
                text.erase(at, 1 + random() % 8);
                break;
            default:
                text.insert(at, 1, "0123456789 -\n#ekyz"[random() % 18]);
            }
        }
        const StateParseResult parsed = parseVirtualKeyboardState(text);
        if (parsed.ok()) {
            const std::string again = serialiseVirtualKeyboardState(*parsed.state);
            EXPECT_EQ(*parseVirtualKeyboardState(again).state, *parsed.state);
        } else {
            EXPECT_GE(parsed.error.line, 1);
        }
    }
}

TEST(VirtualKeyboardStateFormat, VersionTextAfterADownloadKeepsItsPrefix) {
    using VirtualKeyboard::versionTextAfterUpdate;
    EXPECT_EQ(versionTextAfterUpdate("QelEC(RGB);V2.10", 4, 3, 5), "QelEC(RGB);V3.05");
    EXPECT_EQ(versionTextAfterUpdate("QelEC(S);v1.00;build 7", 3, 12, 40), "QelEC(S);V12.40");
    EXPECT_EQ(versionTextAfterUpdate("no marker", 2, 2, 0), "QelEC(S)Ble;V2.00");
    EXPECT_EQ(versionTextAfterUpdate(std::string(60, 'x') + ";V1.00", 1, 255, 99), "QelEC(RGB)Ble;V255.99");
}
