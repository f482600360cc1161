// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

// A fresh folder under $TMPDIR (or /tmp), or under the folder given, removed with everything in it at
// the end.
class TempDir {
public:
    TempDir() : TempDir(systemBase()) {}
    explicit TempDir(const std::string& base) {
        std::string pattern = base + "/qelec-test-XXXXXX";
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        if (mkdtemp(name.data()) == nullptr)
            throw std::runtime_error("cannot make a temporary folder");
        path_ = name.data();
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

    // $TMPDIR, or /tmp.
    static std::string systemBase() {
        const char* base = std::getenv("TMPDIR");
        return base != nullptr && base[0] != '\0' ? base : "/tmp";
    }

private:
    std::string path_;
};
