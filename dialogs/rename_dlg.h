// rename_dlg.h - CRenameDlg, the "Rename" dialog (template 102): asks for a
// new name for one bookmark and accepts only a free, non-empty one.
//
// The list dialog runs it modally. IDOK: the caller's string holds the new
// name, 1 to 31 bytes, which NameInUse reported free. IDCANCEL: the
// caller's string is untouched. The dialog never changes the store.
#pragma once

#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/fwstring.h"
#include "res/resource.h"
#include "store/mark_list.h"

class CRenameDlg : public CDialog {
public:
    enum { IDD = IDD_RENAME };

    CRenameDlg(const CString &currentName, CString *newName, MarkList *store,
               const CString &msgCaption, int projectOnly, CWnd *owner);
    ~CRenameDlg() override;

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    DECLARE_MESSAGE_MAP()

public:
    CEdit m_currentEdit;     // control 1005, read-only
    CEdit m_newEdit;         // control 1006
    CString m_currentName;   // shown, never changed
    CString *m_newName;      // written only when the dialog ends with IDOK
    MarkList *m_store;       // searched for names in use; not owned
    CString m_msgCaption;    // caption of the name-in-use message
    int m_projectOnly;       // nonzero: names count only in the current project
};
