// SPDX-License-Identifier: GPL-3.0-or-later
#include "AtomicFileWrite.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Links followed before giving up, as the system itself does (ELOOP).
constexpr int kMaxLinkHops = 40;
// Fresh names tried when the one drawn is taken.
constexpr int kMaxNameAttempts = 100;
constexpr char kNameCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kRandomCharacters = 8;

std::string systemReason(const std::string& what, int error) {
    return what + ": " + std::strerror(error);
}

std::string folderOf(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

std::string baseNameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// The path of the file that the links at path finally name (path itself when it is no link). The
// file need not exist. False, with the reason, when the links loop or cannot be read.
bool followLinks(const std::string& path, std::string& target, std::string& reason) {
    std::string at = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(at.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            target = at;
            return true;
        }
        std::string link(PATH_MAX, '\0');
        const ssize_t length = ::readlink(at.c_str(), link.data(), link.size());
        if (length < 0) {
            reason = systemReason("cannot read the link " + at, errno);
            return false;
        }
        if (static_cast<std::size_t>(length) >= link.size()) {
            reason = systemReason("cannot read the link " + at, ENAMETOOLONG);
            return false;
        }
        link.resize(static_cast<std::size_t>(length));
        at = !link.empty() && link[0] == '/' ? link : folderOf(at) + "/" + link;
    }
    reason = systemReason("cannot write " + path, ELOOP);
    return false;
}

// The longest file name the folder takes.
std::size_t nameLimit(const std::string& folder) {
    const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : NAME_MAX;
}

// base cut to at most length bytes, not inside a UTF-8 sequence.
std::string cutName(const std::string& base, std::size_t length) {
    if (base.size() <= length)
        return base;
    while (length > 0 && (static_cast<unsigned char>(base[length]) & 0xC0U) == 0x80U)
        --length;
    return base.substr(0, length);
}

// Eight characters drawn at random for every name tried.
TemporaryNameDraw randomNames() {
    auto random = std::make_shared<std::random_device>();
    return [random] {
        std::uniform_int_distribution<std::size_t> pick(0, sizeof kNameCharacters - 2);
        std::string drawn;
        for (std::size_t i = 0; i < kRandomCharacters; ++i)
            drawn += kNameCharacters[pick(*random)];
        return drawn;
    };
}

// A temporary file of its own in folder, named ".<base>.<drawn>" within the folder's limit and
// created exclusively; -1 with the reason when none could be made.
int createTemporary(const std::string& folder, const std::string& base, mode_t mode,
                    const TemporaryNameDraw& draw, std::string& name, std::string& reason) {
    const std::size_t limit = nameLimit(folder);
    for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
        const std::string drawn = draw();
        const std::size_t fixed = 2 + drawn.size(); // the two dots and the drawn part
        name = folder + "/." + cutName(base, limit > fixed ? limit - fixed : 0) + "." + drawn;
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST) {
            reason = systemReason("cannot create a temporary file in " + folder, errno);
            return -1;
        }
    }
    reason = systemReason("cannot create a temporary file in " + folder, EEXIST);
    return -1;
}

bool writeAll(int fd, std::string_view bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// Best effort: a folder that cannot be synced still holds the renamed file.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Writes, syncs and gives the old file's owner and mode to the temporary file; "" or the reason.
std::string fillTemporary(int fd, const std::string& name, std::string_view bytes, const struct stat* old) {
    if (!writeAll(fd, bytes))
        return systemReason("cannot write " + name, errno);
    if (old != nullptr) {
        // Only the owner or root may give a file away; a file that cannot keep its owner is still
        // replaced, like an editor would, with the mode that keeps it as private as it was.
        struct stat now {};
        if (::fstat(fd, &now) == 0 && (now.st_uid != old->st_uid || now.st_gid != old->st_gid))
            (void)::fchown(fd, old->st_uid, old->st_gid);
        if (::fchmod(fd, old->st_mode & 07777U) != 0)
            return systemReason("cannot set the mode of " + name, errno);
    }
    if (::fsync(fd) != 0)
        return systemReason("cannot write " + name, errno);
    return {};
}

bool fail(std::string* error, std::string reason) {
    if (error != nullptr)
        *error = std::move(reason);
    return false;
}

// Why the file at target may not be replaced by this process, or "" when it may: one it could not
// open for writing, or one that grants no write permission at all (a file its owner protected,
// which root too leaves alone).
std::string writeRefusal(const std::string& path, const std::string& target, const struct stat& old) {
    if ((old.st_mode & 0222U) == 0)
        return systemReason("cannot write " + path, EACCES);
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return systemReason("cannot write " + path, errno);
    return {};
}

// What path names in the end, through links the system follows itself (such as those of /proc that
// name no path) is no regular file.
bool namesSomethingElse(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
}

} // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
    return writeFileAtomically(path, bytes, error, randomNames());
}

bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string* error,
                         const TemporaryNameDraw& draw) {
    if (path.empty())
        return fail(error, systemReason("cannot write a file without a name", ENOENT));
    std::string target;
    std::string reason;
    if (!followLinks(path, target, reason))
        return fail(error, reason);
    const std::string base = baseNameOf(target);
    struct stat old {};
    const bool exists = ::lstat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT)
        return fail(error, systemReason("cannot write " + path, errno));
    if ((exists && !S_ISREG(old.st_mode)) || base.empty() || base == "." || base == ".." ||
        namesSomethingElse(path))
        return fail(error, "cannot replace " + path + ": not a regular file");
    if (exists) {
        if (std::string refusal = writeRefusal(path, target, old); !refusal.empty())
            return fail(error, std::move(refusal));
    }

    const std::string folder = folderOf(target);
    std::string temporary;
    // A new file is made with the umask's mode; the temporary copy of an old one stays private until
    // it holds everything and gets the old file's mode.
    const int fd = createTemporary(folder, base, exists ? 0600 : 0666, draw, temporary, reason);
    if (fd < 0)
        return fail(error, reason);
    reason = fillTemporary(fd, temporary, bytes, exists ? &old : nullptr);
    if (::close(fd) != 0 && reason.empty())
        reason = systemReason("cannot write " + temporary, errno);
    if (reason.empty() && ::rename(temporary.c_str(), target.c_str()) != 0)
        reason = systemReason("cannot replace " + path, errno);
    if (!reason.empty()) {
        ::unlink(temporary.c_str());
        return fail(error, reason);
    }
    syncFolder(folder);
    return true;
}
