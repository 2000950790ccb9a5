// The rename dialog on the headless screen: what it shows, which entries it
// accepts (cut to 31 bytes) and which it refuses, and what it writes.
#include "dialog_fixture.h"
#include "dialogs/rename_dlg.h"

namespace {

class RenameDialogTest : public DialogTest {
protected:
    INT_PTR Run(const char *currentName, FwDialogUser user, int projectOnly = 0) {
        FwQueueDialogUser(user);
        CRenameDlg dialog(CString(currentName), &m_newName, &m_app.m_marks,
                          CString("Named Bookmarks"), projectOnly, nullptr);
        return dialog.DoModal();
    }
    CString m_newName = "untouched";
};

TEST_F(RenameDialogTest, ShowsTheCurrentNameWithTheFocusInTheEntryField) {
    Run("alpha", [](HWND dialog) {
        EXPECT_EQ("Rename", FwWindowText(dialog));
        EXPECT_EQ("alpha", FwWindowText(FwControl(dialog, IDC_CURRENT_NAME)));
        EXPECT_TRUE(FwStyle(FwControl(dialog, IDC_CURRENT_NAME)) & ES_READONLY);
        EXPECT_EQ("", FwWindowText(FwControl(dialog, IDC_NEW_NAME)));
        EXPECT_EQ(FwControl(dialog, IDC_NEW_NAME), FwFocus(dialog));
        FwPressEscape(dialog);
    });
}

// A current name longer than a name may be is shown cut to 31 bytes.
TEST_F(RenameDialogTest, OverlongCurrentNameIsShownCut) {
    std::string name(100, 'x');
    Run(name.c_str(), [&](HWND dialog) {
        EXPECT_EQ(name.substr(0, 31), FwWindowText(FwControl(dialog, IDC_CURRENT_NAME)));
        FwCloseBox(dialog);
    });
}

TEST_F(RenameDialogTest, AcceptsOnlyAFreeNonEmptyEntry) {
    const std::string entry40 = "0123456789012345678901234567890123456789";
    const struct {
        const char *why;
        std::string typed;
        int projectOnly;
        bool accepted;
        std::string newName;
        bool refusedWithMessage;
    } cases[] = {
        {"empty: ignored silently", "", 0, false, "untouched", false},
        {"its own name is in use", "mine", 0, false, "untouched", true},
        {"a name of any project counts", "theirs", 0, false, "untouched", true},
        {"only this project's names count", "theirs", 1, true, "theirs", false},
        {"this project's name", "ours", 1, false, "untouched", true},
        {"40 bytes: the first 31 are used", entry40, 0, true, entry40.substr(0, 31), false},
        {"blanks stay as typed", "   ", 0, true, "   ", false},
        {"letter case counts", "MINE", 0, true, "MINE", false},
    };
    SimSetProject("C:\\p.prj");
    AddBookmark("mine", "C:\\a.c", 1, 1, NO_EDITOR_MARK, "C:\\p.prj");
    AddBookmark("ours", "C:\\a.c", 1, 1, NO_EDITOR_MARK, "C:\\p.prj");
    AddBookmark("theirs", "C:\\a.c", 1, 1, NO_EDITOR_MARK, "C:\\q.prj");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        g_boxes.clear();
        m_newName = "untouched";
        int paints = -1;
        INT_PTR result = Run("mine", [&](HWND dialog) {
            FwType(dialog, IDC_NEW_NAME, c.typed.c_str());
            FwClick(dialog, IDOK);
            if (!FwIsOpen(dialog)) return;
            EXPECT_EQ(c.typed, FwWindowText(FwControl(dialog, IDC_NEW_NAME)));
            paints = FwPaintCount(dialog);
            FwClick(dialog, IDCANCEL);
        }, c.projectOnly);
        EXPECT_EQ(c.accepted ? IDOK : IDCANCEL, result);
        EXPECT_EQ(c.newName, m_newName.GetString());
        if (c.refusedWithMessage) {
            ASSERT_EQ(1u, g_boxes.size());
            EXPECT_EQ("A mark with that name already exists.", g_boxes[0].text);
            EXPECT_EQ("Named Bookmarks", g_boxes[0].caption);
            EXPECT_EQ(0x30u, g_boxes[0].style);
            EXPECT_EQ(1, paints) << "repainted once the box was closed";
        } else {
            EXPECT_TRUE(g_boxes.empty());
        }
    }
}

TEST_F(RenameDialogTest, RefusedNameCanBeCorrectedAndAccepted) {
    AddBookmark("mine");
    INT_PTR result = Run("mine", [](HWND dialog) {
        FwType(dialog, IDC_NEW_NAME, "mine");
        FwPressEnter(dialog);
        FwType(dialog, IDC_NEW_NAME, "yours");
        FwPressEnter(dialog);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_STREQ("yours", m_newName);
    EXPECT_EQ(1u, g_boxes.size());
    EXPECT_EQ(std::vector<std::string>{"mine"}, StoreNames());
}

}  // namespace
