// The bookmark list dialog on the headless screen: its lines, centring,
// which paths apply the pending deletions (once), the choice found again by
// content, Delete, Clear, Info and Change, and lines that would not fit.
#include "dialog_fixture.h"
#include "dialogs/bookmark_list_dlg.h"
#include "sync/sync.h"

#include <functional>

namespace {

class ListDialogTest : public DialogTest {
protected:
    INT_PTR Run(FwDialogUser user, int projectOnly = 0, CWnd *owner = nullptr) {
        FwQueueDialogUser(user);
        return RunQueued(projectOnly, owner);
    }
    // Users are queued in the order their dialogs come up.
    INT_PTR RunQueued(int projectOnly = 0, CWnd *owner = nullptr) {
        CBookmarkListDlg dialog(&m_app.m_marks, &m_chosen, CString("Named Bookmarks"), projectOnly,
                                owner);
        return dialog.DoModal();
    }
    bool ChosenWritten() const { return m_chosen != &m_unwritten; }

    MarkRecord m_unwritten;
    MarkRecord *m_chosen = &m_unwritten;
};

std::vector<std::string> Lines(HWND dialog) {
    std::vector<std::string> lines;
    for (int i = 0; i < FwLineCount(dialog, IDC_LIST); ++i) lines.push_back(FwLine(dialog, IDC_LIST, i));
    return lines;
}

void *ItemData(HWND dialog, int index) {
    return (void *)FwSend(FwControl(dialog, IDC_LIST), LB_GETITEMDATA, (WPARAM)index, 0);
}

TEST_F(ListDialogTest, OpensWithEveryBookmarkInStoreOrderAndTheFirstLineSelected) {
    AddBookmark("init", "D:\\work\\parse.c", 120, 5);
    AddBookmark("notes", "notes.txt", 3, 0);
    INT_PTR result = Run([&](HWND dialog) {
        EXPECT_EQ("Go To Bookmark", FwWindowText(dialog));
        EXPECT_EQ((std::vector<std::string>{"init\tparse.c\t120\t5", "notes\tnotes.txt\t3\t0"}),
                  Lines(dialog));
        EXPECT_EQ(&Mark(0), ItemData(dialog, 0));
        EXPECT_EQ(&Mark(1), ItemData(dialog, 1));
        EXPECT_EQ(0, FwSelectedLine(dialog, IDC_LIST));
        EXPECT_EQ("114,170,217", FwTabStops(dialog, IDC_LIST));
        EXPECT_EQ(FwControl(dialog, IDC_LIST), FwFocus(dialog));
        FwClick(dialog, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_FALSE(ChosenWritten());
}

TEST_F(ListDialogTest, ProjectOnlyListsTheCurrentProjectsBookmarksAskingOncePerRecord) {
    const struct {
        const char *current;
        std::vector<std::string> listed;
    } cases[] = {
        {"C:\\p.prj", {"p1\tmain.c\t1\t1", "p2\tmain.c\t1\t1"}},
        {nullptr, {"none\tmain.c\t1\t1"}},  // no project: the empty project's
        {"C:\\other.prj", {}},
    };
    AddBookmark("p1", "C:\\src\\main.c", 1, 1, NO_EDITOR_MARK, "C:\\p.prj");
    AddBookmark("none");
    AddBookmark("q", "C:\\src\\main.c", 1, 1, NO_EDITOR_MARK, "C:\\q.prj");
    AddBookmark("p2", "C:\\src\\main.c", 1, 1, NO_EDITOR_MARK, "C:\\p.prj");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.current ? c.current : "no project");
        SimSetProject(c.current);
        TakeLog();
        Run([&](HWND dialog) {
            EXPECT_EQ(c.listed, Lines(dialog));
            FwClick(dialog, IDCANCEL);
        }, 1);
        EXPECT_EQ(std::vector<std::string>(4, "HostCurrentProject()"), TakeLog());
    }
}

TEST_F(ListDialogTest, CentresOverTheOwnersClientAreaWhenItFits) {
    // The headless dialog measures 560 by 222 pixels; the template places it
    // at 94, 94 from the owner's client area.
    const struct {
        int width, height;
        LONG left, top;
    } cases[] = {
        {801, 601, 100 + 120, 50 + 189},  // odd remainders dropped
        {560, 222, 100, 50},              // equal sizes still centre
        {559, 600, 100 + 94, 50 + 94},    // too narrow: left where it is
        {800, 221, 100 + 94, 50 + 94},    // too low
    };
    AddBookmark("A");
    HWND frame = reinterpret_cast<HWND>(0x5150);
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        FwDeclareForeignWindow(frame, 100, 50, c.width, c.height);
        CWnd owner(frame);
        Run([&](HWND dialog) {
            RECT r = FwWindowRect(dialog);
            EXPECT_EQ(c.left, r.left);
            EXPECT_EQ(c.top, r.top);
            EXPECT_EQ(560, r.right - r.left);
            EXPECT_EQ(222, r.bottom - r.top);
            EXPECT_EQ(frame, FwOwner(dialog));
            FwClick(dialog, IDCANCEL);
        }, 0, &owner);
    }
}

// Every way the dialog ends applies the deletions exactly once: the store
// holds two equal bookmarks A, and deleting one must leave the other.
TEST_F(ListDialogTest, EveryEndingPathAppliesThePendingDeletionsExactlyOnce) {
    const struct {
        const char *path;
        std::function<void(HWND)> finish;  // after the first line is deleted
        INT_PTR result;
        std::vector<std::string> store;
        const char *chosen;
    } cases[] = {
        {"OK", [](HWND d) { FwSelectLine(d, IDC_LIST, 1); FwClick(d, IDOK); }, IDOK, {"A", "B", "C"}, "B"},
        {"Enter", [](HWND d) { FwSelectLine(d, IDC_LIST, 1); FwPressEnter(d); }, IDOK, {"A", "B", "C"}, "B"},
        {"double click", [](HWND d) { FwDoubleClickLine(d, IDC_LIST, 2); }, IDOK, {"A", "B", "C"}, "C"},
        {"Cancel", [](HWND d) { FwClick(d, IDCANCEL); }, IDCANCEL, {"A", "B", "C"}, nullptr},
        {"Escape", [](HWND d) { FwPressEscape(d); }, IDCANCEL, {"A", "B", "C"}, nullptr},
        {"close box", [](HWND d) { FwCloseBox(d); }, IDCANCEL, {"A", "B", "C"}, nullptr},
        {"delete the rest", [](HWND d) { for (int i = 0; i < 3; ++i) FwClick(d, IDC_DELETE); }, IDCANCEL, {}, nullptr},
        {"Clear", [](HWND d) { FwClick(d, IDC_CLEAR); }, IDCANCEL, {}, nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        ClearStore();
        for (const char *name : {"A", "A", "B", "C"}) AddBookmark(name);
        m_chosen = &m_unwritten;
        INT_PTR result = Run([&](HWND dialog) {
            FwClick(dialog, IDC_DELETE);
            EXPECT_EQ(4u, m_app.m_marks.GetCount()) << "applied before the end";
            c.finish(dialog);
        });
        EXPECT_EQ(c.result, result);
        EXPECT_EQ(c.store, StoreNames());
        if (c.chosen) {
            ASSERT_TRUE(ChosenWritten());
            ASSERT_NE(nullptr, m_chosen);
            EXPECT_STREQ(c.chosen, m_chosen->name);
            EXPECT_EQ(m_chosen, &Mark(m_app.m_marks.IndexOf(*m_chosen)));
        } else {
            EXPECT_FALSE(ChosenWritten());
        }
    }
}

// A double click on a button does what a click does.
TEST_F(ListDialogTest, DoubleClickedButtonsActLikeClicks) {
    for (int button : {IDC_DELETE, IDC_CLEAR, IDC_INFO, IDC_CHANGE}) {
        SCOPED_TRACE(button);
        ClearStore();
        g_boxes.clear();
        for (const char *name : {"A", "B"}) AddBookmark(name);
        bool renameCameUp = false;
        FwQueueDialogUser([&](HWND dialog) {
            FwDoubleClickButton(dialog, button);
            if (FwIsOpen(dialog)) FwClick(dialog, IDCANCEL);
        });
        if (button == IDC_CHANGE)
            FwQueueDialogUser([&](HWND rename) {
                renameCameUp = FwDialogTemplate(rename) == IDD_RENAME;
                FwClick(rename, IDCANCEL);
            });
        RunQueued();
        EXPECT_EQ(button == IDC_DELETE ? 1u : button == IDC_CLEAR ? 0u : 2u,
                  m_app.m_marks.GetCount());
        EXPECT_EQ(button == IDC_INFO ? 1u : 0u, g_boxes.size());
        EXPECT_EQ(button == IDC_CHANGE, renameCameUp);
    }
}

TEST_F(ListDialogTest, PathsThatKeepTheDialogOpenApplyNothing) {
    for (const char *name : {"A", "B", "C"}) AddBookmark(name);
    FwQueueDialogUser([&](HWND dialog) {
        FwClick(dialog, IDC_DELETE);
        FwClick(dialog, IDC_INFO);
        FwClick(dialog, IDC_CHANGE);
        EXPECT_TRUE(FwIsOpen(dialog));
        EXPECT_EQ(3u, m_app.m_marks.GetCount());
        FwClick(dialog, IDCANCEL);
    });
    FwQueueDialogUser([](HWND rename) { FwClick(rename, IDCANCEL); });
    RunQueued();
    EXPECT_EQ((std::vector<std::string>{"B", "C"}), StoreNames());
}

// The records behind deleted ones move down as the deletions are applied;
// the choice is the same bookmark, not what lies at its old address.
TEST_F(ListDialogTest, ChoiceAfterEarlierDeletionsIsFoundAgainByContent) {
    for (auto choose : {+[](HWND d) { FwClick(d, IDOK); }, +[](HWND d) { FwDoubleClickLine(d, IDC_LIST, 0); }}) {
        ClearStore();
        for (const char *name : {"A", "B", "C", "D"}) AddBookmark(name, "C:\\src\\main.c", 10);
        MarkRecord *oldAddress = &Mark(2);
        INT_PTR result = Run([&](HWND dialog) {
            FwClick(dialog, IDC_DELETE);
            FwClick(dialog, IDC_DELETE);
            EXPECT_EQ("C\tmain.c\t10\t1", FwLine(dialog, IDC_LIST, FwSelectedLine(dialog, IDC_LIST)));
            choose(dialog);
        });
        EXPECT_EQ(IDOK, result);
        EXPECT_EQ((std::vector<std::string>{"C", "D"}), StoreNames());
        EXPECT_EQ(&Mark(0), m_chosen);
        EXPECT_NE(oldAddress, m_chosen);
    }
}

TEST_F(ListDialogTest, DeletedBookmarksEditorMarkGoesAtOnceItsRecordAtTheEnd) {
    int buffer = SimOpenBuffer("C:\\src\\main.c", "one\ntwo\n");
    int mark = SimPlaceMark(buffer, 2, 1);
    AddBookmark("A", "C:\\src\\main.c", 2, 1, mark);
    AddBookmark("B");
    TakeLog();
    Run([&](HWND dialog) {
        FwClick(dialog, IDC_DELETE);
        EXPECT_EQ(std::vector<std::string>{"HostMarkDelete(" + std::to_string(mark) + ")"}, TakeLog());
        EXPECT_EQ(0, SimMarkPlace(mark, nullptr, nullptr, nullptr));
        EXPECT_EQ((std::vector<std::string>{"A", "B"}), StoreNames());
        EXPECT_EQ(NO_EDITOR_MARK, Mark(0).editorMark);
        FwClick(dialog, IDCANCEL);
    });
    EXPECT_EQ(std::vector<std::string>{"B"}, StoreNames());
}

TEST_F(ListDialogTest, DeleteSelectsTheLineThatMovedUpOrTheNewLastLine) {
    const struct {
        int deleted, selected;
        const char *selectedName;
    } cases[] = {{0, 0, "B"}, {1, 1, "C"}, {2, 1, "B"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.deleted);
        ClearStore();
        for (const char *name : {"A", "B", "C"}) AddBookmark(name);
        Run([&](HWND dialog) {
            FwSelectLine(dialog, IDC_LIST, c.deleted);
            FwClick(dialog, IDC_DELETE);
            EXPECT_EQ(2, FwLineCount(dialog, IDC_LIST));
            EXPECT_EQ(c.selected, FwSelectedLine(dialog, IDC_LIST));
            EXPECT_EQ(c.selectedName, FwLine(dialog, IDC_LIST, c.selected).substr(0, 1));
            FwClick(dialog, IDCANCEL);
        });
    }
}

TEST_F(ListDialogTest, DeletingTheOnlyLineEndsWithNothingChosen) {
    AddBookmark("A");
    EXPECT_EQ(IDCANCEL, Run([](HWND dialog) { FwDoubleClickButton(dialog, IDC_DELETE); }));
    EXPECT_EQ(0u, m_app.m_marks.GetCount());
    EXPECT_FALSE(ChosenWritten());
}

TEST_F(ListDialogTest, ClearRemovesTheListedBookmarksOnlyWithoutAsking) {
    const struct {
        int projectOnly;
        std::vector<std::string> left;
    } cases[] = {{1, {"q"}}, {0, {}}};
    int buffer = SimOpenBuffer("C:\\src\\main.c", "one\ntwo\n");
    SimSetProject("C:\\p.prj");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.projectOnly);
        ClearStore();
        int markP = SimPlaceMark(buffer, 1, 1), markQ = SimPlaceMark(buffer, 2, 1);
        AddBookmark("p", "C:\\src\\main.c", 1, 1, markP, "C:\\p.prj");
        AddBookmark("q", "C:\\src\\main.c", 2, 1, markQ, "C:\\q.prj");
        AddBookmark("p2", "C:\\src\\main.c", 1, 1, NO_EDITOR_MARK, "C:\\p.prj");
        EXPECT_EQ(IDCANCEL, Run([](HWND dialog) { FwClick(dialog, IDC_CLEAR); }, c.projectOnly));
        EXPECT_EQ(c.left, StoreNames());
        EXPECT_EQ(0, SimMarkPlace(markP, nullptr, nullptr, nullptr));
        EXPECT_EQ(c.projectOnly, SimMarkPlace(markQ, nullptr, nullptr, nullptr));
        EXPECT_TRUE(g_boxes.empty());
        SimDeleteMark(markQ);
    }
}

TEST_F(ListDialogTest, InfoShowsTheFullPathWithTheCaptionAndNoIcon) {
    AddBookmark("A", "D:\\deep\\tree\\file.txt");
    HWND shown = nullptr;
    Run([&](HWND dialog) {
        shown = dialog;
        FwDoubleClickButton(dialog, IDC_INFO);
        EXPECT_TRUE(FwIsOpen(dialog));
        FwClick(dialog, IDCANCEL);
    });
    ASSERT_EQ(1u, g_boxes.size());
    EXPECT_EQ(shown, g_boxes[0].owner);
    EXPECT_EQ("D:\\deep\\tree\\file.txt", g_boxes[0].text);
    EXPECT_EQ("Named Bookmarks", g_boxes[0].caption);
    EXPECT_EQ(MB_OK, g_boxes[0].style);
    EXPECT_EQ(std::vector<std::string>{"A"}, StoreNames());
}

TEST_F(ListDialogTest, ChangeRenamesInPlaceAndKeepsTheLineSelected) {
    for (const char *name : {"A", "B", "C"}) AddBookmark(name, "C:\\x\\y.c", 4, 2);
    FwQueueDialogUser([&](HWND dialog) {
        FwSelectLine(dialog, IDC_LIST, 1);
        FwClick(dialog, IDC_CHANGE);
        EXPECT_EQ("renamed\ty.c\t4\t2", FwLine(dialog, IDC_LIST, 1));
        EXPECT_EQ(1, FwSelectedLine(dialog, IDC_LIST));
        EXPECT_EQ(&Mark(1), ItemData(dialog, 1));
        EXPECT_EQ(3, FwLineCount(dialog, IDC_LIST));
        FwClick(dialog, IDCANCEL);
    });
    FwQueueDialogUser([&](HWND rename) {
        EXPECT_EQ("B", FwWindowText(FwControl(rename, IDC_CURRENT_NAME)));
        FwType(rename, IDC_NEW_NAME, "renamed");
        FwClick(rename, IDOK);
    });
    RunQueued();
    EXPECT_EQ((std::vector<std::string>{"A", "renamed", "C"}), StoreNames());
}

TEST_F(ListDialogTest, NameOfABookmarkDeletedInTheSameOpeningIsStillInUse) {
    for (const char *name : {"A", "B"}) AddBookmark(name);
    HWND renameDialog = nullptr;
    FwQueueDialogUser([&](HWND dialog) {
        FwClick(dialog, IDC_DELETE);
        FwClick(dialog, IDC_CHANGE);
        FwClick(dialog, IDCANCEL);
    });
    FwQueueDialogUser([&](HWND rename) {
        renameDialog = rename;
        FwType(rename, IDC_NEW_NAME, "A");
        FwClick(rename, IDOK);
        EXPECT_TRUE(FwIsOpen(rename));
        FwClick(rename, IDCANCEL);
    });
    RunQueued();
    ASSERT_EQ(1u, g_boxes.size());
    EXPECT_EQ("A mark with that name already exists.", g_boxes[0].text);
    EXPECT_EQ(renameDialog, g_boxes[0].owner);
    EXPECT_EQ(std::vector<std::string>{"B"}, StoreNames());
}

TEST_F(ListDialogTest, WithNoLineSelectedTheButtonsAndTheDoubleClickDoNothing) {
    const struct {
        const char *action;
        std::function<void(HWND)> act;
    } cases[] = {
        {"Delete", [](HWND d) { FwClick(d, IDC_DELETE); }},
        {"Info", [](HWND d) { FwClick(d, IDC_INFO); }},
        {"Change", [](HWND d) { FwClick(d, IDC_CHANGE); }},
        {"OK", [](HWND d) { FwClick(d, IDOK); }},
        {"double click", [](HWND d) { FwSend(d, WM_COMMAND, IDC_LIST | (LBN_DBLCLK << 16), 0); }},
    };
    for (const char *name : {"A", "B"}) AddBookmark(name);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.action);
        INT_PTR result = Run([&](HWND dialog) {
            FwSend(FwControl(dialog, IDC_LIST), LB_SETCURSEL, (WPARAM)-1, 0);
            c.act(dialog);
            EXPECT_TRUE(FwIsOpen(dialog));
            EXPECT_EQ(2, FwLineCount(dialog, IDC_LIST));
            FwClick(dialog, IDCANCEL);
        });
        EXPECT_EQ(IDCANCEL, result);
        EXPECT_TRUE(g_boxes.empty());
        EXPECT_EQ((std::vector<std::string>{"A", "B"}), StoreNames());
    }
}

// A deletion whose copy cannot be queued is not made at all: the line, the
// editor mark and the record stay.
TEST_F(ListDialogTest, DeletionThatCannotBeQueuedLeavesTheBookmarkWhole) {
    int buffer = SimOpenBuffer("C:\\src\\main.c", "one\n");
    int mark = SimPlaceMark(buffer, 1, 1);
    AddBookmark("A", "C:\\src\\main.c", 1, 1, mark);
    AddBookmark("B");
    Run([&](HWND dialog) {
        SetRecordAllocationHook([](int) { return true; });
        FwClick(dialog, IDC_DELETE);
        SetRecordAllocationHook(nullptr);
        EXPECT_EQ(2, FwLineCount(dialog, IDC_LIST));
        EXPECT_EQ(mark, Mark(0).editorMark);
        FwClick(dialog, IDCANCEL);
    });
    EXPECT_EQ(1, SimMarkPlace(mark, nullptr, nullptr, nullptr));
    EXPECT_EQ((std::vector<std::string>{"A", "B"}), StoreNames());
}

TEST(FormatLineTest, LinesFitTheirBufferWithRowAndColumnAlwaysWhole) {
    const std::string longPart(400, 'f'), longName(400, 'n'), name31(31, 'N'), part259(259, 'p');
    const struct {
        std::string name, file;
        int row, column;
        std::string line;
    } cases[] = {
        {"init", "D:\\work\\parse.c", 120, 5, "init\tparse.c\t120\t5"},
        {"a", "parse.c", 1, 2, "a\tparse.c\t1\t2"},            // no backslash: the whole file
        {"a", "D:/work/parse.c", 1, 2, "a\tD:/work/parse.c\t1\t2"},  // only the backslash separates
        {"a", "D:parse.c", 1, 2, "a\tD:parse.c\t1\t2"},
        {"a", "D:\\work\\", 1, 2, "a\t\t1\t2"},
        {"", "", -7, -2147483647 - 1, "\t\t-7\t-2147483648"},
        // The longest line of a 31-byte name and a 259-byte file fits whole.
        {name31, "C:\\" + part259, -2147483647 - 1, -2147483647 - 1,
         name31 + "\t" + part259 + "\t-2147483648\t-2147483648"},
        // Longer ones lose the end of the file name first, then of the name.
        {"a", "C:\\" + longPart, 7, 8, "a\t" + longPart.substr(0, 315 - 2 - 4) + "\t7\t8"},
        {longName, "x.c", 7, 8, longName.substr(0, 315 - 1 - 4) + "\t\t7\t8"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line.substr(0, 40));
        MarkRecord r;
        r.name = c.name.c_str();
        r.file = c.file.c_str();
        r.row = c.row;
        r.column = c.column;
        char line[CBookmarkListDlg::LINE_SIZE];
        int length = CBookmarkListDlg::FormatLine(r, line);
        EXPECT_EQ(c.line, line);
        EXPECT_EQ((int)c.line.size(), length);
    }
}

}  // namespace
