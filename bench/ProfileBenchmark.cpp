// SPDX-License-Identifier: GPL-3.0-or-later
// How fast a realistic full profile is saved and loaded, beside pugixml parsing and serialising the
// same document.
#include "bench/FullStore.h"
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
