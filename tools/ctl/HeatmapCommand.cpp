#include "tools/ctl/HeatmapCommand.h"

#include "model/ConfigStore.h"
#include "model/KeyboardVariant.h"
#include "tools/ctl/ConfigurationSources.h"
#include "tools/ctl/HeatmapSvg.h"
#include "tools/ctl/KeyboardPicture.h"

#include <cstdio>
#include <fstream>

namespace {

int fail(const std::string& why) {
    std::fprintf(stderr, "qelec-ctl: %s\n", why.c_str());
    return 1;
}

// Writes text to path, replacing the file only once the whole text is written.
bool writeWhole(const std::string& path, const std::string& text) {
    const std::string partial = path + ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        if (!out.write(text.data(), static_cast<std::streamsize>(text.size())) || !out.flush()) {
            std::remove(partial.c_str());
            return false;
        }
    }
    if (std::rename(partial.c_str(), path.c_str()) != 0) {
        std::remove(partial.c_str());
        return false;
    }
    return true;
}

void describeExtreme(const CConfigStore& store, const char* what, int key) {
    if (key < kFirstKey || key > kLastKey) {
        std::printf("%s: none\n", what);
        return;
    }
    std::printf("%s: %s, %d presses\n", what, KeyboardPicture::keyLabel(store.deviceVariant, key).c_str(),
                store.pressCounts[key]);
}

} // namespace

int runHeatmap(const std::optional<std::string>& statePath, const std::string& svgPath) {
    auto store = newStore(statePath);
    if (const auto failure = connectKeyboard(*store))
        return fail(*failure);
    if (!store->readPressCounters())
        return fail("reading the press counters failed");
    if (!writeWhole(svgPath, heatmapSvg(*store)))
        return fail("could not write '" + svgPath + "'");
    std::printf("drew the press counts of %s into %s\n",
                std::string(KeyboardVariant::name(store->deviceVariant)).c_str(), svgPath.c_str());
    describeExtreme(*store, "highest", store->highestKey);
    describeExtreme(*store, "lowest", store->lowestKey);
    return 0;
}
