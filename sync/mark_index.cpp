// mark_index.cpp - the merge's hash tables of bookmark indexes.
#include "sync/mark_index.h"

#include <algorithm>

namespace {

// Equal texts under FwCompareNoCase have the same length and the same folded
// byte at every position (a double-byte character is compared exactly, which
// implies equal folds), so they hash alike.
uint64_t FoldedHash(const CString &text) {
    uint64_t hash = 14695981039346656037ull;
    const unsigned char *p = (const unsigned char *)text.GetString();
    for (int i = 0; i < text.GetLength(); ++i) hash = (hash ^ FwFoldByte(p[i])) * 1099511628211ull;
    return hash;
}

void InsertSorted(std::vector<int> &indexes, int index) {
    indexes.insert(std::lower_bound(indexes.begin(), indexes.end(), index), index);
}

void EraseSorted(std::vector<int> &indexes, int index) {
    auto at = std::lower_bound(indexes.begin(), indexes.end(), index);
    if (at != indexes.end() && *at == index) indexes.erase(at);
}

}  // namespace

bool SameNoCase(const CString &a, const CString &b) { return FwCompareNoCase(a, b) == 0; }

bool AtPlace(const MarkRecord &bookmark, const MarkRecord &mark) {
    return bookmark.column == mark.column && bookmark.row == mark.row &&
           SameNoCase(bookmark.file, mark.file);
}

size_t CMarkIndex::CPlaceHash::operator()(const CPlace &place) const {
    uint64_t hash = place.m_file;
    hash = (hash ^ (uint32_t)place.m_row) * 1099511628211ull;
    hash = (hash ^ (uint32_t)place.m_column) * 1099511628211ull;
    return (size_t)(hash ^ (hash >> 32));
}

CMarkIndex::CMarkIndex(MarkList &marks, int limit)
    : m_marks(marks), m_limit(limit), m_fileHash(limit > 0 ? limit : 0) {
    int count = (int)marks.GetCount();
    m_holders.reserve(count);
    m_places.reserve(limit > 0 ? limit : 0);
    for (int i = 0; i < count; ++i) {
        const MarkRecord &record = marks.GetAt(i);
        if (record.editorMark != NO_EDITOR_MARK) m_holders[record.editorMark].push_back(i);
        if (i >= limit) continue;
        m_fileHash[i] = FoldedHash(record.file);
        m_places[PlaceOf(i)].push_back(i);
    }
}

CMarkIndex::CPlace CMarkIndex::PlaceOf(int index) const {
    const MarkRecord &record = m_marks.GetAt(index);
    return CPlace{m_fileHash[index], record.row, record.column};
}

int CMarkIndex::FirstMatch(const MarkRecord &mark, int from) const {
    if (mark.editorMark == NO_EDITOR_MARK) return FirstMatchByScan(mark, from);
    int holder = FirstHolder(mark.editorMark, from);
    int atPlace = FirstAtPlace(mark, from, holder < 0 ? m_limit : holder);
    return atPlace >= 0 ? atPlace : holder;
}

int CMarkIndex::FirstHolder(int id, int from) const {
    auto found = m_holders.find(id);
    if (found == m_holders.end()) return -1;
    const CIndexes &indexes = found->second;
    auto at = std::lower_bound(indexes.begin(), indexes.end(), from);
    return at != indexes.end() && *at < m_limit ? *at : -1;
}

// The first bookmark from from and before before that lies at mark's place.
int CMarkIndex::FirstAtPlace(const MarkRecord &mark, int from, int before) const {
    auto found = m_places.find(CPlace{FoldedHash(mark.file), mark.row, mark.column});
    if (found == m_places.end()) return -1;
    const CIndexes &indexes = found->second;
    for (auto at = std::lower_bound(indexes.begin(), indexes.end(), from);
         at != indexes.end() && *at < before; ++at)
        if (AtPlace(m_marks.GetAt(*at), mark)) return *at;
    return -1;
}

// Every untied bookmark holds NO_EDITOR_MARK, so an editor record with that id
// (the collect step never makes one) is looked up by walking the list.
int CMarkIndex::FirstMatchByScan(const MarkRecord &mark, int from) const {
    for (int j = from < 0 ? 0 : from; j < m_limit; ++j) {
        const MarkRecord &bookmark = m_marks.GetAt(j);
        if (bookmark.editorMark == mark.editorMark || AtPlace(bookmark, mark)) return j;
    }
    return -1;
}

int CMarkIndex::Contains(const MarkRecord &record) const {
    if (record.editorMark == NO_EDITOR_MARK) return m_marks.Contains(record);
    auto found = m_holders.find(record.editorMark);
    if (found == m_holders.end()) return 0;
    for (int index : found->second)
        if (m_marks.GetAt(index) == record) return 1;
    return 0;
}

void CMarkIndex::SetEditorMark(int index, int id) {
    int &held = m_marks.GetAt(index).editorMark;
    if (held == id) return;
    if (held != NO_EDITOR_MARK) EraseSorted(m_holders[held], index);
    held = id;
    if (id != NO_EDITOR_MARK) InsertSorted(m_holders[id], index);
}

void CMarkIndex::MoveTo(int index, int row, int column) {
    MarkRecord &record = m_marks.GetAt(index);
    if (record.row == row && record.column == column) return;
    EraseSorted(m_places[PlaceOf(index)], index);
    record.row = row;
    record.column = column;
    InsertSorted(m_places[PlaceOf(index)], index);
}

int CMarkIndex::Append(const MarkRecord &record) {
    int index = (int)m_marks.GetCount();
    if (!m_marks.Add(record)) return 0;
    if (record.editorMark != NO_EDITOR_MARK) m_holders[record.editorMark].push_back(index);
    return 1;
}
