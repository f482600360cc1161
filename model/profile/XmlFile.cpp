// Loading and saving of XmlDocument: file access, guarded by the reading and writing flags.
#include "model/profile/XmlDocument.h"

#include "model/profile/XmlEncoding.h"
#include "model/profile/XmlReport.h"
#include "model/profile/XmlTag.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <utility>

namespace {

constexpr int kMarkFlags = XmlDocument::kUtf16LeMark | XmlDocument::kUtf8Mark | XmlDocument::kUtf16BeMark;
constexpr std::size_t kReadChunk = 64 * 1024;
// UTF-16 and 8-bit files can grow when converted; the text limit is checked again after conversion.
constexpr std::size_t kMaxFileSize = XmlDocument::kMaxTextSize;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePointer = std::unique_ptr<std::FILE, FileCloser>;

// Sets a flag bit for the lifetime of the object.
class FlagScope {
public:
    FlagScope(int& flags, int bit) : flags_(flags), bit_(bit) { flags_ |= bit_; }
    ~FlagScope() { flags_ &= ~bit_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    int& flags_;
    int bit_;
};

long long number(std::size_t value) {
    return static_cast<long long>(value);
}

void reportFileError(XmlReport& report, std::string_view msg) {
    report.add("file_error", {{"msg", msg}});
}

bool readWholeFile(std::FILE* file, std::string& bytes, XmlReport& report) {
    std::size_t expected = kReadChunk;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long size = std::ftell(file);
        if (size >= 0 && static_cast<unsigned long>(size) > kMaxFileSize) {
            reportFileError(report, "file too large");
            return false;
        }
        if (size >= 0)
            expected = static_cast<std::size_t>(size) + 1;
        std::rewind(file);
    }
    // One byte more than the size found, so that reaching the end needs no second buffer.
    bytes.resize(expected);
    std::size_t filled = 0;
    while (true) {
        filled += std::fread(bytes.data() + filled, 1, bytes.size() - filled, file);
        if (filled < bytes.size())
            break;
        if (bytes.size() > kMaxFileSize) {
            reportFileError(report, "file too large");
            return false;
        }
        bytes.resize(std::min(2 * bytes.size(), kMaxFileSize + 1));
    }
    bytes.resize(filled);
    if (std::ferror(file) != 0) {
        reportFileError(report, std::strerror(errno));
        return false;
    }
    return true;
}

bool writeAll(std::FILE* file, std::string_view bytes) {
    return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

} // namespace

bool XmlDocument::load(const std::string& path) {
    if ((flags_ & (kReadingFile | kWritingFile)) != 0)
        return false;
    FlagScope reading(flags_, kReadingFile);
    try {
        result_.clear();
        if (readDocumentFile(path))
            return true;
    } catch (const std::exception&) {
        XmlReport(result_).add("file_error", {{"msg", "out of memory"}});
    }
    clearDocument();
    return false;
}

bool XmlDocument::readDocumentFile(const std::string& path) {
    XmlReport report(result_);
    std::string bytes;
    {
        const FilePointer file(std::fopen(path.c_str(), "rb"));
        if (!file) {
            reportFileError(report, std::strerror(errno));
            return false;
        }
        if (!readWholeFile(file.get(), bytes, report))
            return false;
    }
    int marks = 0;
    std::string text = xml::decodeFile(std::move(bytes), marks, report);
    if (text.size() > kMaxTextSize) {
        reportFileError(report, "document too large");
        return false;
    }
    flags_ = (flags_ & ~kMarkFlags) | marks;
    doc_ = std::move(text);
    parse();
    return true;
}

bool XmlDocument::save(const std::string& path) {
    if ((flags_ & (kReadingFile | kWritingFile)) != 0)
        return false;
    FlagScope writing(flags_, kWritingFile);
    try {
        result_.clear();
        return writeDocumentFile(path);
    } catch (const std::exception&) {
        XmlReport(result_).add("file_error", {{"msg", "out of memory"}});
        return false;
    }
}

bool XmlDocument::writeDocumentFile(const std::string& path) {
    XmlReport report(result_);
    const std::string_view declared = xml::declaredEncoding(doc_);
    const std::string encoding(declared.empty() ? std::string_view("UTF-8") : declared);
    const xml::EncodedFile encoded = xml::encodeFile(doc_, encoding, flags_, report);
    const std::string_view body = encoded.converted ? std::string_view(encoded.body) : std::string_view(doc_);
    std::FILE* file = std::fopen(path.c_str(), (flags_ & kAppendFile) != 0 ? "ab" : "wb");
    if (file == nullptr) {
        reportFileError(report, std::strerror(errno));
        return false;
    }
    const bool written = writeAll(file, encoded.mark) && writeAll(file, body);
    const int writeErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        reportFileError(report, std::strerror(written ? errno : writeErrno));
        return false;
    }
    report.add("write", {{"encoding", encoding}, {"length", number(encoded.mark.size() + body.size())}});
    return true;
}
