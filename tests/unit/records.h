// records.h - a bookmark record built in one call, for the tests.
#pragma once

#include "store/mark_list.h"

inline MarkRecord MakeRecord(const char *name, const char *file, int row, int column,
                             int editorMark = NO_EDITOR_MARK, const char *project = "") {
    MarkRecord r;
    r.name = name;
    r.file = file;
    r.row = row;
    r.column = column;
    r.editorMark = editorMark;
    r.project = project;
    return r;
}
