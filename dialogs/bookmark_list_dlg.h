// bookmark_list_dlg.h - CBookmarkListDlg, the "Go To Bookmark" dialog
// (template 101): one line per bookmark; choose, delete, clear, show the
// full path, rename.
//
// It works on the store itself. A rename changes the stored record at once.
// A deletion removes the bookmark's editor mark at once, but the record
// leaves the store only as the dialog ends, whichever way it ends: each line
// carries its record's address as item data, and those addresses hold only
// while no record is removed. IDOK: the caller's pointer designates the
// chosen record in the store, found again by content after the deletions.
// IDCANCEL: the pointer is not written; deletions are applied all the same.
#pragma once

#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/fwstring.h"
#include "res/resource.h"
#include "store/mark_list.h"

class CBookmarkListDlg : public CDialog {
public:
    enum { IDD = IDD_BOOKMARK_LIST };
    // Bytes of a line's text buffer, terminator included.
    enum { LINE_SIZE = 316 };

    CBookmarkListDlg(MarkList *store, MarkRecord **chosen, const CString &msgCaption,
                     int projectOnly, CWnd *owner);
    ~CBookmarkListDlg() override;

    // The line of a record: name, file name (after the last backslash),
    // row, column, separated by tabs. Row and column always appear whole; a
    // line that would not fit LINE_SIZE has its file name, then its name,
    // cut. Answers the line's length.
    static int FormatLine(const MarkRecord &record, char line[LINE_SIZE]);
    // 1 when project is the host's current project (no project: empty).
    int IsCurrentProject(const CString &project);

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnDblclkList();
    void OnDelete();
    void OnClear();
    void OnInfo();
    void OnChange();
    DECLARE_MESSAGE_MAP()

    void CenterOverOwner();
    void FillList();
    // The record of line index, or NULL for a line without item data.
    MarkRecord *LineRecord(int index);
    // The selected line's record and index; NULL when there is none.
    MarkRecord *SelectedRecord(int *index);
    // Detaches the record's editor mark and queues a copy for removal; 0
    // (and nothing changed) when the copy cannot be queued.
    int QueueDeletion(MarkRecord &record);
    void ApplyPendingDeletes();
    MarkRecord *FindInStore(const MarkRecord &record);
    // Copies the selected record, applies the deletions and writes the copy's
    // place in the store to the caller; 0 when no line is chosen.
    int Choose();

    CListBox m_list;          // control 1004
    MarkList *m_store;        // every bookmark; not owned
    MarkList m_pending;       // copies of the bookmarks deleted so far, in order
    MarkRecord **m_chosen;    // the caller's pointer, written on the choosing paths
    CString m_msgCaption;     // caption of the message boxes; handed to the rename dialog
    int m_projectOnly;        // nonzero: only the current project's bookmarks are listed
};
