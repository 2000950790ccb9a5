// app.h - the application object of a library: CWinThread, CWinApp.
//
// A library has one application object, a global whose constructor makes it
// the current application (AfxGetApp). When the library is loaded the
// framework calls its InitInstance; when it is unloaded, ExitInstance, and
// only then is the global destroyed. The Windows side does this from DllMain
// (framework/win32/dllmain.cpp); natively a test calls FwLibraryAttach and
// FwLibraryDetach itself.
#pragma once

#include "framework/platform.h"

class CWinThread {
public:
    CWinThread() : m_autoDelete(FALSE) {}
    virtual ~CWinThread() {}
    // Destroys a thread object marked for automatic deletion.
    virtual void Delete() {
        if (m_autoDelete) delete this;
    }
    BOOL m_autoDelete;

private:
    CWinThread(const CWinThread &) = delete;
    CWinThread &operator=(const CWinThread &) = delete;
};

class CWinApp : public CWinThread {
public:
    // Becomes the current application object until it is destroyed.
    explicit CWinApp(const char *appName);
    ~CWinApp() override;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }

    const char *m_pszAppName;

private:
    CWinApp *m_previousApp;
};

// The current application object, or NULL.
CWinApp *AfxGetApp();

// Start-up and shut-down of the library around its load and unload: attach
// runs the application's InitInstance and answers its result; detach runs
// ExitInstance.
BOOL FwLibraryAttach(HINSTANCE instance);
void FwLibraryDetach();
// The module whose resources (string table, dialog templates) are used.
HINSTANCE FwResourceHandle();
