// controls.h - thin wrappers of the system's controls, bound to a dialog's
// control by data exchange (DDX_Control, framework/dialog.h).
//
// CListBox  a list box: lines with a pointer-sized item data each
// CEdit     an edit field: its text through CWnd's Get/SetWindowText
//
// Each method is one message to the control, answered as the system answers
// it (LB_ERR for an index out of range).
#pragma once

#include "framework/window.h"

class CListBox : public CWnd {
public:
    int GetCount() const { return (int)SendMessage(LB_GETCOUNT); }
    // The selected line, or LB_ERR (negative) when none is selected.
    int GetCurSel() const { return (int)SendMessage(LB_GETCURSEL); }
    int SetCurSel(int index) { return (int)SendMessage(LB_SETCURSEL, (WPARAM)index); }
    // Appends a line (the list is not sorted); its index.
    int AddString(const char *text) { return (int)SendMessage(LB_ADDSTRING, 0, (LPARAM)text); }
    int InsertString(int index, const char *text) {
        return (int)SendMessage(LB_INSERTSTRING, (WPARAM)index, (LPARAM)text);
    }
    // The number of lines left.
    int DeleteString(int index) { return (int)SendMessage(LB_DELETESTRING, (WPARAM)index); }
    // Zero for a line whose data was never set.
    void *GetItemDataPtr(int index) const {
        return (void *)SendMessage(LB_GETITEMDATA, (WPARAM)index);
    }
    int SetItemDataPtr(int index, void *data) {
        return (int)SendMessage(LB_SETITEMDATA, (WPARAM)index, (LPARAM)data);
    }
    // Tab stops in dialog units.
    BOOL SetTabStops(int count, const int *stops) {
        return (BOOL)SendMessage(LB_SETTABSTOPS, (WPARAM)count, (LPARAM)stops);
    }
    // Room for items lines of bytes text in all, made before a long fill.
    int InitStorage(int items, UINT bytes) {
        return (int)SendMessage(LB_INITSTORAGE, (WPARAM)items, (LPARAM)bytes);
    }
};

class CEdit : public CWnd {};
