// SPDX-License-Identifier: GPL-3.0-or-later
// How fast a realistic full profile is saved and loaded, beside pugixml parsing and serialising the
// same document.
#include "model/ActionItem.h"
#include "model/ConfigStore.h"
#include "model/profile/ProfileFile.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

constexpr int kLibraryMacros = 10;
constexpr int kItemsPerLibraryMacro = 300;
constexpr int kItemsPerKeyMacro = 40;

ActionList recordedMacro(const CConfigStore& store, int events, int seed) {
    ActionList macro(9);
    for (int i = 0; i < events; ++i) {
        const std::string key = store.codeToName(15 + (seed + i) % 60);
        macro.setOrAppend(ActionList::kAppend, ActionItem::keyEvent(key, i % 2 == 0));
        macro.setOrAppend(ActionList::kAppend, ActionItem::delay(10 + (seed * 7 + i) % 90));
    }
    return macro;
}

// Every one of the 765 keys assigned, one in nine of them to a macro; libraries of long recordings.
std::unique_ptr<CConfigStore> fullStore() {
    auto store = std::make_unique<CConfigStore>("/nonexistent/qelec-bench-keyboard.txt");
    store->deviceVariant = 4;
    store->buildCatalogue();
    store->resetToDefaults();
    for (int i = 0; i < kLibraryMacros; ++i) {
        ActionList::addToLibrary(store->predefinedMacros,
                                 recordedMacro(*store, kItemsPerLibraryMacro / 2, i));
        ActionList::addToLibrary(store->predefinedCombos, recordedMacro(*store, 3, i + 100));
        ActionList::addToLibrary(store->predefinedEmulations, recordedMacro(*store, 20, i + 200));
    }
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        store->lightArea[key] = {key * 3 % 256, 255 - key, key * 7 % 256};
        for (int table = 0; table < kTables; ++table) {
            if ((key + table) % 9 == 0) {
                store->keyKind[key][table] = kKindMacro;
                store->keyCode[key][table] = 0;
                store->keyActions[key][table] = recordedMacro(*store, kItemsPerKeyMacro / 2, key * 9 + table);
            } else if (store->keyKind[key][table] == kKindNotSet) {
                store->keyKind[key][table] = kKindSingle;
                store->keyCode[key][table] = 43;
            }
        }
    }
    return store;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string scratch(const char* name) {
    return "/tmp/qelec-bench-" + std::to_string(getpid()) + "-" + name;
}

struct Fixture {
    std::unique_ptr<CConfigStore> store = fullStore();
    std::string profilePath = scratch("full.pro");
    std::string plainRootText;

    Fixture() {
        saveProfile(*store, profilePath);
        // pugixml takes no parentheses in element names.
        plainRootText = readFile(profilePath);
        for (const char* from : {"<QelEC(RGB)>", "</QelEC(RGB)>"}) {
            const std::string tag(from);
            const std::size_t at = plainRootText.find(tag);
            plainRootText.replace(at, tag.size(), tag[1] == '/' ? "</QelEC_RGB>" : "<QelEC_RGB>");
        }
    }
    ~Fixture() { std::remove(profilePath.c_str()); }
};

Fixture& fixture() {
    static Fixture instance;
    return instance;
}

void BM_SaveProfile(benchmark::State& state) {
    Fixture& f = fixture();
    const std::string path = scratch("save.pro");
    for (auto _ : state)
        benchmark::DoNotOptimize(saveProfile(*f.store, path));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(f.plainRootText.size()));
    std::remove(path.c_str());
}

void BM_LoadProfile(benchmark::State& state) {
    Fixture& f = fixture();
    auto target = fullStore();
    for (auto _ : state)
        benchmark::DoNotOptimize(loadProfile(*target, f.profilePath).loaded());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(f.plainRootText.size()));
}

void BM_PugixmlLoadAndRead(benchmark::State& state) {
    Fixture& f = fixture();
    const std::string path = scratch("pugi.xml");
    { std::ofstream(path, std::ios::binary) << f.plainRootText; }
    for (auto _ : state) {
        pugi::xml_document doc;
        doc.load_file(path.c_str());
        long sum = 0;
        for (pugi::xml_node key : doc.child("QelEC_RGB").child("CurrentSettings").children("KEY"))
            sum += key.attribute("Mode").as_int() + key.attribute("HWCode").as_int();
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(f.plainRootText.size()));
    std::remove(path.c_str());
}

void BM_PugixmlSave(benchmark::State& state) {
    Fixture& f = fixture();
    pugi::xml_document doc;
    doc.load_string(f.plainRootText.c_str());
    const std::string path = scratch("pugi-save.xml");
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.save_file(path.c_str(), "", pugi::format_raw));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(f.plainRootText.size()));
    std::remove(path.c_str());
}

} // namespace

BENCHMARK(BM_SaveProfile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadProfile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PugixmlLoadAndRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PugixmlSave)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
