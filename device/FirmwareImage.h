// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The virtual keyboard's firmware image: a 16-byte header, then the payload.
//
//   offset  size  field
//   0       4     magic "QEFW"
//   4       1     format version (1)
//   5       1     variant 1..4 the image is built for
//   6       1     version major 0..255
//   7       1     version minor 0..99 (shown with two digits: 3.05)
//   8       4     payload length in bytes, little-endian, 1..kMaxPayloadBytes
//   12      4     CRC-32 (IEEE 802.3, as zlib computes it) of the payload, little-endian
//   16      n     payload
//
// An image is whole only when its length is exactly 16 + the payload length.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace FirmwareImage {
inline constexpr std::size_t kHeaderBytes = 16;
inline constexpr int kFormatVersion = 1;
inline constexpr std::size_t kMaxPayloadBytes = std::size_t{4} << 20;
inline constexpr int kMaxMajor = 255;
inline constexpr int kMaxMinor = 99;

// What the header says.
struct Header {
    int variant = 0;
    int major = 0;
    int minor = 0;
    std::uint32_t payloadBytes = 0;
    std::uint32_t checksum = 0;
};

// Why an image is refused, or Ok.
enum class Verdict {
    Ok,
    TooShort,
    BadMagic,
    UnsupportedFormat,
    BadVersion,
    BadPayloadLength,
    LengthMismatch,
    ChecksumMismatch,
    WrongVariant,
};

// The verdict, and the header when it could be read.
struct Check {
    Verdict verdict = Verdict::TooShort;
    Header header;
    bool ok() const { return verdict == Verdict::Ok; }
};

// CRC-32 of bytes.
std::uint32_t crc32(std::span<const unsigned char> bytes);
// The image for a variant and version; nothing when a value is outside the format's ranges.
std::optional<std::vector<char>> build(int variant, int major, int minor,
                                       std::span<const unsigned char> payload);
// Checks an image for a keyboard of keyboardVariant.
Check verify(std::span<const char> image, int keyboardVariant);
// One line saying what the verdict means.
std::string_view describe(Verdict verdict);
// Deterministic filler for images made by the tool and the tests.
std::vector<unsigned char> samplePayload(std::size_t bytes, std::uint32_t seed);
} // namespace FirmwareImage
