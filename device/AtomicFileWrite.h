// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

// Replaces the file at path with bytes, so that a reader sees either the old file or the new one,
// never a part. The bytes go to a temporary file in the same folder, created exclusively (a link or
// file planted at its name is never followed or reused) under a name within the folder's name-length
// limit, then synced, given the old file's owner and mode (a new file gets 0666 less the umask) and
// renamed over the file.
//
// A symbolic link at path is followed to the file it finally names: that file is replaced (or made)
// and the link stays. Anything at path that is not a regular file is refused and left alone. A file
// that may not be written is refused with "Permission denied" rather than replaced behind its back:
// one this process could not open for writing, or one without any write permission, which even root
// takes for a file its owner protected (as an editor does).
//
// Returns false when the file could not be replaced; the old file is then as it was, no temporary
// file is left, and *error (when error is given) holds the reason, one line for a person with the
// system's own words ("cannot create a temporary file in /a: Permission denied").
bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string* error);

// Draws the part of a temporary file's name that follows ".<base>."; called again for every name
// tried.
using TemporaryNameDraw = std::function<std::string()>;

// writeFileAtomically with the temporary names drawn by draw instead of at random, so that a caller
// can know the names it will try.
bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string* error,
                         const TemporaryNameDraw& draw);
