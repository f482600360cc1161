// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// An exclusive flock on a lock file, held until this object is released or destroyed. Locks from
// two open files conflict even inside one process, so two connections of one program exclude each
// other like two programs do.
class FileLock {
public:
    enum class Status { Held, Busy, Failed, Released };

    // Waits until the lock is free; creates the lock file when needed. A symbolic link or anything
    // but a regular file at path is refused (Failed), never followed or opened.
    static FileLock acquire(const std::string& path);
    // Returns at once: Busy when another open file holds the lock.
    static FileLock tryAcquire(const std::string& path);

    FileLock() = default;
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    Status status() const { return status_; }
    bool held() const { return status_ == Status::Held; }
    // Why the lock could not be taken, for Failed.
    const std::string& error() const { return error_; }
    void release();

private:
    static FileLock lock(const std::string& path, bool wait);

    int fd_ = -1;
    Status status_ = Status::Failed;
    std::string error_;
};
