// SPDX-License-Identifier: GPL-3.0-or-later
#include "firmware/rules/FirmwareChecks.h"
#include "firmware/rules/FirmwareTexts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace FirmwareChecks;

// A picked file's name against a keyboard of a variant running a version text.
struct NameCase {
    const char* name;
    int variant;
    const char* keyboardText;
    NameVerdict verdict;
};

FirmwareVersion installedFrom(const std::string& text) {
    const VersionMarker marker = keyboardVersion(text);
    return marker.status == MarkerRead::Read ? marker.version : FirmwareVersion{};
}

class NameChecks : public ::testing::TestWithParam<NameCase> {};

TEST_P(NameChecks, GiveTheirVerdict) {
    const NameCase& c = GetParam();
    EXPECT_EQ(checkFileName(c.name, c.variant, installedFrom(c.keyboardText)), c.verdict)
        << c.name << " on " << c.keyboardText;
}

INSTANTIATE_TEST_SUITE_P(
    NamesAndKeyboardVersions, NameChecks,
    ::testing::Values(
        // Variant 3 at 2.10: lower, higher and unmarked names.
        NameCase{"QelEC(S)_V2.05.bin", 3, "QelEC(S);V2.10", NameVerdict::LowerVersion},
        NameCase{"QelEC(S)_V3.00.bin", 3, "QelEC(S);V2.10", NameVerdict::Accepted},
        NameCase{"QelEC(S)_test.bin", 3, "QelEC(S);V2.10", NameVerdict::Accepted},
        NameCase{"QelEC(S)_V2.10.bin", 3, "QelEC(S);V2.10", NameVerdict::Accepted},
        NameCase{"QelEC(S)_V2.9.bin", 3, "QelEC(S);V2.10", NameVerdict::LowerVersion},
        NameCase{"QelEC(S)_V1.99.bin", 3, "QelEC(S);V2.10", NameVerdict::LowerVersion},
        // The marker may be "_v", " V" or " v", and need not follow the prefix.
        NameCase{"QelEC(S)_beta v2.01.bin", 3, "QelEC(S);V2.10", NameVerdict::LowerVersion},
        NameCase{"QelEC(S)_build_v3.bin", 3, "QelEC(S);V2.10", NameVerdict::Accepted},
        // The prefix must stand at the start, exactly as written.
        NameCase{"new QelEC(S)_V3.00.bin", 3, "QelEC(S);V2.10", NameVerdict::WrongVariant},
        NameCase{"qelec(s)_V3.00.bin", 3, "QelEC(S);V2.10", NameVerdict::WrongVariant},
        NameCase{"QelEC(S)BLe_V3.00.bin", 3, "QelEC(S);V2.10", NameVerdict::WrongVariant},
        NameCase{"QelEC(S)BLe_V3.00.bin", 2, "QelEC(S)Ble;V2.10", NameVerdict::Accepted},
        NameCase{"QelEC(S)Ble_V3.00.bin", 2, "QelEC(S)Ble;V2.10", NameVerdict::WrongVariant},
        NameCase{"QelEC(RGB)_V3.00.bin", 4, "QelEC(RGB);V2.10", NameVerdict::Accepted},
        NameCase{"QelEC(RGB)BLe_V3.00.bin", 4, "QelEC(RGB);V2.10", NameVerdict::WrongVariant},
        // Variant 1 and any unknown code take the RGB Bluetooth firmware.
        NameCase{"QelEC(RGB)BLe_V3.00.bin", 1, "QelEC(RGB)Ble;V2.10", NameVerdict::Accepted},
        NameCase{"QelEC(RGB)BLe_V3.00.bin", 0, "", NameVerdict::Accepted},
        NameCase{"QelEC(RGB)_V3.00.bin", 7, "", NameVerdict::WrongVariant},
        // An unread keyboard version accepts every correctly named file, older ones too.
        NameCase{"QelEC(S)_V0.01.bin", 3, "", NameVerdict::Accepted},
        NameCase{"QelEC(S)_V0.01.bin", 3, "QelEC(S) without a marker", NameVerdict::Accepted},
        // Numbers too large for their field are refused, never wrapped into a small version: 4294967296
        // would wrap to 0 and 4294967299 to 3.
        NameCase{"QelEC(S)_V4294967296.00.bin", 3, "QelEC(S);V2.10", NameVerdict::VersionTooLarge},
        NameCase{"QelEC(S)_V3.4294967299.bin", 3, "QelEC(S);V2.10", NameVerdict::VersionTooLarge},
        NameCase{"QelEC(S)_V4294967295.00.bin", 3, "QelEC(S);V2.10", NameVerdict::Accepted},
        NameCase{"QelEC(S)_V000000000000000003.00.bin", 3, "QelEC(S);V2.10", NameVerdict::Accepted}));

TEST(FirmwareVersions, KeyboardVersionIsReadFromItsMarker) {
    EXPECT_EQ(keyboardVersion("QelEC(RGB);V2.10"), (VersionMarker{MarkerRead::Read, {2, 10}}));
    EXPECT_EQ(keyboardVersion("QelEC(S);v1.5.7"), (VersionMarker{MarkerRead::Read, {1, 5}}));
    EXPECT_EQ(keyboardVersion("QelEC;V3"), (VersionMarker{MarkerRead::Read, {3, 0}}));
    EXPECT_EQ(keyboardVersion("QelEC;V"), (VersionMarker{MarkerRead::Read, {0, 0}}));
    EXPECT_EQ(keyboardVersion("QelEC V2.10").status, MarkerRead::NoMarker);
    EXPECT_EQ(keyboardVersion("").status, MarkerRead::NoMarker);
    // Only the first 64 characters are looked at, as the device fills no more.
    EXPECT_EQ(keyboardVersion(std::string(63, 'x') + ";V2.10").status, MarkerRead::NoMarker);
    EXPECT_EQ(keyboardVersion(std::string(59, 'x') + ";V2.10"), (VersionMarker{MarkerRead::Read, {2, 1}}));
    // A number that does not fit is refused: the version counts as not read.
    EXPECT_EQ(keyboardVersion("QelEC;V99999999999.10").status, MarkerRead::TooLarge);
}

TEST(FirmwareVersions, FileNameVersionLooksAtItsFirst256Bytes) {
    EXPECT_EQ(fileNameVersion("QelEC(S)_V2.05.bin"), (VersionMarker{MarkerRead::Read, {2, 5}}));
    EXPECT_EQ(fileNameVersion(std::string(254, 'x') + "_V9.00.bin"),
              (VersionMarker{MarkerRead::Read, {0, 0}}));
    EXPECT_EQ(fileNameVersion(std::string(255, 'x') + "_V9.00.bin").status, MarkerRead::NoMarker);
}

TEST(FirmwareVersions, CompareMajorFirstThenMinor) {
    EXPECT_TRUE(isNotLower({3, 0}, {2, 10}));
    EXPECT_TRUE(isNotLower({2, 10}, {2, 10}));
    EXPECT_FALSE(isNotLower({2, 9}, {2, 10}));
    EXPECT_FALSE(isNotLower({1, 99}, {2, 0}));
    EXPECT_TRUE(isNotLower({0, 0}, {0, 0}));
    EXPECT_TRUE(isNotLower({4294967295U, 0}, {4294967294U, 4294967295U}));
}

// Refusals are English for any language but Chinese; the version box and the results say nothing in
// a language they do not have; no buffer is said as a failed download, not kept silent.
TEST(FirmwareTexts, ChooseTheirLanguageAsTheWindowDoes) {
    EXPECT_EQ(FirmwareTexts::mismatch(2, "zh-CN"), "固件不匹配，请选择QelEC(S)BLe");
    EXPECT_EQ(FirmwareTexts::mismatch(7, "fr-FR"), "The firmware does not match,please select QelEC(RGB)BLe");
    EXPECT_EQ(FirmwareTexts::lowerVersion("fr-FR"), FirmwareTexts::lowerVersion("en-US"));
    EXPECT_EQ(FirmwareTexts::versionUnreadable("zh-CN"), "无法读取固件文件名中的版本号");
    EXPECT_EQ(FirmwareTexts::versionUnreadable("fr-FR"),
              "The version in the firmware file name cannot be read");
    EXPECT_EQ(FirmwareTexts::versionReadFailed("fr-FR"), "");
    EXPECT_EQ(FirmwareTexts::downloadResult(1, "fr-FR"), "");
    EXPECT_EQ(FirmwareTexts::downloadResult(0, "en-US"), FirmwareTexts::downloadResult(2, "en-US"));
    EXPECT_EQ(FirmwareTexts::downloadResult(4, "en-US"), "");
    EXPECT_EQ(FirmwareTexts::downloadResult(-1, "zh-CN"), "");
}

} // namespace
