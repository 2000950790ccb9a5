// app.cpp - the current application object and the library's start-up.
#include "framework/app.h"

static CWinApp *s_currentApp = nullptr;
static HINSTANCE s_resourceHandle = nullptr;

CWinApp::CWinApp(const char *appName) : m_pszAppName(appName), m_previousApp(s_currentApp) {
    s_currentApp = this;
}

CWinApp::~CWinApp() {
    if (s_currentApp == this) s_currentApp = m_previousApp;
}

CWinApp *AfxGetApp() { return s_currentApp; }

BOOL FwLibraryAttach(HINSTANCE instance) {
    s_resourceHandle = instance;
    CWinApp *app = AfxGetApp();
    return app ? app->InitInstance() : TRUE;
}

void FwLibraryDetach() {
    if (CWinApp *app = AfxGetApp()) app->ExitInstance();
}

HINSTANCE FwResourceHandle() { return s_resourceHandle; }
