// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class CConfigStore;
class XmlDocument;

// Profiles (*.pro): the three libraries, every key's colour and every key's assignment on all nine
// tables, as an XML document whose root element is named after the keyboard variant.

// What loading a profile came to.
struct ProfileLoadReport {
    enum class Status {
        Loaded,        // the store now holds the profile
        Unreadable,    // the file could not be read
        NotWellFormed, // the file is not a well-formed XML document
        WrongVariant,  // the document is not a profile for the attached variant
    };
    Status status = Status::Unreadable;
    // The root element found, when it was not the attached variant's.
    std::string rootName;
    // For Unreadable: why the file could not be read, one line for a person.
    std::string reason;
    // Entries that were refused or cut short, one line each, in file order.
    std::vector<std::string> skipped;

    bool loaded() const { return status == Status::Loaded; }
};

// Writes the store's libraries, colours and key tables to path, as writeFileAtomically does: through a
// symbolic link to its target, keeping the old file's mode, never through a link planted at the
// temporary name. The old file stays as it was unless the new one was written completely; returns
// false when it could not be, with the reason (the system's words) in *error when error is given.
bool saveProfile(const CConfigStore& store, const std::string& path, std::string* error = nullptr);

// Reads a profile for the store's variant. On success the libraries, colours and key tables are
// replaced and the press counters cleared; on any failure the store is left exactly as it was. Only
// a regular file of at most kMaxProfileBytes is read, without waiting on a FIFO or device; a file
// whose zero bytes would have to be removed (text in an unrecognised 16-bit encoding) is refused.
// Colours are bounded to 0..255 and keys that could not be sent are left not set, each reported in
// skipped.
ProfileLoadReport loadProfile(CConfigStore& store, const std::string& path);

// Reads a profile from a parsed document, as loadProfile and loadProfileText read every text that is
// not in the written form they read in one pass: NotWellFormed when the document is not well-formed.
ProfileLoadReport loadProfileDocument(CConfigStore& store, XmlDocument& doc);

// The profile text of the store (what saveProfile writes).
std::string profileText(const CConfigStore& store);
// Reads a profile from text, as loadProfile does from a file.
ProfileLoadReport loadProfileText(CConfigStore& store, const std::string& text);

// Limits that keep a hostile file from making the reader allocate without bound.
inline constexpr int kMaxListItems = 4096;      // an "x" ID at or above this is skipped
inline constexpr int kMaxListDepth = 3;         // library, entry actions, their children
inline constexpr int kMaxGapItems = 65536;      // empty items created for gaps in IDs, per load
inline constexpr int kMaxSkippedReported = 100; // lines kept in ProfileLoadReport::skipped
// Larger files are refused unread: a full profile is about 1.1 MB.
inline constexpr std::size_t kMaxProfileBytes = std::size_t{64} << 20;
