// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/VirtualKeyboardFile.h"

#include <string>
#include <sys/types.h>

// Reads the text of the state file again and again, as a connection does at every call. The file read
// last stays open, and while the path still names that file its text is read from it again from the
// start; when the path names another file (every save replaces the file by another) or none, the path
// is opened anew. Either way a read gives the text as the file holds it now, as readText() does.
class StateTextReader {
public:
    explicit StateTextReader(std::string path);
    ~StateTextReader();
    StateTextReader(const StateTextReader&) = delete;
    StateTextReader& operator=(const StateTextReader&) = delete;

    StateText read();

private:
    // Opens the path and keeps the file open; its size in sizeHint. On failure says why in result.
    bool open(StateText& result, std::size_t& sizeHint);
    // The path still names the file kept open; its size in sizeHint.
    bool stillNamesKeptFile(std::size_t& sizeHint) const;
    void close();

    std::string path_;
    int fd_ = -1;
    dev_t device_ = 0;
    ino_t inode_ = 0;
};
