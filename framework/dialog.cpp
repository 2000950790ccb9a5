// dialog.cpp - what a dialog does on every platform: data exchange, the
// message maps, and the default OK and Cancel.
#include "framework/dialog.h"

void CDataExchange::Fail(int id) {
    if (m_failed) return;
    m_failed = TRUE;
    m_failedId = id;
}

void DDX_Control(CDataExchange *pDX, int id, CWnd &control) {
    HWND hWnd = nullptr;
    pDX->m_pDlgWnd->GetDlgItem(id, &hWnd);
    if (!hWnd) return pDX->Fail(id);
    control.m_hWnd = hWnd;
}

CDialog::CDialog(UINT templateId, CWnd *parent)
    : m_nIDTemplate(templateId), m_pParentWnd(parent), m_nModalResult(-1) {}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    if (!dx.m_failed) return TRUE;
    OnDataExchangeFailure(dx.m_failedId);
    return FALSE;
}

void CDialog::DoDataExchange(CDataExchange *) {}

void CDialog::OnDataExchangeFailure(int id) {
    CWnd control;
    GetDlgItem(id, &control.m_hWnd);
    if (control.m_hWnd) control.SetFocus();
}

BOOL CDialog::OnInitDialog() {
    UpdateData(DDX_LOAD);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(DDX_SAVE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnCommand(int id, UINT code) {
    for (const FwMessageMap *map = GetMessageMap(); map; map = map->base ? map->base() : nullptr)
        for (const FwCommandEntry *entry = map->entries; entry->handler; ++entry)
            if (entry->id == id && entry->code == code) {
                (this->*entry->handler)();
                return TRUE;
            }
    return FALSE;
}

const FwMessageMap *CDialog::GetMessageMap() const { return GetThisMessageMap(); }

// OK and Cancel, whichever way the user gives them.
const FwMessageMap *CDialog::GetThisMessageMap() {
    static const FwCommandEntry entries[] = {
        {BN_CLICKED, IDOK, &CDialog::OnOK},
        {BN_CLICKED, IDCANCEL, &CDialog::OnCancel},
        {0, 0, nullptr},
    };
    static const FwMessageMap map = {nullptr, entries};
    return &map;
}
