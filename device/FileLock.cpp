#include "device/FileLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

FileLock FileLock::acquire(const std::string& path) {
    return lock(path, true);
}

FileLock FileLock::tryAcquire(const std::string& path) {
    return lock(path, false);
}

FileLock FileLock::lock(const std::string& path, bool wait) {
    FileLock result;
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        result.error_ = "cannot open the lock file " + path + ": " + std::strerror(errno);
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
