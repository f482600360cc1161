// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A firmware file read whole into memory. Only a regular file of at most kMaxBytes is read: a
// device, a pipe or a folder picked by mistake, or a file far larger than any image a keyboard takes,
// is refused before anything is read.
namespace FirmwareFile {

// Eight times the largest image the keyboard takes (a 16-byte header and 4 MiB of payload).
inline constexpr std::size_t kMaxBytes = std::size_t{32} << 20;

enum class ReadStatus {
    Read,
    CannotOpen,     // missing, not readable
    NotRegularFile, // a folder, device, pipe or socket
    TooLarge,       // more than kMaxBytes
    ReadFailed,     // an error while reading, or the file grew past kMaxBytes meanwhile
    OutOfMemory,    // no buffer for it
};

struct Contents {
    ReadStatus status = ReadStatus::CannotOpen;
    std::vector<char> bytes;
    bool ok() const { return status == ReadStatus::Read; }
};

// Reads the file at path; bytes are empty unless it was read whole.
Contents read(const std::string& path);
// Why a file was not read, in a few English words ("not a regular file").
std::string_view describe(ReadStatus status);

} // namespace FirmwareFile
