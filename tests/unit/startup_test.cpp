// Start-up: the state object as constructed, and what _init asks the host and
// leaves in the state object.
#include "addin_fixture.h"

namespace {

class StartupTest : public AddinTest {};

TEST_F(StartupTest, ConstructedStateIsEmptyAndCurrent) {
    EXPECT_EQ(&m_app, &TagpinApp());
    EXPECT_STREQ("tagpin.dll", m_app.m_pszAppName);
    EXPECT_EQ(0u, m_app.m_marks.GetCount());
    for (const char *text : {m_app.m_caption, m_app.m_defaultName, m_app.m_saveFilePath,
                             m_app.m_prompt})
        EXPECT_STREQ("", text);
    EXPECT_EQ(0, m_app.m_byProject);
    EXPECT_EQ(0, m_app.m_editorMarksPlaced);
}

TEST_F(StartupTest, InitRegistersInOrderThenFillsTheTexts) {
    TagpinInit();
    std::vector<std::string> log = TakeLog();
    const std::vector<std::string> registrations = {
        "HostRegisterPrototype(\"TagpinSelect\")",
        "HostRegisterPrototype(\"TagpinAdd\")",
        "HostRegisterPrototype(\"TagpinMenu\")",
        "HostRegisterPrototype(\"TagpinByProject int\")",
        "HostRegisterPrototype(\"int TagpinMenuHandler int int\")",
        "HostRegisterPrototype(\"int TagpinFinish long long\")",
        "HostRegisterPrototype(\"int TagpinProjectEnd long long\")",
        "HostRegisterPrototype(\"int TagpinProjectBegin long long\")",
        "HostRegisterEventHandler(1043, 0, \"TagpinFinish\")",
        "HostRegisterEventHandler(1074, 0, \"TagpinProjectBegin\")",
        "HostRegisterEventHandler(1075, 0, \"TagpinProjectEnd\")",
    };
    ASSERT_GE(log.size(), registrations.size());
    EXPECT_EQ(registrations, std::vector<std::string>(log.begin(), log.begin() + 11));
    EXPECT_STREQ("Named Bookmarks", m_app.m_caption);
    EXPECT_STREQ("Enter Name of Mark: ", m_app.m_prompt);
    EXPECT_EQ(0, m_app.m_byProject);
    EXPECT_EQ(0, m_app.m_editorMarksPlaced);
}

TEST_F(StartupTest, LibraryStartAndStopAskTheHostNothing) {
    EXPECT_TRUE(FwLibraryAttach(nullptr));
    FwLibraryDetach();
    EXPECT_EQ(0, SimLogCount());
}

}  // namespace
