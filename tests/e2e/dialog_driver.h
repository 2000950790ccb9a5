// dialog_driver.h - a user at the real dialogs: a watcher thread that finds
// the add-in's dialogs and message boxes on this process's user-interface
// thread and works them through their controls while that thread sits in
// the modal loop of an export.
//
// CDialogUser  what the user can do and read; every wait has a deadline
// CWatcher     runs one user script on its own thread beside an export call
//
// Clicks and keys are posted, never sent: a click that opens a message box
// would otherwise hold the watcher until the box closed. A script that
// leaves a dialog open, or waits for one that never comes, does not hang the
// test: the watcher records the failure and cancels every dialog of the
// user-interface thread until the export returns.
#pragma once

#include <windows.h>

#include <string.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

// Under Wine on a display without a window manager, every top-level window
// that Wine hands to the window manager waits two seconds for it when it is
// destroyed. This program's windows are left unmanaged instead (Wine then
// draws their frames itself), through Wine's per-program settings; it must
// run before the program's first window. Elsewhere it does nothing.
inline void UseUnmanagedWindowsUnderWine() {
    if (!GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")) return;
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    const char *name = strrchr(path, '\\') ? strrchr(path, '\\') + 1 : path;
    std::string key = std::string("Software\\Wine\\AppDefaults\\") + name + "\\X11 Driver";
    HKEY handle;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &handle, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(handle, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE *>("N"), 2);
    RegCloseKey(handle);
}

struct CBoxSeen {
    std::string text, caption;
    bool exclamation = false;  // the exclamation icon is shown
    bool icon = false;         // any icon is shown
};

class CDialogUser {
public:
    explicit CDialogUser(DWORD uiThread) : m_uiThread(uiThread) {}

    // The visible, enabled dialog (or message box) with this title, once
    // it answers messages; NULL (and a failure) after timeoutMs.
    HWND WaitFor(const char *title, DWORD timeoutMs = 5000) {
        DWORD end = GetTickCount() + timeoutMs;
        do {
            HWND found = Find(title);
            DWORD_PTR answer = 0;
            if (found && SendMessageTimeoutA(found, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer))
                return found;
            Sleep(2);
        } while ((LONG)(end - GetTickCount()) > 0);
        Fail(std::string("no window \"") + title + "\" came up");
        return nullptr;
    }
    // True once the window is gone; a failure after timeoutMs.
    bool WaitGone(HWND window, DWORD timeoutMs = 5000) {
        DWORD end = GetTickCount() + timeoutMs;
        while (IsWindow(window)) {
            if ((LONG)(end - GetTickCount()) <= 0) {
                Fail("a window did not close");
                return false;
            }
            Sleep(2);
        }
        return true;
    }

    void Click(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
    // What a double click on a button notifies.
    void DoubleClickButton(HWND dialog, int id) {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_DOUBLECLICKED), (LPARAM)GetDlgItem(dialog, id));
    }
    void Select(HWND dialog, int listId, int index) {
        HWND list = GetDlgItem(dialog, listId);
        Send(list, LB_SETCURSEL, index, 0);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(listId, LBN_SELCHANGE), (LPARAM)list);
    }
    // Mouse messages on the middle of the line, as a double click makes them.
    void DoubleClickLine(HWND dialog, int listId, int index) {
        HWND list = GetDlgItem(dialog, listId);
        RECT r = {};
        Send(list, LB_GETITEMRECT, index, (LPARAM)&r);
        LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(list, WM_LBUTTONUP, 0, at);
        PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        PostMessageA(list, WM_LBUTTONUP, 0, at);
    }
    // Types text key by key over the field's text; waits until it shows.
    void Type(HWND dialog, int editId, const std::string &text) {
        HWND edit = GetDlgItem(dialog, editId);
        Send(edit, EM_SETSEL, 0, -1);
        for (unsigned char c : text) PostMessageA(edit, WM_CHAR, c, 1);
        DWORD end = GetTickCount() + 5000;
        while (Text(edit) != text) {
            if ((LONG)(end - GetTickCount()) <= 0) return Fail("typed text did not arrive: " + text);
            Sleep(2);
        }
    }
    // A key to the control with the focus, as the keyboard sends it.
    void Key(HWND dialog, UINT key) {
        HWND target = Focus();
        PostMessageA(target ? target : dialog, WM_KEYDOWN, key, 1);
        PostMessageA(target ? target : dialog, WM_KEYUP, key, 0xC0000001);
    }
    void CloseBox(HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }

    std::string Text(HWND window) {
        char text[1024] = {};
        Send(window, WM_GETTEXT, sizeof text, (LPARAM)text);
        return text;
    }
    std::vector<std::string> Lines(HWND dialog, int listId) {
        HWND list = GetDlgItem(dialog, listId);
        std::vector<std::string> lines;
        int count = (int)Send(list, LB_GETCOUNT, 0, 0);
        for (int i = 0; i < count; ++i) {
            char line[1024] = {};
            Send(list, LB_GETTEXT, i, (LPARAM)line);
            lines.push_back(line);
        }
        return lines;
    }
    int Selected(HWND dialog, int listId) { return (int)Send(GetDlgItem(dialog, listId), LB_GETCURSEL, 0, 0); }
    HWND Focus() {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(m_uiThread, &info) ? info.hwndFocus : nullptr;
    }

    // The message box with this caption: read, closed with its OK button.
    CBoxSeen ReadAndCloseBox(const char *caption) {
        CBoxSeen seen;
        HWND box = WaitFor(caption);
        if (!box) return seen;
        seen.caption = Text(box);
        seen.text = Text(GetDlgItem(box, 0xFFFF));
        HWND icon = GetDlgItem(box, 0x0440);
        HICON shown = icon && IsWindowVisible(icon) ? (HICON)Send(icon, STM_GETICON, 0, 0) : nullptr;
        seen.icon = shown != nullptr;
        seen.exclamation = shown && shown == LoadIconA(nullptr, IDI_EXCLAMATION);
        Click(box, IDOK);
        WaitGone(box);
        return seen;
    }

    LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 3000, &result))
            Fail("a window did not answer message " + std::to_string(message));
        return (LRESULT)result;
    }
    void Fail(const std::string &why) { m_failures.push_back(why); }

    // Every dialog and message box of the user-interface thread.
    std::vector<HWND> Dialogs() {
        std::vector<HWND> found;
        EnumThreadWindows(m_uiThread, &CollectDialog, (LPARAM)&found);
        return found;
    }

    std::vector<std::string> m_failures;
    DWORD m_uiThread;

private:
    HWND Find(const char *title) {
        for (HWND window : Dialogs()) {
            char text[256] = {};
            GetWindowTextA(window, text, sizeof text);
            if (title == std::string(text) && IsWindowVisible(window) && IsWindowEnabled(window))
                return window;
        }
        return nullptr;
    }
    static BOOL CALLBACK CollectDialog(HWND window, LPARAM found) {
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::string(name) == "#32770") reinterpret_cast<std::vector<HWND> *>(found)->push_back(window);
        return TRUE;
    }
};

class CWatcher {
public:
    // Starts script on a thread of its own, for dialogs of this thread.
    explicit CWatcher(std::function<void(CDialogUser &)> script, DWORD graceMs = 5000)
        : m_user(GetCurrentThreadId()), m_graceMs(graceMs), m_exportDone(false) {
        m_thread = std::thread([this, script] {
            script(m_user);
            Rescue();
        });
    }
    ~CWatcher() {
        if (m_thread.joinable()) Finish();
    }
    // Call when the export has returned; the script's failures.
    std::vector<std::string> Finish() {
        m_exportDone = true;
        m_thread.join();
        return m_user.m_failures;
    }

private:
    // After the script: the export should return at once. If it does not,
    // some dialog was left open: cancel everything until it does.
    void Rescue() {
        DWORD end = GetTickCount() + m_graceMs;
        while (!m_exportDone && (LONG)(end - GetTickCount()) > 0) Sleep(5);
        if (m_exportDone) return;
        m_user.Fail("a dialog was left open; cancelled by the watcher");
        while (!m_exportDone) {
            for (HWND dialog : m_user.Dialogs()) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            Sleep(50);
        }
    }

    CDialogUser m_user;
    DWORD m_graceMs;
    std::atomic<bool> m_exportDone;
    std::thread m_thread;
};
