// window.h - CWnd, a window object around a window handle, and the
// temporary window objects made for foreign handles.
//
// CWnd  the handle m_hWnd and the few operations the add-in asks of a window
//
// A CWnd does not own its window. Texts, redraw and message boxes go through
// SendMessage and FwMessageBox here; the rest is the platform's
// (framework/win32/window_win.cpp, framework/headless/window_headless.cpp).
#pragma once

#include "framework/platform.h"

class CWnd {
public:
    CWnd() : m_hWnd(nullptr) {}
    explicit CWnd(HWND hWnd) : m_hWnd(hWnd) {}
    virtual ~CWnd() {}

    // A temporary object for a window the add-in did not make (the host's
    // frame window), or NULL for a NULL handle. The same handle gives the
    // same object until the temporary objects are deleted: that happens when
    // the last lock of AfxLockTempMaps is released, so a caller that keeps
    // the object across a modal run locks the maps around it.
    static CWnd *FromHandle(HWND hWnd);

    // The platform's: one call each.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void GetDlgItem(int id, HWND *control) const;
    void GetClientRect(RECT *rect) const;
    void GetWindowRect(RECT *rect) const;
    void ClientToScreen(POINT *point) const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint);
    void UpdateWindow();
    void Invalidate();
    void SetFocus();

    // Through SendMessage and the system's message box.
    void SetWindowText(const char *text);
    // Copies at most size - 1 bytes and a terminator; answers the bytes copied.
    int GetWindowText(char *buffer, int size) const;
    void SetRedraw(BOOL redraw);
    // A message box owned by this window.
    int MessageBox(const char *text, const char *caption, UINT type);

    HWND m_hWnd;

private:
    CWnd(const CWnd &) = delete;
    CWnd &operator=(const CWnd &) = delete;
};

// Keeps the temporary window objects alive until the matching unlock; locks
// nest. Unlocking the last lock deletes them; it answers TRUE then.
void AfxLockTempMaps();
BOOL AfxUnlockTempMaps();
