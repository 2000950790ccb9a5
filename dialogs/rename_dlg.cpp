// rename_dlg.cpp - the rename dialog: shows the current name, refuses an
// empty entry silently and a name in use with a message.
#include "dialogs/rename_dlg.h"

#include "store/names.h"

CRenameDlg::CRenameDlg(const CString &currentName, CString *newName, MarkList *store,
                       const CString &msgCaption, int projectOnly, CWnd *owner)
    : CDialog(IDD, owner),
      m_currentName(currentName),
      m_newName(newName),
      m_store(store),
      m_msgCaption(msgCaption),
      m_projectOnly(projectOnly) {}

CRenameDlg::~CRenameDlg() {}

BEGIN_MESSAGE_MAP(CRenameDlg, CDialog)
END_MESSAGE_MAP()

void CRenameDlg::DoDataExchange(CDataExchange *pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CURRENT_NAME, m_currentEdit);
    DDX_Control(pDX, IDC_NEW_NAME, m_newEdit);
}

// A current name longer than a name may be (31 bytes) is shown cut to 31.
// The entry field comes first in the tab order, so it gets the focus.
BOOL CRenameDlg::OnInitDialog() {
    char shown[MAX_NAME_LENGTH + 1];
    FwCopyText(shown, sizeof shown, m_currentName);
    CDialog::OnInitDialog();
    m_currentEdit.SetWindowText(shown);
    return TRUE;
}

// At most 31 bytes of the entry are read; a longer entry is cut without
// notice, and nothing is trimmed. The entry stays as typed after a refusal.
void CRenameDlg::OnOK() {
    char name[MAX_NAME_LENGTH + 1];
    if (m_newEdit.GetWindowText(name, sizeof name) == 0) return;
    if (NameInUse(m_store, CString(name), m_projectOnly)) {
        CString text;
        text.LoadString(IDS_NAME_IN_USE);
        MessageBox(text, m_msgCaption, MB_ICONEXCLAMATION | MB_OK);
        UpdateWindow();
        return;
    }
    *m_newName = name;
    EndDialog(IDOK);
}
