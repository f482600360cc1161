// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/profile/XmlReport.h"

#include <cstddef>
#include <string>

// Reading a file into document text, before any parse: what XmlDocument::load does first, for a
// reader that may not need the element index.
namespace xml {

// The text of a file as read, converted to UTF-8.
struct TextFile {
    std::string text;
    // Why the file could not be read, one line for a person; "" when it was.
    std::string error;
    // How many zero characters were removed from the text (see "nulls_removed").
    std::size_t nullsRemoved = 0;
    // The byte-order mark found, as XmlDocument's mark flags.
    int markFlags = 0;
};

// Reads the regular file at path and converts it to UTF-8 text, reporting each step; the file is
// opened without waiting, so that a FIFO or a device in its place cannot hang the reader. False,
// with the reason in file.error (and reported as "file_error"), when it is no regular file, holds
// more than maxFileBytes or cannot be read.
bool readTextFile(const std::string& path, std::size_t maxFileBytes, TextFile& file, XmlReport& report);

} // namespace xml
