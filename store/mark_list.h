// mark_list.h - MarkRecord, one bookmark, and MarkList, the growable list of
// them that the store, reconciliation and the list dialog use.
//
// A list keeps its records in the order they were appended; removal closes
// the gap. Its capacity grows by 10 records at a time, or by fewer when
// memory is short, and never shrinks. A failed allocation is reported by
// Add's result, never by ending the program.
//
// The records live in a block of storage that is allocated with room to
// spare, so that growing by 10 seldom moves them: appending n records costs
// O(n), not the O(n^2 / 10) of a new array for every 10 records.
#pragma once

#include "framework/fwstring.h"

enum { NO_EDITOR_MARK = -1 };
// What the list searches answer when nothing is found.
enum { MARK_NOT_FOUND = 2147483647 };

class MarkRecord {
public:
    // Three empty strings; column, row and editorMark get values from whoever
    // creates the record before it is read.
    MarkRecord() : column(0), row(0), editorMark(NO_EDITOR_MARK) {}

    // All six fields compared exactly (letter case counts), in this order:
    // name, file, column, row, project, editorMark.
    bool operator==(const MarkRecord &other) const;
    bool operator!=(const MarkRecord &other) const { return !(*this == other); }

    CString name;     // at most 31 bytes
    CString file;     // full path of the file the bookmark points into
    int column;
    int row;
    int editorMark;   // id of the editor mark holding the place, or NO_EDITOR_MARK
    CString project;  // project open when the bookmark was made; empty: none
};

class MarkList {
public:
    MarkList() : m_records(nullptr), m_count(0), m_capacity(0), m_storage(0) {}
    ~MarkList();

    // Appends a copy of record: 1 stored, 0 when no room could be had (the
    // list is then unchanged). record must not be one of this list's own.
    int Add(const MarkRecord &record);
    unsigned int GetCount() const { return (unsigned int)m_count; }
    // The stored record itself. No bounds check: index is 0..GetCount()-1.
    // Valid until the next Add that grows the list or removal at or below it.
    MarkRecord &GetAt(int index) { return m_records[index]; }
    const MarkRecord &GetAt(int index) const { return m_records[index]; }
    int Contains(const MarkRecord &record) const;
    // Index of the first equal record, or MARK_NOT_FOUND.
    int IndexOf(const MarkRecord &record) const;
    // 1 removed, 0 when index is out of range.
    int RemoveAt(int index);
    // Removes the first equal record: 1 removed, 0 when none is equal.
    int Remove(const MarkRecord &record);

    int GetCapacity() const { return m_capacity; }

private:
    MarkRecord *m_records;  // storage for m_storage records, the first m_capacity
                            // of them constructed; null until the first Add
    int m_count;
    int m_capacity;
    int m_storage;

    int Grow();
    bool GrowTo(int capacity);
    bool MoveToStorage(int storage);
    void DestroyAll();
    MarkList(const MarkList &) = delete;
    MarkList &operator=(const MarkList &) = delete;
};

// Tests make record allocations fail: the hook answers true for a request of
// count records that is to fail. NULL (the default) lets all succeed.
typedef bool (*RecordAllocationHook)(int count);
void SetRecordAllocationHook(RecordAllocationHook hook);
