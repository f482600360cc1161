// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/profile/XmlEncoding.h"

#include "model/profile/XmlEntities.h"
#include "model/profile/XmlTag.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace xml {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";
constexpr std::size_t kHeadLength = 1024;

enum class Kind { Utf8, Utf16Le, Utf16Be, Other };

struct Encoding {
    Kind kind = Kind::Utf8;
    std::string name; // as given to iconv for Kind::Other, for the report otherwise
    bool markRequired = false;
};

struct EncodingAlias {
    std::string_view alias;
    Kind kind;
    std::string_view name;
    bool markRequired;
};

// Names that the C library's converter does not know, or that are handled without it. Any other name
// goes to the converter as it is. "ANSI" (the system code page) is resolved separately.
constexpr EncodingAlias kEncodingAliases[] = {
    {"utf-8", Kind::Utf8, "UTF-8", false},          {"utf8", Kind::Utf8, "UTF-8", false},
    {"cp65001", Kind::Utf8, "UTF-8", false},        {"utf-16", Kind::Utf16Le, "UTF-16", true},
    {"utf-16le", Kind::Utf16Le, "UTF-16LE", false}, {"utf-16be", Kind::Utf16Be, "UTF-16BE", false},
    {"unicode", Kind::Utf16Le, "UTF-16", true},     {"ucs-2", Kind::Utf16Le, "UTF-16", true},
};

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
               return lower(x) == lower(y);
           });
}

// Names as the C library's converter spells them; anything else in a file is not passed on to it.
bool isPlausibleEncodingName(std::string_view name) {
    constexpr std::size_t kLongestName = 64;
    return !name.empty() && name.size() <= kLongestName && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
               c == '_' || c == '.' || c == ':';
    });
}

Encoding resolveName(std::string_view name) {
    for (const EncodingAlias& alias : kEncodingAliases) {
        if (equalsIgnoringCase(name, alias.alias))
            return {alias.kind, std::string(alias.name), alias.markRequired};
    }
    return {Kind::Other, std::string(name), false};
}

Encoding resolveEncoding(std::string_view name) {
    return equalsIgnoringCase(name, "ansi") ? resolveName(systemCodePage()) : resolveName(name);
}

long long number(std::size_t value) {
    return static_cast<long long>(value);
}

// Length of the valid UTF-8 sequence at p (with left bytes available) and its value, or 0.
std::size_t decodeUtf8(const unsigned char* p, std::size_t left, std::uint32_t& codePoint) {
    const unsigned char lead = p[0];
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    std::size_t length = 0;
    std::uint32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        minimum = 0x80;
        codePoint = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        minimum = 0x800;
        codePoint = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        minimum = 0x10000;
        codePoint = lead & 0x07u;
    } else {
        return 0;
    }
    if (left < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (p[i] & 0x3Fu);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

// Whether the 64 bytes at p are all ASCII.
bool isAsciiBlock64(const unsigned char* p) {
#if defined(__SSE2__)
    const auto load = [p](int at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at)); };
    const __m128i any = _mm_or_si128(_mm_or_si128(load(0), load(16)), _mm_or_si128(load(32), load(48)));
    return _mm_movemask_epi8(any) == 0;
#else
    std::uint64_t words[8] = {};
    std::memcpy(words, p, 64);
    std::uint64_t any = 0;
    for (const std::uint64_t word : words)
        any |= word;
    return (any & 0x8080808080808080u) == 0;
#endif
}

const unsigned char* bytesOf(std::string_view text) {
    return reinterpret_cast<const unsigned char*>(text.data());
}

// Copies text with every byte that starts no valid UTF-8 sequence replaced by U+FFFD.
std::string replaceInvalidUtf8(std::string_view text, std::size_t& losses) {
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    const unsigned char* p = bytesOf(text);
    std::size_t i = 0;
    while (i < text.size()) {
        std::uint32_t codePoint = 0;
        const std::size_t length = decodeUtf8(p + i, text.size() - i, codePoint);
        if (length == 0) {
            out += kReplacementCharacter;
            ++losses;
            ++i;
        } else {
            out.append(text, i, length);
            i += length;
        }
    }
    return out;
}

std::string decodeUtf16(std::string_view bytes, bool bigEndian, std::size_t& losses) {
    const unsigned char* p = bytesOf(bytes);
    const std::size_t units = bytes.size() / 2;
    const auto unitAt = [&](std::size_t i) -> std::uint32_t {
        return bigEndian ? (p[2 * i] << 8 | p[2 * i + 1]) : (p[2 * i + 1] << 8 | p[2 * i]);
    };
    std::string out;
    out.reserve(units + units / 2);
    for (std::size_t i = 0; i < units; ++i) {
        const std::uint32_t unit = unitAt(i);
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        if (high && i + 1 < units && unitAt(i + 1) >= 0xDC00 && unitAt(i + 1) <= 0xDFFF) {
            appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 1) - 0xDC00));
            ++i;
        } else if (!appendUtf8(out, unit)) {
            out += kReplacementCharacter;
            ++losses;
        }
    }
    return out;
}

void appendUtf16Unit(std::string& out, std::uint32_t unit, bool bigEndian) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
}

std::string encodeUtf16(std::string_view text, bool bigEndian, std::size_t& losses) {
    std::string out;
    out.reserve(text.size() * 2);
    const unsigned char* p = bytesOf(text);
    std::size_t i = 0;
    while (i < text.size()) {
        std::uint32_t codePoint = 0xFFFD;
        const std::size_t length = decodeUtf8(p + i, text.size() - i, codePoint);
        if (length == 0) {
            codePoint = 0xFFFD;
            ++losses;
        }
        i += std::max<std::size_t>(length, 1);
        if (codePoint >= 0x10000) {
            appendUtf16Unit(out, 0xD800 + ((codePoint - 0x10000) >> 10), bigEndian);
            appendUtf16Unit(out, 0xDC00 + ((codePoint - 0x10000) & 0x3FF), bigEndian);
        } else {
            appendUtf16Unit(out, codePoint, bigEndian);
        }
    }
    return out;
}

struct Conversion {
    bool opened = false;
    std::size_t losses = 0;
    bool truncated = false;
    std::size_t stoppedAt = 0;
};

class IconvHandle {
public:
    IconvHandle(const std::string& to, const std::string& from)
        : handle_(iconv_open(to.c_str(), from.c_str())) {}
    ~IconvHandle() {
        if (isOpen())
            iconv_close(handle_);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    bool isOpen() const { return handle_ != reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1)); }
    iconv_t get() const { return handle_; }

private:
    iconv_t handle_;
};

// Converts input through the C library. A byte sequence that cannot be converted is replaced by
// replacement (already in the target encoding) and counted as a loss; an incomplete sequence at the
// end stops the conversion.
Conversion convertWithIconv(const std::string& from, const std::string& to, std::string_view input,
                            std::string_view replacement, std::string& output) {
    Conversion result;
    if (!isPlausibleEncodingName(from) || !isPlausibleEncodingName(to))
        return result;
    IconvHandle converter(to, from);
    if (!converter.isOpen())
        return result;
    result.opened = true;
    const bool fromUtf8 = resolveEncoding(from).kind == Kind::Utf8;
    output.assign(input.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    std::size_t written = 0;
    bool flushed = false;
    while (!flushed) {
        char* out = output.data() + written;
        std::size_t outLeft = output.size() - written;
        const bool flushing = inLeft == 0;
        const std::size_t rc = iconv(converter.get(), flushing ? nullptr : &in, &inLeft, &out, &outLeft);
        written = output.size() - outLeft;
        if (rc != static_cast<std::size_t>(-1)) {
            flushed = flushing;
            continue;
        }
        if (errno == E2BIG) {
            output.resize(output.size() * 2);
        } else if (errno == EILSEQ) {
            ++result.losses;
            std::uint32_t ignored = 0;
            const std::size_t skip = fromUtf8 ? decodeUtf8(bytesOf({in, inLeft}), inLeft, ignored) : 0;
            in += std::max<std::size_t>(skip, 1);
            inLeft -= std::max<std::size_t>(skip, 1);
            output.resize(std::max(output.size(), written + replacement.size() + 16));
            output.replace(written, replacement.size(), replacement);
            written += replacement.size();
        } else {
            result.truncated = true;
            result.stoppedAt = input.size() - inLeft;
            break;
        }
    }
    output.resize(written);
    return result;
}

struct DetectedEncoding {
    Encoding encoding;
    std::size_t markLength = 0;
    int markFlags = 0;
    bool named = false;
};

// Whether the bytes start as XML in UTF-16 without a byte-order mark: white space, if any, then '<',
// each as one 16-bit unit whose high byte is zero. Utf16Le or Utf16Be when they do, Utf8 otherwise.
Kind unmarkedUtf16(std::string_view bytes) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    for (const Kind kind : {Kind::Utf16Le, Kind::Utf16Be}) {
        const std::size_t low = kind == Kind::Utf16Le ? 0 : 1;
        for (std::size_t at = 0; at + 1 < std::min(bytes.size(), kHeadLength); at += 2) {
            const char character = bytes[at + low];
            if (bytes[at + 1 - low] != '\0')
                break;
            if (character == '<')
                return kind;
            if (!isSpace(character))
                break;
        }
    }
    return Kind::Utf8;
}

DetectedEncoding detectEncoding(std::string_view bytes) {
    if (bytes.substr(0, 3) == kUtf8Mark)
        return {resolveEncoding("UTF-8"), 3, kUtf8MarkFlag, true};
    if (bytes.substr(0, 2) == kUtf16LeMark)
        return {resolveEncoding("UTF-16LE"), 2, kUtf16LeMarkFlag, true};
    if (bytes.substr(0, 2) == kUtf16BeMark)
        return {resolveEncoding("UTF-16BE"), 2, kUtf16BeMarkFlag, true};
    // UTF-16 without a mark still shows itself by the zero bytes beside the first '<'.
    if (const Kind unmarked = unmarkedUtf16(bytes); unmarked != Kind::Utf8)
        return {resolveEncoding(unmarked == Kind::Utf16Le ? "UTF-16LE" : "UTF-16BE"), 0, 0, true};
    const std::string_view head = bytes.substr(0, kHeadLength);
    std::string_view name = declaredEncoding(head);
    if (name.empty())
        name = metaCharset(head);
    DetectedEncoding detected;
    if (!name.empty()) {
        detected.encoding = resolveEncoding(name);
        // A declaration readable as 8-bit text cannot be right about UTF-16.
        detected.named = detected.encoding.kind != Kind::Utf16Le && detected.encoding.kind != Kind::Utf16Be;
    }
    if (!detected.named)
        detected.encoding = resolveEncoding("UTF-8");
    return detected;
}

std::string decodeUtf8Body(std::string_view body, XmlReport& report) {
    if (isValidUtf8(body))
        return std::string(body);
    std::size_t losses = 0;
    std::string text = replaceInvalidUtf8(body, losses);
    report.add("conversion_loss", {{"encoding", "UTF-8"}, {"count", number(losses)}});
    return text;
}

std::string decodeUtf16Body(std::string_view body, const Encoding& encoding, XmlReport& report) {
    const bool bigEndian = encoding.kind == Kind::Utf16Be;
    if (bigEndian)
        report.add("endian_swap", {{"length", number(body.size())}});
    std::size_t losses = 0;
    std::string text = decodeUtf16(body, bigEndian, losses);
    report.add("converted_from", {{"encoding", encoding.name}, {"length", number(text.size())}});
    if (losses > 0)
        report.add("conversion_loss", {{"encoding", encoding.name}, {"count", number(losses)}});
    if (body.size() % 2 != 0)
        report.add("truncation_error", {{"encoding", encoding.name}, {"offset", number(body.size() - 1)}});
    return text;
}

std::string decodeOtherBody(std::string_view body, const Encoding& encoding, XmlReport& report) {
    std::string text;
    const Conversion conversion = convertWithIconv(encoding.name, "UTF-8", body, kReplacementCharacter, text);
    if (!conversion.opened) {
        report.add("conversion_loss", {{"encoding", encoding.name}, {"msg", "unknown encoding"}});
        return decodeUtf8Body(body, report);
    }
    report.add("converted_from", {{"encoding", encoding.name}, {"length", number(text.size())}});
    if (conversion.losses > 0)
        report.add("conversion_loss", {{"encoding", encoding.name}, {"count", number(conversion.losses)}});
    if (conversion.truncated)
        report.add("truncation_error",
                   {{"encoding", encoding.name}, {"offset", number(conversion.stoppedAt)}});
    return text;
}

std::string decodeBody(std::string_view body, const Encoding& encoding, XmlReport& report) {
    switch (encoding.kind) {
    case Kind::Utf8:
        return decodeUtf8Body(body, report);
    case Kind::Utf16Le:
    case Kind::Utf16Be:
        return decodeUtf16Body(body, encoding, report);
    case Kind::Other:
        return decodeOtherBody(body, encoding, report);
    }
    return {};
}

// Drops the NUL characters of text; returns how many there were.
std::size_t removeNulls(std::string& text, XmlReport& report) {
    if (std::memchr(text.data(), '\0', text.size()) == nullptr)
        return 0;
    const std::size_t before = text.size();
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    const std::size_t nulls = before - text.size();
    report.add("nulls_removed", {{"count", number(nulls)}});
    return nulls;
}

std::string_view markFor(const Encoding& encoding, int markFlags) {
    switch (encoding.kind) {
    case Kind::Utf8:
        return (markFlags & kUtf8MarkFlag) != 0 ? kUtf8Mark : std::string_view{};
    case Kind::Utf16Le:
        return encoding.markRequired || (markFlags & kUtf16LeMarkFlag) != 0 ? kUtf16LeMark
                                                                            : std::string_view{};
    case Kind::Utf16Be:
        return encoding.markRequired || (markFlags & kUtf16BeMarkFlag) != 0 ? kUtf16BeMark
                                                                            : std::string_view{};
    case Kind::Other:
        break;
    }
    return {};
}

} // namespace

std::string decodeFile(std::string bytes, int& markFlags, XmlReport& report, std::size_t* nullsRemoved) {
    DetectedEncoding detected = detectEncoding(bytes);
    markFlags = detected.markFlags;
    const std::string_view body = std::string_view(bytes).substr(detected.markLength);
    // Without a named encoding the text is UTF-8 if it is valid as such, else the system code page.
    bool validUtf8 = detected.encoding.kind == Kind::Utf8 && isValidUtf8(body);
    if (!detected.named && !validUtf8)
        detected.encoding = resolveEncoding("ANSI");
    report.add("read", {{"encoding", detected.encoding.name}, {"length", number(bytes.size())}});
    if (!detected.named)
        report.add("utf8_detection",
                   {{"encoding", detected.encoding.name}, {"msg", validUtf8 ? "valid" : "invalid"}});
    // The system code page may be UTF-8 too, in which case the invalid bytes are replaced below.
    std::string text;
    if (validUtf8) {
        bytes.erase(0, detected.markLength);
        text = std::move(bytes);
    } else {
        text = decodeBody(body, detected.encoding, report);
    }
    const std::size_t nulls = removeNulls(text, report);
    if (nullsRemoved != nullptr)
        *nullsRemoved = nulls;
    return text;
}

EncodedFile encodeFile(std::string_view text, std::string_view encodingName, int markFlags,
                       XmlReport& report) {
    Encoding encoding = resolveEncoding(encodingName);
    // Plain "UTF-16" keeps the byte order of the file it was read from.
    if (encoding.markRequired && (markFlags & kUtf16BeMarkFlag) != 0)
        encoding.kind = Kind::Utf16Be;
    EncodedFile file;
    file.mark = markFor(encoding, markFlags);
    if (encoding.kind == Kind::Utf8)
        return file;
    std::size_t losses = 0;
    bool truncated = false;
    if (encoding.kind == Kind::Other) {
        const Conversion conversion = convertWithIconv("UTF-8", encoding.name, text, "?", file.body);
        if (!conversion.opened) {
            report.add("conversion_loss", {{"encoding", encoding.name}, {"msg", "unknown encoding"}});
            return file;
        }
        losses = conversion.losses;
        truncated = conversion.truncated;
    } else {
        file.body = encodeUtf16(text, encoding.kind == Kind::Utf16Be, losses);
    }
    file.converted = true;
    report.add("converted_to", {{"encoding", encoding.name}, {"length", number(file.body.size())}});
    if (losses > 0)
        report.add("conversion_loss", {{"encoding", encoding.name}, {"count", number(losses)}});
    if (truncated)
        report.add("truncation_error", {{"encoding", encoding.name}});
    return file;
}

bool isValidUtf8(std::string_view bytes) {
    const unsigned char* p = bytesOf(bytes);
    std::size_t i = 0;
    while (i < bytes.size()) {
        // Runs of ASCII, as most of a document is, sixty-four or thirty-two bytes at a time.
        while (bytes.size() - i >= 64 && isAsciiBlock64(p + i))
            i += 64;
        while (bytes.size() - i >= 32) {
            std::uint64_t words[4] = {};
            std::memcpy(words, p + i, 32);
            if (((words[0] | words[1] | words[2] | words[3]) & 0x8080808080808080u) != 0)
                break;
            i += 32;
        }
        if (bytes.size() - i >= 8) {
            std::uint64_t eight = 0;
            std::memcpy(&eight, p + i, 8);
            if ((eight & 0x8080808080808080u) == 0) {
                i += 8;
                continue;
            }
        }
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        std::uint32_t codePoint = 0;
        const std::size_t length = decodeUtf8(p + i, bytes.size() - i, codePoint);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string systemCodePage() {
    locale_t locale = newlocale(LC_CTYPE_MASK, "", nullptr);
    if (locale == nullptr)
        locale = newlocale(LC_CTYPE_MASK, "C", nullptr);
    if (locale == nullptr)
        return "ANSI_X3.4-1968";
    std::string name = nl_langinfo_l(CODESET, locale);
    freelocale(locale);
    return name;
}

} // namespace xml
