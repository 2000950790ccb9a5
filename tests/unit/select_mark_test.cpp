// Choosing a bookmark: the messages instead of the dialog, the dialog owned
// by the host's frame window, and going to the choice through its editor
// mark or by opening its file, with the host calls in order.
#include "dialog_fixture.h"

#include <algorithm>

namespace {

const HWND kFrame = reinterpret_cast<HWND>(0x5150);

class SelectMarkTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        SimSetFrameWindow(kFrame);
        TagpinInit();
        TakeLog();
    }
    // The host calls from the frame window's on.
    static std::vector<std::string> CallsFromFrameWindow() {
        std::vector<std::string> log = TakeLog();
        auto frame = std::find(log.begin(), log.end(), "HostFrameWindow()");
        return std::vector<std::string>(frame, log.end());
    }
    static void ChooseLine(int index) {
        FwQueueDialogUser([index](HWND dialog) {
            EXPECT_EQ(kFrame, FwOwner(dialog));
            FwDoubleClickLine(dialog, IDC_LIST, index);
        });
    }
};

TEST_F(SelectMarkTest, NothingToListShowsAMessageInsteadOfTheDialog) {
    const struct {
        const char *why;
        int byProject;
        const char *project;         // current project, NULL: none
        const char *markProject;     // the one bookmark's, NULL: no bookmark
        const char *message;         // NULL: the dialog comes up
        int projectTests;            // project questions between refresh and dialog or box
    } cases[] = {
        {"no bookmarks", 0, nullptr, nullptr, "There are currently no bookmarks.", 0},
        {"no bookmarks, by project", 1, "C:\\p.prj", nullptr, "There are currently no bookmarks.",
         0},
        {"none for the open project", 1, "C:\\p.prj", "C:\\q.prj",
         "There are currently no bookmarks for this project.", 2},
        {"no project, every bookmark has one", 1, nullptr, "C:\\q.prj",
         "All bookmarks are for projects.", 2},
        {"no project, a bookmark without one", 1, nullptr, "", nullptr, 1},
        {"not by project", 0, "C:\\p.prj", "C:\\q.prj", nullptr, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        ClearStore();
        g_boxes.clear();
        m_app.SetByProject(c.byProject);
        SimSetProject(c.project);
        if (c.markProject) AddBookmark("A", "C:\\src\\main.c", 1, 1, NO_EDITOR_MARK, c.markProject);
        if (!c.message) FwQueueDialogUser([](HWND dialog) { FwClick(dialog, IDCANCEL); });
        TakeLog();
        TagpinSelect();
        std::vector<std::string> log = TakeLog();
        auto frame = std::find(log.begin(), log.end(), "HostFrameWindow()");
        // The refresh asks for the project once; the rest are the project tests.
        EXPECT_EQ(c.projectTests + 1, std::count(log.begin(), frame, "HostCurrentProject()"));
        if (!c.message) {
            EXPECT_TRUE(g_boxes.empty());
            continue;
        }
        ASSERT_EQ(1u, g_boxes.size());
        EXPECT_EQ(c.message, g_boxes[0].text);
        EXPECT_EQ("Named Bookmarks", g_boxes[0].caption);
        EXPECT_EQ(0x30u, g_boxes[0].style);
        EXPECT_EQ(kFrame, g_boxes[0].owner);
        EXPECT_EQ(std::vector<std::string>{"HostFrameWindow()"},
                  std::vector<std::string>(frame, log.end()));
    }
}

TEST_F(SelectMarkTest, EditorMarksAdoptedJustNowAreListed) {
    int buffer = SimOpenBuffer("C:\\src\\main.c", "one\ntwo\n");
    SimPlaceMark(buffer, 2, 1);
    FwQueueDialogUser([](HWND dialog) {
        EXPECT_EQ("A\tmain.c\t2\t1", FwLine(dialog, IDC_LIST, 0));
        FwClick(dialog, IDCANCEL);
    });
    TagpinSelect();
    EXPECT_TRUE(g_boxes.empty());
}

// Untied: the file opens at the stored place and a new editor mark ties
// the bookmark; the next time the choice goes through that mark.
TEST_F(SelectMarkTest, ChoosingAnUntiedBookmarkOpensItsFileAndTiesAMarkThere) {
    SimOpenBuffer("C:\\src\\other.c", "x\n");
    AddBookmark("A", "C:\\src\\main.c", 2, 3);
    ChooseLine(0);
    TagpinSelect();
    int mark = Mark(0).editorMark;
    ASSERT_NE(NO_EDITOR_MARK, mark);
    EXPECT_EQ((std::vector<std::string>{"HostFrameWindow()", "HostFileEdit(\"C:\\src\\main.c\")",
                                        "HostMoveTo(2, 3)", "HostMarkPlace()", "HostModeFlags()"}),
              CallsFromFrameWindow());
    EXPECT_EQ(1, m_app.m_editorMarksPlaced);
    EXPECT_STREQ("C:\\src\\main.c", SimBufferPath(SimCurrentBuffer()));

    int buffer = SimCurrentBuffer();
    ChooseLine(0);
    TagpinSelect();
    std::vector<std::string> calls = CallsFromFrameWindow();
    EXPECT_EQ("HostMarkBuffer(" + std::to_string(mark) + ")", calls.at(1));
    EXPECT_EQ("HostBufferActivate(" + std::to_string(buffer) + ")", calls.at(5));
    EXPECT_EQ(mark, Mark(0).editorMark);
}

TEST_F(SelectMarkTest, CancelAfterDeletingKeepsTheDeletionsAndStaysPut) {
    AddBookmark("A");
    AddBookmark("B");
    FwQueueDialogUser([](HWND dialog) {
        FwClick(dialog, IDC_DELETE);
        FwPressEscape(dialog);
    });
    TagpinSelect();
    EXPECT_EQ(std::vector<std::string>{"B"}, StoreNames());
    EXPECT_EQ(std::vector<std::string>{"HostFrameWindow()"}, CallsFromFrameWindow());
}

class GoToMarkTest : public SelectMarkTest {};

// Tied: the mark's current place, whatever the stored row and column say;
// those stay as they were.
TEST_F(GoToMarkTest, TiedBookmarkGoesToItsMarksCurrentPlace) {
    int buffer = SimOpenBuffer("C:\\src\\main.c", "one\ntwo\nthree\n");
    int mark = SimPlaceMark(buffer, 2, 2);
    SimInsertText(1, 1, "new\nlines\n");
    SimOpenBuffer("C:\\src\\other.c", "x\n");
    int i = AddBookmark("A", "C:\\src\\main.c", 2, 2, mark);
    TakeLog();
    m_app.GoToMark(&Mark(i));
    std::string id = std::to_string(mark), b = std::to_string(buffer);
    EXPECT_EQ((std::vector<std::string>{"HostMarkBuffer(" + id + ")", "HostBufferValid(" + b + ")",
                                        "HostMarkRow(" + id + ")", "HostMarkColumn(" + id + ")",
                                        "HostBufferActivate(" + b + ")", "HostMoveTo(4, 2)",
                                        "HostModeFlags()"}),
              TakeLog());
    EXPECT_EQ(buffer, SimCurrentBuffer());
    EXPECT_EQ(4, SimCursorLine());
    EXPECT_EQ(2, Mark(i).row);
    EXPECT_EQ(mark, Mark(i).editorMark);
}

TEST_F(GoToMarkTest, MarkInABufferNoLongerValidStillActivatesItAndMovesToTheStart) {
    int buffer = SimOpenBuffer("C:\\src\\main.c", "one\ntwo\n");
    int mark = SimPlaceMark(buffer, 2, 2);
    SimCloseBuffer(buffer, 1);
    int i = AddBookmark("A", "C:\\src\\main.c", 2, 2, mark);
    TakeLog();
    m_app.GoToMark(&Mark(i));
    std::string id = std::to_string(mark), b = std::to_string(buffer);
    EXPECT_EQ((std::vector<std::string>{"HostMarkBuffer(" + id + ")", "HostBufferValid(" + b + ")",
                                        "HostBufferActivate(" + b + ")", "HostMoveTo(0, 0)",
                                        "HostModeFlags()"}),
              TakeLog());
}

TEST_F(GoToMarkTest, ModeFlag0x20IsClearedExactlyWhenSetOnEitherBranch) {
    const struct {
        unsigned flags;
        bool cleared;
    } cases[] = {{0x20, true}, {0x21, true}, {0x01, false}, {0, false}};
    int buffer = SimOpenBuffer("C:\\src\\main.c", "one\n");
    for (bool tied : {false, true}) {
        for (const auto &c : cases) {
            SCOPED_TRACE(std::to_string(tied) + " " + std::to_string(c.flags));
            ClearStore();
            int i = AddBookmark("A", "C:\\src\\main.c", 1, 1,
                                tied ? SimPlaceMark(buffer, 1, 1) : NO_EDITOR_MARK);
            SimSetModeFlags(c.flags);
            TakeLog();
            m_app.GoToMark(&Mark(i));
            std::vector<std::string> log = TakeLog();
            EXPECT_EQ(1, std::count(log.begin(), log.end(), "HostModeFlags()"));
            EXPECT_EQ(c.cleared ? "HostModeClear(32)" : "HostModeFlags()", log.back());
            EXPECT_EQ(c.flags & ~0x20u, SimModeFlags());
        }
    }
}

// The host gets a 260-byte path buffer. A longer path is not cut: a cut
// path names another file, and the bookmark would be tied to a mark there.
TEST_F(GoToMarkTest, PathThatDoesNotFitThePathBufferIsNotGoneTo) {
    const std::string fits = "C:\\" + std::string(252, 'd') + "\\a.c";  // 259 bytes
    const std::string tooLong = "C:\\" + std::string(253, 'd') + "\\a.c";  // 260 bytes
    int i = AddBookmark("fits", fits.c_str(), 1, 1);
    int j = AddBookmark("long", tooLong.c_str(), 1, 1);
    TakeLog();
    m_app.GoToMark(&Mark(j));
    EXPECT_TRUE(TakeLog().empty());
    EXPECT_EQ(NO_EDITOR_MARK, Mark(j).editorMark);
    m_app.GoToMark(&Mark(i));
    EXPECT_EQ("HostFileEdit(\"" + fits + "\")", TakeLog().at(0));
}

}  // namespace
