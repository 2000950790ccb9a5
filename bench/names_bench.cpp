// names_bench.cpp - GenerateUniqueName over stores of 10,000 bookmarks,
// timed beside the letter-stepping search that compares every candidate with
// every name (tests/unit/sync_reference.h), with the targets as counters:
//   Generate/Other     no bookmark has a generated name: the answer is A
//   Generate/Taken3000 the first 3,000 generated names are taken
//   Generate/AllTaken  every generated name and every name of one and two
//                      letters is taken, and the first of three letters
// Target: at most 1 ms a name (ms). The reference finishes only where a
// generated name is free; on Taken3000 its time from this run stands beside
// the add-in's (ref_ms) with the ratio (x_faster).
#include "addin/tagpin_app.h"
#include "sim/sim.h"
#include "store/names.h"
#include "tests/unit/sync_reference.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace {

const int kBookmarks = 10000;

enum EScene { SCENE_OTHER, SCENE_TAKEN_3000, SCENE_ALL_TAKEN };

char Letter(int i) { return (char)(i < 26 ? 'A' + i : 'a' + i - 26); }

// Names of the store, kBookmarks of them.
std::vector<std::string> SceneNames(EScene scene) {
    std::vector<std::string> names;
    MarkList generated;
    int taken = scene == SCENE_OTHER ? 0 : scene == SCENE_TAKEN_3000 ? 3000 : 3142;
    for (int i = 0; i < taken; ++i) {
        char name[32];
        FirstFreeGeneratedName(generated, name);
        MarkRecord r;
        r.name = name;
        generated.Add(r);
        names.push_back(name);
    }
    if (scene == SCENE_ALL_TAKEN) {
        for (int a = 1; a < 52; ++a)  // "A?" are generated names already
            for (int b = 0; b < 52; ++b) names.push_back(std::string{Letter(a), Letter(b)});
        names.push_back("AAA");
    }
    for (int i = 0; (int)names.size() < kBookmarks; ++i) names.push_back("note" + std::to_string(i));
    return names;
}

void Fill(MarkList &list, const std::vector<std::string> &names) {
    for (const std::string &name : names) {
        MarkRecord r;
        r.name = name.c_str();
        r.file = "C:\\proj\\src\\module.c";
        list.Add(r);
    }
}

double ReferenceMilliseconds(const std::vector<std::string> &names) {
    MarkList list;
    Fill(list, names);
    char name[32];
    auto start = std::chrono::steady_clock::now();
    reference::GenerateUniqueName(list, name);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void BM_Generate(benchmark::State &state) {
    EScene scene = (EScene)state.range(0);
    std::vector<std::string> names = SceneNames(scene);
    SimReset();
    SimEnableLog(0);
    std::unique_ptr<CTagpinApp> app(new CTagpinApp);
    Fill(app->m_marks, names);
    double total = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        app->GenerateUniqueName();
        total += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        benchmark::DoNotOptimize(app->m_defaultName[0]);
    }
    double ms = state.iterations() ? total / (double)state.iterations() : 0;
    state.SetLabel(app->m_defaultName);
    state.counters["ms"] = ms;
    state.counters["target_ms_max"] = 1;
    if (scene == SCENE_TAKEN_3000) {
        static double referenceMs = ReferenceMilliseconds(names);
        state.counters["ref_ms"] = referenceMs;
        state.counters["x_faster"] = referenceMs / ms;
    }
}

void BM_Generate_Reference(benchmark::State &state) {
    std::vector<std::string> names = SceneNames((EScene)state.range(0));
    MarkList list;
    Fill(list, names);
    char name[32];
    for (auto _ : state) {
        reference::GenerateUniqueName(list, name);
        benchmark::DoNotOptimize(name[0]);
    }
    state.SetLabel(name);
}

}  // namespace

BENCHMARK(BM_Generate)
    ->ArgName("scene")
    ->Arg(SCENE_OTHER)
    ->Arg(SCENE_TAKEN_3000)
    ->Arg(SCENE_ALL_TAKEN)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK(BM_Generate_Reference)
    ->ArgName("scene")
    ->Arg(SCENE_OTHER)
    ->Arg(SCENE_TAKEN_3000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

BENCHMARK_MAIN();
