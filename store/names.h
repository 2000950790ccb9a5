// names.h - bookmark names: the in-use test and the generated names.
//
// The name makers and project tests that work on the state object are
// members of CTagpinApp (addin/tagpin_app.h); their code is in names.cpp and
// project_scope.cpp beside this header.
#pragma once

#include "store/mark_list.h"

// 1 when a bookmark of list has exactly this name; with byProject set only
// bookmarks of the current project count (the host is asked for it once for
// each bookmark whose name matched). 0 otherwise.
int NameInUse(MarkList *list, CString name, int byProject);

// The first name, in the order of generated names, that no bookmark of list
// has, written to buffer (32 bytes) - see GenerateUniqueName.
void FirstFreeGeneratedName(const MarkList &list, char buffer[32]);

enum { MAX_NAME_LENGTH = 31 };
