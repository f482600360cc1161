// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/profile/XmlEntities.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>

namespace xml {
namespace {

struct NamedEntity {
    std::string_view name;
    std::uint32_t codePoint;
};

// The HTML 4 entity set plus XML's &apos;, in byte order of the names so that lookups can bisect.
constexpr NamedEntity kNamedEntities[] = {
    {"AElig", 198},    {"Aacute", 193},  {"Acirc", 194},   {"Agrave", 192},  {"Alpha", 913},
    {"Aring", 197},    {"Atilde", 195},  {"Auml", 196},    {"Beta", 914},    {"Ccedil", 199},
    {"Chi", 935},      {"Dagger", 8225}, {"Delta", 916},   {"ETH", 208},     {"Eacute", 201},
    {"Ecirc", 202},    {"Egrave", 200},  {"Epsilon", 917}, {"Eta", 919},     {"Euml", 203},
    {"Gamma", 915},    {"Iacute", 205},  {"Icirc", 206},   {"Igrave", 204},  {"Iota", 921},
    {"Iuml", 207},     {"Kappa", 922},   {"Lambda", 923},  {"Mu", 924},      {"Ntilde", 209},
    {"Nu", 925},       {"OElig", 338},   {"Oacute", 211},  {"Ocirc", 212},   {"Ograve", 210},
    {"Omega", 937},    {"Omicron", 927}, {"Oslash", 216},  {"Otilde", 213},  {"Ouml", 214},
    {"Phi", 934},      {"Pi", 928},      {"Prime", 8243},  {"Psi", 936},     {"Rho", 929},
    {"Scaron", 352},   {"Sigma", 931},   {"THORN", 222},   {"Tau", 932},     {"Theta", 920},
    {"Uacute", 218},   {"Ucirc", 219},   {"Ugrave", 217},  {"Upsilon", 933}, {"Uuml", 220},
    {"Xi", 926},       {"Yacute", 221},  {"Yuml", 376},    {"Zeta", 918},    {"aacute", 225},
    {"acirc", 226},    {"acute", 180},   {"aelig", 230},   {"agrave", 224},  {"alefsym", 8501},
    {"alpha", 945},    {"amp", 38},      {"and", 8743},    {"ang", 8736},    {"apos", 39},
    {"aring", 229},    {"asymp", 8776},  {"atilde", 227},  {"auml", 228},    {"bdquo", 8222},
    {"beta", 946},     {"brvbar", 166},  {"bull", 8226},   {"cap", 8745},    {"ccedil", 231},
    {"cedil", 184},    {"cent", 162},    {"chi", 967},     {"circ", 710},    {"clubs", 9827},
    {"cong", 8773},    {"copy", 169},    {"crarr", 8629},  {"cup", 8746},    {"curren", 164},
    {"dArr", 8659},    {"dagger", 8224}, {"darr", 8595},   {"deg", 176},     {"delta", 948},
    {"diams", 9830},   {"divide", 247},  {"eacute", 233},  {"ecirc", 234},   {"egrave", 232},
    {"empty", 8709},   {"emsp", 8195},   {"ensp", 8194},   {"epsilon", 949}, {"equiv", 8801},
    {"eta", 951},      {"eth", 240},     {"euml", 235},    {"euro", 8364},   {"exist", 8707},
    {"fnof", 402},     {"forall", 8704}, {"frac12", 189},  {"frac14", 188},  {"frac34", 190},
    {"frasl", 8260},   {"gamma", 947},   {"ge", 8805},     {"gt", 62},       {"hArr", 8660},
    {"harr", 8596},    {"hearts", 9829}, {"hellip", 8230}, {"iacute", 237},  {"icirc", 238},
    {"iexcl", 161},    {"igrave", 236},  {"image", 8465},  {"infin", 8734},  {"int", 8747},
    {"iota", 953},     {"iquest", 191},  {"isin", 8712},   {"iuml", 239},    {"kappa", 954},
    {"lArr", 8656},    {"lambda", 955},  {"lang", 9001},   {"laquo", 171},   {"larr", 8592},
    {"lceil", 8968},   {"ldquo", 8220},  {"le", 8804},     {"lfloor", 8970}, {"lowast", 8727},
    {"loz", 9674},     {"lrm", 8206},    {"lsaquo", 8249}, {"lsquo", 8216},  {"lt", 60},
    {"macr", 175},     {"mdash", 8212},  {"micro", 181},   {"middot", 183},  {"minus", 8722},
    {"mu", 956},       {"nabla", 8711},  {"nbsp", 160},    {"ndash", 8211},  {"ne", 8800},
    {"ni", 8715},      {"not", 172},     {"notin", 8713},  {"nsub", 8836},   {"ntilde", 241},
    {"nu", 957},       {"oacute", 243},  {"ocirc", 244},   {"oelig", 339},   {"ograve", 242},
    {"oline", 8254},   {"omega", 969},   {"omicron", 959}, {"oplus", 8853},  {"or", 8744},
    {"ordf", 170},     {"ordm", 186},    {"oslash", 248},  {"otilde", 245},  {"otimes", 8855},
    {"ouml", 246},     {"para", 182},    {"part", 8706},   {"permil", 8240}, {"perp", 8869},
    {"phi", 966},      {"pi", 960},      {"piv", 982},     {"plusmn", 177},  {"pound", 163},
    {"prime", 8242},   {"prod", 8719},   {"prop", 8733},   {"psi", 968},     {"quot", 34},
    {"rArr", 8658},    {"radic", 8730},  {"rang", 9002},   {"raquo", 187},   {"rarr", 8594},
    {"rceil", 8969},   {"rdquo", 8221},  {"real", 8476},   {"reg", 174},     {"rfloor", 8971},
    {"rho", 961},      {"rlm", 8207},    {"rsaquo", 8250}, {"rsquo", 8217},  {"sbquo", 8218},
    {"scaron", 353},   {"sdot", 8901},   {"sect", 167},    {"shy", 173},     {"sigma", 963},
    {"sigmaf", 962},   {"sim", 8764},    {"spades", 9824}, {"sub", 8834},    {"sube", 8838},
    {"sum", 8721},     {"sup", 8835},    {"sup1", 185},    {"sup2", 178},    {"sup3", 179},
    {"supe", 8839},    {"szlig", 223},   {"tau", 964},     {"there4", 8756}, {"theta", 952},
    {"thetasym", 977}, {"thinsp", 8201}, {"thorn", 254},   {"tilde", 732},   {"times", 215},
    {"trade", 8482},   {"uArr", 8657},   {"uacute", 250},  {"uarr", 8593},   {"ucirc", 251},
    {"ugrave", 249},   {"uml", 168},     {"upsih", 978},   {"upsilon", 965}, {"uuml", 252},
    {"weierp", 8472},  {"xi", 958},      {"yacute", 253},  {"yen", 165},     {"yuml", 255},
    {"zeta", 950},     {"zwj", 8205},    {"zwnj", 8204},
};

constexpr bool namesAreSorted() {
    return std::is_sorted(std::begin(kNamedEntities), std::end(kNamedEntities),
                          [](const NamedEntity& a, const NamedEntity& b) { return a.name < b.name; });
}
static_assert(namesAreSorted(), "kNamedEntities must be sorted by name");

// No entity name is longer than this; longer runs are not looked up.
constexpr std::size_t kLongestEntityName = 8;
// References with more digits than this (leading zeros included) are not read.
constexpr std::size_t kLongestNumericReference = 16;
constexpr std::uint32_t kLastCodePoint = 0x10FFFF;

std::string_view replacementFor(char c, EscapeMode mode) {
    switch (c) {
    case '&':
        return "&amp;";
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    case '"':
        return mode == EscapeMode::Attribute ? "&quot;" : std::string_view{};
    case '\'':
        return mode == EscapeMode::Attribute ? "&apos;" : std::string_view{};
    default:
        return {};
    }
}

bool isAsciiAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int digitValue(char c, int base) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (base == 16 && c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Decodes "#123" or "#x1F" (the text between & and ;); 0 when it names no character.
std::uint32_t numericReference(std::string_view body) {
    std::size_t i = 1;
    int base = 10;
    if (i < body.size() && (body[i] == 'x' || body[i] == 'X')) {
        base = 16;
        ++i;
    }
    if (i == body.size() || body.size() - i > kLongestNumericReference)
        return 0;
    std::uint64_t value = 0;
    for (; i < body.size(); ++i) {
        const int digit = digitValue(body[i], base);
        if (digit < 0)
            return 0;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > kLastCodePoint)
            return 0;
    }
    return static_cast<std::uint32_t>(value);
}

// The character a reference body stands for, or 0 when it stands for none.
std::uint32_t referencedCharacter(std::string_view body) {
    if (!body.empty() && body[0] == '#')
        return numericReference(body);
    return namedEntity(body);
}

// The end (index of ';') of the reference starting at text[amp] == '&', or npos.
std::size_t referenceEnd(std::string_view text, std::size_t amp) {
    const std::size_t limit = std::min(text.size(), amp + 3 + kLongestNumericReference);
    for (std::size_t i = amp + 1; i < limit; ++i) {
        if (text[i] == ';')
            return i > amp + 1 ? i : std::string_view::npos;
        if (!isAsciiAlnum(text[i]) && !(text[i] == '#' && i == amp + 1))
            return std::string_view::npos;
    }
    return std::string_view::npos;
}

// text.find('&', from), without a library call for the short texts that attribute values mostly are.
std::size_t findAmpersand(std::string_view text, std::size_t from) {
    constexpr std::size_t kShortText = 32;
    if (text.size() - from >= kShortText)
        return text.find('&', from);
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] == '&')
            return i;
    }
    return std::string_view::npos;
}

// Writes the UTF-8 form of a Unicode scalar value at to and returns its length; 0 (nothing
// written) for a surrogate or a value past U+10FFFF.
std::size_t writeUtf8(char* to, std::uint32_t codePoint) {
    if (codePoint > kLastCodePoint || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    if (codePoint < 0x80) {
        to[0] = static_cast<char>(codePoint);
        return 1;
    }
    if (codePoint < 0x800) {
        to[0] = static_cast<char>(0xC0 | (codePoint >> 6));
        to[1] = static_cast<char>(0x80 | (codePoint & 0x3F));
        return 2;
    }
    if (codePoint < 0x10000) {
        to[0] = static_cast<char>(0xE0 | (codePoint >> 12));
        to[1] = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        to[2] = static_cast<char>(0x80 | (codePoint & 0x3F));
        return 3;
    }
    to[0] = static_cast<char>(0xF0 | (codePoint >> 18));
    to[1] = static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    to[2] = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    to[3] = static_cast<char>(0x80 | (codePoint & 0x3F));
    return 4;
}

} // namespace

bool needsEscape(std::string_view text, EscapeMode mode) {
    for (const char c : text) {
        // All five markup characters lie at or below '>'; most text is above it.
        if (c <= '>' && !replacementFor(c, mode).empty())
            return true;
    }
    return false;
}

void appendEscaped(std::string& out, std::string_view text, EscapeMode mode) {
    std::size_t plainFrom = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view replacement = replacementFor(text[i], mode);
        if (replacement.empty())
            continue;
        out.append(text, plainFrom, i - plainFrom);
        out += replacement;
        plainFrom = i + 1;
    }
    out.append(text, plainFrom);
}

void appendUnescaped(std::string& out, std::string_view text) {
    std::size_t amp = findAmpersand(text, 0);
    if (amp == std::string_view::npos) {
        out.append(text);
        return;
    }
    // No reference is shorter than the UTF-8 form of its character ("&lt;" is four bytes for one,
    // "&#x10000;" nine for four), so the text never grows: it is written in place, into room made
    // once, and the rest cut off at the end.
    const std::size_t base = out.size();
    out.resize(base + text.size());
    char* const begin = out.data() + base;
    char* to = begin;
    std::size_t plainFrom = 0;
    const auto copyPlain = [&](std::size_t end) {
        std::memcpy(to, text.data() + plainFrom, end - plainFrom);
        to += end - plainFrom;
        plainFrom = end;
    };
    while (amp != std::string_view::npos) {
        const std::size_t semicolon = referenceEnd(text, amp);
        if (semicolon != std::string_view::npos) {
            const std::uint32_t codePoint = referencedCharacter(text.substr(amp + 1, semicolon - amp - 1));
            copyPlain(amp);
            const std::size_t written = codePoint != 0 ? writeUtf8(to, codePoint) : 0;
            to += written;
            plainFrom = written != 0 ? semicolon + 1 : amp;
        }
        amp = findAmpersand(text, amp + 1);
    }
    copyPlain(text.size());
    out.resize(base + static_cast<std::size_t>(to - begin));
}

bool appendUtf8(std::string& out, std::uint32_t codePoint) {
    if (codePoint > kLastCodePoint || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return false;
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    return true;
}

std::uint32_t namedEntity(std::string_view name) {
    // The five that XML predefines, which nearly every reference in a document is, without a search.
    switch (name.size()) {
    case 2:
        if (name[1] == 't' && (name[0] == 'l' || name[0] == 'g'))
            return name[0] == 'l' ? '<' : '>';
        break;
    case 3:
        if (name == "amp")
            return '&';
        break;
    case 4:
        if (name == "quot")
            return '"';
        if (name == "apos")
            return '\'';
        break;
    default:
        break;
    }
    if (name.empty() || name.size() > kLongestEntityName)
        return 0;
    const auto found =
        std::lower_bound(std::begin(kNamedEntities), std::end(kNamedEntities), name,
                         [](const NamedEntity& entity, std::string_view key) { return entity.name < key; });
    return found != std::end(kNamedEntities) && found->name == name ? found->codePoint : 0;
}

} // namespace xml
