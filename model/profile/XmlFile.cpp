// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving of XmlDocument: file access, guarded by the reading and writing flags.
#include "model/profile/XmlDocument.h"

#include "model/profile/XmlEncoding.h"
#include "model/profile/XmlReport.h"
#include "model/profile/XmlTag.h"
#include "model/profile/XmlTextFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <utility>

namespace {

constexpr int kMarkFlags = XmlDocument::kUtf16LeMark | XmlDocument::kUtf8Mark | XmlDocument::kUtf16BeMark;

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

bool writeAll(std::FILE* file, std::string_view bytes) {
    return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

} // namespace

bool XmlDocument::load(const std::string& path, std::size_t maxFileBytes) {
    if ((flags_ & (kReadingFile | kWritingFile)) != 0)
        return false;
    FlagScope reading(flags_, kReadingFile);
    try {
        result_.clear();
        fileError_.clear();
        nullsRemoved_ = 0;
        if (readDocumentFile(path, std::min(maxFileBytes, kMaxTextSize)))
            return true;
    } catch (const std::exception&) {
        fileError_ = "out of memory";
        XmlReport(result_).add("file_error", {{"msg", fileError_}});
    }
    clearDocument();
    return false;
}

bool XmlDocument::readDocumentFile(const std::string& path, std::size_t maxFileBytes) {
    XmlReport report(result_);
    xml::TextFile file;
    const bool read = xml::readTextFile(path, maxFileBytes, file, report);
    nullsRemoved_ = file.nullsRemoved;
    fileError_ = std::move(file.error);
    if (!read)
        return false;
    if (file.text.size() > kMaxTextSize) {
        fileError_ = "document too large";
        reportFileError(report, fileError_);
        return false;
    }
    flags_ = (flags_ & ~kMarkFlags) | file.markFlags;
    doc_ = std::move(file.text);
    parse();
    return true;
}

bool XmlDocument::save(const std::string& path) {
    if ((flags_ & (kReadingFile | kWritingFile)) != 0)
        return false;
    FlagScope writing(flags_, kWritingFile);
    try {
        result_.clear();
        fileError_.clear();
        return writeDocumentFile(path);
    } catch (const std::exception&) {
        fileError_ = "out of memory";
        XmlReport(result_).add("file_error", {{"msg", fileError_}});
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
        fileError_ = std::strerror(errno);
        reportFileError(report, fileError_);
        return false;
    }
    const bool written = writeAll(file, encoded.mark) && writeAll(file, body);
    const int writeErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        fileError_ = std::strerror(written ? errno : writeErrno);
        reportFileError(report, fileError_);
        return false;
    }
    report.add("write", {{"encoding", encoding}, {"length", number(encoded.mark.size() + body.size())}});
    return true;
}
