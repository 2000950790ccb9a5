// select_mark.cpp - choosing a bookmark from the list dialog, and going to
// it: through its editor mark when it has one, else by opening its file at
// the stored place and tying a new editor mark there.
#include "addin/tagpin_app.h"
#include "dialogs/bookmark_list_dlg.h"
#include "host/host.h"
#include "res/resource.h"

// Reconciles first, so the tests and the list see adopted editor marks too.
// The host's frame window owns the dialog through a temporary window object
// that the lock keeps alive for the whole modal run. Nothing is saved here.
void CTagpinApp::SelectMark() {
    RefreshFromEditor();
    if (m_marks.GetCount() == 0) {
        ShowMessage(IDS_NO_BOOKMARKS, MB_ICONEXCLAMATION | MB_OK);
        return;
    }
    if (m_byProject && NoMarksForCurrentProject()) {
        ShowMessage(ProjectOpen() ? IDS_NO_PROJECT_BOOKMARKS : IDS_ALL_FOR_PROJECTS,
                    MB_ICONEXCLAMATION | MB_OK);
        return;
    }
    MarkRecord *chosen = nullptr;
    AfxLockTempMaps();
    CWnd *owner = CWnd::FromHandle(HostFrameWindow());
    CBookmarkListDlg dialog(&m_marks, &chosen, CString(m_caption), m_byProject, owner);
    INT_PTR result = dialog.DoModal();
    AfxUnlockTempMaps();
    // The dialog finds the choice again in the store; should it ever not,
    // there is nowhere to go.
    if (result == IDOK && chosen) GoToMark(chosen);
}

// Only editorMark of the bookmark may change, and only from NO_EDITOR_MARK:
// its stored place catches up with the mark at the next reconciliation. A
// file whose path does not fit the 260-byte path buffer is not gone to at
// all: a cut path would open another file and tie the bookmark to a mark in
// it. Nothing moves then, so the mode flag is left alone too.
void CTagpinApp::GoToMark(MarkRecord *mark) {
    if (mark->editorMark == NO_EDITOR_MARK) {
        char path[260];
        if (mark->file.GetLength() >= (int)sizeof path) return;
        FwCopyText(path, sizeof path, mark->file);
        HostFileEdit(path);
        HostMoveTo(mark->row, mark->column);
        mark->editorMark = HostMarkPlace();
        m_editorMarksPlaced = 1;
    } else {
        int line = 0, column = 0;
        int buffer = HostMarkBuffer(mark->editorMark);
        if (HostBufferValid(buffer)) {
            line = HostMarkRow(mark->editorMark);
            column = HostMarkColumn(mark->editorMark);
        }
        HostBufferActivate(buffer);
        HostMoveTo(line, column);
    }
    if (HostModeFlags() & HOST_MODE_PENDING) HostModeClear(HOST_MODE_PENDING);
}
