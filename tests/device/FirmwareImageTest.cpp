// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/FirmwareImage.h"

#include <gtest/gtest.h>

#include <string_view>

using FirmwareImage::Verdict;

namespace {
std::vector<char> goodImage(int variant = 3) {
    return *FirmwareImage::build(variant, 3, 5, FirmwareImage::samplePayload(1000, 7));
}

Verdict verdictOf(const std::vector<char>& image, int keyboardVariant = 3) {
    return FirmwareImage::verify(image, keyboardVariant).verdict;
}
} // namespace

TEST(FirmwareImage, ChecksumIsTheStandardCrc32) {
    constexpr std::string_view check = "123456789";
    const auto* bytes = reinterpret_cast<const unsigned char*>(check.data());
    EXPECT_EQ(FirmwareImage::crc32({bytes, check.size()}), 0xCBF43926U);
    EXPECT_EQ(FirmwareImage::crc32({}), 0U);
}

TEST(FirmwareImage, BuildsTheDocumentedLayout) {
    const std::vector<char> image = goodImage();
    ASSERT_EQ(image.size(), 16U + 1000U);
    EXPECT_EQ(std::string_view(image.data(), 4), "QEFW");
    EXPECT_EQ(image[4], 1);
    EXPECT_EQ(image[5], 3);
    EXPECT_EQ(image[6], 3);
    EXPECT_EQ(image[7], 5);
    EXPECT_EQ(static_cast<unsigned char>(image[8]), 1000 & 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(image[9]), 1000 >> 8);
    EXPECT_EQ(image[10], 0);

    const FirmwareImage::Check check = FirmwareImage::verify(image, 3);
    ASSERT_TRUE(check.ok()) << FirmwareImage::describe(check.verdict);
    EXPECT_EQ(check.header.major, 3);
    EXPECT_EQ(check.header.minor, 5);
    EXPECT_EQ(check.header.payloadBytes, 1000U);
}

TEST(FirmwareImage, RefusesDamagedForeignAndTruncatedImages) {
    std::vector<char> image = goodImage();
    EXPECT_EQ(verdictOf(image, 4), Verdict::WrongVariant);

    std::vector<char> damaged = image;
    damaged[500] = static_cast<char>(damaged[500] ^ 0x10);
    EXPECT_EQ(verdictOf(damaged), Verdict::ChecksumMismatch);

    damaged = image;
    damaged[0] = 'X';
    EXPECT_EQ(verdictOf(damaged), Verdict::BadMagic);
    damaged = image;
    damaged[4] = 2;
    EXPECT_EQ(verdictOf(damaged), Verdict::UnsupportedFormat);
    damaged = image;
    damaged[7] = 100;
    EXPECT_EQ(verdictOf(damaged), Verdict::BadVersion);
    damaged = image;
    damaged[5] = 9;
    EXPECT_EQ(verdictOf(damaged), Verdict::BadVersion);
    damaged = image;
    damaged[8] = damaged[9] = 0;
    EXPECT_EQ(verdictOf(damaged), Verdict::BadPayloadLength);
    damaged = image;
    damaged[11] = 0x7F;
    EXPECT_EQ(verdictOf(damaged), Verdict::BadPayloadLength);

    for (std::size_t length : {std::size_t{0}, std::size_t{15}}) {
        EXPECT_EQ(verdictOf({image.begin(), image.begin() + static_cast<std::ptrdiff_t>(length)}),
                  Verdict::TooShort);
    }
    for (std::size_t length : {std::size_t{16}, std::size_t{17}, image.size() - 1}) {
        EXPECT_EQ(verdictOf({image.begin(), image.begin() + static_cast<std::ptrdiff_t>(length)}),
                  Verdict::LengthMismatch);
    }
    image.push_back(0);
    EXPECT_EQ(verdictOf(image), Verdict::LengthMismatch);
}

TEST(FirmwareImage, BuildRefusesValuesTheHeaderCannotCarry) {
    const auto payload = FirmwareImage::samplePayload(10, 1);
    EXPECT_FALSE(FirmwareImage::build(0, 1, 0, payload));
    EXPECT_FALSE(FirmwareImage::build(5, 1, 0, payload));
    EXPECT_FALSE(FirmwareImage::build(4, 256, 0, payload));
    EXPECT_FALSE(FirmwareImage::build(4, 1, 100, payload));
    EXPECT_FALSE(FirmwareImage::build(4, 1, 0, {}));
    EXPECT_TRUE(FirmwareImage::build(4, 255, 99, payload));
}
