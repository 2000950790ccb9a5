// project_scope.cpp - which bookmarks belong to the current project: those
// whose project equals the host's current project exactly (no project open
// counts as the empty project).
#include "store/project_scope.h"

#include "addin/tagpin_app.h"
#include "host/host.h"

int CTagpinApp::NoMarksForCurrentProject() {
    CString current(HostCurrentProject());
    int count = (int)m_marks.GetCount();
    for (int i = 0; i < count; ++i)
        if (m_marks.GetAt(i).project == current) return 0;
    return 1;
}

int CTagpinApp::ProjectOpen() {
    const char *project = HostCurrentProject();
    return project && *project ? 1 : 0;
}

int IsCurrentProject(const CString &project) { return project.Compare(HostCurrentProject()) == 0; }
