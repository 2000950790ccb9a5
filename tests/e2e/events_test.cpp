// Bookmarks placed in the real tagpin.dll follow edits, survive the editor's
// finish and a restart, and the project events reach the add-in through the
// handlers _init registered, called by name as the editor calls them.
#include "addin_dll.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

class EventsE2eTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        m_dir = std::string(temp) + "tagpin_events_e2e\\";
        CreateDirectoryA(m_dir.c_str(), nullptr);
        DeleteFileA(SavePath().c_str());
        m_notes = m_dir + "notes.txt";
        std::ofstream(m_notes) << "one\ntwo\nthree\n";
    }
    void StartEditor() {
        ASSERT_TRUE(m_dll.Load());
        SimSetModulePath((m_dir + "rs.exe").c_str());
        m_dll.Call("_init");
    }
    void Restart() {
        m_dll.Unload();
        SimReset();
        StartEditor();
    }
    std::string SavePath() const { return m_dir + "tagpin.ini"; }
    std::string SaveFile() const {
        std::ifstream in(SavePath(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void Place(int line, const char *name) {
        SimSetCursor(line, 1);
        SimQueuePromptAnswer(name);
        m_dll.Call("TagpinAdd");
    }

    CAddinDll m_dll;
    std::string m_dir, m_notes;
};

TEST_F(EventsE2eTest, BookmarksFollowEditsAndComeBackAfterARestart) {
    StartEditor();
    SimOpenBuffer(m_notes.c_str(), "one\ntwo\nthree\n");
    Place(2, "two");
    Place(3, "three");
    SimInsertText(1, 1, "zero\n");  // both bookmarks move one line down
    EXPECT_EQ(0, SimFireEvent(0x413));
    std::string saved = "[Save]\r\nNumberOfMarks=2\r\nMark1=two," + m_notes +
                        ",3,1,\r\nMark2=three," + m_notes + ",4,1,\r\n";
    EXPECT_EQ(saved, SaveFile());

    Restart();  // the add-in loads the file; finishing again writes the same
    EXPECT_EQ(0, SimFireEvent(0x413));
    EXPECT_EQ(saved, SaveFile());
}

TEST_F(EventsE2eTest, FinishWithoutStateSavingRemovesTheSaveFile) {
    StartEditor();
    SimOpenBuffer(m_notes.c_str(), "one\n");
    Place(1, "one");
    SimFireEvent(0x413);
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(SavePath().c_str()));
    SimSetConfigFlags(0);
    SimFireEvent(0x413);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(SavePath().c_str()));
}

TEST_F(EventsE2eTest, ProjectEventsReachTheAddinByName) {
    StartEditor();
    SimOpenProject("C:\\work\\demo.prj");
    SimOpenBuffer(m_notes.c_str(), "one\ntwo\n");
    SimPlaceMark(SimCurrentBuffer(), 2, 1);  // a mark no bookmark accounts for
    SimClearLog();
    SimCloseProject();  // the closing event reconciles: the mark is adopted as "A"
    bool refreshed = false;
    for (const std::string &call : HostLog()) refreshed |= call == "HostMarkCount()";
    EXPECT_TRUE(refreshed);
    SimOpenProject("C:\\work\\other.prj");
    SimFireEvent(0x413);
    EXPECT_NE(std::string::npos, SaveFile().find("Mark1=A," + m_notes + ",2,1,C:\\work\\demo.prj"))
        << SaveFile();
}

}  // namespace
