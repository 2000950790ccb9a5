// persist_bench_win.cpp - loading and saving bookmarks in the real tagpin.dll,
// beside the platform's profile routines called once per key as the add-in
// once did, in the same process (a Windows program; run it under Wine).
//
//   load N   _init of a freshly loaded tagpin.dll over a save file of N
//            bookmarks whose files exist (it reads the file)
//   save N   TagpinFinish with state saving on (it reconciles and writes)
//   baseline load: GetPrivateProfileStringA of NumberOfMarks, then of each
//            Mark key with a 315-byte buffer
//   baseline save: WritePrivateProfileStringA removing the section, then
//            NumberOfMarks, then Mark1..MarkN
// Targets: at 10,000 bookmarks at most 100 ms each; at 1,000 at least 50
// times faster than the baseline. Medians of a few runs.
#include "tests/e2e/addin_dll.h"

#include <windows.h>

#include "bench/bench_timer_win.h"

#include <stdio.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const int kRuns = 5;
const int kSourceFiles = 4;

// A folder of our own with a few files for the bookmarks to point into.
class CScene {
public:
    CScene() {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        m_folder = std::string(temp) + "tagpin_bench\\";
        CreateDirectoryA(m_folder.c_str(), nullptr);
        for (int f = 0; f < kSourceFiles; ++f) Touch(SourceFile(f));
        Touch(Project());
    }
    ~CScene() {
        for (int f = 0; f < kSourceFiles; ++f) DeleteFileA(SourceFile(f).c_str());
        DeleteFileA(Project().c_str());
        DeleteFileA(SaveFile().c_str());
        RemoveDirectoryA(m_folder.c_str());
    }

    // The editor's program in the folder, so the save file lies there too.
    std::string ModulePath() const { return m_folder + "editor.exe"; }
    std::string SaveFile() const { return m_folder + "tagpin.ini"; }
    std::string SourceFile(int f) const { return m_folder + "module" + std::to_string(f) + ".c"; }
    std::string Project() const { return m_folder + "main.prj"; }

    std::string MarkValue(int i) const {
        return "mark" + std::to_string(i) + "," + SourceFile(i % kSourceFiles) + "," +
               std::to_string(1 + i * 7 % 5000) + "," + std::to_string(1 + i % 80) + "," +
               (i % 3 ? Project() : std::string());
    }
    // The save file of n bookmarks as the platform's writer lays it out.
    void WriteSaveFile(int n) const {
        std::string text = "[Save]\r\nNumberOfMarks=" + std::to_string(n) + "\r\n";
        for (int i = 1; i <= n; ++i)
            text += "Mark" + std::to_string(i) + "=" + MarkValue(i) + "\r\n";
        FILE *file = fopen(SaveFile().c_str(), "wb");
        fwrite(text.data(), 1, text.size(), file);
        fclose(file);
    }
    // NumberOfMarks as the file now holds it.
    int SavedCount() const {
        return (int)GetPrivateProfileIntA("Save", "NumberOfMarks", -1, SaveFile().c_str());
    }

private:
    static void Touch(const std::string &path) {
        FILE *file = fopen(path.c_str(), "wb");
        if (file) fclose(file);
    }
    std::string m_folder;
};

struct SAddinTimes {
    double m_load, m_save;
    bool m_complete;  // every bookmark was loaded and saved again
};

// One start and finish of the add-in over a save file of n bookmarks.
SAddinTimes RunAddin(const CScene &scene, int n) {
    scene.WriteSaveFile(n);
    CAddinDll dll;  // a fresh simulated editor: no buffers, no marks
    SimEnableLog(0);
    SimSetConfigFlags(0x8);
    SimSetSaveOptions(0x2);
    SAddinTimes times = {0, 0, false};
    if (!dll.Load()) return times;
    SimSetModulePath(scene.ModulePath().c_str());
    auto finish = reinterpret_cast<int(__cdecl *)(long, long)>(
        reinterpret_cast<void *>(dll.Export("TagpinFinish")));
    double start = NowMs();
    dll.Call("_init");
    times.m_load = NowMs() - start;
    start = NowMs();
    finish(0, 0);
    times.m_save = NowMs() - start;
    times.m_complete = scene.SavedCount() == n;
    return times;
}

double BaselineLoad(const CScene &scene) {
    std::string path = scene.SaveFile();
    char value[315];
    double start = NowMs();
    GetPrivateProfileStringA("Save", "NumberOfMarks", "", value, sizeof value, path.c_str());
    int n = atoi(value);
    for (int i = 1; i <= n; ++i)
        GetPrivateProfileStringA("Save", ("Mark" + std::to_string(i)).c_str(), "", value,
                                 sizeof value, path.c_str());
    return NowMs() - start;
}

double BaselineSave(const CScene &scene, int n) {
    std::string path = scene.SaveFile();
    std::vector<std::string> values;
    for (int i = 1; i <= n; ++i) values.push_back(scene.MarkValue(i));
    double start = NowMs();
    WritePrivateProfileStringA("Save", nullptr, nullptr, path.c_str());
    WritePrivateProfileStringA("Save", "NumberOfMarks", std::to_string(n).c_str(), path.c_str());
    for (int i = 1; i <= n; ++i)
        WritePrivateProfileStringA("Save", ("Mark" + std::to_string(i)).c_str(),
                                   values[i - 1].c_str(), path.c_str());
    return NowMs() - start;
}

void PrintRow(const char *figure, double ms, double baselineMs, const char *target, bool met) {
    char baseline[32] = "-", ratio[32] = "-";
    if (baselineMs > 0) {
        snprintf(baseline, sizeof baseline, "%.1f ms", baselineMs);
        snprintf(ratio, sizeof ratio, "%.0fx", baselineMs / ms);
    }
    printf("%-22s %10.2f ms %14s %9s   %-16s %s\n", figure, ms, baseline, ratio, target,
           met ? "met" : "MISSED");
}

}  // namespace

int main() {
    CScene scene;
    bool complete = true;
    std::vector<double> load10k, save10k, load1k, save1k;
    for (int run = 0; run < kRuns; ++run) {
        SAddinTimes big = RunAddin(scene, 10000), small = RunAddin(scene, 1000);
        complete = complete && big.m_complete && small.m_complete;
        load10k.push_back(big.m_load);
        save10k.push_back(big.m_save);
        load1k.push_back(small.m_load);
        save1k.push_back(small.m_save);
    }
    // The platform's routines, once each at 1,000 bookmarks (seconds).
    scene.WriteSaveFile(1000);
    double baselineLoad = BaselineLoad(scene);
    double baselineSave = BaselineSave(scene, 1000);
    bool baselineComplete = scene.SavedCount() == 1000;

    printf("bench_persist: tagpin.dll, medians of %d runs; baseline: one profile call a key\n",
           kRuns);
    printf("%-22s %13s %14s %9s   %-16s\n", "figure", "tagpin.dll", "baseline", "ratio", "target");
    double l10 = Median(load10k), s10 = Median(save10k), l1 = Median(load1k), s1 = Median(save1k);
    PrintRow("load 10,000 bookmarks", l10, 0, "<= 100 ms", l10 <= 100);
    PrintRow("save 10,000 bookmarks", s10, 0, "<= 100 ms", s10 <= 100);
    PrintRow("load 1,000 bookmarks", l1, baselineLoad, ">= 50x faster", baselineLoad / l1 >= 50);
    PrintRow("save 1,000 bookmarks", s1, baselineSave, ">= 50x faster", baselineSave / s1 >= 50);
    if (!complete || !baselineComplete) {
        printf("bench_persist: a run did not load and save every bookmark\n");
        return 1;
    }
    return 0;
}
