// tphost_window.cpp - registering, showing and pumping the frame window.
#include "sim/tphost/tphost_window.h"

namespace {

const char kClassName[] = "RavensheetFrame";

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterFrameClass(HINSTANCE instance) {
    WNDCLASSA frameClass = {};
    frameClass.lpfnWndProc = FrameProc;
    frameClass.hInstance = instance;
    frameClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    frameClass.lpszClassName = kClassName;
    return RegisterClassA(&frameClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

bool CFrameWindow::Create(const char *title) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterFrameClass(instance)) return false;
    m_window = CreateWindowExA(0, kClassName, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               CW_USEDEFAULT, CW_USEDEFAULT, 800, 600, nullptr, nullptr,
                               instance, nullptr);
    if (!m_window) return false;
    UpdateWindow(m_window);
    Pump();
    return true;
}

void CFrameWindow::Destroy() {
    if (m_window) DestroyWindow(m_window);
    m_window = nullptr;
}

void CFrameWindow::Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
