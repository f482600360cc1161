// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ctl/CommandOutput.h"

#include "tools/ctl/PrintableText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

// The reason the first write to standard output failed with; 0 while none has failed.
int firstWriteError = 0;

void noteWriteError(int error) {
    if (firstWriteError == 0)
        firstWriteError = error != 0 ? error : EIO;
}

// Hands the stream's bytes to file descriptor 1. A failure keeps its reason and, as a stream's write
// function says one, gives 0.
ssize_t writeToDescriptor(void* /*cookie*/, const char* bytes, std::size_t size) {
    std::size_t written = 0;
    while (written < size) {
        const ssize_t n = ::write(STDOUT_FILENO, bytes + written, size - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            noteWriteError(n < 0 ? errno : ENOSPC);
            return 0;
        }
        written += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(size);
}

} // namespace

void watchStandardOutput() {
    std::fflush(stdout);
    FILE* watched = ::fopencookie(nullptr, "w", {nullptr, writeToDescriptor, nullptr, nullptr});
    if (watched == nullptr)
        return;
    std::setvbuf(watched, nullptr, ::isatty(STDOUT_FILENO) != 0 ? _IOLBF : _IOFBF, BUFSIZ);
    stdout = watched;
}

int printError(std::string_view message, int exitCode) {
    std::fprintf(stderr, "qelec-ctl: %s\n", printable(message).c_str());
    return exitCode;
}

int printUsageError(std::string_view message) {
    printError(message, kExitUsage);
    std::fputs("Try 'qelec-ctl --help'.\n", stderr);
    return kExitUsage;
}

bool flushOutput() {
    errno = 0;
    if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0)
        return true;
    noteWriteError(errno);
    return false;
}

int finishOutput(int exitCode) {
    if (flushOutput())
        return exitCode;
    std::fprintf(stderr, "qelec-ctl: write error: %s\n", std::strerror(firstWriteError));
    return kExitUsage;
}
