// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/profile/XmlTextFile.h"

#include "model/profile/XmlEncoding.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace xml {
namespace {

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

} // namespace

bool readTextFile(const std::string& path, std::size_t maxFileBytes, TextFile& file, XmlReport& report) {
    try {
        std::string bytes;
        file.error = readRegularFile(path, maxFileBytes, bytes);
        if (!file.error.empty()) {
            report.add("file_error", {{"msg", file.error}});
            return false;
        }
        file.text = decodeFile(std::move(bytes), file.markFlags, report, &file.nullsRemoved);
        return true;
    } catch (const std::exception&) {
        file.error = "out of memory";
        report.add("file_error", {{"msg", file.error}});
        return false;
    }
}

} // namespace xml
