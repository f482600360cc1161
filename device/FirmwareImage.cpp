// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/FirmwareImage.h"

#include "device/VirtualKeyboardState.h"

#include <array>

namespace FirmwareImage {
namespace {
constexpr std::array<unsigned char, 4> kMagic = {'Q', 'E', 'F', 'W'};

constexpr std::array<std::uint32_t, 256> makeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1U) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}
constexpr auto kCrcTable = makeCrcTable();

void putLittleEndian32(std::vector<char>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFFU));
}

std::uint32_t readLittleEndian32(std::span<const char> bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    return value;
}

int byteAt(std::span<const char> bytes, std::size_t offset) {
    return static_cast<unsigned char>(bytes[offset]);
}

Header readHeader(std::span<const char> image) {
    Header header;
    header.variant = byteAt(image, 5);
    header.major = byteAt(image, 6);
    header.minor = byteAt(image, 7);
    header.payloadBytes = readLittleEndian32(image, 8);
    header.checksum = readLittleEndian32(image, 12);
    return header;
}

bool hasMagic(std::span<const char> image) {
    for (std::size_t i = 0; i < kMagic.size(); ++i) {
        if (static_cast<unsigned char>(image[i]) != kMagic[i])
            return false;
    }
    return true;
}

Verdict headerVerdict(std::span<const char> image, const Header& header) {
    if (!hasMagic(image))
        return Verdict::BadMagic;
    if (byteAt(image, 4) != kFormatVersion)
        return Verdict::UnsupportedFormat;
    if (header.minor > kMaxMinor || !VirtualKeyboard::isValidVariant(header.variant))
        return Verdict::BadVersion;
    if (header.payloadBytes == 0 || header.payloadBytes > kMaxPayloadBytes)
        return Verdict::BadPayloadLength;
    if (image.size() - kHeaderBytes != header.payloadBytes)
        return Verdict::LengthMismatch;
    return Verdict::Ok;
}
} // namespace

std::uint32_t crc32(std::span<const unsigned char> bytes) {
    std::uint32_t crc = 0xFFFFFFFFU;
    for (unsigned char byte : bytes)
        crc = kCrcTable[(crc ^ byte) & 0xFFU] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFU;
}

std::optional<std::vector<char>> build(int variant, int major, int minor,
                                       std::span<const unsigned char> payload) {
    if (!VirtualKeyboard::isValidVariant(variant) || major < 0 || major > kMaxMajor || minor < 0 ||
        minor > kMaxMinor || payload.empty() || payload.size() > kMaxPayloadBytes)
        return std::nullopt;
    std::vector<char> image;
    image.reserve(kHeaderBytes + payload.size());
    for (unsigned char byte : kMagic)
        image.push_back(static_cast<char>(byte));
    image.push_back(static_cast<char>(kFormatVersion));
    image.push_back(static_cast<char>(variant));
    image.push_back(static_cast<char>(major));
    image.push_back(static_cast<char>(minor));
    putLittleEndian32(image, static_cast<std::uint32_t>(payload.size()));
    putLittleEndian32(image, crc32(payload));
    for (unsigned char byte : payload)
        image.push_back(static_cast<char>(byte));
    return image;
}

Check verify(std::span<const char> image, int keyboardVariant) {
    Check check;
    if (image.size() < kHeaderBytes)
        return check;
    check.header = readHeader(image);
    check.verdict = headerVerdict(image, check.header);
    if (check.verdict != Verdict::Ok)
        return check;
    const auto* payload = reinterpret_cast<const unsigned char*>(image.data() + kHeaderBytes);
    if (crc32({payload, check.header.payloadBytes}) != check.header.checksum)
        check.verdict = Verdict::ChecksumMismatch;
    else if (check.header.variant != keyboardVariant)
        check.verdict = Verdict::WrongVariant;
    return check;
}

std::string_view describe(Verdict verdict) {
    switch (verdict) {
    case Verdict::Ok:
        return "the image is whole";
    case Verdict::TooShort:
        return "the image is shorter than its header";
    case Verdict::BadMagic:
        return "not a firmware image (no QEFW mark)";
    case Verdict::UnsupportedFormat:
        return "the image has a format version this keyboard does not know";
    case Verdict::BadVersion:
        return "the header names an impossible variant or version";
    case Verdict::BadPayloadLength:
        return "the header gives an impossible payload length";
    case Verdict::LengthMismatch:
        return "the image is not as long as its header says (cut off or padded)";
    case Verdict::ChecksumMismatch:
        return "the payload does not match its checksum (damaged)";
    case Verdict::WrongVariant:
        return "the image is built for another keyboard variant";
    }
    return "unknown verdict";
}

std::vector<unsigned char> samplePayload(std::size_t bytes, std::uint32_t seed) {
    std::vector<unsigned char> payload(bytes);
    std::uint32_t state = seed * 2654435761U + 12345U;
    for (auto& byte : payload) {
        state = state * 1664525U + 1013904223U;
        byte = static_cast<unsigned char>(state >> 24);
    }
    return payload;
}
} // namespace FirmwareImage
