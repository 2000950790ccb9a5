// Placing a bookmark: the prompt and its default, refused names, the cut to
// 31 bytes, the new bookmark's fields and the host calls in order.
#include "addin_fixture.h"
#include "framework/msgbox.h"

namespace {

struct Box {
    std::string text, caption;
    UINT style;
};
std::vector<Box> g_boxes;

int RecordBox(HWND, const char *text, const char *caption, UINT style) {
    g_boxes.push_back({text, caption, style});
    return IDOK;
}

class AddMarkTest : public AddinTest {
protected:
    void SetUp() override {
        g_boxes.clear();
        FwSetMessageBoxUser(RecordBox);
        TagpinInit();
        SimOpenBuffer("C:\\work\\notes.txt", "alpha\n  beta gamma\n");
        SimSetCursor(2, 3);
        SimSetBufferFlags(0x1000);  // propose the word at the cursor
        TakeLog();
    }
    void TearDown() override { FwSetMessageBoxUser(nullptr); }
    const MarkRecord &Last() { return m_app.m_marks.GetAt(m_app.m_marks.GetCount() - 1); }
};

TEST_F(AddMarkTest, PlacesATiedBookmarkAtTheCursor) {
    SimSetProject("C:\\work\\demo.prj");
    SimQueuePromptAnswer("here");
    TagpinAdd();
    ASSERT_EQ(1u, m_app.m_marks.GetCount());
    const MarkRecord &r = Last();
    EXPECT_STREQ("here", r.name);
    EXPECT_STREQ("C:\\work\\notes.txt", r.file);
    EXPECT_EQ(2, r.row);
    EXPECT_EQ(3, r.column);
    EXPECT_STREQ("C:\\work\\demo.prj", r.project);
    int buffer, line, column;
    EXPECT_TRUE(SimMarkPlace(r.editorMark, &buffer, &line, &column));
    EXPECT_EQ(1, m_app.m_editorMarksPlaced);
    EXPECT_STREQ("beta", SimLastPromptDefault());
}

TEST_F(AddMarkTest, HostSeesProposalPromptThenPlacement) {
    SimQueuePromptAnswer("here");
    TagpinAdd();
    const std::vector<std::string> expected = {
        "HostBufferFlags()",
        "HostWordAtCursor()",
        "HostSelectionType()",
        "HostSelectionText(0, 0)",
        "HostFreeString(\"beta\")",
        "HostPrompt(\"TAGPIN\", \"Enter Name of Mark: \", \"beta\")",
        "HostMarkPlace()",
        "HostBufferFileName()",
        "HostMarkRow(8193)",
        "HostMarkColumn(8193)",
        "HostCurrentProject()",
    };
    EXPECT_EQ(expected, TakeLog());
}

TEST_F(AddMarkTest, NoAnswerLeavesNoTrace) {
    SimQueuePromptAnswer(nullptr);
    TagpinAdd();
    EXPECT_EQ(0u, m_app.m_marks.GetCount());
    EXPECT_EQ(0, m_app.m_editorMarksPlaced);
    EXPECT_EQ(0, SimMarkPlace(0x2001, nullptr, nullptr, nullptr));
    EXPECT_TRUE(g_boxes.empty());
}

TEST_F(AddMarkTest, RefusedNameAsksAgainWithTheSameDefault) {
    SimQueuePromptAnswer("dup");
    TagpinAdd();
    SimQueuePromptAnswer("dup");
    SimQueuePromptAnswer("dup");
    SimQueuePromptAnswer("fresh");
    TakeLog();
    TagpinAdd();
    ASSERT_EQ(2u, g_boxes.size());
    EXPECT_EQ("A mark with that name already exists.", g_boxes[0].text);
    EXPECT_EQ("Named Bookmarks", g_boxes[0].caption);
    EXPECT_EQ(0x30u, g_boxes[0].style);
    int prompts = 0;
    for (const std::string &call : TakeLog()) {
        if (call.rfind("HostPrompt(", 0) == 0) {
            ++prompts;
            EXPECT_EQ("HostPrompt(\"TAGPIN\", \"Enter Name of Mark: \", \"beta\")", call);
        }
    }
    EXPECT_EQ(3, prompts);
    EXPECT_STREQ("fresh", Last().name);
}

TEST_F(AddMarkTest, AnswersAreCutTo31BytesBeforeTheyAreTested) {
    std::string a31(31, 'a'), a40(40, 'a');
    SimQueuePromptAnswer(a40.c_str());
    TagpinAdd();
    EXPECT_EQ(a31, Last().name.GetString());
    SimQueuePromptAnswer((a31 + "b").c_str());  // cuts to the same 31 bytes: refused
    SimQueuePromptAnswer(nullptr);
    TagpinAdd();
    EXPECT_EQ(1u, g_boxes.size());
    EXPECT_EQ(1u, m_app.m_marks.GetCount());
}

TEST_F(AddMarkTest, ProjectScopeDecidesWhichNamesAreTaken) {
    SimSetProject("P1");
    SimQueuePromptAnswer("main");
    TagpinAdd();
    SimSetProject("P2");
    m_app.m_byProject = 1;
    SimQueuePromptAnswer("main");
    TagpinAdd();
    EXPECT_EQ(2u, m_app.m_marks.GetCount());
    m_app.m_byProject = 0;
    SimQueuePromptAnswer("main");
    SimQueuePromptAnswer(nullptr);
    TagpinAdd();
    EXPECT_EQ(2u, m_app.m_marks.GetCount());
    EXPECT_EQ(1u, g_boxes.size());
}

TEST_F(AddMarkTest, EmptyAnswerIsANameLikeAnyOther) {
    SimSetProject(nullptr);
    SimQueuePromptAnswer("");
    TagpinAdd();
    EXPECT_STREQ("", Last().name);
    EXPECT_STREQ("", Last().project);
    SimQueuePromptAnswer("");
    SimQueuePromptAnswer(nullptr);
    TagpinAdd();
    EXPECT_EQ(1u, m_app.m_marks.GetCount());
    EXPECT_EQ(1u, g_boxes.size());
}

}  // namespace

namespace {

// With no buffer, no project and an endless answer, placing still ends and
// stores a bookmark of empty file and project and a cut name.
TEST_F(AddMarkTest, WithoutABufferOrProjectNothingBreaks) {
    SimCloseBuffer(SimCurrentBuffer(), 0);
    SimSetProject(nullptr);
    std::string endless(100000, 'q');
    SimQueuePromptAnswer(endless.c_str());
    TagpinAdd();
    ASSERT_EQ(1u, m_app.m_marks.GetCount());
    EXPECT_EQ(std::string(31, 'q'), Last().name.GetString());
    EXPECT_STREQ("", Last().file);
    EXPECT_STREQ("", Last().project);
}

}  // namespace
