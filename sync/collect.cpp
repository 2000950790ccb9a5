// collect.cpp - one record for each live editor mark, in the order of the
// editor's mark ids: its buffer's file, its line and column, its id and the
// current project. The name stays empty.
#include "addin/tagpin_app.h"
#include "host/host.h"
#include "sync/sync.h"

namespace {

// The file of buffer, asked with that buffer made current; the buffer that
// was current before is restored before anything else is asked.
CString BufferFileName(int buffer) {
    int previous = HostBufferSetCurrent(buffer);
    CString file(HostBufferFileName());
    HostBufferSetCurrent(previous);
    return file;
}

// Appends the record of the mark id when it exists in a live buffer.
void CollectEditorMark(int id, const CString &project, MarkList &collected) {
    if (!HostMarkExists(id)) return;
    int buffer = HostMarkBuffer(id);
    if (!HostBufferValid(buffer)) return;
    MarkRecord record;
    record.file = BufferFileName(buffer);
    record.row = HostMarkRow(id);
    record.column = HostMarkColumn(id);
    record.editorMark = id;
    record.project = project;
    collected.Add(record);
}

}  // namespace

void CTagpinApp::CollectEditorMarks(MarkList &collected) {
    int count = HostMarkCount();
    CString project(HostCurrentProject());  // NULL: no project, the empty text
    int positions = ScannedMarkPositions(count);
    for (int i = 0; i < positions; ++i) CollectEditorMark(EditorMarkId(i), project, collected);
}
