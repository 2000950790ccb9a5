// sync_reference.h - reconciliation written out as the plain loops it is
// defined by: the scan of every editor-mark id the editor reports, a walk of
// every bookmark for every editor mark, and the letter-stepping name search
// that compares each candidate with every name. Slow, and easy to check line
// by line; the tests and the benchmarks hold the add-in's version against it.
#pragma once

#include "host/host.h"
#include "store/mark_list.h"

#include <string.h>

namespace reference {

// The parts of the add-in's state that reconciliation reads and writes.
struct CState {
    MarkList m_marks;
    int m_editorMarksPlaced = 0;
    char m_defaultName[32] = {};
};

inline bool SameNoCase(const CString &a, const CString &b) { return FwCompareNoCase(a, b) == 0; }

inline void CollectEditorMarks(MarkList &collected) {
    int n = HostMarkCount();
    const char *project = HostCurrentProject();
    for (int i = 0; i < n; ++i) {
        int id = ((i + 1) & 0xFFF) | 0x2000;
        if (HostMarkExists(id) == 0) continue;
        int buffer = HostMarkBuffer(id);
        if (HostBufferValid(buffer) == 0) continue;
        MarkRecord record;
        int previous = HostBufferSetCurrent(buffer);
        record.file = HostBufferFileName();
        HostBufferSetCurrent(previous);
        record.row = HostMarkRow(id);
        record.column = HostMarkColumn(id);
        if (project) record.project = project;
        record.editorMark = id;
        collected.Add(record);
    }
}

inline void DetachVanishedEditorMarks(CState &state) {
    if (state.m_editorMarksPlaced == 0) return;
    for (unsigned j = 0; j < state.m_marks.GetCount(); ++j) {
        MarkRecord &bookmark = state.m_marks.GetAt(j);
        if (bookmark.editorMark != NO_EDITOR_MARK && HostMarkExists(bookmark.editorMark) == 0)
            bookmark.editorMark = NO_EDITOR_MARK;
    }
}

// Steps the letter at the changing position until no bookmark has the name.
// Gives up (leaving the last candidate) after maxSteps candidates, where the
// stepping itself would go on for ever.
inline void GenerateUniqueName(const MarkList &marks, char name[32], long maxSteps = 100000) {
    memset(name, 0, 32);
    name[0] = 'A';
    int pos = 0;
    for (long step = 0; step < maxSteps; ++step) {
        bool used = false;
        for (unsigned j = 0; j < marks.GetCount(); ++j)
            if (marks.GetAt(j).name.Compare(name) == 0) used = true;
        if (!used) return;
        char &c = name[pos];
        if (c == 'Z') {
            c = 'a';
        } else if (c == 'z') {
            c = 'A';
            if (pos != 30) {
                name[++pos] = 'A';
            } else {
                pos = 0;
                name[0] = 'B';
            }
        } else {
            ++c;
        }
    }
}

inline void MergeEditorMarks(CState &state, const MarkList &collected) {
    MarkList &marks = state.m_marks;
    int nE = (int)collected.GetCount();
    int nB = (int)marks.GetCount();
    for (int i = 0; i < nE; ++i) {
        const MarkRecord &mark = collected.GetAt(i);
        bool ended = false;
        for (int j = 0; j < nB && !ended; ++j) {
            if (marks.GetAt(j).editorMark == mark.editorMark) {
                MarkRecord &bookmark = marks.GetAt(j);
                if (SameNoCase(bookmark.project, mark.project) && SameNoCase(bookmark.file, mark.file)) {
                    bookmark.column = mark.column;
                    bookmark.row = mark.row;
                    ended = true;
                    continue;
                }
                bookmark.editorMark = NO_EDITOR_MARK;
            }
            MarkRecord &bookmark = marks.GetAt(j);
            if (bookmark.column == mark.column && bookmark.row == mark.row &&
                SameNoCase(bookmark.file, mark.file)) {
                if (SameNoCase(bookmark.project, mark.project)) {
                    if (bookmark.editorMark == NO_EDITOR_MARK) {
                        bookmark.editorMark = mark.editorMark;
                        state.m_editorMarksPlaced = 1;
                    }
                } else {
                    MarkRecord twin(mark);
                    twin.name = bookmark.name;
                    if (!marks.Contains(twin)) marks.Add(twin);
                }
                ended = true;
            }
        }
        if (!ended) {
            GenerateUniqueName(marks, state.m_defaultName);
            MarkRecord adopted(mark);
            adopted.name = state.m_defaultName;
            marks.Add(adopted);
        }
    }
}

inline void RefreshFromEditor(CState &state) {
    MarkList collected;
    CollectEditorMarks(collected);
    DetachVanishedEditorMarks(state);
    MergeEditorMarks(state, collected);
}

}  // namespace reference
