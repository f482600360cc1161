#include "tools/ctl/CommandOutput.h"

#include "tools/ctl/PrintableText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The reason the first failed flush gave; 0 while none has failed.
int firstWriteError = 0;

} // namespace

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
    if (firstWriteError == 0)
        firstWriteError = errno != 0 ? errno : EIO;
    return false;
}

int finishOutput(int exitCode) {
    if (flushOutput())
        return exitCode;
    std::fprintf(stderr, "qelec-ctl: write error: %s\n", std::strerror(firstWriteError));
    return kExitUsage;
}
