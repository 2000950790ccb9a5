// dialog_fixture.h - dialogs on the headless screen: every message box is
// recorded and answered OK, the headless side's failures (a dialog that
// never ends or has no user, an action on a missing control) fail the test,
// and every queued user must have met its dialog by the end.
#pragma once

#include "addin_fixture.h"
#include "records.h"
#include "framework/headless/user.h"
#include "framework/msgbox.h"
#include "res/resource.h"

struct Box {
    HWND owner;
    std::string text, caption;
    UINT style;
};

inline std::vector<Box> g_boxes;

inline int RecordBox(HWND owner, const char *text, const char *caption, UINT style) {
    g_boxes.push_back({owner, text, caption, style});
    return IDOK;
}

inline void FailTest(const char *message) { ADD_FAILURE() << "headless screen: " << message; }

class DialogTest : public AddinTest {
protected:
    void SetUp() override {
        g_boxes.clear();
        FwResetHeadless();
        FwSetMessageBoxUser(&RecordBox);
        FwSetFailureHandler(&FailTest);
    }
    void TearDown() override {
        EXPECT_EQ(0, FwQueuedDialogUsers()) << "a dialog the test expected never came up";
        FwResetHeadless();
        FwSetMessageBoxUser(nullptr);
        FwSetFailureHandler(nullptr);
    }

    // Appends a bookmark to the store and answers its index.
    int AddBookmark(const char *name, const char *file = "C:\\src\\main.c", int row = 1,
                    int column = 1, int editorMark = NO_EDITOR_MARK, const char *project = "") {
        m_app.m_marks.Add(MakeRecord(name, file, row, column, editorMark, project));
        return (int)m_app.m_marks.GetCount() - 1;
    }
    void ClearStore() {
        while (m_app.m_marks.GetCount()) m_app.m_marks.RemoveAt(0);
    }
    MarkRecord &Mark(int i) { return m_app.m_marks.GetAt(i); }
    std::vector<std::string> StoreNames() {
        std::vector<std::string> names;
        for (unsigned i = 0; i < m_app.m_marks.GetCount(); ++i) names.push_back(Mark(i).name.GetString());
        return names;
    }
};
