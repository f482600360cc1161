// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/profile/WrittenProfileReader.h"

#include "model/KeyAssignmentCodec.h"
#include "model/profile/ActionListXml.h"
#include "model/profile/ProfileFile.h"
#include "model/profile/XmlDocument.h"
#include "model/profile/XmlEntities.h"
#include "model/profile/XmlTag.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <exception>
#include <iterator>
#include <string>
#include <utility>

namespace {

// Each attribute of a "List" tag as the writer starts it, up to its value.
constexpr std::string_view kListLeads[] = {"<List SizeOfView=\"", " ViewStartAt=\"",    " CursorPos=\"",
                                           " Cycles=\"",          " IsAutoInterval=\"", " Delay=\"",
                                           " PlayMode=\""};

// Numbers of at most this many digits cannot overflow an int.
constexpr int kPlainDigits = 9;

// The bytes of word equal to c, each flagged by its high bit. The lowest flag is exact; flags above
// an equal byte may be false.
std::uint64_t bytesEqual(std::uint64_t word, char c) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighs = 0x8080808080808080u;
    const std::uint64_t x = word ^ (kOnes * static_cast<unsigned char>(c));
    return (x - kOnes) & ~x & kHighs;
}

// Gives an empty out the text of an attribute value, as XmlDocument::attribText reads it; a value
// without a '&' holds no reference to replace.
void readText(std::string& out, std::string_view raw, bool hasAmpersand) {
    try {
        if (hasAmpersand)
            xml::appendUnescaped(out, raw);
        else
            out.assign(raw);
    } catch (const std::exception&) {
        out.clear();
    }
}

class WrittenProfileReader {
public:
    explicit WrittenProfileReader(std::string_view text)
        : at_(text.data()), end_(text.data() + text.size()) {}

    bool read(std::string_view rootName, ProfileContent& content) {
        skipSpace();
        if (!skipDeclaration())
            return false;
        skipSpace();
        if (!take('<') || !take(rootName) || !take('>'))
            return false;
        for (std::size_t i = 0; i < std::size(kLibrarySections); ++i) {
            skipSpace();
            if (!readLibrary(kLibrarySections[i].name, content.libraries[i]))
                return false;
        }
        skipSpace();
        if (!readLights(content))
            return false;
        skipSpace();
        if (!readKeys(content))
            return false;
        skipSpace();
        if (!take("</") || !take(rootName) || !take('>'))
            return false;
        skipSpace();
        return at_ == end_;
    }

private:
    bool take(char c) {
        if (at_ == end_ || *at_ != c)
            return false;
        ++at_;
        return true;
    }

    bool take(std::string_view literal) {
        if (static_cast<std::size_t>(end_ - at_) < literal.size() ||
            std::memcmp(at_, literal.data(), literal.size()) != 0)
            return false;
        at_ += literal.size();
        return true;
    }

    void skipSpace() {
        while (at_ != end_ && xml::isSpace(*at_))
            ++at_;
    }

    // The declaration, when the text starts with one, up to the first "?>" as the parser reads it.
    bool skipDeclaration() {
        if (!take("<?xml"))
            return true;
        const std::size_t close = std::string_view(at_, static_cast<std::size_t>(end_ - at_)).find("?>");
        if (close == std::string_view::npos)
            return false;
        at_ += close + 2;
        return true;
    }

    // An attribute value up to its closing double quote, which is passed over, and whether it holds
    // a '&'. False at a '<', which the parser takes to cut the tag short, and at the end of the text.
    bool value(std::string_view& raw, bool& hasAmpersand) {
        const char* const begin = at_;
        hasAmpersand = false;
        if constexpr (std::endian::native == std::endian::little) {
            // Eight bytes at a time: the first flag of a word is exact, so a '&' flagged first lies
            // before the end of the value when it lies before the first quote or '<' flagged.
            for (; end_ - at_ >= 8; at_ += 8) {
                std::uint64_t word = 0;
                std::memcpy(&word, at_, 8);
                const std::uint64_t stops = bytesEqual(word, '"') | bytesEqual(word, '<');
                const std::uint64_t ampersands = bytesEqual(word, '&');
                if (stops != 0) {
                    hasAmpersand = hasAmpersand || (ampersands != 0 &&
                                                    std::countr_zero(ampersands) < std::countr_zero(stops));
                    at_ += std::countr_zero(stops) >> 3;
                    break;
                }
                hasAmpersand = hasAmpersand || ampersands != 0;
            }
        }
        for (; at_ != end_ && *at_ != '"' && *at_ != '<'; ++at_)
            hasAmpersand = hasAmpersand || *at_ == '&';
        if (at_ == end_ || *at_ != '"')
            return false;
        raw = std::string_view(begin, static_cast<std::size_t>(at_ - begin));
        ++at_;
        return true;
    }

    bool value(std::string_view& raw) {
        bool hasAmpersand = false;
        return value(raw, hasAmpersand);
    }

    bool attrib(std::string_view lead, std::string_view& raw) { return take(lead) && value(raw); }

    // An attribute read as a number, as XmlDocument::attribInt reads it. The writer's numbers, a few
    // digits alone, are read on the way to the closing quote.
    bool intAttrib(std::string_view lead, int& number) {
        if (!take(lead))
            return false;
        const char* const begin = at_;
        int digits = 0;
        int read = 0;
        for (; digits < kPlainDigits && at_ != end_ && *at_ >= '0' && *at_ <= '9'; ++at_, ++digits)
            read = read * 10 + (*at_ - '0');
        if (digits > 0 && at_ != end_ && *at_ == '"') {
            ++at_;
            number = read;
            return true;
        }
        at_ = begin;
        std::string_view raw;
        if (!value(raw))
            return false;
        number = XmlDocument::attribInt(raw);
        return true;
    }

    bool readLibrary(std::string_view name, ActionList& library) {
        if (!take('<') || !take(name) || !take('>'))
            return false;
        skipSpace();
        if (!readList(library, 0))
            return false;
        skipSpace();
        return take("</") && take(name) && take('>');
    }

    bool readLights(ProfileContent& content) {
        if (!take("<BackgroundLightSettings>"))
            return false;
        while (true) {
            skipSpace();
            if (take("</BackgroundLightSettings>"))
                return true;
            int id = 0;
            std::array<int, 3> colour{};
            if (!intAttrib("<AREA ID=\"", id) || !intAttrib(" Red=\"", colour[0]) ||
                !intAttrib(" Green=\"", colour[1]) || !intAttrib(" Blue=\"", colour[2]) || !take("/>"))
                return false;
            if (!isKeySlot(id) || boundedColour(colour) != colour)
                return false;
            content.lightArea[id] = colour;
        }
    }

    bool readKeys(ProfileContent& content) {
        if (!take("<CurrentSettings>"))
            return false;
        while (true) {
            skipSpace();
            if (take("</CurrentSettings>"))
                return true;
            int id = 0;
            int level = 0;
            int mode = 0;
            int code = 0;
            if (!intAttrib("<KEY ID=\"", id) || !intAttrib(" Level=\"", level) ||
                !intAttrib(" Mode=\"", mode) || !intAttrib(" HWCode=\"", code) || !take('>'))
                return false;
            if (!isKeySlot(id) || level < 0 || level >= kTables || !isValidAssignment(mode, code))
                return false;
            ActionList& actions = content.keyActions[id][level];
            skipSpace();
            if (!take("<ComboKey>"))
                return false;
            skipSpace();
            if (!readList(actions, 0))
                return false;
            skipSpace();
            if (!take("</ComboKey>"))
                return false;
            skipSpace();
            if (!take("</KEY>") || !assignmentProblem(mode, actions).empty())
                return false;
            content.keyKind[id][level] = mode;
            content.keyCode[id][level] = code;
        }
    }

    // A "List" element into list; depth counts the lists above it.
    bool readList(ActionList& list, int depth) {
        if (depth >= kMaxListDepth)
            return false;
        // Most lists are empty ones with the same tag as the list before.
        if (lastListTag_.empty() || !take(lastListTag_)) {
            const char* const tagStart = at_;
            std::string_view values[std::size(kListLeads)];
            for (std::size_t i = 0; i < std::size(kListLeads); ++i) {
                if (!attrib(kListLeads[i], values[i]))
                    return false;
            }
            if (take("/>"))
                lastListHoldsItems_ = false;
            else if (take('>'))
                lastListHoldsItems_ = true;
            else
                return false;
            lastListTag_ = std::string_view(tagStart, static_cast<std::size_t>(at_ - tagStart));
            lastListFields_ = listFieldsFromValues(values);
        }
        list.clear();
        setListFields(list, lastListFields_);
        return !lastListHoldsItems_ || readItems(list, depth);
    }

    bool readItems(ActionList& list, int depth) {
        while (true) {
            skipSpace();
            if (take("</List>"))
                return true;
            int index = 0;
            std::string_view text;
            bool escaped = false;
            if (!intAttrib("<x ID=\"", index) || !take(" t1=\"") || !value(text, escaped) || !take('>'))
                return false;
            if (index != list.count() || index >= kMaxListItems)
                return false;
            list.appendEmptyItem();
            readText(list.lastItem(), text, escaped);
            skipSpace();
            if (!readList(list.lastChild(), depth + 1))
                return false;
            skipSpace();
            if (!take("</x>"))
                return false;
        }
    }

    const char* at_;
    const char* const end_;
    // The last "List" tag read, its fields and whether it opened a list of items.
    std::string_view lastListTag_;
    ActionListReadState::ListFields lastListFields_;
    bool lastListHoldsItems_ = false;
};

} // namespace

bool readWrittenProfile(std::string_view text, std::string_view rootName, ProfileContent& content) {
    return WrittenProfileReader(text).read(rootName, content);
}
