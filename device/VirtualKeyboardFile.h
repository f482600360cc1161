// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/FileLock.h"
#include "device/VirtualKeyboardState.h"

#include <functional>
#include <optional>
#include <string>

// Looks up an environment variable; nullptr when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

// The state path: $QELEC_VKBD_STATE, else $XDG_DATA_HOME/qelec/virtual-keyboard.txt (an absolute
// XDG_DATA_HOME only), else $HOME/.local/share/qelec/virtual-keyboard.txt.
std::string resolveStatePath(const EnvironmentLookup& environment);
// resolveStatePath on this process's environment, with the password database standing in for HOME.
std::string defaultStatePath();

// What reading the state found.
enum class LoadStatus { Ok, Missing, Corrupt, Unreadable };

struct LoadResult {
    LoadStatus status = LoadStatus::Missing;
    std::optional<VirtualKeyboardState> state;
    // For anything but Ok, one line for a person: what and where.
    std::string message;
    // For Corrupt: the line of the state file at fault (0 when it is the file as a whole).
    int errorLine = 0;
    bool ok() const { return status == LoadStatus::Ok; }
};

// The raw text of the state file, before parsing.
struct StateText {
    LoadStatus status = LoadStatus::Missing;
    std::string text;
    std::string message;
};

// How a change of the stored state went.
enum class UpdateStatus { Done, Declined, Missing, Corrupt, Unreadable, Exists, WriteFailed };

struct UpdateResult {
    UpdateStatus status = UpdateStatus::Done;
    std::string message;
    bool ok() const { return status == UpdateStatus::Done; }
};

// The state file and its two side files: "<path>.lock" serialises read-modify-write cycles of every
// process, "<path>.owner" is held by the connection that owns the keyboard. Each save replaces the
// state with writeFileAtomically, so a reader sees either the old state or the new one, never a
// part; a state reached through a symbolic link is replaced at the link's target and keeps its mode.
class VirtualKeyboardFile {
public:
    // Larger files are refused unread.
    static constexpr std::size_t kMaxFileBytes = std::size_t{32} << 20;

    explicit VirtualKeyboardFile(std::string path);

    const std::string& path() const { return path_; }
    std::string ownerLockPath() const { return path_ + ".owner"; }
    std::string updateLockPath() const { return path_ + ".lock"; }

    StateText readText() const;
    LoadResult load() const;
    // Replaces the file atomically (writeFileAtomically); the folder must exist.
    bool save(const VirtualKeyboardState& state, std::string* error) const;
    // Loads, lets change edit the state and saves it, all under the update lock; change returns
    // false to leave the file as it was (Declined).
    UpdateResult update(const std::function<bool(VirtualKeyboardState&)>& change) const;
    // Writes a new state, making the folder; refuses (Exists) to replace one unless overwrite.
    UpdateResult create(const VirtualKeyboardState& state, bool overwrite) const;
    // Tries the owner lock without waiting.
    FileLock tryOwn() const { return FileLock::tryAcquire(ownerLockPath()); }

private:
    std::string path_;
};

// The message of a missing, corrupt or unreadable state at path.
std::string missingStateMessage(const std::string& path);
// LoadResult for the given text, as load() gives it.
LoadResult loadResultFor(const StateText& text, const std::string& path);
