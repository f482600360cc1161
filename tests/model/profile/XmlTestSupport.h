// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

namespace xmltest {

inline const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";

// Whether text holds part, with both shown when it does not.
inline testing::AssertionResult contains(const std::string& text, std::string_view part) {
    if (text.find(part) != std::string::npos)
        return testing::AssertionSuccess() << "\"" << text << "\" holds \"" << part << "\"";
    return testing::AssertionFailure() << "\"" << text << "\" does not hold \"" << part << "\"";
}

// A file of tests/data/xml: found through QELEC_TEST_DATA under CTest, else through the source path.
inline std::string dataPath(std::string_view name) {
    const char* root = std::getenv("QELEC_TEST_DATA");
    const std::string folder =
        root != nullptr ? std::string(root) + "/xml" : std::string(QELEC_XML_TEST_DATA);
    return folder + "/" + std::string(name);
}

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A folder of its own under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir() {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() / ("qelec-xml-" + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string file(std::string_view name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

} // namespace xmltest
