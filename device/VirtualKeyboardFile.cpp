// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/VirtualKeyboardFile.h"

#include "device/AtomicFileWrite.h"
#include "device/StateTextReader.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr const char* kStateFileName = "virtual-keyboard.txt";

bool isSet(const char* value) {
    return value != nullptr && value[0] != '\0';
}

std::string folderOf(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

const char* homeFromPasswordDatabase() {
    const passwd* entry = ::getpwuid(::getuid());
    return entry != nullptr ? entry->pw_dir : nullptr;
}

UpdateStatus updateStatusFor(LoadStatus status) {
    switch (status) {
    case LoadStatus::Ok:
        return UpdateStatus::Done;
    case LoadStatus::Missing:
        return UpdateStatus::Missing;
    case LoadStatus::Corrupt:
        return UpdateStatus::Corrupt;
    case LoadStatus::Unreadable:
        return UpdateStatus::Unreadable;
    }
    return UpdateStatus::Unreadable;
}
} // namespace

std::string resolveStatePath(const EnvironmentLookup& environment) {
    if (const char* explicitPath = environment("QELEC_VKBD_STATE"); isSet(explicitPath))
        return explicitPath;
    const char* dataHome = environment("XDG_DATA_HOME");
    if (isSet(dataHome) && dataHome[0] == '/')
        return std::string(dataHome) + "/qelec/" + kStateFileName;
    const char* home = environment("HOME");
    return std::string(isSet(home) ? home : ".") + "/.local/share/qelec/" + kStateFileName;
}

std::string defaultStatePath() {
    return resolveStatePath([](const char* name) -> const char* {
        const char* value = std::getenv(name);
        if (!isSet(value) && std::strcmp(name, "HOME") == 0)
            return homeFromPasswordDatabase();
        return value;
    });
}

std::string missingStateMessage(const std::string& path) {
    return "no virtual keyboard at " + path + "; create one with: qelec-vkbd create --variant 4";
}

VirtualKeyboardFile::VirtualKeyboardFile(std::string path) : path_(std::move(path)) {}

StateText VirtualKeyboardFile::readText() const {
    return StateTextReader(path_).read();
}

LoadResult loadResultFor(const StateText& text, const std::string& path) {
    LoadResult result;
    result.status = text.status;
    result.message = text.message;
    if (text.status != LoadStatus::Ok)
        return result;
    StateParseResult parsed = parseVirtualKeyboardState(text.text);
    if (!parsed.ok()) {
        result.status = LoadStatus::Corrupt;
        result.errorLine = parsed.error.line;
        result.message = "corrupt virtual keyboard state " + path + ": " + parsed.error.describe();
        return result;
    }
    result.state = std::move(parsed.state);
    return result;
}

LoadResult VirtualKeyboardFile::load() const {
    return loadResultFor(readText(), path_);
}

bool VirtualKeyboardFile::save(const VirtualKeyboardState& state, std::string* error) const {
    return writeFileAtomically(path_, serialiseVirtualKeyboardState(state), error);
}

UpdateResult VirtualKeyboardFile::update(const std::function<bool(VirtualKeyboardState&)>& change) const {
    FileLock lock = FileLock::acquire(updateLockPath());
    if (!lock.held()) {
        LoadResult current = load();
        if (current.ok())
            return {UpdateStatus::WriteFailed, lock.error()};
        return {updateStatusFor(current.status), current.message};
    }
    LoadResult current = load();
    if (!current.ok())
        return {updateStatusFor(current.status), current.message};
    if (!change(*current.state))
        return {UpdateStatus::Declined, {}};
    std::string error;
    if (!save(*current.state, &error))
        return {UpdateStatus::WriteFailed, error};
    return {UpdateStatus::Done, {}};
}

UpdateResult VirtualKeyboardFile::create(const VirtualKeyboardState& state, bool overwrite) const {
    std::error_code ignored;
    std::filesystem::create_directories(folderOf(path_), ignored);
    FileLock lock = FileLock::acquire(updateLockPath());
    if (!lock.held())
        return {UpdateStatus::WriteFailed, lock.error()};
    struct stat info {};
    if (!overwrite && ::lstat(path_.c_str(), &info) == 0)
        return {UpdateStatus::Exists,
                "a virtual keyboard already exists at " + path_ + "; add --force to replace it"};
    std::string error;
    if (!save(state, &error))
        return {UpdateStatus::WriteFailed, error};
    return {UpdateStatus::Done, {}};
}
