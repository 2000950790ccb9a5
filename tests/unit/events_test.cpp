// The project switch, the state-saving test and the three host events,
// fired by the simulated editor through the handlers _init registered.
#include "addin_fixture.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

class EventsTest : public AddinTest {
protected:
    void SetUp() override {
        // The add-in takes the folder up to the module path's last backslash;
        // natively that makes the save file "<dir>\\tagpin.ini", one name.
        m_dir = ::testing::TempDir() + "events_test";
        std::filesystem::create_directories(m_dir);
        std::remove(SavePath().c_str());
        SimSetModulePath((m_dir + "\\rs.exe").c_str());
        TagpinInit();
        TakeLog();
    }
    std::string SavePath() { return m_dir + "\\tagpin.ini"; }
    bool SaveFileExists() { return std::ifstream(SavePath()).good(); }
    void AddMarkAt(int line, const char *name) {
        SimSetCursor(line, 1);
        SimQueuePromptAnswer(name);
        TagpinAdd();
    }
    std::string m_dir;
};

TEST_F(EventsTest, ByProjectStoresZeroOrOneUnlessTheHostSaysNo) {
    struct {
        unsigned callFlags;
        int value, expected;
    } cases[] = {{0, 1, 1}, {0, 2, 1}, {0, -1, 1}, {0, 0, 0}, {0x4, 1, 0}, {0xFB, 1, 1}};
    for (const auto &c : cases) {
        m_app.m_byProject = 0;
        SimSetCallFlags(c.callFlags);
        TagpinByProject(c.value);
        EXPECT_EQ(c.expected, m_app.m_byProject) << c.callFlags << " " << c.value;
    }
    m_app.m_byProject = 1;
    SimSetCallFlags(0x4);
    TagpinByProject(0);
    EXPECT_EQ(1, m_app.m_byProject);
}

TEST_F(EventsTest, StateSavingNeedsBothBitsAndAsksOptionsOnlyWhenConfigured) {
    SimSetConfigFlags(0);
    SimSetSaveOptions(0x2);
    EXPECT_EQ(0, m_app.StateSavingEnabled());
    EXPECT_EQ(std::vector<std::string>{"HostConfigFlags()"}, TakeLog());
    SimSetConfigFlags(0x8);
    SimSetSaveOptions(0xFD);
    EXPECT_EQ(0, m_app.StateSavingEnabled());
    EXPECT_EQ((std::vector<std::string>{"HostConfigFlags()", "HostSaveOptions(-1)"}), TakeLog());
    SimSetSaveOptions(0x2);
    EXPECT_EQ(1, m_app.StateSavingEnabled());
}

TEST_F(EventsTest, FinishWithSavingOnWritesTheListAndOffRemovesTheFile) {
    std::string notes = m_dir + "/notes.txt";
    std::ofstream(notes) << "one\ntwo\nthree\n";
    SimOpenBuffer(notes.c_str(), "one\ntwo\nthree\n");
    AddMarkAt(2, "two");
    EXPECT_EQ(0, SimFireEvent(0x413));
    EXPECT_TRUE(SaveFileExists());
    SimSetConfigFlags(0);
    EXPECT_EQ(0, SimFireEvent(0x413));
    EXPECT_FALSE(SaveFileExists());
    EXPECT_EQ(1u, m_app.m_marks.GetCount());  // the list itself stays
}

TEST_F(EventsTest, FinishWithAnEmptyListLeavesNoSaveFile) {
    std::ofstream(SavePath()) << "[Save]\r\nNumberOfMarks=0\r\n";
    SimFireEvent(0x413);
    EXPECT_FALSE(SaveFileExists());
}

TEST_F(EventsTest, ProjectEventsForgetTheEditorMarks) {
    SimOpenBuffer("C:\\w\\a.c", "x\ny\n");
    AddMarkAt(1, "a");
    ASSERT_EQ(1, m_app.m_editorMarksPlaced);
    SimCloseProject();  // fires the closing event
    EXPECT_EQ(NO_EDITOR_MARK, m_app.m_marks.GetAt(0).editorMark);
    EXPECT_EQ(0, m_app.m_editorMarksPlaced);

    // With nothing placed since, forgetting changes nothing.
    m_app.m_marks.GetAt(0).editorMark = 0x2005;
    m_app.ForgetEditorMarks();
    EXPECT_EQ(0x2005, m_app.m_marks.GetAt(0).editorMark);
}

TEST_F(EventsTest, HandlersIgnoreTheirArgumentsAndAnswerZero) {
    EXPECT_EQ(0, TagpinProjectBegin(7, -7));
    EXPECT_EQ(0, TagpinProjectEnd(1, 2));
    SimSetConfigFlags(0);
    EXPECT_EQ(0, TagpinFinish(-1, 99));
}

}  // namespace

namespace {

// A project opens: the ids are forgotten before the refresh, so a bookmark
// of the old project tied to a mark is untied first and the mark then gets
// a twin for the new project that stays tied.
TEST_F(EventsTest, ProjectBeginForgetsTheIdsBeforeItRefreshes) {
    SimSetProject("P1");
    SimOpenBuffer("C:\\w\\a.c", "x\ny\n");
    AddMarkAt(2, "two");
    int mark = m_app.m_marks.GetAt(0).editorMark;
    SimOpenProject("P2");
    ASSERT_EQ(2u, m_app.m_marks.GetCount());
    EXPECT_EQ(NO_EDITOR_MARK, m_app.m_marks.GetAt(0).editorMark);
    const MarkRecord &twin = m_app.m_marks.GetAt(1);
    EXPECT_STREQ("two", twin.name);
    EXPECT_STREQ("P2", twin.project);
    EXPECT_EQ(mark, twin.editorMark);
}

// With state saving off the finish neither reconciles nor changes the list:
// a stray editor mark is not adopted.
TEST_F(EventsTest, FinishWithSavingOffDoesNotReconcile) {
    SimOpenBuffer("C:\\w\\a.c", "x\n");
    SimPlaceMark(SimCurrentBuffer(), 1, 1);
    SimSetConfigFlags(0);
    TakeLog();
    SimFireEvent(0x413);
    EXPECT_EQ(0u, m_app.m_marks.GetCount());
    for (const std::string &call : TakeLog()) EXPECT_NE("HostMarkCount()", call);
}

}  // namespace
