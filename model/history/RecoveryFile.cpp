// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/history/RecoveryFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kHeader = "QelEC recovery 1";
constexpr const char* kEnd = "end";

// Names and paths are kept on one line each: backslash, line ends and tabs are escaped.
std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool unescaped(const std::string& text, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return false;
        switch (text[i]) {
        case '\\':
            out += '\\';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        default:
            return false;
        }
    }
    return true;
}

// Reads the text one line at a time; the profile is taken by its length.
class LineReader {
public:
    explicit LineReader(const std::string& text) : text_(text) {}

    bool line(std::string& out) {
        const std::size_t end = text_.find('\n', at_);
        if (end == std::string::npos)
            return false;
        out = text_.substr(at_, end - at_);
        at_ = end + 1;
        return true;
    }
    // The line after "key ", when the next line starts so.
    bool field(const std::string& key, std::string& value) {
        std::string whole;
        if (!line(whole) || whole.compare(0, key.size() + 1, key + " ") != 0)
            return false;
        value = whole.substr(key.size() + 1);
        return true;
    }
    bool bytes(std::size_t count, std::string& out) {
        if (text_.size() - at_ < count)
            return false;
        out = text_.substr(at_, count);
        at_ += count;
        return true;
    }

private:
    const std::string& text_;
    std::size_t at_ = 0;
};

bool wholeNumber(const std::string& text, long long low, long long high, long long& value) {
    if (text.empty() || text.size() > 19)
        return false;
    std::size_t used = 0;
    try {
        value = std::stoll(text, &used);
    } catch (...) {
        return false;
    }
    return used == text.size() && value >= low && value <= high;
}

bool parseTriggers(const std::string& text, PerKeyTriples& triggers) {
    std::istringstream numbers(text);
    for (int slot = kFirstKey; slot <= kLastKey; ++slot) {
        for (int& value : triggers[static_cast<std::size_t>(slot)]) {
            std::string word;
            long long number = 0;
            if (!(numbers >> word) || !wholeNumber(word, -1000000, 1000000, number))
                return false;
            value = static_cast<int>(number);
        }
    }
    std::string rest;
    return !(numbers >> rest);
}

bool parseStep(const std::string& text, StepName& name) {
    const std::size_t tab = text.find('\t');
    return tab != std::string::npos && unescaped(text.substr(0, tab), name.zh) &&
           unescaped(text.substr(tab + 1), name.en);
}

RecoveryReading corrupt(const std::string& reason) {
    RecoveryReading reading;
    reading.status = RecoveryReading::Status::Corrupt;
    reading.reason = reason;
    return reading;
}

std::uint64_t nameHash(const std::string& text) {
    std::uint64_t value = 0xcbf29ce484222325ULL;
    for (const char c : text) {
        value ^= static_cast<unsigned char>(c);
        value *= 0x100000001b3ULL;
    }
    return value;
}

} // namespace

std::string recoveryText(const RecoveryContent& content) {
    std::string text = std::string(kHeader) + "\nkeyboard " + escaped(content.keyboard) + "\nvariant " +
                       std::to_string(content.variant) + "\nunsecured " + (content.unsecured ? "1" : "0") +
                       "\ntriggers";
    for (int slot = kFirstKey; slot <= kLastKey; ++slot) {
        for (const int value : content.triggers[static_cast<std::size_t>(slot)])
            text += " " + std::to_string(value);
    }
    text += "\nsteps " + std::to_string(content.steps.size()) + "\n";
    for (const StepName& step : content.steps)
        text += "step " + escaped(step.zh) + "\t" + escaped(step.en) + "\n";
    text += "profile " + std::to_string(content.profile.size()) + "\n";
    text += content.profile;
    text += "\n";
    text += kEnd;
    text += "\n";
    return text;
}

RecoveryReading parseRecoveryText(const std::string& text) {
    LineReader reader(text);
    RecoveryReading reading;
    RecoveryContent& content = reading.content;
    std::string line;
    std::string value;
    long long number = 0;
    if (!reader.line(line) || line != kHeader)
        return corrupt("not a recovery file of this program");
    if (!reader.field("keyboard", value) || !unescaped(value, content.keyboard))
        return corrupt("no keyboard line");
    if (!reader.field("variant", value) || !wholeNumber(value, 1, 4, number))
        return corrupt("no keyboard variant");
    content.variant = static_cast<int>(number);
    if (!reader.field("unsecured", value) || (value != "0" && value != "1"))
        return corrupt("no unsecured line");
    content.unsecured = value == "1";
    if (!reader.field("triggers", value) || !parseTriggers(value, content.triggers))
        return corrupt("no trigger values");
    if (!reader.field("steps", value) || !wholeNumber(value, 0, 100000, number))
        return corrupt("no step count");
    for (long long i = 0; i < number; ++i) {
        StepName name;
        if (!reader.field("step", value) || !parseStep(value, name))
            return corrupt("a step name is missing");
        content.steps.push_back(std::move(name));
    }
    if (!reader.field("profile", value) ||
        !wholeNumber(value, 0, static_cast<long long>(kMaxRecoveryBytes), number))
        return corrupt("no profile length");
    if (!reader.bytes(static_cast<std::size_t>(number), content.profile) || !reader.line(line) ||
        !line.empty() || !reader.line(line) || line != kEnd || reader.bytes(1, value))
        return corrupt("the file is cut short");
    reading.status = RecoveryReading::Status::Read;
    return reading;
}

RecoveryReading readRecoveryFile(const std::string& path) {
    RecoveryReading reading;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        reading.status =
            errno == ENOENT ? RecoveryReading::Status::Missing : RecoveryReading::Status::Unreadable;
        reading.reason = std::strerror(errno);
        return reading;
    }
    struct stat info {};
    std::string text;
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
              static_cast<std::size_t>(info.st_size) <= kMaxRecoveryBytes;
    if (ok) {
        text.resize(static_cast<std::size_t>(info.st_size));
        std::size_t got = 0;
        while (ok && got < text.size()) {
            const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
            ok = n > 0;
            got += n > 0 ? static_cast<std::size_t>(n) : 0;
        }
    }
    ::close(fd);
    if (!ok) {
        reading.status = RecoveryReading::Status::Unreadable;
        reading.reason = "not a regular file of a readable size";
        return reading;
    }
    return parseRecoveryText(text);
}

std::string recoveryFolder(const std::string& xdgStateHome, const std::string& home) {
    if (!xdgStateHome.empty() && xdgStateHome.front() == '/')
        return xdgStateHome + "/qelec";
    return home + "/.local/state/qelec";
}

std::string recoveryFilePath(const std::string& folder, const std::string& keyboardStatePath) {
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(nameHash(keyboardStatePath)));
    return folder + "/recovery-" + hex + ".txt";
}
