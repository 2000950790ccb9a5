// mark_index.h - the lookups of one merge of editor marks into the bookmarks.
//
// CMarkIndex   for an editor mark, the first bookmark in list order that
//              holds its id or lies at its place; kept up to date while the
//              merge ties, unties and moves bookmarks and appends new ones
//
// The merge compares files and projects with letter case ignored, the way
// FwCompareNoCase does; lines, columns and ids as integers.
#pragma once

#include "store/mark_list.h"

#include <stddef.h>
#include <stdint.h>

#include <unordered_map>
#include <vector>

// FwCompareNoCase equality of two texts.
bool SameNoCase(const CString &a, const CString &b);
// The bookmark lies at the editor mark's line, column and file.
bool AtPlace(const MarkRecord &bookmark, const MarkRecord &mark);

// Without an index every editor mark costs a scan of every bookmark. The
// index keeps two tables of ascending bookmark indexes, so the first match is
// the front of a short list:
//   holders  id -> every bookmark holding that id, appended ones included
//   places   (file, line, column) -> the bookmarks below the limit lying
//            there; the file enters as a hash of its case-folded bytes, and
//            entries are confirmed with AtPlace, so a hash collision costs a
//            comparison and nothing else.
// Bookmarks at or above the limit (appended during the merge) are never
// matched. Every change the merge makes to a bookmark goes through the index.
class CMarkIndex {
public:
    // Indexes every bookmark of marks; those below limit can be matched.
    CMarkIndex(MarkList &marks, int limit);

    // The first bookmark from index from up to the limit that holds mark's id
    // or lies at its place; -1 when there is none.
    int FirstMatch(const MarkRecord &mark, int from) const;
    // 1 when some bookmark equals record in all six fields (MarkList::Contains).
    int Contains(const MarkRecord &record) const;

    void SetEditorMark(int index, int id);
    void MoveTo(int index, int row, int column);
    // Appends a copy of record to the list: MarkList::Add's result.
    int Append(const MarkRecord &record);

private:
    struct CPlace {
        uint64_t m_file;
        int m_row;
        int m_column;
        bool operator==(const CPlace &other) const {
            return m_file == other.m_file && m_row == other.m_row && m_column == other.m_column;
        }
    };
    struct CPlaceHash {
        size_t operator()(const CPlace &place) const;
    };
    typedef std::vector<int> CIndexes;  // ascending

    MarkList &m_marks;
    int m_limit;
    std::vector<uint64_t> m_fileHash;  // of each bookmark below the limit
    std::unordered_map<int, CIndexes> m_holders;
    std::unordered_map<CPlace, CIndexes, CPlaceHash> m_places;

    CPlace PlaceOf(int index) const;
    int FirstHolder(int id, int from) const;
    int FirstAtPlace(const MarkRecord &mark, int from, int before) const;
    int FirstMatchByScan(const MarkRecord &mark, int from) const;
};
