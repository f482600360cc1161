// SPDX-License-Identifier: GPL-3.0-or-later
// What the edit history costs at the benchmarks' scale: the memory one step of each kind keeps, the
// time to record and to undo a Read All that replaced every key, and the time to take the text of the
// recovery file.
#include "bench/FullStore.h"
#include "model/history/EditHistory.h"
#include "model/history/RecoveryFile.h"
#include "model/profile/ProfileFile.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

namespace {

struct StepKind {
    const char* name;
    std::function<void(CConfigStore&)> change;
};

const StepKind kStepKinds[] = {
    {"key edit",
     [](CConfigStore& store) {
         store.keyKind[34][0] = kKindMacro;
         store.keyActions[34][0] = recordedMacro(store, kItemsPerKeyMacro / 2, 1);
     }},
    {"default", [](CConfigStore& store) { store.resetToDefaults(); }},
    {"open profile / read all",
     [](CConfigStore& store) {
         const auto other = fullStore();
         for (int key = kFirstKey; key <= kLastKey; ++key) {
             for (int table = 0; table < kTables; ++table)
                 other->keyActions[key][table] = recordedMacro(store, kItemsPerKeyMacro / 2, key + table + 7);
         }
         store.configuration() = other->configuration();
     }},
    {"backlight 4 keys",
     [](CConfigStore& store) {
         for (const int key : {1, 2, 3, 4})
             store.lightArea[key] = {1, 2, 3};
     }},
    {"rapid trigger 85 keys",
     [](CConfigStore& store) {
         for (int key = kFirstKey; key <= kLastKey; ++key)
             store.triggerValues[key] = {30, 40, 3};
     }},
};

// The bytes one step of each kind keeps in the history, as counters.
void BM_StepMemory(benchmark::State& state) {
    const StepKind& kind = kStepKinds[state.range(0)];
    state.SetLabel(kind.name);
    auto store = fullStore();
    const auto before = std::make_unique<StoreConfiguration>(store->configuration());
    kind.change(*store);
    for (auto _ : state) {
        EditHistory history;
        history.record({}, *before, store->configuration());
        benchmark::DoNotOptimize(history.bytes());
        state.counters["step_bytes"] = static_cast<double>(history.bytes());
    }
}

// A Read All that replaced every key's macro: record, then undo it (the redo back is not timed).
struct ReadAllStep {
    std::unique_ptr<CConfigStore> store = fullStore();
    std::unique_ptr<StoreConfiguration> before = std::make_unique<StoreConfiguration>(store->configuration());
    EditHistory history;

    ReadAllStep() {
        kStepKinds[2].change(*store);
        history.record({}, *before, store->configuration());
    }
};

void BM_RecordReadAll(benchmark::State& state) {
    ReadAllStep step;
    for (auto _ : state) {
        EditHistory history;
        history.record({}, *step.before, step.store->configuration());
        benchmark::DoNotOptimize(history.size());
    }
}

void BM_UndoReadAll(benchmark::State& state) {
    ReadAllStep step;
    for (auto _ : state) {
        step.history.undo(step.store->configuration());
        state.PauseTiming();
        step.history.redo(step.store->configuration());
        state.ResumeTiming();
    }
}

void BM_RecoveryText(benchmark::State& state) {
    ReadAllStep step;
    for (auto _ : state) {
        RecoveryContent content;
        content.variant = 4;
        content.steps = step.history.doneNames();
        content.profile = profileText(*step.store);
        benchmark::DoNotOptimize(recoveryText(content).size());
    }
}

} // namespace

BENCHMARK(BM_StepMemory)->DenseRange(0, 4)->Iterations(1);
BENCHMARK(BM_RecordReadAll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoReadAll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecoveryText)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
