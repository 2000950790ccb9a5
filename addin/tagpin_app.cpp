// tagpin_app.cpp - the state object, its one global instance and start-up.
#include "addin/tagpin_app.h"

#include "res/resource.h"

#include <string.h>

// Built while the host loads the library, before the framework's start-up;
// destroyed after its shut-down, when the host unloads the library.
static CTagpinApp theApp;

CTagpinApp &TagpinApp() { return *static_cast<CTagpinApp *>(AfxGetApp()); }

CTagpinApp::CTagpinApp() : CWinApp("tagpin.dll"), m_byProject(0), m_editorMarksPlaced(0) {
    memset(m_caption, 0, sizeof m_caption);
    memset(m_defaultName, 0, sizeof m_defaultName);
    memset(m_saveFilePath, 0, sizeof m_saveFilePath);
    memset(m_prompt, 0, sizeof m_prompt);
}

// Writes nothing and asks the host nothing: bookmarks reach the disk only at
// the host's finish event.
CTagpinApp::~CTagpinApp() {}

void CTagpinApp::Initialize() {
    FwLoadText(m_caption, sizeof m_caption, IDS_CAPTION);
    FwLoadText(m_prompt, sizeof m_prompt, IDS_PROMPT);
    ComputeSaveFilePath();
    LoadMarks();
}
