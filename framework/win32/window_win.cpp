// window_win.cpp - the window operations on real windows.
#include "framework/window.h"

#include <assert.h>

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    assert(::IsWindow(m_hWnd));
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

void CWnd::GetDlgItem(int id, HWND *control) const { *control = ::GetDlgItem(m_hWnd, id); }

void CWnd::GetClientRect(RECT *rect) const { ::GetClientRect(m_hWnd, rect); }

void CWnd::GetWindowRect(RECT *rect) const { ::GetWindowRect(m_hWnd, rect); }

void CWnd::ClientToScreen(POINT *point) const { ::ClientToScreen(m_hWnd, point); }

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }

void CWnd::Invalidate() { ::InvalidateRect(m_hWnd, nullptr, TRUE); }

void CWnd::SetFocus() { ::SetFocus(m_hWnd); }
