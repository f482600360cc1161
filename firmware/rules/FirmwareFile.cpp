// SPDX-License-Identifier: GPL-3.0-or-later
#include "firmware/rules/FirmwareFile.h"

#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace FirmwareFile {
namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Opening never waits: a pipe without a writer would otherwise block the open until one comes.
int openForReading(const std::string& path) {
    int fd = -1;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// Reads until the end of the file into bytes, refusing to go past kMaxBytes.
ReadStatus readAll(int fd, std::vector<char>& bytes) {
    char block[65536];
    for (;;) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return ReadStatus::ReadFailed;
        if (got == 0)
            return ReadStatus::Read;
        if (bytes.size() + static_cast<std::size_t>(got) > kMaxBytes)
            return ReadStatus::ReadFailed;
        bytes.insert(bytes.end(), block, block + got);
    }
}

} // namespace

Contents read(const std::string& path) {
    Contents contents;
    const Descriptor file(openForReading(path));
    if (file.get() < 0)
        return contents;
    struct stat about {};
    if (::fstat(file.get(), &about) != 0 || !S_ISREG(about.st_mode)) {
        contents.status = ReadStatus::NotRegularFile;
        return contents;
    }
    if (about.st_size < 0 || static_cast<unsigned long long>(about.st_size) > kMaxBytes) {
        contents.status = ReadStatus::TooLarge;
        return contents;
    }
    try {
        contents.bytes.reserve(static_cast<std::size_t>(about.st_size));
        contents.status = readAll(file.get(), contents.bytes);
    } catch (const std::bad_alloc&) {
        contents.status = ReadStatus::OutOfMemory;
    }
    if (!contents.ok())
        contents.bytes = std::vector<char>();
    return contents;
}

std::string_view describe(ReadStatus status) {
    switch (status) {
    case ReadStatus::Read:
        return "read";
    case ReadStatus::CannotOpen:
        return "it cannot be opened";
    case ReadStatus::NotRegularFile:
        return "it is not a regular file";
    case ReadStatus::TooLarge:
        return "it is larger than any firmware image (32 MiB at most)";
    case ReadStatus::ReadFailed:
        return "reading it failed";
    case ReadStatus::OutOfMemory:
        return "there is no memory to read it";
    }
    return "unknown";
}

} // namespace FirmwareFile
