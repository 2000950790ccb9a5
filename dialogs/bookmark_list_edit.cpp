// bookmark_list_edit.cpp - the list dialog's buttons: Delete, Clear, Info
// and Change, and the line a bookmark shows.
#include "dialogs/bookmark_list_dlg.h"
#include "dialogs/rename_dlg.h"

#include "host/host.h"

#include <stdio.h>
#include <string.h>

int CBookmarkListDlg::FormatLine(const MarkRecord &record, char line[LINE_SIZE]) {
    char numbers[32];
    int numbersLength = snprintf(numbers, sizeof numbers, "\t%d\t%d", record.row, record.column);
    const char *file = record.file;
    const char *backslash = strrchr(file, '\\');
    const char *part = backslash ? backslash + 1 : file;
    int room = LINE_SIZE - 1 - numbersLength - 1;  // for the name and the file name
    int nameLength = record.name.GetLength() < room ? record.name.GetLength() : room;
    int partLength = (int)strlen(part);
    if (partLength > room - nameLength) partLength = room - nameLength;
    char *end = line;
    memcpy(end, record.name, nameLength);
    end += nameLength;
    *end++ = '\t';
    memcpy(end, part, partLength);
    end += partLength;
    memcpy(end, numbers, numbersLength + 1);
    return (int)(end - line) + numbersLength;
}

// The copy is queued before anything changes: a deletion that cannot be
// recorded is not made, and the bookmark keeps its line and editor mark.
int CBookmarkListDlg::QueueDeletion(MarkRecord &record) {
    MarkRecord copy(record);
    copy.editorMark = NO_EDITOR_MARK;
    if (!m_pending.Add(copy)) return 0;
    if (record.editorMark != NO_EDITOR_MARK) HostMarkDelete(record.editorMark);
    record.editorMark = NO_EDITOR_MARK;
    return 1;
}

// The line that moves into the deleted one's place is selected, or the new
// last line; deleting the last line of all ends the dialog.
void CBookmarkListDlg::OnDelete() {
    int sel;
    MarkRecord *record = SelectedRecord(&sel);
    if (!record || !QueueDeletion(*record)) return;
    int left = m_list.DeleteString(sel);
    if (left == 0) {
        ApplyPendingDeletes();
        EndDialog(IDCANCEL);
    } else if (left > 0) {
        m_list.SetCurSel(sel < left ? sel : sel - 1);
    }
}

// Every listed bookmark, without asking; the others stay.
void CBookmarkListDlg::OnClear() {
    int count = m_list.GetCount();
    for (int i = 0; i < count; ++i)
        if (MarkRecord *record = LineRecord(i)) QueueDeletion(*record);
    ApplyPendingDeletes();
    EndDialog(IDCANCEL);
}

void CBookmarkListDlg::OnInfo() {
    int sel;
    if (MarkRecord *record = SelectedRecord(&sel)) MessageBox(record->file, m_msgCaption, MB_OK);
}

// The renamed line keeps its place and stays selected; it is made anew, so
// its item data is set again.
void CBookmarkListDlg::OnChange() {
    int sel;
    MarkRecord *record = SelectedRecord(&sel);
    if (!record) return;
    CString newName;
    CRenameDlg rename(record->name, &newName, m_store, m_msgCaption, m_projectOnly, this);
    if (rename.DoModal() != IDOK) return;
    record->name = newName;
    char line[LINE_SIZE];
    FormatLine(*record, line);
    m_list.DeleteString(sel);
    m_list.InsertString(sel, line);
    m_list.SetCurSel(sel);
    m_list.SetItemDataPtr(sel, record);
}
