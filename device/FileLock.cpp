// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/FileLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr const char* kLinkRefused = "a symbolic link, which a lock file never follows";
constexpr const char* kNotRegular = "not a regular file";

// The lock file at path, made when missing; -1 with the reason when it cannot be used. A link there is
// never followed and anything but a regular file is refused before it is opened, so that no one can
// turn taking a lock into making or opening a file of their choosing.
int openLockFile(const std::string& path, std::string& reason) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        reason = S_ISLNK(info.st_mode) ? kLinkRefused : kNotRegular;
        return -1;
    }
    const int fd =
        ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd < 0) {
        reason = errno == ELOOP ? kLinkRefused : std::strerror(errno);
        return -1;
    }
    // Something else may have taken the name between the look and the open.
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        reason = kNotRegular;
        return -1;
    }
    return fd;
}

} // namespace

FileLock FileLock::acquire(const std::string& path) {
    return lock(path, true);
}

FileLock FileLock::tryAcquire(const std::string& path) {
    return lock(path, false);
}

FileLock FileLock::lock(const std::string& path, bool wait) {
    FileLock result;
    std::string reason;
    const int fd = openLockFile(path, reason);
    if (fd < 0) {
        result.error_ = "cannot open the lock file " + path + ": " + reason;
        return result;
    }
    int rc = 0;
    do {
        rc = ::flock(fd, LOCK_EX | (wait ? 0 : LOCK_NB));
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK) {
            result.status_ = Status::Busy;
        } else {
            result.error_ = "cannot lock " + path + ": " + std::strerror(error);
        }
        return result;
    }
    result.fd_ = fd;
    result.status_ = Status::Held;
    return result;
}

FileLock::FileLock(FileLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), status_(std::exchange(other.status_, Status::Failed)),
      error_(std::move(other.error_)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        release();
        fd_ = std::exchange(other.fd_, -1);
        status_ = std::exchange(other.status_, Status::Failed);
        error_ = std::move(other.error_);
    }
    return *this;
}

FileLock::~FileLock() {
    release();
}

void FileLock::release() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (status_ == Status::Held)
        status_ = Status::Released;
}
