// merge.cpp - bringing the bookmarks in step with the collected editor marks.
//
// Each editor mark, in the order of the scan, is matched with the first
// bookmark in list order that holds its id or lies at its place; only the
// bookmarks that were in the list when the merge began take part:
//   same id, same file and project     the bookmark follows the mark
//   same id, other file or project     the bookmark is untied, and the same
//                                      bookmark is then tested by place
//   same place, same project           an untied bookmark is tied to the mark
//                                      (the only case that sets
//                                      m_editorMarksPlaced); a tied one stays
//   same place, other project          a twin of the mark under the bookmark's
//                                      name is appended unless an equal
//                                      record already is in the list
//   no match at all                    the mark is adopted under a generated
//                                      name
// An untie that is not followed by a match by place lets the search go on
// with the next bookmark.
#include "addin/tagpin_app.h"
#include "store/names.h"
#include "sync/mark_index.h"

#include <memory>

namespace {

class CMerge {
public:
    explicit CMerge(CTagpinApp &app) : m_app(app), m_index(app.m_marks, (int)app.m_marks.GetCount()) {}

    void Merge(const MarkRecord &mark) {
        for (int j = m_index.FirstMatch(mark, 0); j >= 0; j = m_index.FirstMatch(mark, j + 1)) {
            if (SameMark(j, mark)) return;
            if (AtPlace(m_app.m_marks.GetAt(j), mark)) {
                TakePlace(j, mark);
                return;
            }
        }
        Adopt(mark);
    }

private:
    CTagpinApp &m_app;
    CMarkIndex m_index;
    std::unique_ptr<CNameSequence> m_names;  // made at the first adoption

    // The bookmark holds the mark's id: it follows the mark (true), or is
    // untied when the mark lies in another file or project.
    bool SameMark(int j, const MarkRecord &mark) {
        const MarkRecord &bookmark = m_app.m_marks.GetAt(j);
        if (bookmark.editorMark != mark.editorMark) return false;
        if (SameNoCase(bookmark.project, mark.project) && SameNoCase(bookmark.file, mark.file)) {
            m_index.MoveTo(j, mark.row, mark.column);
            return true;
        }
        m_index.SetEditorMark(j, NO_EDITOR_MARK);
        return false;
    }

    void TakePlace(int j, const MarkRecord &mark) {
        const MarkRecord &bookmark = m_app.m_marks.GetAt(j);
        if (SameNoCase(bookmark.project, mark.project)) {
            if (bookmark.editorMark != NO_EDITOR_MARK) return;
            m_index.SetEditorMark(j, mark.editorMark);
            m_app.m_editorMarksPlaced = 1;
            return;
        }
        MarkRecord twin(mark);
        twin.name = bookmark.name;
        if (!m_index.Contains(twin)) m_index.Append(twin);
    }

    // Each adopted bookmark is in the list before the next name is made, so
    // the names are unique; a record the list could not take leaves its name
    // free for the next one.
    void Adopt(const MarkRecord &mark) {
        if (!m_names) m_names.reset(new CNameSequence(m_app.m_marks));
        m_names->FirstFree(m_app.m_defaultName);
        MarkRecord adopted(mark);
        adopted.name = m_app.m_defaultName;
        if (m_index.Append(adopted)) m_names->Take(adopted.name);
    }
};

}  // namespace

void CTagpinApp::MergeEditorMarks(const MarkList &collected) {
    int count = (int)collected.GetCount();
    if (count == 0) return;
    CMerge merge(*this);
    for (int i = 0; i < count; ++i) merge.Merge(collected.GetAt(i));
}
