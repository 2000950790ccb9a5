// events.cpp - the host's finish and project events, and the test of the
// host's state-saving setting.
#include "addin/tagpin_app.h"
#include "host/host.h"

int CTagpinApp::StateSavingEnabled() {
    if (!(HostConfigFlags() & HOST_CONFIG_SAVE_STATE)) return 0;
    return (HostSaveOptions(-1) & HOST_SAVE_BOOKMARKS) ? 1 : 0;
}

// Bookmarks reach the disk only here: reconciled and saved when the host
// saves its state, else the save file is removed and the list left alone.
void CTagpinApp::OnFinish() {
    if (StateSavingEnabled()) {
        RefreshFromEditor();
        SaveMarks();
    } else {
        DeleteSaveFile();
    }
}

// At the end of a project the bookmarks take their marks' places while the
// ids are still held; at the start of one the ids are dropped first.
void CTagpinApp::OnProjectEnd() {
    RefreshFromEditor();
    ForgetEditorMarks();
}

void CTagpinApp::OnProjectBegin() {
    ForgetEditorMarks();
    RefreshFromEditor();
}

// The bookmarks stop referring to editor marks; the marks stay in the editor.
void CTagpinApp::ForgetEditorMarks() {
    if (!m_editorMarksPlaced) return;
    int count = (int)m_marks.GetCount();
    for (int i = 0; i < count; ++i) m_marks.GetAt(i).editorMark = NO_EDITOR_MARK;
    m_editorMarksPlaced = 0;
}
