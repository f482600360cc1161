// Loads arbitrary bytes as a profile, through a file as the program does, and saves what it got. The
// same bytes read as text must load alike whether the one-pass reader of the written form takes them
// or the document reader reads them.
#include "model/ConfigStore.h"
#include "model/profile/ProfileFile.h"
#include "model/profile/XmlDocument.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

std::unique_ptr<CConfigStore> makeStore() {
    auto made = std::make_unique<CConfigStore>("/nonexistent/qelec-fuzz-keyboard.txt");
    made->deviceVariant = 4;
    made->buildCatalogue();
    made->resetToDefaults();
    return made;
}

CConfigStore& store() {
    static const std::unique_ptr<CConfigStore> instance = makeStore();
    return *instance;
}

std::string scratchPath(const char* what) {
    return "/tmp/qelec-fuzz-" + std::to_string(getpid()) + "-" + what + ".pro";
}

void expectBothReadersAgree(const std::string& text) {
    static const std::unique_ptr<CConfigStore> quick = makeStore();
    static const std::unique_ptr<CConfigStore> document = makeStore();
    quick->resetToDefaults();
    document->resetToDefaults();
    const ProfileLoadReport quickReport = loadProfileText(*quick, text);
    XmlDocument doc;
    doc.setDoc(text);
    const ProfileLoadReport documentReport = loadProfileDocument(*document, doc);
    if (quickReport.status != documentReport.status || quickReport.rootName != documentReport.rootName ||
        quickReport.skipped != documentReport.skipped || profileText(*quick) != profileText(*document))
        std::abort();
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
    expectBothReadersAgree(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
