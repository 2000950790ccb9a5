// Reconciliation held against the step-by-step reference (sync_reference.h)
// on many generated cases: small id spaces so ids collide, duplicated editor
// records, files and projects differing only in letter case, bookmarks of
// other projects, tied and untied mixes, marks in closed buffers, short
// counts and counts past the last mark, both states of m_editorMarksPlaced,
// and lists that cannot grow. Lists, the flag, the last generated name and
// the host calls must all come out the same.
#include "addin_fixture.h"
#include "sync_reference.h"

#include <random>

namespace {

const char *const kBufferPaths[] = {"C:\\w\\a.c", "C:\\w\\b.c", "C:\\w\\c.c"};
const char *const kFiles[] = {"C:\\w\\a.c", "c:\\W\\A.C", "C:\\w\\b.c", "C:\\W\\B.c", "C:\\w\\c.c",
                              "C:\\w\\d.c", ""};
const char *const kProjects[] = {"", "P.prj", "p.PRJ", "Q.prj"};
const char *const kNames[] = {"A", "B", "C", "a", "AA", "Ab", "main", "Main", ""};
const char kText[] = "alpha beta\ngamma delta\nepsilon\nzeta eta theta\n";

template <size_t N>
const char *Pick(std::mt19937 &random, const char *const (&pool)[N]) {
    return pool[random() % N];
}

int Between(std::mt19937 &random, int low, int high) { return low + (int)(random() % (high - low + 1)); }

// An id from a small space, so bookmarks and editor marks share ids often.
int SomeId(std::mt19937 &random) {
    int pick = Between(random, 0, 9);
    if (pick < 4) return NO_EDITOR_MARK;
    if (pick == 9) return 0x3001;  // never scanned
    return 0x2000 | Between(random, 0, 6);
}

MarkRecord SomeRecord(std::mt19937 &random) {
    MarkRecord r;
    r.name = Pick(random, kNames);
    r.file = Pick(random, kFiles);
    r.row = Between(random, 1, 3);
    r.column = Between(random, 1, 3);
    r.editorMark = SomeId(random);
    r.project = Pick(random, kProjects);
    return r;
}

std::string Show(const MarkRecord &r) {
    return std::string(r.name) + "|" + r.file.GetString() + "|" + std::to_string(r.row) + ":" +
           std::to_string(r.column) + "|" + std::to_string(r.editorMark) + "|" + r.project.GetString();
}

std::vector<std::string> Show(const MarkList &list) {
    std::vector<std::string> shown;
    for (unsigned i = 0; i < list.GetCount(); ++i) shown.push_back(Show(list.GetAt(i)));
    return shown;
}

// Fails list growth past 15 records: a list then stays at 15.
bool FailPast15(int count) { return count > 15; }

// One case: the add-in's state object and the reference's state, filled
// alike.
struct CCase {
    CTagpinApp m_app;
    reference::CState m_reference;

    CCase(int editorMarksPlaced, const char *defaultName) {
        m_app.m_editorMarksPlaced = m_reference.m_editorMarksPlaced = editorMarksPlaced;
        strcpy(m_app.m_defaultName, defaultName);
        strcpy(m_reference.m_defaultName, defaultName);
    }
    void AddBookmark(const MarkRecord &r) {
        m_app.m_marks.Add(r);
        m_reference.m_marks.Add(r);
    }
    void ExpectSame(const std::string &what) const {
        ASSERT_EQ(Show(m_app.m_marks), Show(m_reference.m_marks)) << what;
        ASSERT_EQ(m_app.m_editorMarksPlaced, m_reference.m_editorMarksPlaced) << what;
        ASSERT_STREQ(m_app.m_defaultName, m_reference.m_defaultName) << what;
    }
};

class SyncDiffTest : public AddinTest {
protected:
    ~SyncDiffTest() override { SetRecordAllocationHook(nullptr); }

    static void SetUpEditor(std::mt19937 &random) {
        int buffers[3];
        for (int b = 0; b < 3; ++b) buffers[b] = SimOpenBuffer(kBufferPaths[b], kText);
        for (int k = Between(random, 0, 10); k > 0; --k)
            SimPlaceMark(buffers[random() % 3], Between(random, 1, 3), Between(random, 1, 3));
        for (int k = Between(random, 0, 2); k > 0; --k) SimDeleteMark(0x2000 | Between(random, 1, 8));
        if (random() % 4 == 0) SimCloseBuffer(buffers[random() % 3], 1);
        SimSetCurrentBuffer(buffers[random() % 3]);
        const char *projects[] = {nullptr, "P.prj", "p.prj", "Q.prj"};
        SimSetProject(projects[random() % 4]);
        if (random() % 3 == 0) SimSetMarkCountOverride(Between(random, -2, 20));
    }

    // Edits between refreshes: marks move, vanish or appear.
    static void Edit(std::mt19937 &random) {
        switch (random() % 4) {
        case 0: SimInsertText(1, 1, "x\n"); break;
        case 1: SimDeleteText(1, 1, 1, 3); break;
        case 2: SimDeleteMark(0x2000 | Between(random, 1, 8)); break;
        default: SimPlaceMark(SimCurrentBuffer(), Between(random, 1, 3), Between(random, 1, 3));
        }
    }

    static void RefreshBoth(CCase &c, const std::string &what) {
        SimClearLog();
        c.m_app.RefreshFromEditor();
        std::vector<std::string> real = TakeLog();
        reference::RefreshFromEditor(c.m_reference);
        ASSERT_EQ(real, TakeLog()) << what;
        c.ExpectSame(what);
    }
};

TEST_F(SyncDiffTest, RefreshMatchesTheReferenceOnGeneratedEditors) {
    for (unsigned seed = 1; seed <= 400; ++seed) {
        SimReset();
        SetRecordAllocationHook(seed % 10 == 0 ? &FailPast15 : nullptr);
        std::mt19937 random(seed);
        SetUpEditor(random);
        CCase c((int)(random() % 2), "none");
        for (int k = Between(random, 0, 14); k > 0; --k) c.AddBookmark(SomeRecord(random));
        for (int round = 0; round < 3; ++round) {
            RefreshBoth(c, "seed " + std::to_string(seed) + " round " + std::to_string(round));
            if (HasFatalFailure()) return;
            Edit(random);
        }
    }
}

TEST_F(SyncDiffTest, MergeMatchesTheReferenceOnArbitraryEditorLists) {
    for (unsigned seed = 1; seed <= 1500; ++seed) {
        SetRecordAllocationHook(seed % 10 == 0 ? &FailPast15 : nullptr);
        std::mt19937 random(seed);
        CCase c((int)(random() % 2), "");
        for (int k = Between(random, 0, 16); k > 0; --k) c.AddBookmark(SomeRecord(random));
        // Editor records with repeated ids, NO_EDITOR_MARK and mixed projects:
        // more than the collect step ever makes.
        MarkList collected;
        for (int k = Between(random, 0, 12); k > 0; --k) {
            MarkRecord r = SomeRecord(random);
            r.name.Empty();
            collected.Add(r);
            if (random() % 5 == 0) collected.Add(r);
        }
        c.m_app.MergeEditorMarks(collected);
        reference::MergeEditorMarks(c.m_reference, collected);
        c.ExpectSame("seed " + std::to_string(seed));
        if (HasFatalFailure()) return;
    }
}

}  // namespace
