// dialog_win.cpp - a real modal dialog from the library's own template;
// WM_COMMAND goes through the message maps, and what no map handles (the
// keyboard, the close box) is left to the system's dialog procedure, which
// turns Enter into IDOK and Escape and the close box into IDCANCEL.
#include "framework/app.h"
#include "framework/dialog.h"

namespace {

INT_PTR CALLBACK FwDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        CDialog *dialog = reinterpret_cast<CDialog *>(lParam);
        SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
        dialog->m_hWnd = hWnd;
        return dialog->OnInitDialog();
    }
    CDialog *dialog = reinterpret_cast<CDialog *>(GetWindowLongPtrA(hWnd, DWLP_USER));
    if (!dialog) return FALSE;
    if (message == WM_COMMAND) return dialog->OnCommand(LOWORD(wParam), HIWORD(wParam));
    return FALSE;
}

}  // namespace

INT_PTR CDialog::DoModal() {
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    m_nModalResult = -1;
    INT_PTR result = DialogBoxParamA(FwResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), owner,
                                     FwDialogProc, reinterpret_cast<LPARAM>(this));
    m_hWnd = nullptr;
    return result;
}

void CDialog::EndDialog(int result) {
    m_nModalResult = result;
    ::EndDialog(m_hWnd, result);
}
