// The one writer of every file the program and its tools write, where the file system is hostile:
// links planted at the names it will try, protected files, and names the system itself resolves.
#include "device/AtomicFileWrite.h"
#include "DeviceTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Hands out the given names in turn, then "spare".
TemporaryNameDraw drawing(std::vector<std::string> names) {
    auto next = std::make_shared<std::size_t>(0);
    return [names = std::move(names), next] { return *next < names.size() ? names[(*next)++] : "spare"; };
}

} // namespace

TEST(AtomicFileWrite, ALinkPlantedAtTheTemporaryNameItTriesIsNeitherFollowedNorRemoved) {
    TempDir dir;
    const std::string victim = dir.file("victim.txt");
    writeFile(victim, "another user's file");
    const std::string path = dir.file("out.svg");
    writeFile(path, "old");
    // The first name it tries holds a link to a file, the second one to a file not there yet.
    fs::create_symlink(victim, dir.file(".out.svg.first"));
    fs::create_symlink(dir.file("made.txt"), dir.file(".out.svg.second"));

    std::string error;
    ASSERT_TRUE(writeFileAtomically(path, "new", &error, drawing({"first", "second", "third"}))) << error;
    EXPECT_EQ(readFile(path), "new");
    EXPECT_EQ(readFile(victim), "another user's file");
    EXPECT_FALSE(fs::exists(dir.file("made.txt"))) << "a dangling link planted there made its target";
    EXPECT_EQ(namesIn(dir.path()),
              (std::vector<std::string>{".out.svg.first", ".out.svg.second", "out.svg", "victim.txt"}));
    EXPECT_EQ(fs::read_symlink(dir.file(".out.svg.first")), victim);
}

TEST(AtomicFileWrite, AProtectedFileIsRefusedWithTheSystemsReasonAndKept) {
    TempDir dir;
    const std::string path = dir.file("kept.pro");
    fs::create_symlink("kept.pro", dir.file("link.pro"));
    for (const mode_t mode : {0444U, 0400U, 0555U}) {
        writeFile(path, "protected");
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        for (const std::string& written : {path, dir.file("link.pro")}) {
            std::string error;
            EXPECT_FALSE(writeFileAtomically(written, "new", &error)) << written << " " << std::oct << mode;
            EXPECT_EQ(error, "cannot write " + written + ": Permission denied");
        }
        EXPECT_EQ(readFile(path), "protected");
        ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    }
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"kept.pro", "link.pro"})) << "no litter";
}

// /proc/self/fd/N names a pipe through a link whose text is no path ("pipe:[…]").
TEST(AtomicFileWrite, ALinkTheSystemResolvesToAPipeIsRefused) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    const std::string path = "/proc/self/fd/" + std::to_string(ends[1]);
    std::string error;
    EXPECT_FALSE(writeFileAtomically(path, "new", &error));
    EXPECT_EQ(error, "cannot replace " + path + ": not a regular file");
    ::close(ends[0]);
    ::close(ends[1]);
}
