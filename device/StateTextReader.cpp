// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/StateTextReader.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string errnoText(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

std::size_t sizeOf(const struct stat& info) {
    return static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
}

// Reads the file from its start, at most limit + 1 bytes, so that a file over the limit is noticed
// without reading all of it.
bool readAtMost(int fd, std::size_t sizeHint, std::size_t limit, std::string& text) {
    text.assign(std::min(sizeHint, limit) + 1, '\0');
    std::size_t got = 0;
    while (true) {
        if (got == text.size()) {
            if (text.size() > limit)
                break;
            text.resize(std::min(text.size() * 2, limit + 1));
        }
        const ssize_t n = ::pread(fd, text.data() + got, text.size() - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    text.resize(got);
    return true;
}

} // namespace

StateTextReader::StateTextReader(std::string path) : path_(std::move(path)) {}

StateTextReader::~StateTextReader() {
    close();
}

void StateTextReader::close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

bool StateTextReader::stillNamesKeptFile(std::size_t& sizeHint) const {
    struct stat info {};
    if (fd_ < 0 || ::stat(path_.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    // The kept file is open, so no other file can have its number meanwhile.
    sizeHint = sizeOf(info);
    return info.st_dev == device_ && info.st_ino == inode_;
}

bool StateTextReader::open(StateText& result, std::size_t& sizeHint) {
    close();
    // Non-blocking, so that a FIFO put in the state's place cannot hang the reader.
    const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        result.status = missing ? LoadStatus::Missing : LoadStatus::Unreadable;
        result.message = missing ? missingStateMessage(path_) : errnoText("cannot read " + path_);
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        result.status = LoadStatus::Unreadable;
        result.message = "cannot read " + path_ + ": not a regular file";
        return false;
    }
    fd_ = fd;
    device_ = info.st_dev;
    inode_ = info.st_ino;
    sizeHint = sizeOf(info);
    return true;
}

StateText StateTextReader::read() {
    StateText result;
    std::size_t sizeHint = 0;
    if (!stillNamesKeptFile(sizeHint) && !open(result, sizeHint))
        return result;
    constexpr std::size_t limit = VirtualKeyboardFile::kMaxFileBytes;
    if (!readAtMost(fd_, sizeHint, limit, result.text)) {
        result.status = LoadStatus::Unreadable;
        result.message = errnoText("cannot read " + path_);
        result.text.clear();
        close();
    } else if (result.text.size() > limit) {
        result.status = LoadStatus::Corrupt;
        result.message = "corrupt virtual keyboard state " + path_ + ": larger than " +
                         std::to_string(limit >> 20) + " MiB";
        result.text.clear();
    } else {
        result.status = LoadStatus::Ok;
    }
    return result;
}
