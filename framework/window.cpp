// window.cpp - the temporary window objects, and the window operations that
// are messages on every platform.
#include "framework/window.h"

#include "framework/msgbox.h"

#include <new>

namespace {

// A temporary object, on a list of its own: there are only ever a few.
struct CTempWnd : CWnd {
    explicit CTempWnd(HWND hWnd, CTempWnd *next) : CWnd(hWnd), m_next(next) {}
    CTempWnd *m_next;
};

CTempWnd *s_temporaries = nullptr;
int s_tempLocks = 0;

void DeleteTemporaries() {
    while (CTempWnd *wnd = s_temporaries) {
        s_temporaries = wnd->m_next;
        delete wnd;
    }
}

}  // namespace

CWnd *CWnd::FromHandle(HWND hWnd) {
    if (!hWnd) return nullptr;
    for (CTempWnd *wnd = s_temporaries; wnd; wnd = wnd->m_next)
        if (wnd->m_hWnd == hWnd) return wnd;
    CTempWnd *wnd = new (std::nothrow) CTempWnd(hWnd, s_temporaries);
    if (wnd) s_temporaries = wnd;
    return wnd;
}

void AfxLockTempMaps() { ++s_tempLocks; }

BOOL AfxUnlockTempMaps() {
    if (s_tempLocks == 0 || --s_tempLocks > 0) return FALSE;
    DeleteTemporaries();
    return TRUE;
}

void CWnd::SetWindowText(const char *text) { SendMessage(WM_SETTEXT, 0, (LPARAM)(text ? text : "")); }

int CWnd::GetWindowText(char *buffer, int size) const {
    if (size <= 0) return 0;
    buffer[0] = 0;
    return (int)SendMessage(WM_GETTEXT, (WPARAM)size, (LPARAM)buffer);
}

void CWnd::SetRedraw(BOOL redraw) { SendMessage(WM_SETREDRAW, (WPARAM)redraw); }

int CWnd::MessageBox(const char *text, const char *caption, UINT type) {
    return FwMessageBox(m_hWnd, text, caption, type);
}
