// window_headless.cpp - the window operations on the headless windows. A
// handle that is no live window is reported, and the operation does nothing,
// as a call on a destroyed window would.
#include "framework/headless/screen.h"
#include "framework/window.h"

namespace {

CScreenWindow *Live(HWND hWnd, const char *operation) {
    CScreenWindow *window = ScreenWindow(hWnd);
    if (!window && hWnd) ReportFailure(std::string(operation) + " on a window that does not exist");
    return window;
}

}  // namespace

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    CScreenWindow *window = ScreenWindow(m_hWnd);
    if (!window) {
        ReportFailure("message " + std::to_string(message) + " to a window that does not exist");
        return 0;
    }
    return ScreenSendMessage(window, message, wParam, lParam);
}

void CWnd::GetDlgItem(int id, HWND *control) const {
    CScreenWindow *found = DialogControl(Live(m_hWnd, "GetDlgItem"), id);
    *control = found ? found->Handle() : nullptr;
}

void CWnd::GetClientRect(RECT *rect) const {
    CScreenWindow *window = ScreenWindow(m_hWnd);
    if (!window) return;
    *rect = {0, 0, window->client.right - window->client.left,
             window->client.bottom - window->client.top};
}

void CWnd::GetWindowRect(RECT *rect) const {
    if (CScreenWindow *window = ScreenWindow(m_hWnd)) *rect = window->window;
}

void CWnd::ClientToScreen(POINT *point) const {
    if (CScreenWindow *window = ScreenWindow(m_hWnd)) {
        point->x += window->client.left;
        point->y += window->client.top;
    }
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL) {
    CScreenWindow *window = Live(m_hWnd, "MoveWindow");
    if (!window) return;
    int dx = x - window->window.left, dy = y - window->window.top;
    window->window = {x, y, x + width, y + height};
    window->client = {window->client.left + dx, window->client.top + dy,
                      window->client.right + dx, window->client.bottom + dy};
    for (CScreenWindow *control : window->controls) {
        control->window = {control->window.left + dx, control->window.top + dy,
                           control->window.right + dx, control->window.bottom + dy};
        control->client = control->window;
    }
}

void CWnd::UpdateWindow() {
    if (CScreenWindow *window = Live(m_hWnd, "UpdateWindow")) ++window->paints;
}

void CWnd::Invalidate() { Live(m_hWnd, "Invalidate"); }

void CWnd::SetFocus() {
    CScreenWindow *window = Live(m_hWnd, "SetFocus");
    if (window && window->parent) window->parent->focus = window;
}
