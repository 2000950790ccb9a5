// The real TagpinSelect with the real dialogs of tagpin.dll, worked by a
// user on a watcher thread through their controls: layout, focus and tab
// order, choosing, deleting, clearing, Info and renaming, and the message
// boxes met on the way.
#include "addin_dll.h"
#include "dialog_driver.h"

#include <gtest/gtest.h>

namespace {

const char kList[] = "Go To Bookmark";
const char kRename[] = "Rename";
const char kCaption[] = "Named Bookmarks";
enum { IDC_CLEAR = 1000, IDC_DELETE, IDC_CHANGE, IDC_INFO, IDC_LIST, IDC_CURRENT_NAME, IDC_NEW_NAME };

class CUnmanagedWindows : public ::testing::Environment {
public:
    void SetUp() override { UseUnmanagedWindowsUnderWine(); }
};
::testing::Environment *const g_unmanaged = ::testing::AddGlobalTestEnvironment(new CUnmanagedWindows);

class SelectDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dll.Load());
        m_frame = CreateWindowExA(0, "STATIC", "Ravensheet", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40,
                                  30, 800, 600, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, m_frame);
        SimSetFrameWindow(m_frame);
        SimSetModulePath("C:\\no-such-folder\\rs.exe");  // no saved bookmarks
        m_dll.Call("_init");
        m_buffer = SimOpenBuffer("C:\\src\\main.c", "one\ntwo\nthree\nfour\nfive\n");
    }
    void TearDown() override {
        SimSetFrameWindow(nullptr);
        DestroyWindow(m_frame);
    }

    void Place(const char *name, int line) {
        SimSetCursor(line, 1);
        SimQueuePromptAnswer(name);
        m_dll.Call("TagpinAdd");
    }
    // TagpinSelect while the script works its dialogs; the script's failures.
    std::vector<std::string> Select(std::function<void(CDialogUser &)> script, DWORD graceMs = 5000) {
        CWatcher watcher(script, graceMs);
        m_dll.Call("TagpinSelect");
        return watcher.Finish();
    }

    CAddinDll m_dll;
    HWND m_frame = nullptr;
    int m_buffer = 0;
};

std::vector<int> TabOrder(HWND dialog) {
    std::vector<int> ids;
    HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
    for (HWND at = first; at && ids.size() < 20;) {
        ids.push_back(GetDlgCtrlID(at));
        at = GetNextDlgTabItem(dialog, at, FALSE);
        if (at == first) break;
    }
    return ids;
}

// A control's place and size in the dialog's client area, beside the
// template's converted from dialog units by the dialog itself (each value
// on its own, as the system does when it makes the control). A list box
// may be lower than its template: it shows whole lines only.
void ExpectPlaced(HWND dialog, int id, RECT units) {
    RECT expected = units;
    MapDialogRect(dialog, &expected);
    RECT actual;
    GetWindowRect(GetDlgItem(dialog, id), &actual);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT *>(&actual), 2);
    EXPECT_EQ(expected.left, actual.left) << id;
    EXPECT_EQ(expected.top, actual.top) << id;
    EXPECT_EQ(expected.right, actual.right - actual.left) << id;
    LONG height = actual.bottom - actual.top;
    if (id != IDC_LIST) {
        EXPECT_EQ(expected.bottom, height) << id;
        return;
    }
    LONG line = (LONG)SendMessageA(GetDlgItem(dialog, id), LB_GETITEMHEIGHT, 0, 0);
    EXPECT_LE(height, expected.bottom);
    EXPECT_GT(height, expected.bottom - line);
}

void ExpectDefaultButtonOk(CDialogUser &user, HWND dialog) {
    LRESULT def = user.Send(dialog, DM_GETDEFID, 0, 0);
    EXPECT_EQ(DC_HASDEFID, HIWORD(def));
    EXPECT_EQ(IDOK, LOWORD(def));
    EXPECT_EQ(BS_DEFPUSHBUTTON, GetWindowLongA(GetDlgItem(dialog, IDOK), GWL_STYLE) & 0xF);
}

TEST_F(SelectDialogTest, ListDialogCentresOverTheFrameWithTheListFocused) {
    Place("A", 2);
    Place("B", 3);
    auto failures = Select([&](CDialogUser &user) {
        HWND dialog = user.WaitFor(kList);
        if (!dialog) return;
        RECT client, window;
        GetClientRect(m_frame, &client);
        POINT origin = {0, 0};
        ClientToScreen(m_frame, &origin);
        GetWindowRect(dialog, &window);
        int width = window.right - window.left, height = window.bottom - window.top;
        EXPECT_EQ(origin.x + (client.right - width) / 2, window.left);
        EXPECT_EQ(origin.y + (client.bottom - height) / 2, window.top);
        EXPECT_EQ(m_frame, GetWindow(dialog, GW_OWNER));
        EXPECT_EQ(GetDlgItem(dialog, IDC_LIST), user.Focus());
        EXPECT_EQ((std::vector<int>{IDC_LIST, IDC_CLEAR, IDC_DELETE, IDC_CHANGE, IDC_INFO, IDOK, IDCANCEL}),
                  TabOrder(dialog));
        ExpectDefaultButtonOk(user, dialog);
        ExpectPlaced(dialog, IDC_LIST, {8, 13, 262, 60});
        ExpectPlaced(dialog, IDC_CLEAR, {3, 79, 25, 16});
        ExpectPlaced(dialog, IDCANCEL, {248, 79, 25, 16});
        EXPECT_EQ((std::vector<std::string>{"A\tmain.c\t2\t1", "B\tmain.c\t3\t1"}),
                  user.Lines(dialog, IDC_LIST));
        EXPECT_EQ(0, user.Selected(dialog, IDC_LIST));
        user.Key(dialog, VK_ESCAPE);
        user.WaitGone(dialog);
    });
    EXPECT_EQ(std::vector<std::string>{}, failures);
}

TEST_F(SelectDialogTest, RenameDialogHasTheEntryFieldFocusedFirst) {
    Place("alpha", 2);
    auto failures = Select([&](CDialogUser &user) {
        HWND list = user.WaitFor(kList);
        if (!list) return;
        user.Click(list, IDC_CHANGE);
        HWND rename = user.WaitFor(kRename);
        if (rename) {
            EXPECT_EQ(list, GetWindow(rename, GW_OWNER));
            EXPECT_EQ(GetDlgItem(rename, IDC_NEW_NAME), user.Focus());
            EXPECT_EQ((std::vector<int>{IDC_NEW_NAME, IDOK, IDCANCEL, IDC_CURRENT_NAME}), TabOrder(rename));
            ExpectDefaultButtonOk(user, rename);
            ExpectPlaced(rename, IDC_NEW_NAME, {10, 56, 124, 12});
            ExpectPlaced(rename, IDC_CURRENT_NAME, {10, 22, 124, 12});
            EXPECT_EQ("alpha", user.Text(GetDlgItem(rename, IDC_CURRENT_NAME)));
            EXPECT_TRUE(GetWindowLongA(GetDlgItem(rename, IDC_CURRENT_NAME), GWL_STYLE) & ES_READONLY);
            user.CloseBox(rename);
            user.WaitGone(rename);
        }
        list = user.WaitFor(kList);
        if (list) user.CloseBox(list);
    });
    EXPECT_EQ(std::vector<std::string>{}, failures);
}

TEST_F(SelectDialogTest, OkEnterAndDoubleClickTakeTheEditorToTheChosenBookmark) {
    const struct {
        const char *how;
        std::function<void(CDialogUser &, HWND)> choose;
    } cases[] = {
        {"OK", [](CDialogUser &u, HWND d) { u.Select(d, IDC_LIST, 1); u.Click(d, IDOK); }},
        {"Enter", [](CDialogUser &u, HWND d) { u.Select(d, IDC_LIST, 1); u.Key(d, VK_RETURN); }},
        {"double click", [](CDialogUser &u, HWND d) { u.DoubleClickLine(d, IDC_LIST, 1); }},
    };
    Place("A", 2);
    Place("B", 4);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.how);
        SimSetCursor(1, 1);
        auto failures = Select([&](CDialogUser &user) {
            if (HWND dialog = user.WaitFor(kList)) c.choose(user, dialog);
        });
        EXPECT_EQ(std::vector<std::string>{}, failures);
        EXPECT_EQ(4, SimCursorLine());
        EXPECT_EQ(m_buffer, SimCurrentBuffer());
    }
}

// Each run deletes the first line and ends another way; the editor stays.
TEST_F(SelectDialogTest, DeletionsStayWhenTheDialogIsCancelledAnyWay) {
    const struct {
        const char *how;
        std::function<void(CDialogUser &, HWND)> cancel;
        std::vector<std::string> before;
    } cases[] = {
        {"Escape", [](CDialogUser &u, HWND d) { u.Key(d, VK_ESCAPE); }, {"A", "B", "C", "D"}},
        {"close box", [](CDialogUser &u, HWND d) { u.CloseBox(d); }, {"B", "C", "D"}},
        {"Cancel", [](CDialogUser &u, HWND d) { u.Click(d, IDCANCEL); }, {"C", "D"}},
    };
    Place("A", 2);
    Place("B", 3);
    Place("C", 4);
    Place("D", 5);
    SimSetCursor(1, 1);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.how);
        auto failures = Select([&](CDialogUser &user) {
            HWND dialog = user.WaitFor(kList);
            if (!dialog) return;
            std::vector<std::string> names;
            for (const std::string &line : user.Lines(dialog, IDC_LIST)) names.push_back(line.substr(0, 1));
            EXPECT_EQ(c.before, names);
            user.Click(dialog, IDC_DELETE);
            c.cancel(user, dialog);
            user.WaitGone(dialog);
        });
        EXPECT_EQ(std::vector<std::string>{}, failures);
        EXPECT_EQ(1, SimCursorLine());
    }
    EXPECT_EQ(0, SimMarkPlace(0x2001, nullptr, nullptr, nullptr)) << "A's editor mark";
    EXPECT_EQ(1, SimMarkPlace(0x2004, nullptr, nullptr, nullptr)) << "D's editor mark";
}

TEST_F(SelectDialogTest, ClearEndsTheDialogAndTheNextChooseSaysThereAreNoBookmarks) {
    Place("A", 2);
    Place("B", 3);
    auto failures = Select([&](CDialogUser &user) {
        if (HWND dialog = user.WaitFor(kList)) {
            user.Click(dialog, IDC_CLEAR);
            user.WaitGone(dialog);
        }
    });
    EXPECT_EQ(std::vector<std::string>{}, failures);
    CBoxSeen box;
    failures = Select([&](CDialogUser &user) { box = user.ReadAndCloseBox(kCaption); });
    EXPECT_EQ(std::vector<std::string>{}, failures);
    EXPECT_EQ("There are currently no bookmarks.", box.text);
    EXPECT_EQ(kCaption, box.caption);
    EXPECT_TRUE(box.exclamation);
}

TEST_F(SelectDialogTest, InfoShowsTheFullPathWithoutAnIconAndButtonDoubleClicksAct) {
    Place("A", 2);
    Place("B", 3);
    Place("C", 4);
    CBoxSeen box;
    auto failures = Select([&](CDialogUser &user) {
        HWND dialog = user.WaitFor(kList);
        if (!dialog) return;
        user.Click(dialog, IDC_INFO);
        box = user.ReadAndCloseBox(kCaption);
        EXPECT_TRUE(IsWindow(dialog));
        user.DoubleClickButton(dialog, IDC_DELETE);
        user.DoubleClickButton(dialog, IDC_INFO);
        user.ReadAndCloseBox(kCaption);
        EXPECT_EQ((std::vector<std::string>{"B\tmain.c\t3\t1", "C\tmain.c\t4\t1"}), user.Lines(dialog, IDC_LIST));
        user.CloseBox(dialog);
        user.WaitGone(dialog);
    });
    EXPECT_EQ(std::vector<std::string>{}, failures);
    EXPECT_EQ("C:\\src\\main.c", box.text);
    EXPECT_EQ(kCaption, box.caption);
    EXPECT_FALSE(box.icon);
}

TEST_F(SelectDialogTest, RenameRefusesANameInUseThenRenamesInPlace) {
    Place("A", 2);
    Place("B", 3);
    CBoxSeen refusal;
    auto failures = Select([&](CDialogUser &user) {
        HWND list = user.WaitFor(kList);
        if (!list) return;
        user.Select(list, IDC_LIST, 1);
        user.Click(list, IDC_CHANGE);
        HWND rename = user.WaitFor(kRename);
        if (!rename) return;
        user.Type(rename, IDC_NEW_NAME, "A");
        user.Click(rename, IDOK);
        refusal = user.ReadAndCloseBox(kCaption);
        EXPECT_TRUE(IsWindow(rename));
        user.Type(rename, IDC_NEW_NAME, "Bee");
        user.Key(rename, VK_RETURN);
        user.WaitGone(rename);
        list = user.WaitFor(kList);
        if (!list) return;
        EXPECT_EQ((std::vector<std::string>{"A\tmain.c\t2\t1", "Bee\tmain.c\t3\t1"}), user.Lines(list, IDC_LIST));
        EXPECT_EQ(1, user.Selected(list, IDC_LIST));
        user.Click(list, IDOK);
    });
    EXPECT_EQ(std::vector<std::string>{}, failures);
    EXPECT_EQ("A mark with that name already exists.", refusal.text);
    EXPECT_TRUE(refusal.exclamation);
    EXPECT_EQ(3, SimCursorLine());
}

// The harness itself: a dialog the script leaves open fails the test in
// about the grace time, and the export returns.
TEST_F(SelectDialogTest, ADialogLeftOpenFailsWithinSecondsInsteadOfHanging) {
    Place("A", 2);
    DWORD start = GetTickCount();
    auto failures = Select([&](CDialogUser &user) { user.WaitFor(kList); }, 300);
    EXPECT_LT(GetTickCount() - start, 5000u);
    EXPECT_EQ(std::vector<std::string>{"a dialog was left open; cancelled by the watcher"}, failures);
}

}  // namespace
