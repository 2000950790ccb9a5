// tphost_window.h - the editor's top-level frame window.
//
// CFrameWindow  a real visible window that owns the add-in's dialogs
#pragma once

#include <windows.h>

class CFrameWindow {
public:
    CFrameWindow() : m_window(nullptr) {}
    ~CFrameWindow() { Destroy(); }
    CFrameWindow(const CFrameWindow &) = delete;
    CFrameWindow &operator=(const CFrameWindow &) = delete;

    bool Create(const char *title);
    void Destroy();
    // Handles the messages waiting for the window, as an idle editor would.
    void Pump();
    HWND Handle() const { return m_window; }

private:
    HWND m_window;
};
