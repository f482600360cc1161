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
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr int kMarkFlags = XmlDocument::kUtf16LeMark | XmlDocument::kUtf8Mark | XmlDocument::kUtf16BeMark;
constexpr std::size_t kReadChunk = 64 * 1024;
constexpr std::size_t kMebibyte = std::size_t{1} << 20;

// Closes a file descriptor at the end of its scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

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

std::string sizeText(std::size_t bytes) {
    if (bytes >= kMebibyte && bytes % kMebibyte == 0)
        return std::to_string(bytes / kMebibyte) + " MiB";
    return std::to_string(bytes) + " bytes";
}

std::string tooLarge(std::size_t limit) {
    return "file too large (larger than " + sizeText(limit) + ")";
}

// Reads at most limit + 1 bytes of fd into bytes; the reason when it cannot, or when the file holds
// more than limit.
std::string readAtMost(int fd, std::size_t sizeHint, std::size_t limit, std::string& bytes) {
    // One byte more than the size found, so that reaching the end needs no second buffer.
    bytes.resize(std::min(sizeHint, limit) + 1);
    std::size_t filled = 0;
    while (true) {
        if (filled == bytes.size()) {
            if (bytes.size() > limit)
                return tooLarge(limit);
            bytes.resize(std::min(2 * bytes.size(), limit + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::strerror(errno);
        if (n == 0)
            break;
        filled += static_cast<std::size_t>(n);
    }
    bytes.resize(filled);
    return {};
}

// The bytes of the regular file at path, or the reason they cannot be had. The file is opened
// without waiting, so that a FIFO or a device in its place cannot hang the reader.
std::string readRegularFile(const std::string& path, std::size_t limit, std::string& bytes) {
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0)
        return std::strerror(errno);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return std::strerror(errno);
    if (!S_ISREG(info.st_mode))
        return "not a regular file";
    const auto size = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
    if (size > limit)
        return tooLarge(limit);
    const int flags = ::fcntl(file.get(), F_GETFL);
    if (flags != -1)
        (void)::fcntl(file.get(), F_SETFL, flags & ~O_NONBLOCK);
    // A size of 0 may mean a file whose size is not known ahead (as in /proc): read it in chunks.
    return readAtMost(file.get(), size > 0 ? size : kReadChunk, limit, bytes);
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
    std::string bytes;
    fileError_ = readRegularFile(path, maxFileBytes, bytes);
    if (!fileError_.empty()) {
        reportFileError(report, fileError_);
        return false;
    }
    int marks = 0;
    std::string text = xml::decodeFile(std::move(bytes), marks, report, &nullsRemoved_);
    if (text.size() > kMaxTextSize) {
        fileError_ = "document too large";
        reportFileError(report, fileError_);
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
