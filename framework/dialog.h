// dialog.h - CDialog, a modal dialog built from a template in the library's
// resources, with a message map of command notifications and data exchange.
//
// CDataExchange  one run of data exchange and its direction
// CDialog        the modal dialog
//
// A dialog class names its template id as a constant, overrides
// DoDataExchange to bind its controls (DDX_Control), OnInitDialog, OnOK and
// OnCancel as it needs, and lists one handler per control notification in
// its message map:
//
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//       ON_BN_CLICKED(IDC_DELETE, OnDelete)
//   END_MESSAGE_MAP()
//
// The OK button (and Enter) reach OnOK, the Cancel button, Escape and the
// close box reach OnCancel, through the base class's own map.
//
// DoModal is the platform's: on Windows a real modal dialog from the
// template (framework/win32/dialog_win.cpp); natively a headless one whose
// controls are in-memory objects and whose user is the test's
// (framework/headless/user.h).
#pragma once

#include "framework/window.h"

class CDialog;

// Directions of data exchange, as UpdateData and CDataExchange name them.
enum { DDX_LOAD = FALSE, DDX_SAVE = TRUE };

class CDataExchange {
public:
    CDataExchange(CDialog *dialog, BOOL saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate), m_failedId(0), m_failed(FALSE) {}
    // Records the first control that could not be exchanged.
    void Fail(int id);

    CDialog *m_pDlgWnd;
    BOOL m_bSaveAndValidate;  // DDX_SAVE: controls to members; DDX_LOAD: the other way
    int m_failedId;
    BOOL m_failed;
};

// Binds control to the dialog's control id (in both directions); fails when
// the dialog has no such control.
void DDX_Control(CDataExchange *pDX, int id, CWnd &control);

typedef void (CDialog::*FwCommandHandler)();

struct FwCommandEntry {
    UINT code;  // notification code: BN_CLICKED, LBN_DBLCLK, ...
    int id;     // control id
    FwCommandHandler handler;
};

struct FwMessageMap {
    const FwMessageMap *(*base)();  // NULL for the last map
    const FwCommandEntry *entries;  // ends with a NULL handler
};

class CDialog : public CWnd {
public:
    CDialog(UINT templateId, CWnd *parent);
    ~CDialog() override {}

    // Runs the dialog until EndDialog; its result, or -1 when the dialog
    // could not be made.
    virtual INT_PTR DoModal();
    // Ends the modal run with result once the current handler returns.
    void EndDialog(int result);
    // Data exchange in one direction (DDX_LOAD or DDX_SAVE); FALSE when a
    // control failed, after OnDataExchangeFailure.
    BOOL UpdateData(BOOL saveAndValidate);
    // Routes a command notification through the message maps; FALSE when no
    // map has an entry for it.
    BOOL OnCommand(int id, UINT code);

    // The window the dialog was created for, or NULL.
    CWnd *GetOwner() const { return m_pParentWnd; }
    UINT GetTemplateId() const { return m_nIDTemplate; }

    // Loads the controls (UpdateData(DDX_LOAD)); nonzero puts the focus on
    // the first control of the tab order.
    virtual BOOL OnInitDialog();
    // Saves the controls and ends with IDOK.
    virtual void OnOK();
    // Ends with IDCANCEL.
    virtual void OnCancel();

protected:
    virtual void DoDataExchange(CDataExchange *pDX);
    // Puts the focus on the control that failed.
    virtual void OnDataExchangeFailure(int id);

    virtual const FwMessageMap *GetMessageMap() const;
    static const FwMessageMap *GetThisMessageMap();

    UINT m_nIDTemplate;
    CWnd *m_pParentWnd;
    INT_PTR m_nModalResult;  // what EndDialog was given; -1 while running
};

#define DECLARE_MESSAGE_MAP()                              \
protected:                                                 \
    const FwMessageMap *GetMessageMap() const override;    \
    static const FwMessageMap *GetThisMessageMap();

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                          \
    const FwMessageMap *theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const FwMessageMap *theClass::GetThisMessageMap() {                                 \
        typedef theClass ThisClass;                                                     \
        typedef baseClass TheBaseClass;                                                 \
        static const FwCommandEntry entries[] = {
#define ON_NOTIFICATION(code, id, member) \
    {(UINT)(code), (int)(id), static_cast<FwCommandHandler>(&ThisClass::member)},
#define ON_BN_CLICKED(id, member) ON_NOTIFICATION(BN_CLICKED, id, member)
#define ON_BN_DOUBLECLICKED(id, member) ON_NOTIFICATION(BN_DOUBLECLICKED, id, member)
#define ON_LBN_DBLCLK(id, member) ON_NOTIFICATION(LBN_DBLCLK, id, member)
#define END_MESSAGE_MAP()                                                        \
    {0, 0, nullptr}};                                                            \
    static_assert(sizeof(ThisClass) > 0, "a map of its own class");              \
    static const FwMessageMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
    return &map;                                                                 \
    }
