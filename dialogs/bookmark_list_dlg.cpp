// bookmark_list_dlg.cpp - the list dialog: filling the list, and choosing
// and ending, which apply the pending deletions.
#include "dialogs/bookmark_list_dlg.h"

#include "store/project_scope.h"

CBookmarkListDlg::CBookmarkListDlg(MarkList *store, MarkRecord **chosen, const CString &msgCaption,
                                   int projectOnly, CWnd *owner)
    : CDialog(IDD, owner),
      m_store(store),
      m_chosen(chosen),
      m_msgCaption(msgCaption),
      m_projectOnly(projectOnly) {}

CBookmarkListDlg::~CBookmarkListDlg() {}

BEGIN_MESSAGE_MAP(CBookmarkListDlg, CDialog)
    ON_LBN_DBLCLK(IDC_LIST, OnDblclkList)
    ON_BN_CLICKED(IDC_DELETE, OnDelete)
    ON_BN_DOUBLECLICKED(IDC_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_CLEAR, OnClear)
    ON_BN_DOUBLECLICKED(IDC_CLEAR, OnClear)
    ON_BN_CLICKED(IDC_INFO, OnInfo)
    ON_BN_DOUBLECLICKED(IDC_INFO, OnInfo)
    ON_BN_CLICKED(IDC_CHANGE, OnChange)
    ON_BN_DOUBLECLICKED(IDC_CHANGE, OnChange)
END_MESSAGE_MAP()

void CBookmarkListDlg::DoDataExchange(CDataExchange *pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST, m_list);
}

int CBookmarkListDlg::IsCurrentProject(const CString &project) { return ::IsCurrentProject(project); }

BOOL CBookmarkListDlg::OnInitDialog() {
    static const int kTabStops[] = {114, 170, 217};
    CDialog::OnInitDialog();
    CenterOverOwner();
    m_list.SetTabStops(3, kTabStops);
    FillList();
    m_list.SetCurSel(0);
    return TRUE;
}

// Over the owner's client area, when the dialog fits in it; the halves drop
// their remainders.
void CBookmarkListDlg::CenterOverOwner() {
    CWnd *owner = GetOwner();
    if (!owner) return;
    RECT client = {0, 0, 0, 0}, dialog = {0, 0, 0, 0};
    owner->GetClientRect(&client);
    GetWindowRect(&dialog);
    int ownerWidth = client.right - client.left, ownerHeight = client.bottom - client.top;
    int width = dialog.right - dialog.left, height = dialog.bottom - dialog.top;
    if (ownerWidth < width || ownerHeight < height) return;
    POINT corner = {0, 0};
    owner->ClientToScreen(&corner);
    MoveWindow(corner.x + (ownerWidth - width) / 2, corner.y + (ownerHeight - height) / 2, width,
               height, FALSE);
}

// In store order, with each line's record address as its item data. The
// list neither redraws nor regrows while it fills.
void CBookmarkListDlg::FillList() {
    int count = (int)m_store->GetCount();
    m_list.SetRedraw(FALSE);
    m_list.InitStorage(count, (UINT)count * 48);
    char line[LINE_SIZE];
    for (int i = 0; i < count; ++i) {
        MarkRecord &record = m_store->GetAt(i);
        if (m_projectOnly && !IsCurrentProject(record.project)) continue;
        FormatLine(record, line);
        int index = m_list.AddString(line);
        if (index >= 0) m_list.SetItemDataPtr(index, &record);
    }
    m_list.SetRedraw(TRUE);
    m_list.Invalidate();
}

MarkRecord *CBookmarkListDlg::LineRecord(int index) {
    return static_cast<MarkRecord *>(m_list.GetItemDataPtr(index));
}

MarkRecord *CBookmarkListDlg::SelectedRecord(int *index) {
    *index = m_list.GetCurSel();
    return *index < 0 ? nullptr : LineRecord(*index);
}

// Applied once, as the dialog ends: m_pending is not emptied.
void CBookmarkListDlg::ApplyPendingDeletes() {
    int count = (int)m_pending.GetCount();
    for (int i = 0; i < count; ++i) m_store->Remove(m_pending.GetAt(i));
}

MarkRecord *CBookmarkListDlg::FindInStore(const MarkRecord &record) {
    int index = m_store->IndexOf(record);
    return index == MARK_NOT_FOUND ? nullptr : &m_store->GetAt(index);
}

// The copy is taken before the deletions move records within the store; the
// chosen line's own record is never among them, so it is found again.
int CBookmarkListDlg::Choose() {
    int sel;
    MarkRecord *record = SelectedRecord(&sel);
    if (!record) return 0;
    MarkRecord copy(*record);
    ApplyPendingDeletes();
    *m_chosen = FindInStore(copy);
    return 1;
}

// The framework's OK handling, with the choice between its data exchange and
// the end: a dialog that stays open must not have applied the deletions.
void CBookmarkListDlg::OnOK() {
    if (!UpdateData(DDX_SAVE)) return;
    if (Choose()) EndDialog(IDOK);
}

void CBookmarkListDlg::OnDblclkList() {
    if (Choose()) EndDialog(IDOK);
}

void CBookmarkListDlg::OnCancel() {
    ApplyPendingDeletes();
    CDialog::OnCancel();
}
