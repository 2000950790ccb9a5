// Reconciliation on the simulated editor's own behaviour: bookmarks follow
// marks moved by edits, lose marks that vanish, get twins when the project
// changes, are tied by place; the host calls of the scan; and what a mark
// count past the 4,095 ids or below zero does. The order rules in all their
// combinations are covered by sync_diff_test.cpp.
#include "addin_fixture.h"
#include "records.h"
#include "store/names.h"
#include "sync/sync.h"

#include <set>

namespace {

const char kFile[] = "C:\\w\\a.c";
const char kText[] = "alpha beta\ngamma delta\nepsilon\nzeta eta\n";

class SyncTest : public AddinTest {
protected:
    SyncTest() : m_buffer(SimOpenBuffer(kFile, kText)) { SimSetProject("P.prj"); }

    MarkRecord &Bookmark(const char *name, const char *file, int row, int column, int editorMark,
                         const char *project = "P.prj") {
        m_app.m_marks.Add(MakeRecord(name, file, row, column, editorMark, project));
        return m_app.m_marks.GetAt((int)m_app.m_marks.GetCount() - 1);
    }
    const MarkRecord &At(int i) { return m_app.m_marks.GetAt(i); }
    int Count() { return (int)m_app.m_marks.GetCount(); }

    int m_buffer;
};

TEST_F(SyncTest, TiedBookmarkFollowsItsMarkThroughEdits) {
    struct {
        const char *what;
        int line, column, endLine, endColumn;  // endLine 0: insert text
        const char *text;
        int row, col;
    } cases[] = {
        {"line inserted above", 1, 1, 0, 0, "new\n", 3, 3},
        {"text inserted before it on its line", 2, 1, 0, 0, "xy", 2, 5},
        {"text inserted behind it", 2, 5, 0, 0, "xy", 2, 3},
        {"line above deleted", 1, 1, 2, 1, nullptr, 1, 3},
        {"range around it deleted", 2, 2, 2, 6, nullptr, 2, 2},
    };
    for (const auto &c : cases) {
        SimReset();
        m_buffer = SimOpenBuffer(kFile, kText);
        SimSetProject("P.prj");
        CTagpinApp app;
        int id = SimPlaceMark(m_buffer, 2, 3);
        // The editor's file and project in other letter case.
        MarkRecord r = MakeRecord("main", "c:\\W\\A.C", 2, 3, id, "p.PRJ");
        app.m_marks.Add(r);
        if (c.endLine)
            SimDeleteText(c.line, c.column, c.endLine, c.endColumn);
        else
            SimInsertText(c.line, c.column, c.text);

        app.RefreshFromEditor();
        ASSERT_EQ(1u, app.m_marks.GetCount()) << c.what;
        r.row = c.row;
        r.column = c.col;
        EXPECT_TRUE(app.m_marks.GetAt(0) == r) << c.what;
        EXPECT_EQ(0, app.m_editorMarksPlaced) << c.what;
    }
}

TEST_F(SyncTest, VanishedMarkUntiesOnlyOnceSomeBookmarkWasTied) {
    struct {
        const char *what;
        int placed;
        int close;  // 0: the mark is deleted; 1: buffer closed; 2: closed keeping marks
        int stillTied;
    } cases[] = {
        {"mark deleted", 1, 0, 0},
        {"mark deleted, nothing tied yet", 0, 0, 1},
        {"buffer closed", 1, 1, 0},
        {"buffer closed keeping its marks", 1, 2, 1},
    };
    for (const auto &c : cases) {
        SimReset();
        m_buffer = SimOpenBuffer(kFile, kText);
        SimSetProject("P.prj");
        CTagpinApp app;
        int id = SimPlaceMark(m_buffer, 3, 2);
        app.m_marks.Add(MakeRecord("x", kFile, 3, 2, id, "P.prj"));
        app.m_editorMarksPlaced = c.placed;
        if (c.close)
            SimCloseBuffer(m_buffer, c.close == 2);
        else
            SimDeleteMark(id);

        app.RefreshFromEditor();
        ASSERT_EQ(1u, app.m_marks.GetCount()) << c.what;  // nothing adopted
        EXPECT_EQ(c.stillTied ? id : NO_EDITOR_MARK, app.m_marks.GetAt(0).editorMark) << c.what;
        EXPECT_EQ(3, app.m_marks.GetAt(0).row) << c.what;
    }
}

TEST_F(SyncTest, ProjectSwitchUntiesAndAddsOneTwinForTheNewProject) {
    int id = SimPlaceMark(m_buffer, 2, 1);
    Bookmark("main", kFile, 2, 1, id, "P.prj");
    SimSetProject("Q.prj");

    m_app.RefreshFromEditor();
    m_app.RefreshFromEditor();  // the twin is not appended twice

    ASSERT_EQ(2, Count());
    EXPECT_EQ(NO_EDITOR_MARK, At(0).editorMark);
    EXPECT_STREQ("main", At(1).name);
    EXPECT_STREQ("Q.prj", At(1).project);
    EXPECT_EQ(id, At(1).editorMark);
    EXPECT_EQ(0, m_app.m_editorMarksPlaced);
}

TEST_F(SyncTest, UntiedBookmarkIsTiedOnlyAtExactlyTheMarksPlace) {
    struct {
        int row, column;
        bool tied;
    } cases[] = {{2, 4, true}, {3, 4, false}, {2, 5, false}};
    for (const auto &c : cases) {
        SimReset();
        m_buffer = SimOpenBuffer(kFile, kText);
        SimSetProject(nullptr);  // no project: both sides have the empty project
        CTagpinApp app;
        int id = SimPlaceMark(m_buffer, 2, 4);
        MarkRecord r;
        r.name = "here";
        r.file = "C:\\W\\A.c";
        r.row = c.row;
        r.column = c.column;
        app.m_marks.Add(r);

        app.RefreshFromEditor();
        EXPECT_EQ(c.tied ? id : NO_EDITOR_MARK, app.m_marks.GetAt(0).editorMark) << c.row << ":" << c.column;
        EXPECT_EQ(c.tied ? 1 : 0, app.m_editorMarksPlaced);
        EXPECT_EQ(c.tied ? 1u : 2u, app.m_marks.GetCount()) << "an unaccounted mark is adopted";
    }
}

TEST_F(SyncTest, StrayMarksAreAdoptedUnderDistinctNamesAndTiedPlacesIgnoreOthers) {
    Bookmark("A", "C:\\w\\other.c", 1, 1, NO_EDITOR_MARK);
    int tiedId = SimPlaceMark(m_buffer, 1, 1);
    Bookmark("tied", kFile, 1, 1, tiedId);
    SimPlaceMark(m_buffer, 1, 1);  // at the tied bookmark's place: ignored
    SimPlaceMark(m_buffer, 4, 2);  // two stray marks at one place
    SimPlaceMark(m_buffer, 4, 2);

    m_app.RefreshFromEditor();

    ASSERT_EQ(4, Count());
    EXPECT_STREQ("B", At(2).name);
    EXPECT_STREQ("C", At(3).name);
    EXPECT_EQ(0x2003, At(2).editorMark);
    EXPECT_EQ(0x2004, At(3).editorMark);
    EXPECT_STREQ("C", m_app.m_defaultName);
    EXPECT_EQ(0, m_app.m_editorMarksPlaced);
}

TEST_F(SyncTest, AdoptedNamesContinuePastEveryGeneratedName) {
    char name[32];
    for (int k = 0; k < 3142; ++k) {
        FirstFreeGeneratedName(m_app.m_marks, name);
        Bookmark(name, "C:\\w\\other.c", 1, 1, NO_EDITOR_MARK);
    }
    for (int k = 0; k < 3; ++k) SimPlaceMark(m_buffer, 1, 1);

    m_app.RefreshFromEditor();

    ASSERT_EQ(3145, Count());
    EXPECT_STREQ("BA", At(3142).name);
    EXPECT_STREQ("BB", At(3143).name);
    EXPECT_STREQ("BC", At(3144).name);
}

TEST_F(SyncTest, ScanAsksForEachLiveMarkInOrderAndRestoresTheCurrentBuffer) {
    int other = SimOpenBuffer("C:\\w\\b.c", kText);
    int closed = SimOpenBuffer("C:\\w\\c.c", kText);
    SimPlaceMark(other, 2, 3);                         // 0x2001
    SimDeleteMark(SimPlaceMark(m_buffer, 1, 1));       // 0x2002: gone
    SimPlaceMark(closed, 1, 1);                        // 0x2002 again, in a closed buffer
    SimCloseBuffer(closed, 1);
    SimSetCurrentBuffer(m_buffer);
    SimClearLog();

    m_app.RefreshFromEditor();

    std::vector<std::string> expected = {
        "HostMarkCount()",          "HostCurrentProject()",    "HostMarkExists(8193)",
        "HostMarkBuffer(8193)",     "HostBufferValid(2)",      "HostBufferSetCurrent(2)",
        "HostBufferFileName()",     "HostBufferSetCurrent(1)", "HostMarkRow(8193)",
        "HostMarkColumn(8193)",     "HostMarkExists(8194)",    "HostMarkBuffer(8194)",
        "HostBufferValid(3)",
    };
    EXPECT_EQ(expected, TakeLog());
    EXPECT_EQ(m_buffer, SimCurrentBuffer());
    ASSERT_EQ(1, Count());
    EXPECT_STREQ("C:\\w\\b.c", At(0).file);
    EXPECT_EQ(2, At(0).row);
    EXPECT_EQ(3, At(0).column);
}

// The ids repeat every 4,096 scan positions. Scanning them again would
// collect each mark again and adopt every unaccounted mark once per round;
// a count of 2^31 - 1 would never end. Each id is asked for once, and a count
// of zero or below asks for none.
TEST(SyncScanTest, PositionsAndIds) {
    struct {
        int reported, positions;
    } cases[] = {{-2147483647 - 1, 0}, {-1, 0},       {0, 0},          {1, 1},
                 {4095, 4095},         {4096, 4096}, {4097, 4096}, {2147483647, 4096}};
    for (const auto &c : cases) EXPECT_EQ(c.positions, ScannedMarkPositions(c.reported)) << c.reported;
    EXPECT_EQ(0x2001, EditorMarkId(0));
    EXPECT_EQ(0x2FFF, EditorMarkId(4094));
    EXPECT_EQ(0x2000, EditorMarkId(4095));
    EXPECT_EQ(0x2001, EditorMarkId(4096));
}

TEST_F(SyncTest, MarkCountPastTheIdsScansEachIdOnce) {
    struct {
        int reported;
        int asked;
    } cases[] = {{0, 0}, {1, 1}, {3, 3}, {4096, 4096}, {4097, 4096}, {2147483647, 4096}};
    for (const auto &c : cases) {
        SimReset();
        m_buffer = SimOpenBuffer(kFile, kText);
        CTagpinApp app;
        SimPlaceMark(m_buffer, 1, 1);
        SimPlaceMark(m_buffer, 2, 1);
        SimSetMarkCountOverride(c.reported);
        SimClearLog();

        app.RefreshFromEditor();

        int asked = 0;
        for (const std::string &line : TakeLog()) asked += line.rfind("HostMarkExists(", 0) == 0;
        EXPECT_EQ(c.asked, asked) << c.reported;
        EXPECT_EQ(c.asked >= 2 ? 2u : (unsigned)c.asked, app.m_marks.GetCount()) << c.reported;
    }
}

TEST_F(SyncTest, EveryOneOfTheIdsIsCollectedAndAdoptedOnce) {
    for (int k = 0; k < 4095; ++k) SimPlaceMark(m_buffer, 1 + k % 4, 1 + k % 7);
    SimEnableLog(0);

    m_app.RefreshFromEditor();

    ASSERT_EQ(4095, Count());
    std::set<std::string> names;
    for (int i = 0; i < Count(); ++i) {
        EXPECT_EQ(0x2001 + i, At(i).editorMark);
        names.insert(At(i).name.GetString());
    }
    EXPECT_EQ(4095u, names.size());
}

}  // namespace
