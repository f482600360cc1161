// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/VirtualKeyboardState.h"

#include <charconv>
#include <cstdio>
#include <limits>
#include <map>
#include <span>

namespace {
using namespace VirtualKeyboard;

constexpr std::size_t kMaxTokens = static_cast<std::size_t>(kMaxKeyInts) + 3;
constexpr std::int64_t kIntMin = std::numeric_limits<int>::min();
constexpr std::int64_t kIntMax = std::numeric_limits<int>::max();

// The words of one line, split on spaces and tabs; at most kMaxTokens + 1 are kept so that an
// absurdly long line costs nothing but its scan.
std::vector<std::string_view> splitWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    while (pos < line.size() && words.size() <= kMaxTokens) {
        const std::size_t start = line.find_first_not_of(" \t", pos);
        if (start == std::string_view::npos)
            break;
        const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
        words.push_back(line.substr(start, end - start));
        pos = end;
    }
    return words;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return {};
    const std::size_t end = text.find_last_not_of(" \t");
    return text.substr(start, end - start + 1);
}

std::string byteText(unsigned char byte) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "0x%02X", static_cast<unsigned>(byte));
    return buffer;
}

using Words = std::span<const std::string_view>;

// A per-key item (light, trigger, count, press): the line where each key got it, 0 when not yet.
using KeyLines = std::array<int, kKeyCount>;

class StateParser {
public:
    explicit StateParser(std::string_view text) : text_(text) {}

    StateParseResult run() {
        StateParseResult result;
        if (parseAllLines() && checkComplete())
            result.state = std::move(state_);
        else
            result.error = error_;
        return result;
    }

private:
    bool fail(std::string message) {
        error_ = {lineNumber_, std::move(message)};
        return false;
    }

    bool parseAllLines() {
        std::size_t pos = 0;
        while (pos < text_.size()) {
            const std::size_t newline = text_.find('\n', pos);
            const std::size_t end = newline == std::string_view::npos ? text_.size() : newline;
            ++lineNumber_;
            if (!parseLine(text_.substr(pos, end - pos)))
                return false;
            pos = end + 1;
        }
        if (lineNumber_ == 0) {
            lineNumber_ = 1;
            return fail("empty file: not a virtual keyboard state");
        }
        return true;
    }

    bool parseLine(std::string_view line) {
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!checkCharacters(line))
            return false;
        if (lineNumber_ == 1)
            return parseHeader(line);
        const std::string_view content = trimmed(line);
        if (content.empty() || content.front() == '#')
            return true;
        if (endLine_ != 0)
            return fail("text after the 'end' line");
        return parseItem(content);
    }

    bool checkCharacters(std::string_view line) {
        for (char c : line) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte >= 0x80)
                return fail("non-ASCII byte " + byteText(byte));
            if ((byte < 0x20 && byte != '\t') || byte == 0x7F)
                return fail("control character " + byteText(byte));
        }
        return true;
    }

    bool parseHeader(std::string_view line) {
        const auto words = splitWords(line);
        const std::string expected = std::string(kHeaderWord) + ' ' + std::to_string(kFormatVersion);
        if (words.size() != 2 || words[0] != kHeaderWord)
            return fail("not a virtual keyboard state (the first line must be '" + expected + "')");
        const auto version = number(words[1], "format version", 0, kIntMax);
        if (!version)
            return false;
        if (*version != kFormatVersion)
            return fail("format version " + std::to_string(*version) +
                        " is not supported (this build reads " + std::to_string(kFormatVersion) + ")");
        return true;
    }

    bool parseItem(std::string_view content) {
        const auto words = splitWords(content);
        const std::string_view keyword = words[0];
        if (words.size() > kMaxTokens)
            return fail(keyword == "key"
                            ? "a key array holds at most " + std::to_string(kMaxKeyInts) + " ints"
                            : std::string("too many values on one line"));
        if (keyword == "version")
            return once(keyword) && parseVersion(trimmed(content.substr(keyword.size())));
        const Words values = std::span(words).subspan(1);
        if (keyword == "light")
            return parseTriple(keyword, values, lightLines_, state_.lights, 0, 255);
        if (keyword == "trigger")
            return parseTriple(keyword, values, triggerLines_, state_.triggers, kIntMin, kIntMax);
        if (keyword == "count")
            return parseCount(values);
        if (keyword == "press")
            return parsePress(values);
        if (keyword == "key")
            return parseKey(values);
        if (keyword == "fail")
            return once(keyword) && parseFailures(values);
        if (keyword == "fail-call")
            return once(keyword) && expectValues(keyword, values, 3) && parseCountdown(values);
        if (keyword == "end")
            return expectValues(keyword, values, 0) && markEnd();
        if (keyword == "variant" || keyword == "mac" || keyword == "plugged" || keyword == "transfer-ms" ||
            keyword == "travel")
            return once(keyword) && expectValues(keyword, values, 1) && parseScalar(keyword, values[0]);
        return fail("unknown keyword '" + std::string(keyword) + "'");
    }

    bool markEnd() {
        endLine_ = lineNumber_;
        return true;
    }

    // Each scalar keyword appears once.
    bool once(std::string_view keyword) {
        const auto [it, inserted] = scalarLines_.emplace(std::string(keyword), lineNumber_);
        if (!inserted)
            return fail("second '" + std::string(keyword) + "' line (the first is line " +
                        std::to_string(it->second) + ")");
        return true;
    }

    bool expectValues(std::string_view keyword, Words values, std::size_t count) {
        if (values.size() != count)
            return fail("'" + std::string(keyword) + "' takes " + std::to_string(count) + " value" +
                        (count == 1 ? "" : "s") + ", found " + std::to_string(values.size()));
        return true;
    }

    std::optional<std::int64_t> number(std::string_view word, std::string_view what, std::int64_t min,
                                       std::int64_t max) {
        std::int64_t value = 0;
        const auto [end, status] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (status == std::errc::result_out_of_range) {
            fail(std::string(what) + " " + std::string(word) + " is out of range");
            return std::nullopt;
        }
        if (status != std::errc{} || end != word.data() + word.size()) {
            fail("bad number '" + std::string(word) + "' for " + std::string(what));
            return std::nullopt;
        }
        if (value < min || value > max) {
            fail(std::string(what) + " " + std::string(word) + " is out of range " + std::to_string(min) +
                 ".." + std::to_string(max));
            return std::nullopt;
        }
        return value;
    }

    bool parseScalar(std::string_view keyword, std::string_view word) {
        if (keyword == "travel") {
            const auto mode = travelModeFromName(word);
            if (!mode)
                return fail("travel must be 'wave' or 'idle', not '" + std::string(word) + "'");
            state_.travel = *mode;
            return true;
        }
        if (keyword == "variant") {
            const auto variant = number(word, "variant", 1, kVariantCount);
            state_.variant = static_cast<int>(variant.value_or(0));
            return variant.has_value();
        }
        if (keyword == "transfer-ms") {
            const auto ms = number(word, "transfer-ms", 0, kMaxTransferMs);
            state_.transferMs = static_cast<int>(ms.value_or(0));
            return ms.has_value();
        }
        const auto flag = number(word, keyword, 0, 1);
        (keyword == "mac" ? state_.macMode : state_.plugged) = flag.value_or(0) == 1;
        return flag.has_value();
    }

    bool parseVersion(std::string_view text) {
        if (!isValidVersionText(text))
            return fail("version text must be 1.." + std::to_string(kMaxVersionChars) +
                        " printable ASCII characters");
        state_.version = std::string(text);
        return true;
    }

    bool parseFailures(Words names) {
        for (std::string_view name : names) {
            const auto failure = failureFromName(name);
            if (!failure)
                return fail("unknown failure '" + std::string(name) + "'");
            if (state_.fails(*failure))
                return fail("failure '" + std::string(name) + "' named twice");
            state_.setFailure(*failure, true);
        }
        return true;
    }

    bool parseCountdown(Words values) {
        if (values[1] != "fail" && values[1] != "cut")
            return fail("fail-call takes 'fail' or 'cut', not '" + std::string(values[1]) + "'");
        const auto call = number(values[0], "fail-call", 1, kMaxCountdownCall);
        const auto arming = call ? number(values[2], "fail-call arming", 0, kIntMax) : std::nullopt;
        if (!arming)
            return false;
        state_.countdown =
            CallCountdown{static_cast<int>(*call), values[1] == "cut", static_cast<int>(*arming)};
        return true;
    }

    // Reads the key word of a per-key line and checks that the key has no such line yet.
    std::optional<int> keyOf(std::string_view keyword, std::string_view word, KeyLines& lines) {
        const auto key = number(word, "key", 1, kKeyCount);
        if (!key)
            return std::nullopt;
        int& seen = lines[static_cast<std::size_t>(*key - 1)];
        if (seen != 0) {
            fail("second '" + std::string(keyword) + "' line for key " + std::to_string(*key) +
                 " (the first is line " + std::to_string(seen) + ")");
            return std::nullopt;
        }
        seen = lineNumber_;
        return static_cast<int>(*key);
    }

    bool parseTriple(std::string_view keyword, Words values, KeyLines& lines, AreaValues& area,
                     std::int64_t min, std::int64_t max) {
        if (!expectValues(keyword, values, 4))
            return false;
        const auto key = keyOf(keyword, values[0], lines);
        if (!key)
            return false;
        for (std::size_t j = 0; j < 3; ++j) {
            const auto value = number(values[j + 1], std::string(keyword) + " value", min, max);
            if (!value)
                return false;
            area[static_cast<std::size_t>((*key - 1) * 3) + j] = static_cast<int>(*value);
        }
        return true;
    }

    bool parseCount(Words values) {
        if (!expectValues("count", values, 2))
            return false;
        const auto key = keyOf("count", values[0], countLines_);
        const auto count = key ? number(values[1], "count", 0, kIntMax) : std::nullopt;
        if (!count)
            return false;
        state_.counts[static_cast<std::size_t>(*key - 1)] = static_cast<int>(*count);
        return true;
    }

    bool parsePress(Words values) {
        if (!expectValues("press", values, 3))
            return false;
        const auto key = keyOf("press", values[0], pressLines_);
        const auto start = key ? number(values[1], "press start", 0, std::numeric_limits<std::int64_t>::max())
                               : std::nullopt;
        const auto times = start ? number(values[2], "press times", 1, kMaxPressTimes) : std::nullopt;
        if (!times)
            return false;
        state_.presses[static_cast<std::size_t>(*key - 1)] = {*start, static_cast<int>(*times)};
        return true;
    }

    bool parseKey(Words values) {
        if (values.size() < 3)
            return fail("'key' takes a table, a key and at least one value");
        if (values.size() - 2 > static_cast<std::size_t>(kMaxKeyInts))
            return fail("a key array holds at most " + std::to_string(kMaxKeyInts) + " ints");
        const auto table = number(values[0], "table", 0, kTableCount - 1);
        const auto key = table ? number(values[1], "key", 1, kKeyCount) : std::nullopt;
        if (!key)
            return false;
        const auto slot = static_cast<std::size_t>(*table * kKeyCount + *key - 1);
        if (keyLines_[slot] != 0)
            return fail("second 'key' line for table " + std::to_string(*table) + " key " +
                        std::to_string(*key) + " (the first is line " + std::to_string(keyLines_[slot]) +
                        ")");
        keyLines_[slot] = lineNumber_;
        flashInts_ += values.size() - 2;
        if (flashInts_ > kFlashInts)
            return fail("key arrays hold more than " + std::to_string(kFlashInts) + " ints in all");
        std::vector<int> array;
        array.reserve(values.size() - 2);
        for (std::size_t i = 2; i < values.size(); ++i) {
            const auto value = number(values[i], "key value", kIntMin, kIntMax);
            if (!value)
                return false;
            array.push_back(static_cast<int>(*value));
        }
        state_.keys.set(static_cast<int>(*table), static_cast<int>(*key), std::move(array));
        return true;
    }

    bool checkComplete() {
        if (endLine_ == 0)
            return fail("the file ends without an 'end' line (cut off?)");
        lineNumber_ = endLine_;
        for (const char* keyword :
             {"variant", "version", "mac", "plugged", "fail", "transfer-ms", "travel"}) {
            if (scalarLines_.count(keyword) == 0)
                return fail(std::string("no '") + keyword + "' line");
        }
        return everyKeyHas("light", lightLines_) && everyKeyHas("trigger", triggerLines_) &&
               everyKeyHas("count", countLines_);
    }

    bool everyKeyHas(std::string_view keyword, const KeyLines& lines) {
        for (int key = 1; key <= kKeyCount; ++key) {
            if (lines[static_cast<std::size_t>(key - 1)] == 0)
                return fail("no '" + std::string(keyword) + "' line for key " + std::to_string(key));
        }
        return true;
    }

    std::string_view text_;
    int lineNumber_ = 0;
    int endLine_ = 0;
    StateParseError error_;
    VirtualKeyboardState state_;
    std::map<std::string, int> scalarLines_;
    KeyLines lightLines_{};
    KeyLines triggerLines_{};
    KeyLines countLines_{};
    KeyLines pressLines_{};
    std::array<int, kTableCount * kKeyCount> keyLines_{};
    std::size_t flashInts_ = 0;
};
} // namespace

StateParseResult parseVirtualKeyboardState(std::string_view text) {
    try {
        return StateParser(text).run();
    } catch (const std::exception& e) {
        StateParseResult result;
        result.error = {0, std::string("cannot read the state: ") + e.what()};
        return result;
    }
}
