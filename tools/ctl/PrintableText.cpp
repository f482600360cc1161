// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/PrintableText.h"

#include <cstdint>

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

void appendEscaped(std::string& out, std::string_view bytes) {
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out += "\\x";
        out += kHexDigits[byte >> 4];
        out += kHexDigits[byte & 0x0F];
    }
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0U) == 0x80U;
}

// The length of the well-formed UTF-8 sequence at the start of text and the code point it encodes;
// 0 when it is none (a stray or missing continuation, an overlong form, a surrogate, beyond U+10FFFF).
std::size_t sequenceAt(std::string_view text, std::uint32_t& codePoint) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    std::uint32_t lowest = 0;
    if (lead < 0x80U) {
        codePoint = lead;
        return 1;
    }
    if (lead >= 0xC2U && lead <= 0xDFU) {
        length = 2;
        codePoint = lead & 0x1FU;
        lowest = 0x80;
    } else if (lead >= 0xE0U && lead <= 0xEFU) {
        length = 3;
        codePoint = lead & 0x0FU;
        lowest = 0x800;
    } else if (lead >= 0xF0U && lead <= 0xF4U) {
        length = 4;
        codePoint = lead & 0x07U;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!isContinuation(byte))
            return 0;
        codePoint = (codePoint << 6) | (byte & 0x3FU);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    return codePoint < lowest || surrogate || codePoint > 0x10FFFF ? 0 : length;
}

bool isShown(std::uint32_t codePoint) {
    const bool control = codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
    return !control && codePoint != 0xFFFE && codePoint != 0xFFFF;
}

} // namespace

std::string printable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        std::uint32_t codePoint = 0;
        const std::size_t length = sequenceAt(text, codePoint);
        const std::string_view sequence = text.substr(0, length == 0 ? 1 : length);
        if (length != 0 && isShown(codePoint))
            out += sequence;
        else
            appendEscaped(out, sequence);
        text.remove_prefix(sequence.size());
    }
    return out;
}
