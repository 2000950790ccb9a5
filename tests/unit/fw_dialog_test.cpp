// The framework's dialog class on the headless screen: the message map, data
// exchange, temporary window objects, and dialogs that would hang a test.
#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/headless/user.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_failures;
void CollectFailure(const char *message) { g_failures.push_back(message); }

class CProbeDlg : public CDialog {
public:
    explicit CProbeDlg(int boundId = IDC_LIST) : CDialog(IDD_BOOKMARK_LIST, nullptr), m_boundId(boundId) {}
    std::vector<std::string> m_calls;

protected:
    void DoDataExchange(CDataExchange *pDX) override {
        m_calls.push_back(pDX->m_bSaveAndValidate == DDX_SAVE ? "save" : "load");
        DDX_Control(pDX, m_boundId, m_list);
    }
    void OnOK() override {
        m_calls.push_back("OnOK");
        CDialog::OnOK();
    }
    void OnDelete() { m_calls.push_back("OnDelete"); }
    DECLARE_MESSAGE_MAP()

    int m_boundId;
    CListBox m_list;
};

BEGIN_MESSAGE_MAP(CProbeDlg, CDialog)
    ON_BN_CLICKED(IDC_DELETE, OnDelete)
    ON_BN_DOUBLECLICKED(IDC_DELETE, OnDelete)
END_MESSAGE_MAP()

class FwDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_failures.clear();
        FwResetHeadless();
        FwSetFailureHandler(&CollectFailure);
    }
    void TearDown() override {
        FwResetHeadless();
        FwSetFailureHandler(nullptr);
    }
};

TEST_F(FwDialogTest, NotificationsReachTheirHandlersAndOkGoesThroughDataExchange) {
    CProbeDlg dialog;
    FwQueueDialogUser([](HWND d) {
        FwClick(d, IDC_DELETE);
        FwDoubleClickButton(d, IDC_DELETE);
        FwClick(d, IDC_INFO);  // not in the map: nothing
        FwPressEnter(d);
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ((std::vector<std::string>{"load", "OnDelete", "OnDelete", "OnOK", "save"}), dialog.m_calls);
    EXPECT_TRUE(g_failures.empty());
}

TEST_F(FwDialogTest, FailedDataExchangeKeepsTheDialogOpen) {
    CProbeDlg dialog(4242);
    FwQueueDialogUser([](HWND d) {
        FwClick(d, IDOK);
        EXPECT_TRUE(FwIsOpen(d));
        FwPressEscape(d);
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
}

// Nothing waits: such a dialog is reported, and DoModal answers -1.
TEST_F(FwDialogTest, DialogThatNeverEndsOrHasNoUserFailsInsteadOfHanging) {
    const struct {
        const char *why;
        bool queueUser;
        const char *failure;
    } cases[] = {
        {"left open", true, "dialog 101 never ended"},
        {"no user", false, "dialog 101 came up without a user"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        g_failures.clear();
        if (c.queueUser) FwQueueDialogUser([](HWND) {});
        CProbeDlg dialog;
        EXPECT_EQ(-1, dialog.DoModal());
        EXPECT_EQ(std::vector<std::string>{c.failure}, g_failures);
    }
}

TEST_F(FwDialogTest, ActingOnAnEndedDialogIsReported) {
    CProbeDlg dialog;
    FwQueueDialogUser([](HWND d) {
        FwClick(d, IDCANCEL);
        FwClick(d, IDC_DELETE);
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(std::vector<std::string>{"click: the dialog has ended"}, g_failures);
    EXPECT_EQ(std::vector<std::string>{"load"}, dialog.m_calls);
}

TEST_F(FwDialogTest, TemporaryWindowObjectsLastWhileTheMapsAreLocked) {
    HWND handle = reinterpret_cast<HWND>(0x77);
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));
    AfxLockTempMaps();
    AfxLockTempMaps();
    CWnd *first = CWnd::FromHandle(handle);
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(handle, first->m_hWnd);
    EXPECT_FALSE(AfxUnlockTempMaps());
    EXPECT_EQ(first, CWnd::FromHandle(handle));
    EXPECT_TRUE(AfxUnlockTempMaps());
    EXPECT_FALSE(AfxUnlockTempMaps());  // unbalanced unlock: nothing to release
}

}  // namespace
