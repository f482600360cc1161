// Loads arbitrary bytes as a profile, through a file as the program does, and saves what it got.
#include "model/ConfigStore.h"
#include "model/profile/ProfileFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

CConfigStore& store() {
    static const std::unique_ptr<CConfigStore> instance = [] {
        auto made = std::make_unique<CConfigStore>("/nonexistent/qelec-fuzz-keyboard.txt");
        made->deviceVariant = 4;
        made->buildCatalogue();
        made->resetToDefaults();
        return made;
    }();
    return *instance;
}

std::string scratchPath(const char* what) {
    return "/tmp/qelec-fuzz-" + std::to_string(getpid()) + "-" + what + ".pro";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input = scratchPath("in");
    if (std::FILE* file = std::fopen(input.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    if (loadProfile(store(), input).loaded()) {
        const std::string output = scratchPath("out");
        saveProfile(store(), output);
        std::remove(output.c_str());
        store().resetToDefaults();
    }
    std::remove(input.c_str());
    return 0;
}
