// refresh.cpp - one reconciliation run, and untying bookmarks whose editor
// mark no longer exists.
#include "addin/tagpin_app.h"
#include "host/host.h"

void CTagpinApp::RefreshFromEditor() {
    MarkList collected;
    CollectEditorMarks(collected);
    DetachVanishedEditorMarks();
    MergeEditorMarks(collected);
}

// Only while some bookmark was tied by a merge since the ids were last
// forgotten; the mark's buffer is not asked for, so a mark kept in a closed
// buffer still holds its bookmark.
void CTagpinApp::DetachVanishedEditorMarks() {
    if (!m_editorMarksPlaced) return;
    int count = (int)m_marks.GetCount();
    for (int i = 0; i < count; ++i) {
        MarkRecord &record = m_marks.GetAt(i);
        if (record.editorMark != NO_EDITOR_MARK && !HostMarkExists(record.editorMark))
            record.editorMark = NO_EDITOR_MARK;
    }
}
