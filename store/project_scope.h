// project_scope.h - which bookmarks belong to the current project: those
// whose project equals the host's current project exactly; no project open
// counts as the empty project. The tests that work on the whole store are
// members of CTagpinApp (NoMarksForCurrentProject, ProjectOpen).
#pragma once

#include "framework/fwstring.h"

// 1 when project equals the host's current project (the list dialog's filter).
int IsCurrentProject(const CString &project);
