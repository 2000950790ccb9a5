// sync_bench.cpp - reconciliation timed beside the step-by-step reference
// (tests/unit/sync_reference.h) on the same simulated editor, with the
// targets as counters:
//   Refresh/mixed      4,095 live marks, 10,000 bookmarks (tied, untied, of
//                      other projects, shuffled); target at most 50 ms
//   Adopt/N            N stray marks adopted into an empty store; target at
//                      most 50 ms at 4,095, and at 1,000 at least 100 times
//                      faster than the reference, whose name search compares
//                      every candidate with every name
// The reference rows are the baselines; the add-in's rows also carry the
// reference's time from this run (ref_ms) and the ratio (x_faster) where the
// reference can finish.
#include "addin/tagpin_app.h"
#include "sim/sim.h"
#include "tests/unit/sync_reference.h"

#include <benchmark/benchmark.h>

#include <ctype.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

const char kProject[] = "C:\\proj\\main.prj";
const int kFiles = 20;
const int kMarks = 4095;
const int kBookmarks = 10000;

std::string FileName(int f) { return "C:\\proj\\src\\module" + std::to_string(f) + ".c"; }

// The buffers and marks of the editor, and the bookmarks to start from.
struct CScene {
    std::vector<MarkRecord> m_bookmarks;
};

MarkRecord Record(const std::string &name, const std::string &file, int row, int column, int id,
                  const char *project) {
    MarkRecord r;
    r.name = name.c_str();
    r.file = file.c_str();
    r.row = row;
    r.column = column;
    r.editorMark = id;
    r.project = project;
    return r;
}

std::string Upper(std::string text) {
    for (char &c : text) c = (char)toupper((unsigned char)c);
    return text;
}

// Marks 1..2999 held by tied bookmarks (every third one's file and project in
// other letter case, every other one moved since), 3000..3499 at untied
// bookmarks of the project, 3500..3799 at bookmarks of another project, the
// rest stray. The other bookmarks lie where no mark is, or belong to other
// projects and hold ids of marks elsewhere. Shuffled, so matches are found
// anywhere in the list.
CScene MixedScene() {
    SimReset();
    SimEnableLog(0);
    SimSetProject(kProject);
    int buffers[kFiles];
    for (int f = 0; f < kFiles; ++f) buffers[f] = SimOpenBuffer(FileName(f).c_str(), "x\n");
    CScene scene;
    for (int k = 1; k <= kMarks; ++k) {
        int f = k % kFiles, row = 1 + k / 7, column = 1 + k % 7;
        int id = SimPlaceMark(buffers[f], row, column);
        std::string name = "m" + std::to_string(k);
        if (k < 3000) {
            bool upper = k % 3 == 0;
            scene.m_bookmarks.push_back(Record(name, upper ? Upper(FileName(f)) : FileName(f),
                                               row + k % 2, column, id,
                                               upper ? "c:\\PROJ\\MAIN.PRJ" : kProject));
        } else if (k < 3500) {
            scene.m_bookmarks.push_back(Record(name, FileName(f), row, column, NO_EDITOR_MARK, kProject));
        } else if (k < 3800) {
            scene.m_bookmarks.push_back(Record(name, FileName(f), row, column, NO_EDITOR_MARK, "C:\\x.prj"));
        }
    }
    std::mt19937 random(7);
    while ((int)scene.m_bookmarks.size() < kBookmarks) {
        int k = (int)scene.m_bookmarks.size();
        bool holdsId = k % 4 == 0;
        scene.m_bookmarks.push_back(Record("b" + std::to_string(k), FileName((int)(random() % kFiles)),
                                           1000 + (int)(random() % 5000), 1 + (int)(random() % 80),
                                           holdsId ? 0x2001 + (int)(random() % kMarks) : NO_EDITOR_MARK,
                                           k % 3 ? "C:\\y.prj" : kProject));
    }
    std::shuffle(scene.m_bookmarks.begin(), scene.m_bookmarks.end(), random);
    return scene;
}

CScene StrayScene(int marks) {
    SimReset();
    SimEnableLog(0);
    SimSetProject(kProject);
    int buffer = SimOpenBuffer(FileName(0).c_str(), "x\n");
    for (int k = 1; k <= marks; ++k) SimPlaceMark(buffer, k, 1);
    return CScene();
}

template <class List>
void Fill(List &list, const CScene &scene) {
    for (const MarkRecord &r : scene.m_bookmarks) list.Add(r);
}

double ReferenceMilliseconds(const CScene &scene) {
    reference::CState state;
    Fill(state.m_marks, scene);
    auto start = std::chrono::steady_clock::now();
    reference::RefreshFromEditor(state);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Times RefreshFromEditor on fresh state objects filled from scene; answers
// the mean milliseconds of one refresh.
double TimeRefresh(benchmark::State &state, const CScene &scene) {
    double total = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<CTagpinApp> app(new CTagpinApp);
        for (const MarkRecord &r : scene.m_bookmarks) app->m_marks.Add(r);
        state.ResumeTiming();
        auto start = std::chrono::steady_clock::now();
        app->RefreshFromEditor();
        total += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        benchmark::DoNotOptimize(app->m_marks.GetCount());
        state.PauseTiming();
        app.reset();
        state.ResumeTiming();
    }
    return state.iterations() ? total / (double)state.iterations() : 0;
}

void TimeReference(benchmark::State &state, const CScene &scene) {
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<reference::CState> ref(new reference::CState);
        Fill(ref->m_marks, scene);
        state.ResumeTiming();
        reference::RefreshFromEditor(*ref);
        benchmark::DoNotOptimize(ref->m_marks.GetCount());
    }
}

void BM_Refresh_Mixed(benchmark::State &state) {
    CScene scene = MixedScene();
    static double referenceMs = ReferenceMilliseconds(scene);
    double ms = TimeRefresh(state, scene);
    state.counters["ms"] = ms;
    state.counters["target_ms_max"] = 50;
    state.counters["ref_ms"] = referenceMs;
    state.counters["x_faster"] = referenceMs / ms;
}

void BM_Refresh_Mixed_Reference(benchmark::State &state) { TimeReference(state, MixedScene()); }

void BM_Adopt(benchmark::State &state) {
    int marks = (int)state.range(0);
    CScene scene = StrayScene(marks);
    double ms = TimeRefresh(state, scene);
    state.counters["ms"] = ms;
    if (marks == kMarks) state.counters["target_ms_max"] = 50;
    if (marks == 1000) {
        static double referenceMs = ReferenceMilliseconds(scene);
        state.counters["ref_ms"] = referenceMs;
        state.counters["x_faster"] = referenceMs / ms;
        state.counters["x_faster_min"] = 100;
    }
}

void BM_Adopt_Reference(benchmark::State &state) { TimeReference(state, StrayScene((int)state.range(0))); }

}  // namespace

BENCHMARK(BM_Refresh_Mixed)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Refresh_Mixed_Reference)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_Adopt)->Arg(1000)->Arg(kMarks)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Adopt_Reference)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

BENCHMARK_MAIN();
